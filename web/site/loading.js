// The logic's module, loaded once, and the work that waits for it: each piece in
// the order it was asked for, none stopped by one that failed before it. Also
// the status line, which says what keeps the page from working, and the
// service worker, which keeps the page offline after one visit.
import BanknotesLogic from './logic.js';
import {showUnexpectedFailure} from './failure.js';

const status = document.getElementById('Status');

export function showStatus(text) {
  status.textContent = text;
}

let logic = null;
export let loaded;
if (location.protocol === 'file:') {
  loaded = Promise.reject(new Error('file'));
  showStatus('Страницата трябва да се отвори през уеб сървър, не като файл.');
} else if (typeof WebAssembly !== 'object') {
  loaded = Promise.reject(new Error('no WebAssembly'));
  showStatus('Този браузър не може да изпълни програмата: нужен е WebAssembly. ' +
             'Опитайте с нова версия на Chrome, Edge, Firefox или Safari.');
} else {
  loaded = BanknotesLogic().then((module) => {
    logic = module;
    return module;
  }, (error) => {
    showStatus('Програмата не можа да се зареди. Презаредете страницата.');
    throw error;
  });
}
loaded.catch(() => {});
let last = Promise.resolve();

// The logic once it is there, or null while it loads.
export const loadedLogic = () => logic;

// Runs work(logic) once the logic is there, after all work asked for before it.
// A form that gives {read, write} is put back as it was when the work fails in a
// way the page did not expect, and the failure message says so.
export function whenLoaded(work, form) {
  const run = last.then(() => loaded).then(() => {
    const before = form?.read();
    try {
      return work(logic);
    } catch (error) {
      if (form) form.write(before);
      console.error(error);
      showUnexpectedFailure();
    }
  });
  last = run.catch(() => {});
  return run;
}

// Offline after one visit; a new version on a later visit with a network. Once
// the worker that controls the page holds every file, the page says so, once
// on this browser, and only then.
const offlineSaid = 'banknotes-offline-said';
function sayOffline() {
  try {
    if (localStorage.getItem(offlineSaid)) return;
    localStorage.setItem(offlineSaid, '1');
  } catch {
    // No storage (a private window): said on each visit, then.
  }
  if (!status.textContent) showStatus('Страницата вече работи и без интернет.');
}
if ('serviceWorker' in navigator && location.protocol !== 'file:') {
  const workers = navigator.serviceWorker;
  workers.addEventListener('message', (event) => { if (event.data?.offline === true) sayOffline(); });
  const ask = () => workers.controller?.postMessage('offline?');
  workers.addEventListener('controllerchange', ask);
  ask();
  workers.register('service-worker.js').catch(() => {});
}
