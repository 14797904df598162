import {copyMenu} from './list-menu.js';
import {scrolledLines} from './list-scroll.js';

// A list: lines, one selected at a time by click, tap or keys, copied by
// Ctrl+C or from its menu. Its lines are its model, as a desktop list's are;
// list-scroll.js makes elements of those in view, list-menu.js is the menu.
export function listBox(list) {
  const model = {lines: [], selected: -1};
  const rows = scrolledLines(list, model);

  function select(index) {
    if (index < 0 || index >= model.lines.length) return;
    model.selected = index;
    const top = index * rows.rowHeight();
    if (top < list.scrollTop) list.scrollTop = top;
    else if (top + rows.rowHeight() > list.scrollTop + list.clientHeight)
      list.scrollTop = top + rows.rowHeight() - list.clientHeight;
    rows.render();
  }
  // The line an element of the list is, if it is one.
  function selectAt(element) {
    const picked = element?.closest('[role="option"]');
    if (picked && picked.parentNode === list) select(Number(picked.dataset.index));
  }

  // The lines, one to a line, as the logic reads them.
  const text = () => model.lines.join('\n');

  // New lines, or none: the list starts again at its top, nothing selected.
  function show(joined) {
    model.lines = joined ? joined.split('\n') : [];
    model.selected = -1;
    rows.clear();
    list.scrollTop = 0;
    rows.render();
    return model.lines.length;
  }

  // The line the window chose (the line of code run last), or none it chose.
  const chosen = () => (model.selected >= 0 ? model.selected : -1);
  function choose(index) {
    if (typeof index === 'number') {
      if (index !== model.selected) select(index);
    } else if (model.selected >= 0) {
      model.selected = -1;
      rows.render();
    }
  }

  const selectedLine = () => (model.selected >= 0 ? model.lines[model.selected] : null);
  list.copyText = selectedLine;

  list.addEventListener('click', (event) => selectAt(event.target));
  list.addEventListener('keydown', (event) => {
    const {lines, selected} = model;
    if (!lines.length) return;
    const page = Math.max(1, Math.floor(list.clientHeight / rows.rowHeight()) - 1);
    const to = {
      ArrowDown: selected + 1, ArrowUp: Math.max(selected - 1, 0), Home: 0, End: lines.length - 1,
      PageDown: selected + page, PageUp: Math.max(selected - page, 0),
    }[event.key];
    if (to === undefined || event.altKey || event.ctrlKey || event.metaKey) return;
    event.preventDefault();
    select(Math.min(to, lines.length - 1));
  });
  copyMenu(list, {selectedLine, text, selectAt});

  return {text, show, chosen, choose};
}
