import {copy} from './clipboard.js';
import {onLongPress} from './long-press.js';

// A list's copy menu, the element named after it: "Копиране" copies the
// selected line, "Копиране на всички редове" every line. It opens by a right
// click, a long press, the Menu key or Shift+F10, and is worked by its keys.
// `lines` gives the selected line (or null) and every line, and selects the
// line at a point.
export function copyMenu(list, lines) {
  const menu = document.getElementById(`${list.id}-menu`);
  const items = [...menu.querySelectorAll('[role="menuitem"]')];
  let returnFocus = false;
  function close(focusList) {
    if (menu.hidden) return;
    menu.hidden = true;
    if (focusList || returnFocus) list.focus({preventScroll: true});
  }
  function open(x, y, byKeyboard) {
    items[0].setAttribute('aria-disabled', String(lines.selectedLine() === null));
    items[1].setAttribute('aria-disabled', String(!lines.text()));
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
    copy(item.dataset.copy === 'line' ? lines.selectedLine() : lines.text());
    close(true);
  }

  // A right click, or a long press where the browser makes one of it.
  list.addEventListener('contextmenu', (event) => {
    event.preventDefault();
    if (!menu.hidden) return;
    lines.selectAt(event.target);
    open(event.clientX, event.clientY, false);
  });
  // From the keyboard the menu opens under the selected line, or at the list's corner.
  list.addEventListener('keydown', (event) => {
    if (event.key === 'ContextMenu' || (event.key === 'F10' && event.shiftKey)) {
      event.preventDefault();
      openAtList();
    }
  });
  onLongPress(list, (x, y) => {
    lines.selectAt(document.elementFromPoint(x, y));
    if (menu.hidden) open(x, y, false);
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
}
