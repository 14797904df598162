// A long list's lines as elements: only those in view, a few around them, and
// the selected one, each at its place over a spacer as high as all the lines,
// so that 3950 lines show at once. Each line's element keeps its id while it is
// there, and is changed in place, so that a screen reader reads only the line
// it moves to. `model` holds the lines and the selected one.
export function scrolledLines(list, model) {
  let rowHeight = 0;
  const spacer = document.createElement('div');
  spacer.setAttribute('role', 'none');
  spacer.className = 'spacer';
  list.append(spacer);

  const shown = new Map();
  function option(index) {
    let element = shown.get(index);
    if (!element) {
      element = document.createElement('div');
      element.setAttribute('role', 'option');
      element.id = `${list.id}-line-${index}`;
      element.dataset.index = index;
      shown.set(index, element);
    }
    const set = (name, value) => { if (element.getAttribute(name) !== value) element.setAttribute(name, value); };
    set('aria-setsize', String(model.lines.length));
    set('aria-posinset', String(index + 1));
    set('aria-selected', String(index === model.selected));
    if (element.textContent !== model.lines[index]) element.textContent = model.lines[index];
    element.style.top = `${index * rowHeight}px`;
    return element;
  }

  // The lines in view, a few around them, and the selected one, in order.
  function render() {
    const {lines, selected} = model;
    if (!rowHeight && lines.length) {
      const probe = option(0);
      list.append(probe);
      rowHeight = probe.offsetHeight || 20;
    }
    spacer.style.height = `${lines.length * rowHeight}px`;
    const first = Math.max(0, Math.floor(list.scrollTop / rowHeight) - 8);
    const last = Math.min(lines.length, Math.ceil((list.scrollTop + list.clientHeight) / rowHeight) + 8);
    const wanted = [];
    for (let index = first; index < last; ++index) wanted.push(index);
    if (selected >= 0 && (selected < first || selected >= last)) wanted.push(selected);
    wanted.sort((a, b) => a - b);
    for (const [index, element] of shown)
      if (!wanted.includes(index) || index >= lines.length) {
        element.remove();
        shown.delete(index);
      }
    let before = spacer;
    for (const index of wanted) {
      const element = option(index);
      if (before.nextSibling !== element) before.after(element);
      before = element;
    }
    if (selected >= 0) list.setAttribute('aria-activedescendant', `${list.id}-line-${selected}`);
    else list.removeAttribute('aria-activedescendant');
  }
  let rendering = 0;
  list.addEventListener('scroll', () => {
    cancelAnimationFrame(rendering);
    rendering = requestAnimationFrame(render);
  });
  // A phone's rows are taller: measured again when the layout changes.
  new ResizeObserver(() => {
    rowHeight = 0;
    render();
  }).observe(list);

  return {
    render,
    rowHeight: () => rowHeight,
    // Every line's element gone, for new lines.
    clear() {
      for (const element of shown.values()) element.remove();
      shown.clear();
    },
  };
}
