// A companion window on the page: its controls' content handed to the window's
// logic on every use, and written back with what it answers, as the desktop
// does; what the logic says is said to screen readers. The window's session (a
// practice's tasks and tally) is the logic's; the page's address gives its
// settings (?seed=2026). What only the page does with an answer (a sheet to
// print) is the caller's: asked(answer, opened), opened for the window's opening.
import {announce} from './announce.js';
import {focusFirst} from './focus-order.js';
import './limits.js';
import {showStatus, whenLoaded} from './loading.js';
import {windowContent} from './window-content.js';

export function companionPage(root, asked = () => {}) {
  const content = windowContent(root);
  const form = {read: content.read, write: content.write};
  let window_ = null;
  // A run that plays asks for its next step by a tick; a new one replaces one not yet come.
  let tick = 0;

  // Work on the content by the window's logic, then what it says of it.
  function act(work, opened = false) {
    return whenLoaded((logic) => {
      if (!window_) {
        window_ = new logic.Window(root.id, location.search, crypto.getRandomValues(new Uint32Array(1))[0] >>> 1);
        if (window_.wrong()) showStatus(window_.wrong());
      }
      const answer = work(window_, content.read());
      content.write(answer.content);
      if (answer.said) announce(answer.said);
      if (answer.tickAfter > 0) {
        clearTimeout(tick);
        tick = setTimeout(() => act((window, held) => window.act(held, '', 'tick')), answer.tickAfter);
      }
      asked(answer, opened);
      return answer;
    }, form);
  }

  act((window, held) => window.open(held), true);
  content.onUse((id, use) => act((window, held) => window.act(held, id, use)));
  focusFirst();
  return {content, window: () => window_};
}
