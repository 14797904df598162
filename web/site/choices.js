// What belongs to some options is seen while one of them is chosen.
export function showChosen() {
  for (const shown of document.querySelectorAll('[data-shown-with]')) {
    shown.hidden = !shown.dataset.shownWith.split(' ')
        .some((option) => document.querySelector(`#${option} input`).checked);
  }
}
document.addEventListener('change', (event) => { if (event.target.type === 'radio') showChosen(); });

// The controls of one array, as the page's writer numbered them: Text2_0, Text2_1, ...
export function controls(name) {
  const pattern = new RegExp(`^${name}_(\\d+)$`);
  return [...document.querySelectorAll(`[id^="${name}_"]`)].filter((control) => pattern.test(control.id))
      .sort((a, b) => Number(a.id.match(pattern)[1]) - Number(b.id.match(pattern)[1]));
}
