// Boxes with a limit: one line of at most so many characters, typed or pasted,
// by the logic's own rule; a count box takes digits only.
import {loadedLogic, whenLoaded} from './loading.js';

function holdToLimit(box) {
  const limit = Number(box.dataset.limit), digits = 'digits' in box.dataset;
  const fit = (text, cursor) => {
    const kept = loadedLogic().fitToLimit(text, cursor, limit, digits);
    if (box.value !== kept.text) box.value = kept.text;
    if (document.activeElement === box) box.setSelectionRange(kept.cursor, kept.cursor);
  };
  // A paste keeps its line breaks until the rule has taken its first line.
  // While the logic loads, the first line goes in at once, and the rule cuts
  // what the box holds then, once the logic is there: nothing typed meanwhile is
  // lost, and the box always shows what a click will read.
  box.addEventListener('paste', (event) => {
    event.preventDefault();
    const pasted = event.clipboardData.getData('text/plain');
    const start = box.selectionStart, end = box.selectionEnd;
    if (loadedLogic()) return fit(box.value.slice(0, start) + pasted + box.value.slice(end), start + pasted.length);
    box.setRangeText(pasted.split(/[\r\n]/, 1)[0], start, end, 'end');
    whenLoaded(() => fit(box.value, box.selectionEnd));
  });
  // Keys, on-screen keyboards and dictation alike.
  const typed = () => {
    if (loadedLogic()) fit(box.value, box.selectionEnd);
    else whenLoaded(() => fit(box.value, box.selectionEnd));
  };
  box.addEventListener('input', (event) => { if (!event.isComposing) typed(); });
  box.addEventListener('compositionend', typed);
}

for (const box of document.querySelectorAll('input[data-limit]')) holdToLimit(box);
