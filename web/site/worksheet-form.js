// The worksheet on the page: its choices, kept in the address so that a teacher
// can share one sheet's link, and the sheet they make, drawn from what the logic
// answers; "Печат" prints it, the answer key from a new page. A choice out of
// range is said, and no sheet is shown or printed. The choices are the
// window's controls and its logic's, as on the desktop; the sheet is the page's.
import {announce} from './announce.js';
import {companionPage} from './companion.js';
import {whenLoaded} from './loading.js';

const root = document.getElementById('WorksheetForm');
const Sheet = document.getElementById('Sheet');

const element = (tag, className, text) => {
  const made = document.createElement(tag);
  if (className) made.className = className;
  if (text !== undefined) made.textContent = text;
  return made;
};

// A box to write in, with its caption above it.
function cell(caption, wide) {
  const box = element('div', wide ? 'cell wide' : 'cell');
  box.append(element('span', 'cell-caption', caption), element('span', 'cell-box'));
  return box;
}

function draw(sheet) {
  const parts = [element('h2', 'sheet-title', sheet.title)];
  const blanks = element('p', 'blanks');
  for (const blank of sheet.blanks) blanks.append(element('span', 'blank', blank));
  parts.push(blanks);
  for (const task of sheet.tasks) {
    const block = element('div', `task ${task.kind}`);
    block.append(element('p', 'task-text', task.text));
    if (task.kind === 'split') {
      const lines = element('ol', `ways columns-${task.lines > 28 ? 3 : task.lines > 14 ? 2 : 1}`);
      for (let line = 0; line < task.lines; ++line) lines.append(element('li', 'way'));
      block.append(lines);
    }
    const row = element('div', 'cells');
    for (const caption of task.boxes) row.append(cell(caption, task.kind !== 'payment'));
    block.append(row);
    parts.push(block);
  }
  const key = element('div', 'key');
  key.append(element('h2', 'sheet-title', sheet.keyTitle));
  for (const answer of sheet.answers) {
    const block = element('div', 'answer');
    block.append(element('p', 'answer-heading', answer.heading));
    if (answer.lines.length) {
      const lines = element('ul', 'answer-lines');
      for (const line of answer.lines) lines.append(element('li', '', line));
      block.append(lines);
    }
    key.append(block);
  }
  key.append(element('p', 'on-screen', sheet.onScreen));
  parts.push(key);
  Sheet.replaceChildren(...parts);
}

// What the address held that no control could: said, and no sheet shown,
// until a choice is made.
let refused = '';
let page = null;
// The sheet of the choices now; what is wrong, said and shown instead.
function show(then) {
  whenLoaded((logic) => {
    Sheet.hidden = true;
    if (refused) return;
    const made = logic.worksheet(page.content.read());
    page.content.write(made.content);
    if (made.wrong) return announce(made.wrong);
    Sheet.hidden = false;
    history.replaceState(null, '', `?${page.window().address(page.content.read())}`);
    draw(made);
    then?.();
  }, page.content);
}

page = companionPage(root, (answer, opened) => {
  if (opened) refused = answer.said;
  if (opened || answer.asks === 'print') show(answer.asks === 'print' ? () => window.print() : undefined);
});
// A choice made stands instead of what the address held.
const chosenNow = () => { refused = ''; show(); };
root.addEventListener('input', chosenNow);
root.addEventListener('change', chosenNow);
