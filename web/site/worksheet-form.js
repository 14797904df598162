// The worksheet on the page: its choices, kept in the address so that a teacher
// can share one sheet's link, and the sheet they make, drawn from what the logic
// answers; "Печат" prints it, the answer key from a new page. A choice out of
// range is said, and no sheet is shown or printed. The choices are the
// window's controls and its logic's, as on the desktop; the sheet is the page's.
import {announce} from './announce.js';
import {companionPage} from './companion.js';
import {whenLoaded} from './loading.js';
import {pieceAtScale} from './money.js';

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

// Notes and coins as the sheet shows them, said as one picture: a handful to
// count, every piece fanned over the one before, its large value in sight; the
// key's fewest, up to three of a heap a little apart and its count under them.
// As large as the printed sheet has them: a 5 € note 48 mm wide, and 30 mm.
function money(heaps, said, counted) {
  const drawing = element('div', counted ? 'money counted' : 'money fanned');
  drawing.setAttribute('role', 'img');
  drawing.setAttribute('aria-label', said);
  for (const [cents, count] of heaps) {
    const heap = element('span', 'heap');
    const drawn = counted ? Math.min(count, 3) : count;
    for (let i = 0; i < drawn; ++i) {
      const piece = pieceAtScale(cents, counted ? 0.25 : 0.4);
      // Fanned, each shows the 45 % of it where the value is written large.
      if (!counted && i > 0) piece.style.marginLeft = `${-0.55 * parseFloat(piece.style.width)}mm`;
      heap.append(piece);
    }
    if (counted) heap.append(element('span', 'many', `× ${count}`));
    drawing.append(heap);
  }
  return drawing;
}

function draw(sheet) {
  const parts = [element('h2', 'sheet-title', sheet.title)];
  const blanks = element('p', 'blanks');
  for (const blank of sheet.blanks) blanks.append(element('span', 'blank', blank));
  parts.push(blanks);
  for (const task of sheet.tasks) {
    const block = element('div', `task ${task.kind}`);
    block.append(element('p', 'task-text', task.text));
    if (task.money.length) block.append(money(task.money, task.moneySaid, false));
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
    const block = element('div', answer.money.length ? 'answer drawn' : 'answer');
    block.append(element('p', 'answer-heading', answer.heading));
    if (answer.lines.length) {
      const lines = element('ul', 'answer-lines');
      for (const line of answer.lines) lines.append(element('li', '', line));
      block.append(lines);
    }
    if (answer.money.length) block.append(money(answer.money, answer.moneySaid, true));
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
