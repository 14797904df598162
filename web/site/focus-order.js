// The order the focus takes: the window's tab order where the window is seen
// whole, the order seen on a phone. The controls stand in the page in that
// order, so that the focus takes it with no tab index of its own, also after a
// screen reader has moved the focus as it read. The page's writer gives both
// orders, the width at which the window is whole, and where the focus starts.
export const wide = matchMedia(document.documentElement.dataset.wide);

function placeInOrder() {
  for (const form of document.querySelectorAll('[data-tab-order]')) {
    const order = (wide.matches ? form.dataset.tabOrder : form.dataset.readingOrder).split(' ');
    const focused = document.activeElement;
    for (const id of order) form.append(document.getElementById(id));
    if (focused && document.activeElement !== focused) focused.focus({preventScroll: true});
  }
}
wide.addEventListener('change', placeInOrder);
placeInOrder();

// The focus starts where the window starts it, where the window is seen whole.
export function focusFirst() {
  const first = document.querySelector('[data-first-focus]');
  if (!wide.matches || !first || document.activeElement !== document.body) return;
  (first.querySelector('input') ?? first).focus({preventScroll: true});
}
