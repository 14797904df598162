// The main window on the page: a click reads the controls into a form, hands it
// to the logic with the button's index, and writes back what the logic answers,
// as the desktop window does. Nothing is kept here between clicks.
import {announce} from './announce.js';
import {controls} from './choices.js';
import {showFailure} from './failure.js';
import {focusFirst} from './focus-order.js';
import './limits.js';
import {listBox} from './list-box.js';
import {whenLoaded} from './loading.js';

const Text3 = controls('Text3');
const Text2 = controls('Text2');
const Check1 = controls('Check1');
const List1 = listBox(document.getElementById('List1_0'));

function readForm() {
  return {
    Text3: Text3.map((box) => box.value),
    Text2: Text2.map((box) => box.value),
    Check1: Check1.map((mark) => ({
      Caption: mark.querySelector('.caption').textContent,
      Value: mark.querySelector('input').checked ? 1 : 0,
    })),
    List1: List1.text(),
  };
}

function writeTexts(boxes, texts) {
  boxes.forEach((box, i) => { if (box.value !== texts[i]) box.value = texts[i]; });
}

// The texts, the marks and, where it changed, the list: of the logic's answer,
// whose marks are 0 and 1, or of a form as readForm read it.
function writeForm(form) {
  writeTexts(Text3, form.Text3);
  writeTexts(Text2, form.Text2);
  const value = (mark) => (typeof mark === 'object' ? mark.Value : mark);
  Check1.forEach((mark, k) => { mark.querySelector('input').checked = value(form.Check1[k]) !== 0; });
  if (form.List1 !== undefined && form.List1 !== List1.text()) List1.show(form.List1);
}

function click(logic, index) {
  const answer = logic.click(index, readForm());
  if (answer.outcome !== 0) return showFailure(answer.title, answer.text);
  writeForm(answer);
  if (answer.said) announce(answer.said);
}

// A click that fails unexpectedly leaves the form as it was.
const form = {read: readForm, write: writeForm};
for (const button of controls('Command1')) {
  const index = Number(button.id.split('_')[1]);
  button.addEventListener('click', () => whenLoaded((logic) => click(logic, index), form));
}
focusFirst();
