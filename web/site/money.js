// Notes and coins on the page: a drawn button's face and a drawn list's lines,
// each a heap of the logic's drawings (the page's hidden symbols, "money-10000"
// for 100 €). A list's lines stand side by side; a click, a tap, Enter or
// Delete on one presses it. What is drawn is what the logic says; nothing of it
// is kept here but what the list shows.

const svgSpace = 'http://www.w3.org/2000/svg';

// One note or coin, drawn to fill its element.
export function piece(cents) {
  const svg = document.createElementNS(svgSpace, 'svg');
  svg.setAttribute('aria-hidden', 'true');
  svg.setAttribute('focusable', 'false');
  const use = document.createElementNS(svgSpace, 'use');
  use.setAttribute('href', `#money-${cents}`);
  svg.append(use);
  return svg;
}

// One note or coin `scale` of its real size, in millimetres, as its symbol's
// proportions (its size in millimetres) give it.
export function pieceAtScale(cents, scale) {
  const drawn = piece(cents);
  const box = document.getElementById(`money-${cents}`)?.getAttribute('viewBox');
  if (!box) return drawn;
  const [, , width, height] = box.split(/\s+/).map(Number);
  drawn.setAttribute('viewBox', box);
  drawn.style.width = `${width * scale}mm`;
  drawn.style.height = `${height * scale}mm`;
  return drawn;
}

export function drawFace(button, money) {
  const [heap] = money ?? [];
  const cents = heap ? String(heap[0]) : '';
  // A button with nothing to show is not there.
  button.hidden = !heap || !heap[0];
  if (button.dataset.cents === cents) return;
  button.dataset.cents = cents;
  button.replaceChildren(...(heap ? [piece(heap[0])] : []));
}

// A drawn list: its lines, what each shows, and the line chosen.
export function moneyList(list, pressed) {
  const model = {lines: [], money: [], chosen: -1};

  function render() {
    const options = model.lines.map((line, index) => {
      const option = document.createElement('div');
      option.setAttribute('role', 'option');
      option.setAttribute('aria-label', line);
      option.setAttribute('aria-selected', String(index === model.chosen));
      option.dataset.index = index;
      const [cents, count] = model.money[index] ?? [0, 0];
      const heap = document.createElement('span');
      heap.className = 'heap';
      for (let i = 0; i < Math.min(count, 3); i++) heap.append(piece(cents));
      const many = document.createElement('span');
      many.className = 'many';
      many.setAttribute('aria-hidden', 'true');
      many.textContent = `× ${count}`;
      option.append(heap, many);
      return option;
    });
    list.replaceChildren(...options);
    const chosen = options[model.chosen];
    if (chosen) list.setAttribute('aria-activedescendant', chosen.id = `${list.id}-${model.chosen}`);
    else list.removeAttribute('aria-activedescendant');
  }

  function choose(index) {
    if (index < 0 || index >= model.lines.length) return;
    model.chosen = index;
    render();
  }

  list.addEventListener('click', (event) => {
    const option = event.target.closest('[role="option"]');
    if (!option) return;
    choose(Number(option.dataset.index));
    pressed();
  });
  list.addEventListener('keydown', (event) => {
    if (!model.lines.length || event.altKey || event.ctrlKey || event.metaKey) return;
    const to = {ArrowRight: model.chosen + 1, ArrowLeft: Math.max(model.chosen - 1, 0),
                ArrowDown: model.chosen + 1, ArrowUp: Math.max(model.chosen - 1, 0),
                Home: 0, End: model.lines.length - 1}[event.key];
    if (to !== undefined) {
      event.preventDefault();
      choose(Math.min(to, model.lines.length - 1));
    } else if (event.key === 'Enter' || event.key === 'Delete') {
      event.preventDefault();
      if (model.chosen < 0) choose(0);
      pressed();
    }
  });

  return {
    text: () => model.lines.join('\n'),
    chosen: () => model.chosen,
    show(joined, money, chosen) {
      const lines = joined ? joined.split('\n') : [];
      const same = lines.join('\n') === model.lines.join('\n') &&
                   JSON.stringify(money) === JSON.stringify(model.money) && chosen === model.chosen;
      if (same) return;
      Object.assign(model, {lines, money: money ?? [], chosen: chosen ?? -1});
      render();
    },
  };
}

// Money dragged by mouse or finger, onto the control its table names
// (data-drops-on): a picture of the note, coin or line follows the pointer, and
// let go over that control it is clicked, as a click presses it. A move of a
// few pixels is no drag, so a tap stays a tap; the browser's own click after a
// drag is dropped, since it would land on where the drag began.
export function dragToPress(root) {
  let dropping = false;
  window.addEventListener('click', (event) => {
    if (dropping && event.isTrusted) {
      event.stopImmediatePropagation();
      event.preventDefault();
    }
  }, true);

  root.addEventListener('pointerdown', (event) => {
    const source = event.target.closest('[data-drops-on]');
    if (!source || !event.isPrimary || event.button !== 0) return;
    const item = source.matches('[role="listbox"]') ? event.target.closest('[role="option"]') : source;
    const target = document.getElementById(source.dataset.dropsOn);
    if (!item || !target) return;
    const start = {x: event.clientX, y: event.clientY};
    const drawing = item.querySelector('svg');
    if (!drawing) return;
    const box = drawing.getBoundingClientRect();
    let picture = null;
    item.setPointerCapture(event.pointerId);

    const move = (moved) => {
      if (!picture && Math.hypot(moved.clientX - start.x, moved.clientY - start.y) < 8) return;
      if (!picture) {
        picture = document.createElement('div');
        picture.className = 'dragged';
        picture.append(drawing.cloneNode(true));
        Object.assign(picture.style, {left: `${box.left}px`, top: `${box.top}px`,
                                      width: `${box.width}px`, height: `${box.height}px`});
        document.body.append(picture);
      }
      picture.style.transform = `translate(${moved.clientX - start.x}px, ${moved.clientY - start.y}px)`;
    };
    const end = (ended) => {
      item.removeEventListener('pointermove', move);
      item.removeEventListener('pointerup', end);
      item.removeEventListener('pointercancel', end);
      if (!picture) return;
      picture.remove();
      const under = ended.type === 'pointerup' && document.elementFromPoint(ended.clientX, ended.clientY);
      // The browser's click, if it sends one, comes in this same task; the press after it.
      dropping = true;
      setTimeout(() => {
        dropping = false;
        if (under && target.contains(under)) item.click();
      }, 0);
    };
    item.addEventListener('pointermove', move);
    item.addEventListener('pointerup', end);
    item.addEventListener('pointercancel', end);
  });
}
