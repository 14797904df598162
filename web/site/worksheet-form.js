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

// The address holds the choices; a choice it names stands in its control. What
// no control could hold (a text past its box's limit, an option that is not
// there) is not put in; its name is kept, to be said until a choice is made.
let refused = [];
function fromAddress() {
  const address = new URLSearchParams(location.search);
  for (const [name, box] of Object.entries(boxes)) {
    if (!address.has(name)) continue;
    const text = address.get(name);
    if ([...text].length <= Number(box.dataset.limit)) box.value = text;
    else refused.push(name);
  }
  for (const [name, group] of Object.entries(options)) {
    if (!address.has(name)) continue;
    const text = address.get(name), index = Number(text);
    if (/^[0-9]+$/.test(text) && group[index]) group[index].checked = true;
    else refused.push(name);
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
  key.append(element('p', 'on-screen', sheet.onScreen));
  parts.push(key);
  Sheet.replaceChildren(...parts);
}

const form = {read: readForm, write: () => {}};
// The sheet of the choices now; what is wrong, said and shown instead.
function show(then) {
  whenLoaded((logic) => {
    const choices = readForm();
    const made = refused.length ? {wrong: logic.worksheetChoiceWrong(refused[0])} : logic.worksheet(choices);
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
// A choice made stands instead of what the address held.
const chosenNow = () => { refused = []; show(); };
for (const box of Object.values(boxes)) box.addEventListener('input', chosenNow);
for (const group of Object.values(options)) for (const option of group) option.addEventListener('change', chosenNow);
document.getElementById('Command1_2').addEventListener('click', () => show(() => window.print()));
focusFirst();
