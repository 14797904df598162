// The worksheet on the page: its choices, kept in the address so that a teacher
// can share one sheet's link, and the sheet they make, drawn from what the logic
// answers; "Печат" prints it, the answer key from a new page. A choice out of
// range is said, and no sheet is shown or printed.
import {announce} from './announce.js';
import {controls} from './choices.js';
import {focusFirst} from './focus-order.js';
import './limits.js';
import {whenLoaded} from './loading.js';

const [Number_, Payments, Splits, Explorations] = controls('Text1');
const choices = (name) => controls(name).map((option) => option.querySelector('input'));
const Option1 = choices('Option1'), Option2 = choices('Option2'), Option3 = choices('Option3');
const Message = document.getElementById('Label1_4');
const Sheet = document.getElementById('Sheet');
const chosen = (options) => Math.max(0, options.findIndex((option) => option.checked));

// The address's names for the choices, and the controls that hold them.
const boxes = {number: Number_, payments: Payments, splits: Splits, explorations: Explorations};
const options = {paymentRange: Option1, splitRange: Option2, readySet: Option3};

function readForm() {
  const form = {};
  for (const [name, box] of Object.entries(boxes)) form[name] = box.value;
  for (const [name, group] of Object.entries(options)) form[name] = chosen(group);
  return form;
}

// The address holds the choices; a choice it names stands in its control.
function fromAddress() {
  const address = new URLSearchParams(location.search);
  for (const [name, box] of Object.entries(boxes)) if (address.has(name)) box.value = address.get(name);
  for (const [name, group] of Object.entries(options)) {
    const index = Number(address.get(name));
    if (address.has(name) && Number.isInteger(index) && group[index]) group[index].checked = true;
  }
}
function toAddress(form) {
  history.replaceState(null, '', `?${new URLSearchParams(form)}`);
}

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
  parts.push(key);
  Sheet.replaceChildren(...parts);
}

const form = {read: readForm, write: () => {}};
// The sheet of the choices now; what is wrong, said and shown instead.
function show(then) {
  whenLoaded((logic) => {
    const choices = readForm();
    const made = logic.worksheet(choices);
    Message.textContent = made.wrong;
    Sheet.hidden = Boolean(made.wrong);
    if (made.wrong) return announce(made.wrong);
    toAddress(choices);
    draw(made);
    then?.();
  }, form);
}

fromAddress();
show();
for (const box of Object.values(boxes)) box.addEventListener('input', () => show());
for (const group of Object.values(options)) for (const option of group) option.addEventListener('change', () => show());
document.getElementById('Command1_2').addEventListener('click', () => show(() => window.print()));
focusFirst();
