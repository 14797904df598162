import {copy} from './clipboard.js';

// A list: lines, one selected at a time by click, tap or keys, copied by
// Ctrl+C or from its menu (right click, long press, Menu key, Shift+F10). Its
// lines are its model, as a desktop list's are; only those in view, and the
// selected one, are elements, each saying which of how many it is, so that
// 3950 lines show at once. Its menu is the element named after it.
export function listBox(list) {
  const menu = document.getElementById(`${list.id}-menu`);
  let lines = [];
  let selected = -1;
  let rowHeight = 0;
  const spacer = document.createElement('div');
  spacer.setAttribute('role', 'none');
  spacer.className = 'spacer';
  list.append(spacer);

  // Each line's element keeps its id while it is there, and is changed in
  // place, so that a screen reader reads only the line it moves to.
  const shown = new Map();
  function option(index) {
    let element = shown.get(index);
    if (!element) {
      element = document.createElement('div');
      element.setAttribute('role', 'option');
      element.id = `${list.id}-line-${index}`;
      element.dataset.index = index;
      shown.set(index, element);
    }
    const set = (name, value) => { if (element.getAttribute(name) !== value) element.setAttribute(name, value); };
    set('aria-setsize', String(lines.length));
    set('aria-posinset', String(index + 1));
    set('aria-selected', String(index === selected));
    if (element.textContent !== lines[index]) element.textContent = lines[index];
    element.style.top = `${index * rowHeight}px`;
    return element;
  }

  // The lines in view, a few around them, and the selected one, in order.
  function render() {
    if (!rowHeight && lines.length) {
      const probe = option(0);
      list.append(probe);
      rowHeight = probe.offsetHeight || 20;
    }
    spacer.style.height = `${lines.length * rowHeight}px`;
    const first = Math.max(0, Math.floor(list.scrollTop / rowHeight) - 8);
    const last = Math.min(lines.length, Math.ceil((list.scrollTop + list.clientHeight) / rowHeight) + 8);
    const wanted = [];
    for (let index = first; index < last; ++index) wanted.push(index);
    if (selected >= 0 && (selected < first || selected >= last)) wanted.push(selected);
    wanted.sort((a, b) => a - b);
    for (const [index, element] of shown)
      if (!wanted.includes(index) || index >= lines.length) {
        element.remove();
        shown.delete(index);
      }
    let before = spacer;
    for (const index of wanted) {
      const element = option(index);
      if (before.nextSibling !== element) before.after(element);
      before = element;
    }
    if (selected >= 0) list.setAttribute('aria-activedescendant', `${list.id}-line-${selected}`);
    else list.removeAttribute('aria-activedescendant');
  }
  let rendering = 0;
  list.addEventListener('scroll', () => {
    cancelAnimationFrame(rendering);
    rendering = requestAnimationFrame(render);
  });
  // A phone's rows are taller: measured again when the layout changes.
  new ResizeObserver(() => {
    rowHeight = 0;
    render();
  }).observe(list);

  function select(index) {
    if (index < 0 || index >= lines.length) return;
    selected = index;
    const top = index * rowHeight;
    if (top < list.scrollTop) list.scrollTop = top;
    else if (top + rowHeight > list.scrollTop + list.clientHeight)
      list.scrollTop = top + rowHeight - list.clientHeight;
    render();
  }

  // The lines, one to a line, as the logic reads them.
  const text = () => lines.join('\n');

  // New lines, or none: the list starts again at its top, nothing selected.
  function show(joined) {
    lines = joined ? joined.split('\n') : [];
    selected = -1;
    for (const element of shown.values()) element.remove();
    shown.clear();
    list.scrollTop = 0;
    render();
    return lines.length;
  }

  const selectedLine = () => (selected >= 0 ? lines[selected] : null);
  list.copyText = selectedLine;

  list.addEventListener('click', (event) => {
    const picked = event.target.closest('[role="option"]');
    if (picked && picked.parentNode === list) select(Number(picked.dataset.index));
  });

  list.addEventListener('keydown', (event) => {
    if (!lines.length) return;
    const page = Math.max(1, Math.floor(list.clientHeight / rowHeight) - 1);
    const to = {
      ArrowDown: selected + 1, ArrowUp: Math.max(selected - 1, 0), Home: 0, End: lines.length - 1,
      PageDown: selected + page, PageUp: Math.max(selected - page, 0),
    }[event.key];
    if (to === undefined || event.altKey || event.ctrlKey || event.metaKey) return;
    event.preventDefault();
    select(Math.min(to, lines.length - 1));
  });

  // The menu.
  const items = [...menu.querySelectorAll('[role="menuitem"]')];
  let returnFocus = false;
  function close(focusList) {
    if (menu.hidden) return;
    menu.hidden = true;
    if (focusList || returnFocus) list.focus({preventScroll: true});
  }
  function open(x, y, byKeyboard) {
    items[0].setAttribute('aria-disabled', String(selected < 0));
    items[1].setAttribute('aria-disabled', String(!lines.length));
    menu.hidden = false;
    const box = menu.getBoundingClientRect();
    menu.style.left = `${Math.max(0, Math.min(x, innerWidth - box.width))}px`;
    menu.style.top = `${Math.max(0, Math.min(y, innerHeight - box.height))}px`;
    returnFocus = byKeyboard;
    (items.find((item) => item.getAttribute('aria-disabled') !== 'true') || items[0]).focus();
  }
  function openAtList() {
    const line = list.querySelector('[aria-selected="true"]');
    const where = (line || list).getBoundingClientRect();
    open(where.left, line ? where.bottom : where.top, true);
  }
  function activate(item) {
    if (item.getAttribute('aria-disabled') === 'true') return;
    copy(item.dataset.copy === 'line' ? selectedLine() : text());
    close(true);
  }

  // A right click, or a long press where the browser makes one of it.
  list.addEventListener('contextmenu', (event) => {
    event.preventDefault();
    if (!menu.hidden) return;
    const picked = event.target.closest('[role="option"]');
    if (picked && picked.parentNode === list) select(Number(picked.dataset.index));
    open(event.clientX, event.clientY, false);
  });
  // From the keyboard the menu opens under the selected line, or at the list's corner.
  list.addEventListener('keydown', (event) => {
    if (event.key === 'ContextMenu' || (event.key === 'F10' && event.shiftKey)) {
      event.preventDefault();
      openAtList();
    }
  });
  // A long press, where the browser gives no context menu of its own for it.
  let pressing = 0;
  list.addEventListener('pointerdown', (event) => {
    if (event.pointerType !== 'touch') return;
    const {clientX, clientY} = event;
    clearTimeout(pressing);
    pressing = setTimeout(() => {
      const picked = document.elementFromPoint(clientX, clientY)?.closest('[role="option"]');
      if (picked && picked.parentNode === list) select(Number(picked.dataset.index));
      if (menu.hidden) open(clientX, clientY, false);
    }, 600);
  });
  for (const end of ['pointerup', 'pointercancel', 'pointermove'])
    list.addEventListener(end, (event) => {
      if (end !== 'pointermove' || Math.abs(event.movementX) + Math.abs(event.movementY) > 8)
        clearTimeout(pressing);
    });

  menu.addEventListener('click', (event) => {
    const item = event.target.closest('[role="menuitem"]');
    if (item) activate(item);
  });
  menu.addEventListener('keydown', (event) => {
    const at = items.indexOf(document.activeElement);
    if (event.key === 'ArrowDown' || event.key === 'ArrowUp') {
      items[(at + (event.key === 'ArrowDown' ? 1 : items.length - 1)) % items.length].focus();
    } else if (event.key === 'Home' || event.key === 'End') {
      items[event.key === 'Home' ? 0 : items.length - 1].focus();
    } else if (event.key === 'Enter' || event.key === ' ') {
      if (at >= 0) activate(items[at]);
    } else if (event.key === 'Escape' || event.key === 'Tab') {
      close(true);
    } else {
      return;
    }
    event.preventDefault();
  });
  document.addEventListener('pointerdown', (event) => {
    if (!menu.hidden && !menu.contains(event.target)) close(false);
  });

  return {text, show};
}
