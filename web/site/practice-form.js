// The practice window on the page: each action reads the controls into a state,
// hands it to the practice session in the logic, and writes back what it
// answers, as the desktop window does. The session (the tasks, the tally) is the
// logic's; nothing else is kept here. An address ending in ?seed=N repeats the
// same tasks, for a lesson as for a test.
'use strict';

(() => {
  const control = (id) => document.getElementById(id);
  const controls = (name, count) => Array.from({length: count}, (_, i) => control(`${name}_${i}`));
  const choices = (name, count) => controls(name, count).map((option) => option.querySelector('input'));
  const Option1 = choices('Option1', 2), Option2 = choices('Option2', 3), Option3 = choices('Option3', 2);
  const Label1 = controls('Label1', 2);
  const Text2 = controls('Text2', 7), Text3 = control('Text3_0'), Text4 = controls('Text4', 5);
  const Text1 = control('Text1');
  const List1 = Banknotes.listBox(control('List1_0'), control('List1Menu'));
  const kCheckButton = 0, kNewTaskButton = 1;
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
    Banknotes.showChosen();
    Label1[0].textContent = state.task;
    Label1[1].textContent = state.tally;
    Text2.forEach((box, k) => { box.value = state.counts[k]; });
    Text3.value = state.sum;
    Text4.forEach((box, i) => { box.value = state.way[i]; });
    Text1.value = state.answer;
    if (state.found !== List1.text()) List1.show(state.found);
  }

  // Any whole number a session takes, 0 too; another is named, and the tasks are random.
  const given = new URLSearchParams(location.search).get('seed');
  const valid = given !== null && /^[0-9]{1,10}$/.test(given) && Number(given) <= 0xFFFFFFFF;
  const seed = valid ? Number(given) : crypto.getRandomValues(new Uint32Array(1))[0];
  if (given !== null && !valid)
    Banknotes.showStatus(`„${given}“ не е номер на задачи: той е цяло число от 0 до 4294967295. ` +
                         'Задачите са случайни.');
  let session = null;
  // Work on the state by the session, then what the logic says of it.
  const form = {read: readForm, write: writeForm};
  function act(work) {
    Banknotes.whenLoaded((logic) => {
      session ??= new logic.Practice(seed);
      const state = work(session, readForm());
      writeForm(state);
      if (state.said) Banknotes.announce(state.said);
    }, form);
  }

  act((practice, state) => practice.show(state));
  controls('Command1', 3).forEach((button, index) => button.addEventListener(
      'click', () => act((practice, state) => practice.click(state, index))));
  // Enter in a box checks the answer.
  for (const box of [...Text2, Text3, ...Text4])
    box.addEventListener('keydown', (event) => {
      if (event.key === 'Enter') act((practice, state) => practice.click(state, kCheckButton));
    });
  for (const option of Option1)
    option.addEventListener('change', () => act((practice, state) => practice.show(state)));
  for (const option of [...Option2, ...Option3])
    option.addEventListener('change', () => act((practice, state) => practice.click(state, kNewTaskButton)));
  Banknotes.focusFirst();
})();
