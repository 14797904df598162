// The site on 127.0.0.1 only, for the browser tests. A file can be swapped, and
// the whole site switched to another version's folder; every answer names its
// version in a header, which a service worker's cache keeps with the file. With
// `errors`, each page first loads a script of the test's own that keeps what
// fails in the page, where a driver that cannot read the console reads it back.
'use strict';

const crypto = require('crypto');
const fs = require('fs');
const http = require('http');
const os = require('os');
const path = require('path');

const types = {'.html': 'text/html; charset=utf-8', '.js': 'text/javascript', '.wasm': 'application/wasm',
               '.css': 'text/css', '.woff2': 'font/woff2', '.png': 'image/png',
               '.webmanifest': 'application/manifest+json', '.txt': 'text/plain; charset=utf-8'};

// Kept on the page's window: its errors, rejections and policy violations.
const errorRecorder = `window.__errors = [];
addEventListener('error', (event) => __errors.push(String(event.message || event.type)));
addEventListener('unhandledrejection', (event) => __errors.push(String(event.reason)));
document.addEventListener('securitypolicyviolation', (event) => __errors.push('CSP: ' + event.violatedDirective));
`;

const withRecorder = (page) => String(page).replace('<head>', '<head><script src="__errors.js"></script>');
const sha256 = (text) => crypto.createHash('sha256').update(text).digest('hex');
// The worker keeps only what has its version's hash: with the recorder in each
// page, the pages' hashes are those of what is served.
function withRecordedHashes(worker, root) {
  return worker.replace(/'([^']+)': '[0-9a-f]{64}'/g, (entry, address) => {
    const page = address === './' ? 'index.html' : address;
    return page.endsWith('.html') ? `'${address}': '${sha256(withRecorder(fs.readFileSync(path.join(root, page))))}'` : entry;
  });
}

function serve(root, {errors = false} = {}) {
  const swapped = new Map();
  const sockets = new Set();
  let version = {name: 'A', root, missing: null};
  const server = http.createServer((request, response) => {
    let name = decodeURIComponent(new URL(request.url, 'http://host').pathname);
    if (name.endsWith('/')) name += 'index.html';
    const file = path.join(version.root, path.normalize(name));
    const send = (body) => {
      response.writeHead(200, {'Content-Type': types[path.extname(file)] || 'application/octet-stream',
                               'Cache-Control': 'no-cache', 'X-Banknotes-Version': version.name});
      response.end(body);
    };
    if (errors && name === '/__errors.js') return send(errorRecorder);
    if (swapped.has(name)) return send(swapped.get(name));
    if (name === version.missing) {
      response.writeHead(404);
      return response.end();
    }
    fs.readFile(file, (error, body) => {
      if (error || !file.startsWith(version.root)) {
        response.writeHead(404);
        response.end();
      } else if (errors && file.endsWith('.html')) {
        send(withRecorder(body));
      } else if (errors && name === '/service-worker.js') {
        send(withRecordedHashes(String(body), version.root));
      } else {
        send(body);
      }
    });
  });
  server.on('connection', (socket) => {
    sockets.add(socket);
    socket.on('close', () => sockets.delete(socket));
  });
  return new Promise((resolve) => server.listen(0, '127.0.0.1', () => resolve({
    url: `http://127.0.0.1:${server.address().port}/`,
    swap: (name, body) => swapped.set(name, body),
    // Serves the site in `folder` as version `name`, with the file `missing` answering 404.
    useVersion: (name, folder = root, missing = null) => { version = {name, root: folder, missing}; },
    // Gone, as when the network is: no new connection, and the open ones cut.
    close: () => new Promise((done) => {
      server.close(() => done());
      for (const socket of sockets) socket.destroy();
    }),
  })));
}

// A whole new build of the site in `site`: its own files, and a worker with a cache of its own.
function newBuild(site, name) {
  const folder = fs.mkdtempSync(path.join(os.tmpdir(), `banknotes-site-${name}-`));
  for (const file of fs.readdirSync(site)) fs.copyFileSync(path.join(site, file), path.join(folder, file));
  const worker = path.join(folder, 'service-worker.js');
  fs.writeFileSync(worker, fs.readFileSync(worker, 'utf8').replace(/const cacheName = '([^']*)'/, `const cacheName = '$1-${name}'`));
  let text = fs.readFileSync(worker, 'utf8');
  for (const page of ['index.html', 'practice.html']) {
    const changed = fs.readFileSync(path.join(folder, page), 'utf8').replace('<head>', `<head><meta name="build" content="${name}">`);
    fs.writeFileSync(path.join(folder, page), changed);
    // The worker keeps only files of its version's contents.
    const hash = sha256(changed);
    for (const address of page === 'index.html' ? ['./', page] : [page])
      text = text.replace(new RegExp(`'${address.replace('.', '\\.')}': '[0-9a-f]{64}'`), `'${address}': '${hash}'`);
  }
  fs.writeFileSync(worker, text);
  return folder;
}

// The addresses the worker of the site in `folder` keeps, './' among them.
function workerFiles(folder) {
  const text = fs.readFileSync(path.join(folder, 'service-worker.js'), 'utf8');
  return [...text.matchAll(/^\s*'([^']+)': '[0-9a-f]{64}'/gm)].map((match) => match[1]);
}

module.exports = {serve, newBuild, workerFiles};
