// A window's controls on the page, as its writer made them from the window's
// table: what each holds read and written by its kind, never by its meaning,
// and what the user does with one reported by its id. It keeps nothing of the
// window's own: the controls hold it.
import {showChosen} from './choices.js';
import {listBox} from './list-box.js';
import {dragToPress, drawFace, moneyList} from './money.js';

// How a control of each kind holds its content.
const kinds = [
  {match: 'input.box, textarea.description', read: (el) => el.value,
   write: (el, text) => { if (el.value !== text) el.value = text; }},
  {match: '.label', read: (el) => el.textContent,
   write: (el, text) => { if (el.textContent !== text) el.textContent = text; }},
  {match: 'label.check', read: (el) => el.querySelector('input').checked,
   write: (el, mark) => { el.querySelector('input').checked = mark; }},
];

export function windowContent(root) {
  const held = [];
  // A drawn list's line pressed; set once the page listens.
  let pressedLine = () => {};
  for (const element of root.querySelectorAll('[id]')) {
    const kind = kinds.find((one) => element.matches(one.match));
    if (kind) held.push({id: element.id, read: () => kind.read(element), write: (value) => kind.write(element, value)});
    else if (element.matches('div.picture')) {
      // The logic's drawing as SVG it wrote, its numbers and words escaped there.
      held.push({id: element.id, write: (_, content) => {
        const svg = content[`${element.id}.svg`] ?? '';
        if (element.dataset.svg !== svg) {
          element.innerHTML = svg;
          element.dataset.svg = svg;
        }
      }});
    } else if (element.matches('button.money')) {
      held.push({id: element.id, write: (_, content) => drawFace(element, content[`${element.id}.money`])});
    } else if (element.matches('div.list.money')) {
      const list = moneyList(element, () => pressedLine(element.id));
      held.push({id: element.id, read: list.text, chosen: list.chosen,
                 write: (lines, content) => list.show(lines, content[`${element.id}.money`],
                                                      content[`${element.id}.chosen`])});
    } else if (element.matches('div.list')) {
      const list = listBox(element);
      held.push({id: element.id, read: list.text, chosen: list.chosen,
                 write: (lines, content) => {
                   if (lines !== list.text()) list.show(lines);
                   list.choose(content[`${element.id}.chosen`]);
                 }});
    }
  }

  function read() {
    const content = {};
    for (const control of held) {
      if (control.read) content[control.id] = control.read();
      if (control.chosen) content[`${control.id}.chosen`] = control.chosen();
    }
    return content;
  }
  function write(content) {
    for (const control of held) if (control.id in content || !control.read) control.write(content[control.id], content);
    showChosen();
  }

  // used(id, use): 'press' a button or a drawn list's line, 'enter' in a box,
  // 'change' a box's text, 'choose' an option or 'chooseAgain' one chosen
  // already (a click on it changes nothing; Space, a click or an arrow key on
  // another changes it, after the click).
  function onUse(used) {
    pressedLine = (id) => used(id, 'press');
    // Dragged money is clicked where it lands.
    dragToPress(root);
    for (const button of root.querySelectorAll('button.button[id]'))
      button.addEventListener('click', () => used(button.id, 'press'));
    for (const box of root.querySelectorAll('input.box[id]')) {
      box.addEventListener('keydown', (event) => { if (event.key === 'Enter') used(box.id, 'enter'); });
      box.addEventListener('input', () => used(box.id, 'change'));
    }
    for (const option of root.querySelectorAll('label.check[id]')) {
      const input = option.querySelector('input[type="radio"]');
      if (!input) continue;
      let changed = false;
      input.addEventListener('change', () => { changed = true; used(option.id, 'choose'); });
      input.addEventListener('click', () => setTimeout(() => {
        if (!changed) used(option.id, 'chooseAgain');
        changed = false;
      }));
    }
  }

  return {read, write, onUse};
}
