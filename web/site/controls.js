// What every form of the page shares: the logic's module, loaded once, with the
// clicks that come before it waiting in turn; the window's tab order where the
// window fits; boxes held to their character limits; lists with one line
// selected at a time and their copy menu; the failure message; and what is said
// to screen readers. It keeps no data of its own: the controls hold the form.
'use strict';

const Banknotes = (() => {
  const wide = matchMedia('(min-width: 560px)');
  const status = document.getElementById('Status');
  const announcement = document.getElementById('Announcement');

  function showStatus(text) {
    status.textContent = text;
  }

  // ---- The logic. Work waits for it in the order it was asked for; work that
  // fails does not stop the work after it.
  let logic = null;
  let loaded;
  if (location.protocol === 'file:') {
    loaded = Promise.reject(new Error('file'));
    showStatus('Страницата трябва да се отвори през уеб сървър, не като файл.');
  } else if (typeof WebAssembly !== 'object' || typeof BanknotesLogic !== 'function') {
    loaded = Promise.reject(new Error('no WebAssembly'));
    showStatus('Този браузър не може да изпълни програмата: нужен е WebAssembly. ' +
               'Опитайте с нова версия на Chrome, Edge, Firefox или Safari.');
  } else {
    loaded = BanknotesLogic().then((module) => {
      logic = module;
      return module;
    }, (error) => {
      showStatus('Програмата не можа да се зареди. Презаредете страницата.');
      throw error;
    });
  }
  loaded.catch(() => {});
  let last = Promise.resolve();

  // Runs work(logic) once the logic is there, after all work asked for before it.
  // A form that gives {read, write} is put back as it was when the work fails in
  // a way the page did not expect, and the failure message says so.
  function whenLoaded(work, form) {
    const run = last.then(() => loaded).then(() => {
      const before = form?.read();
      try {
        return work(logic);
      } catch (error) {
        if (form) form.write(before);
        console.error(error);
        showFailure(message.dataset.title, message.dataset.unexpected);
      }
    });
    last = run.catch(() => {});
    return run;
  }

  // ---- Said to screen readers: the outcome of a click.
  let announcing = 0;
  function announce(text) {
    announcement.textContent = '';
    clearTimeout(announcing);
    // A new text, even the same again, is read out.
    announcing = setTimeout(() => { announcement.textContent = text; }, 100);
  }

  // ---- The window's tab order where the window fits; on a phone, the order
  // seen. The controls stand in the page in that order, so that the focus
  // takes it with no tab index of its own, also when a screen reader has moved
  // the focus as it read.
  function placeInOrder() {
    for (const form of document.querySelectorAll('[data-tab-order]')) {
      const order = (wide.matches ? form.dataset.tabOrder : form.dataset.readingOrder).split(' ');
      const focused = document.activeElement;
      for (const id of order) form.append(document.getElementById(id));
      if (focused && document.activeElement !== focused) focused.focus({preventScroll: true});
    }
  }
  wide.addEventListener('change', placeInOrder);
  placeInOrder();

  // The focus starts where the window starts it, where the window is seen whole.
  function focusFirst() {
    if (!wide.matches) return;
    const first = [...document.querySelectorAll('[data-tab]')]
                      .sort((a, b) => a.dataset.tab - b.dataset.tab)[0];
    if (first && document.activeElement === document.body) first.focus({preventScroll: true});
  }

  // ---- A box with a limit: one line of at most so many characters, typed or
  // pasted, by the logic's own rule.
  function holdToLimit(box) {
    const limit = Number(box.dataset.limit), digits = 'digits' in box.dataset;
    const fit = (text, cursor) => {
      const kept = logic.fitToLimit(text, cursor, limit, digits);
      if (box.value !== kept.text) box.value = kept.text;
      if (document.activeElement === box) box.setSelectionRange(kept.cursor, kept.cursor);
    };
    // A paste keeps its line breaks until the rule has taken its first line.
    // While the logic loads, the first line goes in at once, and the rule cuts
    // what the box holds then, once the logic is there: nothing typed meanwhile
    // is lost, and the box always shows what a click will read.
    box.addEventListener('paste', (event) => {
      event.preventDefault();
      const pasted = event.clipboardData.getData('text/plain');
      const start = box.selectionStart, end = box.selectionEnd;
      if (logic) return fit(box.value.slice(0, start) + pasted + box.value.slice(end), start + pasted.length);
      box.setRangeText(pasted.split(/[\r\n]/, 1)[0], start, end, 'end');
      whenLoaded(() => fit(box.value, box.selectionEnd));
    });
    // Keys, on-screen keyboards and dictation alike.
    const typed = () => {
      if (logic) fit(box.value, box.selectionEnd);
      else whenLoaded(() => fit(box.value, box.selectionEnd));
    };
    box.addEventListener('input', (event) => { if (!event.isComposing) typed(); });
    box.addEventListener('compositionend', typed);
  }
  for (const box of document.querySelectorAll('input[data-limit]')) holdToLimit(box);

  // ---- What belongs to an option is seen while it is chosen.
  function showChosen() {
    for (const shown of document.querySelectorAll('[data-shown-with]'))
      shown.hidden = !document.querySelector(`#${shown.dataset.shownWith} input`).checked;
  }
  document.addEventListener('change', (event) => { if (event.target.type === 'radio') showChosen(); });

  // ---- The clipboard. A copy from the keyboard or a menu sets the text itself.
  let copying = null;
  document.addEventListener('copy', (event) => {
    const text = copying ?? (document.activeElement?.copyText?.());
    if (text == null) return;
    event.clipboardData.setData('text/plain', text);
    event.preventDefault();
  });
  function copy(text) {
    copying = text;
    const copied = document.execCommand('copy');
    copying = null;
    if (!copied && navigator.clipboard) navigator.clipboard.writeText(text).catch(() => {});
  }

  // ---- A list: lines, one selected at a time by click, tap or keys, copied by
  // Ctrl+C or from its menu (right click, long press, Menu key, Shift+F10). Its
  // lines are its model, as a desktop list's are; only those in view, and the
  // selected one, are elements, each saying which of how many it is, so that
  // 3950 lines show at once.
  function listBox(list, menu) {
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

  // ---- A failure: a message that takes the focus and keeps it, closed by its
  // button, Enter or Escape; the focus goes back where it was. It is modal to
  // the user (a shade over the page takes every click, Tab stays in it), but the
  // page under it is not made inert: that would take the page out of a screen
  // reader's tree and put it back at the close, and Orca then reads where it
  // was, not where the focus goes.
  const message = document.getElementById('FailureMessage');
  const shade = document.getElementById('Shade');
  let returnTo = null;
  function showFailure(title, text) {
    // Nothing said before it is read again when it closes.
    clearTimeout(announcing);
    announcement.textContent = '';
    returnTo = document.activeElement;
    message.querySelector('h2').textContent = title;
    message.querySelector('p').textContent = text;
    shade.hidden = false;
    message.show();
    message.querySelector('button').focus();
  }
  function closeFailure() {
    if (!message.open) return;
    message.close();
    shade.hidden = true;
    returnTo?.focus?.();
  }
  if (message) {
    message.querySelector('button').addEventListener('click', closeFailure);
    message.addEventListener('keydown', (event) => {
      if (event.key === 'Escape') closeFailure();
      else if (event.key !== 'Tab') return;
      event.preventDefault();
      if (message.open) message.querySelector('button').focus();
    });
    // Wherever the focus would go, it comes back to the message.
    document.addEventListener('focusin', (event) => {
      if (message.open && !message.contains(event.target)) message.querySelector('button').focus();
    });
  }

  // Offline after one visit; a new version on the next visit with a network.
  if ('serviceWorker' in navigator && location.protocol !== 'file:')
    navigator.serviceWorker.register('service-worker.js');

  return {loaded, whenLoaded, announce, focusFirst, showChosen, listBox, showFailure, showStatus};
})();
