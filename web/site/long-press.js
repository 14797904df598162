// A long press by touch, where the browser gives no context menu of its own for
// it: `then(x, y)` once a finger has stayed 600 ms on the element.
export function onLongPress(element, then) {
  let pressing = 0;
  element.addEventListener('pointerdown', (event) => {
    if (event.pointerType !== 'touch') return;
    const {clientX, clientY} = event;
    clearTimeout(pressing);
    pressing = setTimeout(() => then(clientX, clientY), 600);
  });
  for (const end of ['pointerup', 'pointercancel', 'pointermove'])
    element.addEventListener(end, (event) => {
      if (end !== 'pointermove' || Math.abs(event.movementX) + Math.abs(event.movementY) > 8)
        clearTimeout(pressing);
    });
}
