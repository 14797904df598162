// What is said to screen readers: a live region the page does not show. A new
// text is read out, even the same text again.
const region = document.getElementById('Announcement');
let pending = 0;

export function announce(text) {
  region.textContent = '';
  clearTimeout(pending);
  pending = setTimeout(() => { region.textContent = text; }, 100);
}

// Nothing said before is read again (when a message closes, say).
export function silence() {
  clearTimeout(pending);
  region.textContent = '';
}
