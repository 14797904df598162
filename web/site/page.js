// Starts the program on the page's canvas, says in Bulgarian when it cannot, and
// hands the browser its own zoom keys. Works offline through the service worker.
'use strict';

const canvas = document.getElementById('canvas');
const status = document.getElementById('status');

function showMessage(text) {
  status.textContent = text;
  status.style.display = 'flex';
  canvas.style.display = 'none';
}

// The window's zoom has no room to grow inside the page: Ctrl with plus, minus,
// 0 or the wheel go to the browser instead, whose zoom redraws the window sharp.
const zoomKeys = new Set(['+', '=', '-', '_', '0']);
window.addEventListener('keydown', (event) => {
  if ((event.ctrlKey || event.metaKey) && zoomKeys.has(event.key)) event.stopPropagation();
}, true);
window.addEventListener('wheel', (event) => {
  if (event.ctrlKey) event.stopPropagation();
}, {capture: true, passive: true});

function start() {
  if (location.protocol === 'file:') {
    showMessage('Страницата трябва да се отвори през уеб сървър, не като файл. ' +
                'Вижте README: „python3 -m http.server -d build-web/site“.');
    return;
  }
  const gl = document.createElement('canvas').getContext('webgl');
  if (typeof WebAssembly !== 'object' || !gl) {
    showMessage('Този браузър не може да покаже програмата: нужни са WebAssembly и WebGL. ' +
                'Опитайте с нова версия на Chrome, Edge, Firefox или Safari.');
    return;
  }
  const loader = QtLoader({
    canvasElements: [canvas],
    showLoader: () => {},
    showCanvas: () => {
      status.style.display = 'none';
      canvas.style.display = 'block';
      canvas.focus();
    },
    showError: () => showMessage('Програмата не можа да се зареди. Презаредете страницата.'),
    showExit: () => showMessage('Програмата спря. Презаредете страницата, за да започнете отначало.'),
  });
  loader.loadEmscriptenModule('banknotes');
}

if ('serviceWorker' in navigator && location.protocol !== 'file:')
  navigator.serviceWorker.register('service-worker.js');
start();
