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

  // ---- The logic. Work waits for it in the order it was asked for.
  let logic = null;
  let queue;
  if (location.protocol === 'file:') {
    queue = Promise.reject(new Error('file'));
    showStatus('Страницата трябва да се отвори през уеб сървър, не като файл.');
  } else if (typeof WebAssembly !== 'object' || typeof BanknotesLogic !== 'function') {
    queue = Promise.reject(new Error('no WebAssembly'));
    showStatus('Този браузър не може да изпълни програмата: нужен е WebAssembly. ' +
               'Опитайте с нова версия на Chrome, Edge, Firefox или Safari.');
  } else {
    queue = BanknotesLogic().then((module) => {
      logic = module;
      return module;
    }, (error) => {
      showStatus('Програмата не можа да се зареди. Презаредете страницата.');
      throw error;
    });
  }
  queue.catch(() => {});
  const loaded = queue;

  // Runs work(logic) once the logic is there, after all work asked for before it.
  function whenLoaded(work) {
    queue = queue.then(() => work(logic));
    queue.catch((error) => console.error(error));
    return queue;
  }

  // ---- Said to screen readers: the outcome of a click.
  let announcing = 0;
  function announce(text) {
    announcement.textContent = '';
    clearTimeout(announcing);
    // A new text, even the same again, is read out.
    announcing = setTimeout(() => { announcement.textContent = text; }, 100);
  }

  // ---- The window's tab order where the window fits; on a phone, the order seen.
  function applyTabOrder() {
    for (const control of document.querySelectorAll('[data-tab]'))
      control.tabIndex = wide.matches ? Number(control.dataset.tab) + 1 : 0;
  }
  wide.addEventListener('change', applyTabOrder);
  applyTabOrder();

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
    const limit = Number(box.dataset.limit);
    const fit = (text, cursor) => {
      const kept = logic.fitToLimit(text, cursor, limit);
      if (box.value !== kept.text) box.value = kept.text;
      if (document.activeElement === box) box.setSelectionRange(kept.cursor, kept.cursor);
    };
    // A paste keeps its line breaks until the rule has taken its first line.
    box.addEventListener('paste', (event) => {
      event.preventDefault();
      const pasted = event.clipboardData.getData('text/plain');
      const start = box.selectionStart, end = box.selectionEnd;
      const text = box.value.slice(0, start) + pasted + box.value.slice(end);
      whenLoaded(() => fit(text, start + pasted.length));
    });
    // Keys, on-screen keyboards and dictation alike.
    const typed = () => {
      if (logic) fit(box.value, box.selectionEnd);
      else whenLoaded(() => fit(box.value, box.value.length));
    };
    box.addEventListener('input', (event) => { if (!event.isComposing) typed(); });
    box.addEventListener('compositionend', typed);
  }
  for (const box of document.querySelectorAll('input[data-limit]')) holdToLimit(box);

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
  // Ctrl+C or from its menu (right click, long press, Menu key, Shift+F10).
  function listBox(list, menu) {
    let selected = null;
    const options = () => list.children;

    function select(option) {
      if (!option || option === selected) return;
      if (selected) {
        selected.removeAttribute('aria-selected');
        selected.removeAttribute('id');
      }
      selected = option;
      option.setAttribute('aria-selected', 'true');
      option.id = `${list.id}-selected`;
      list.setAttribute('aria-activedescendant', option.id);
      option.scrollIntoView({block: 'nearest'});
    }

    // The lines, one to a line, as the logic reads them.
    function text() {
      let joined = '';
      for (const option of options()) joined += (joined ? '\n' : '') + option.textContent;
      return joined;
    }

    // New lines, or none: the list starts again at its top, nothing selected.
    function show(joined) {
      selected = null;
      list.removeAttribute('aria-activedescendant');
      const lines = joined ? joined.split('\n') : [];
      const template = document.createElement('div');
      template.setAttribute('role', 'option');
      const fragment = document.createDocumentFragment();
      for (const line of lines) {
        const option = template.cloneNode(false);
        option.textContent = line;
        fragment.append(option);
      }
      list.replaceChildren(fragment);
      list.scrollTop = 0;
      return lines.length;
    }

    list.copyText = () => (selected ? selected.textContent : null);

    list.addEventListener('click', (event) => {
      const option = event.target.closest('[role="option"]');
      if (option && option.parentNode === list) select(option);
    });

    list.addEventListener('keydown', (event) => {
      const all = options();
      if (!all.length) return;
      const at = selected ? [...all].indexOf(selected) : -1;
      const page = Math.max(1, Math.floor(list.clientHeight / (all[0].offsetHeight || 1)) - 1);
      const to = {
        ArrowDown: at + 1, ArrowUp: Math.max(at - 1, 0), Home: 0, End: all.length - 1,
        PageDown: at + page, PageUp: Math.max(at - page, 0),
      }[event.key];
      if (to === undefined || event.altKey || event.ctrlKey || event.metaKey) return;
      event.preventDefault();
      select(all[Math.min(to, all.length - 1)]);
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
      items[0].setAttribute('aria-disabled', String(!selected));
      items[1].setAttribute('aria-disabled', String(!options().length));
      menu.hidden = false;
      const box = menu.getBoundingClientRect();
      menu.style.left = `${Math.max(0, Math.min(x, innerWidth - box.width))}px`;
      menu.style.top = `${Math.max(0, Math.min(y, innerHeight - box.height))}px`;
      returnFocus = byKeyboard;
      (items.find((item) => item.getAttribute('aria-disabled') !== 'true') || items[0]).focus();
    }
    function openAtList() {
      const where = (selected || list).getBoundingClientRect();
      open(where.left, selected ? where.bottom : where.top, true);
    }
    function activate(item) {
      if (item.getAttribute('aria-disabled') === 'true') return;
      copy(item.dataset.copy === 'line' ? selected.textContent : text());
      close(true);
    }

    // A right click, or a long press where the browser makes one of it.
    list.addEventListener('contextmenu', (event) => {
      event.preventDefault();
      if (!menu.hidden) return;
      const option = event.target.closest('[role="option"]');
      if (option && option.parentNode === list) select(option);
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
        const option = document.elementFromPoint(clientX, clientY)?.closest('[role="option"]');
        if (option && option.parentNode === list) select(option);
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

    return {text, show, get selectedLine() { return selected && selected.textContent; }};
  }

  // ---- A failure: a modal message that takes the focus, closed by its button,
  // Enter or Escape; the focus goes back where it was.
  const message = document.getElementById('FailureMessage');
  function showFailure(title, text) {
    const returnTo = document.activeElement;
    message.querySelector('h2').textContent = title;
    message.querySelector('p').textContent = text;
    message.addEventListener('close', () => returnTo?.focus?.(), {once: true});
    message.showModal();
    message.querySelector('button').focus();
  }
  if (message) message.querySelector('button').addEventListener('click', () => message.close());

  // Offline after one visit; a new version on the next visit with a network.
  if ('serviceWorker' in navigator && location.protocol !== 'file:')
    navigator.serviceWorker.register('service-worker.js');

  return {loaded, whenLoaded, announce, focusFirst, listBox, showFailure};
})();
