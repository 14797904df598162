// The clipboard. A copy from the keyboard or a menu sets the text itself: the
// focused control's own (a list's selected line), or what a menu copies.
let copying = null;

document.addEventListener('copy', (event) => {
  const text = copying ?? (document.activeElement?.copyText?.());
  if (text == null) return;
  event.clipboardData.setData('text/plain', text);
  event.preventDefault();
});

export function copy(text) {
  copying = text;
  const copied = document.execCommand('copy');
  copying = null;
  if (!copied && navigator.clipboard) navigator.clipboard.writeText(text).catch(() => {});
}
