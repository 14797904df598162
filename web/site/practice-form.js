// The practice window on the page: each action reads the controls into a state,
// hands it to the practice session in the logic, and writes back what it
// answers, as the desktop window does. The session (the tasks, the tally) is the
// logic's; nothing else is kept here. An address ending in ?seed=N repeats the
// same tasks, for a lesson as for a test.
import {announce} from './announce.js';
import {controls, showChosen} from './choices.js';
import {focusFirst} from './focus-order.js';
import './limits.js';
import {listBox} from './list-box.js';
import {showStatus, whenLoaded} from './loading.js';

const choices = (name) => controls(name).map((option) => option.querySelector('input'));
const Option1 = choices('Option1'), Option2 = choices('Option2'), Option3 = choices('Option3');
const Label1 = controls('Label1');
const Text2 = controls('Text2'), Text3 = document.getElementById('Text3_0'), Text4 = controls('Text4');
const Text1 = document.getElementById('Text1');
const List1 = listBox(document.getElementById('List1_0'));
const chosen = (options) => Math.max(0, options.findIndex((option) => option.checked));

function readForm() {
  return {
    exercise: chosen(Option1), paymentRange: chosen(Option2), splitRange: chosen(Option3),
    task: Label1[0].textContent, counts: Text2.map((box) => box.value), sum: Text3.value,
    way: Text4.map((box) => box.value), answer: Text1.value, tally: Label1[1].textContent,
    found: List1.text(),
  };
}

function writeForm(state) {
  Option1[state.exercise].checked = true;
  Option2[state.paymentRange].checked = true;
  Option3[state.splitRange].checked = true;
  showChosen();
  Label1[0].textContent = state.task;
  Label1[1].textContent = state.tally;
  Text2.forEach((box, k) => { box.value = state.counts[k]; });
  Text3.value = state.sum;
  Text4.forEach((box, i) => { box.value = state.way[i]; });
  Text1.value = state.answer;
  if (state.found !== List1.text()) List1.show(state.found);
}

// Any whole number a session takes, 0 too; another is named, and the tasks are
// random. The ranges of its first tasks, as a worksheet's address names them
// (?seed=2026&paymentRange=0&splitRange=1), start chosen.
const address = new URLSearchParams(location.search);
const given = address.get('seed');
const valid = given !== null && /^[0-9]{1,10}$/.test(given) && Number(given) <= 0xFFFFFFFF;
const seed = valid ? Number(given) : crypto.getRandomValues(new Uint32Array(1))[0];
if (given !== null && !valid)
  showStatus(`„${given}“ не е номер на задачи: той е цяло число от 0 до 4294967295. Задачите са случайни.`);
// A range the page does not have is said, as the worksheet says it, and the
// default stands.
const range = (name, group) => {
  const text = address.get(name);
  if (text !== null && /^[0-9]$/.test(text) && group[Number(text)]) group[Number(text)].checked = true;
  else if (text !== null) whenLoaded((logic) => showStatus(logic.worksheetChoiceWrong(name)));
  return chosen(group);
};
const paymentRange = range('paymentRange', Option2), splitRange = range('splitRange', Option3);

let session = null;
// Work on the state by the session, then what the logic says of it.
const form = {read: readForm, write: writeForm};
function act(work) {
  whenLoaded((logic) => {
    session ??= new logic.Practice(seed, paymentRange, splitRange);
    const state = work(logic, session, readForm());
    writeForm(state);
    if (state.said) announce(state.said);
  }, form);
}

act((logic, practice, state) => practice.show(state));
controls('Command1').forEach((button, index) => button.addEventListener(
    'click', () => act((logic, practice, state) => practice.click(state, index))));
// Enter in a box checks the answer.
for (const box of [...Text2, Text3, ...Text4])
  box.addEventListener('keydown', (event) => {
    if (event.key === 'Enter') act((logic, practice, state) => practice.click(state, logic.checkButton));
  });
for (const option of Option1)
  option.addEventListener('change', () => act((logic, practice, state) => practice.show(state)));
for (const option of [...Option2, ...Option3])
  option.addEventListener('change', () => act((logic, practice, state) => practice.click(state, logic.newTaskButton)));
focusFirst();
