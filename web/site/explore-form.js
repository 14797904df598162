// The exploring window on the page: each action reads the controls into a state,
// hands it to the logic and writes back what it answers, as the desktop window
// does; nothing is kept here. What is answered is said to screen readers.
import {announce} from './announce.js';
import {controls} from './choices.js';
import {focusFirst} from './focus-order.js';
import './limits.js';
import {whenLoaded} from './loading.js';

const Text5 = controls('Text5');
const Option1 = controls('Option1').map((option) => option.querySelector('input'));
const [Amount, Sum] = controls('Text3');
const [Verdict, Message] = controls('Label1');
const answers = {largestFirst: 'Text1', fewest: 'Text2', always: 'Text6', ways: 'Text7'};

function readForm() {
  const state = {
    values: Text5.map((box) => box.value), readySet: Math.max(0, Option1.findIndex((option) => option.checked)),
    amount: Amount.value, sum: Sum.value, message: Message.textContent, verdict: Verdict.textContent,
  };
  for (const [field, id] of Object.entries(answers)) state[field] = document.getElementById(id).value;
  return state;
}

function writeForm(state) {
  Text5.forEach((box, k) => { if (box.value !== state.values[k]) box.value = state.values[k]; });
  Option1[state.readySet].checked = true;
  Amount.value = state.amount;
  Sum.value = state.sum;
  Message.textContent = state.message;
  Verdict.textContent = state.verdict;
  for (const [field, id] of Object.entries(answers)) document.getElementById(id).value = state[field];
}

const form = {read: readForm, write: writeForm};
// Work on the state by the logic; what it answers is said, but for the first answer.
function act(work, said = true) {
  whenLoaded((logic) => {
    const state = work(logic, readForm());
    writeForm(state);
    if (said) announce(state.said);
  }, form);
}

act((logic, state) => logic.chooseReadySet(state, 0), false);
// A click, Space or an arrow key on an option; chosen again, after a value was
// changed, the set fills its boxes again (that fires no change).
Option1.forEach((option, index) =>
  option.addEventListener('click', () => act((logic, state) => logic.chooseReadySet(state, index))));
document.getElementById('Command1_0').addEventListener('click', () => act((logic, state) => logic.explore(state)));
// Enter in a box answers.
for (const box of [...Text5, Amount, Sum])
  box.addEventListener('keydown', (event) => {
    if (event.key === 'Enter') act((logic, state) => logic.explore(state));
  });
focusFirst();
