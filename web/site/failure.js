// A failure: a message that takes the focus and keeps it, closed by its button,
// Enter or Escape; the focus goes back where it was. It is modal to the user (a
// shade over the page takes every click, Tab stays in it), but the page under
// it is not made inert: that would take the page out of a screen reader's tree
// and put it back at the close, and Orca then reads where it was, not where the
// focus goes.
import {silence} from './announce.js';

const message = document.getElementById('FailureMessage');
const shade = document.getElementById('Shade');
const button = message.querySelector('button');
let returnTo = null;

export function showFailure(title, text) {
  silence();
  returnTo = document.activeElement;
  message.querySelector('h2').textContent = title;
  message.querySelector('p').textContent = text;
  shade.hidden = false;
  message.show();
  button.focus();
}

// What the page says of a failure it did not expect, as its writer gave it.
export function showUnexpectedFailure() {
  showFailure(message.dataset.title, message.dataset.unexpected);
}

function close() {
  if (!message.open) return;
  message.close();
  shade.hidden = true;
  returnTo?.focus?.();
}

button.addEventListener('click', close);
message.addEventListener('keydown', (event) => {
  if (event.key === 'Escape') close();
  else if (event.key !== 'Tab') return;
  event.preventDefault();
  if (message.open) button.focus();
});
// Wherever the focus would go, it comes back to the message.
document.addEventListener('focusin', (event) => {
  if (message.open && !message.contains(event.target)) button.focus();
});
