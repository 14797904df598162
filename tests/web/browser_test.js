// browser_test.js SITE SCREENSHOTS: tries the page in SITE in Debian's Chromium,
// served on 127.0.0.1 only, and keeps screenshots in SCREENSHOTS. Qt draws the
// whole window on one canvas, so controls are found by their places and results
// read off the pixels (tesseract reads the texts). Prints each check and the
// page's figures; exits with 1 when a check fails. Timings are figures, never
// checks.
'use strict';

const {chromium} = require('playwright-core');
const {execFileSync} = require('child_process');
const fs = require('fs');
const http = require('http');
const os = require('os');
const path = require('path');
const zlib = require('zlib');

const [site, screenshots] = process.argv.slice(2).map((p) => path.resolve(p));
fs.mkdirSync(screenshots, {recursive: true});

// Places in the window at 100 %, in CSS pixels: left, top, width, height.
const place = {
  window: [0, 0, 519, 390],
  amount: [224, 32, 65, 27],
  total: [192, 64, 97, 27],
  sum: [248, 96, 41, 27],
  enter: [328, 32, 65, 25],
  clear: [328, 64, 65, 25],
  split: [328, 96, 65, 25],
  list: [104, 120, 289, 99],
  firstLine: [104, 120, 270, 23],
  message: [131, 111, 257, 147],  // where the failure message stands, centred
  description: [8, 224, 505, 161],
};
for (let k = 0; k < 7; ++k) {
  place[`mark${k}`] = [16, 40 + 24 * k, 73, 25];
  place[`markBox${k}`] = [16, 40 + 24 * k, 20, 25];
  place[`count${k}`] = [448, 40 + 24 * k, 49, 27];
}
const centre = (name) => [place[name][0] + place[name][2] / 2, place[name][1] + place[name][3] / 2];
// The tab order, as the window has it.
const tabOrder = [...[0, 1, 2, 3, 4, 5, 6].map((k) => `mark${k}`), 'description',
                  ...[0, 1, 2, 3, 4, 5, 6].map((k) => `count${k}`), 'amount', 'clear', 'enter',
                  'total', 'split', 'sum', 'list'];
const lilac = [192, 192, 255];

// ---- PNG screenshots into pixels (8-bit RGB or RGBA, as Chromium writes them).
function decodePng(buffer) {
  let offset = 8, width = 0, height = 0, channels = 0;
  const data = [];
  while (offset < buffer.length) {
    const length = buffer.readUInt32BE(offset);
    const type = buffer.toString('ascii', offset + 4, offset + 8);
    const body = buffer.subarray(offset + 8, offset + 8 + length);
    if (type === 'IHDR') {
      width = body.readUInt32BE(0);
      height = body.readUInt32BE(4);
      channels = {2: 3, 6: 4}[body[9]];
      if (body[8] !== 8 || !channels || body[12] !== 0) throw new Error('unexpected PNG format');
    } else if (type === 'IDAT') {
      data.push(body);
    }
    offset += 12 + length;
  }
  const raw = zlib.inflateSync(Buffer.concat(data));
  const stride = width * channels;
  const pixels = Buffer.alloc(height * stride);
  for (let y = 0; y < height; ++y) {
    const filter = raw[y * (stride + 1)];
    const line = raw.subarray(y * (stride + 1) + 1, (y + 1) * (stride + 1));
    for (let x = 0; x < stride; ++x) {
      const a = x >= channels ? pixels[y * stride + x - channels] : 0;
      const b = y > 0 ? pixels[(y - 1) * stride + x] : 0;
      const c = x >= channels && y > 0 ? pixels[(y - 1) * stride + x - channels] : 0;
      const predict = [0, a, b, (a + b) >> 1, paeth(a, b, c)][filter];
      pixels[y * stride + x] = (line[x] + predict) & 0xff;
    }
  }
  return {
    width, height,
    at: (x, y) => [...pixels.subarray(y * stride + x * channels, y * stride + x * channels + 3)],
  };
}
function paeth(a, b, c) {
  const p = a + b - c, pa = Math.abs(p - a), pb = Math.abs(p - b), pc = Math.abs(p - c);
  return pa <= pb && pa <= pc ? a : pb <= pc ? b : c;
}
const same = (p, q) => p.every((v, i) => Math.abs(v - q[i]) <= 2);

// ---- The site on 127.0.0.1, with a file that can be swapped for a new version.
function serve(root) {
  const types = {'.html': 'text/html; charset=utf-8', '.js': 'text/javascript', '.wasm': 'application/wasm',
                 '.png': 'image/png', '.webmanifest': 'application/manifest+json',
                 '.txt': 'text/plain; charset=utf-8'};
  const swapped = new Map();
  const server = http.createServer((request, response) => {
    let name = decodeURIComponent(new URL(request.url, 'http://host').pathname);
    if (name.endsWith('/')) name += 'index.html';
    const file = path.join(root, path.normalize(name));
    const send = (body) => {
      response.writeHead(200, {'Content-Type': types[path.extname(file)] || 'application/octet-stream',
                               'Cache-Control': 'no-cache'});
      response.end(body);
    };
    if (swapped.has(name)) return send(swapped.get(name));
    fs.readFile(file, (error, body) => {
      if (error || !file.startsWith(root)) {
        response.writeHead(404);
        response.end();
      } else {
        send(body);
      }
    });
  });
  return new Promise((resolve) => server.listen(0, '127.0.0.1', () => resolve({
    url: `http://127.0.0.1:${server.address().port}/`,
    swap: (name, body) => swapped.set(name, body),
    close: () => server.close(),
  })));
}

// ---- One page in Chromium, with the window's places on it.
class Window {
  constructor(page, scale) {
    this.page = page;
    this.scale = scale;
  }
  async open(url) {
    await this.page.goto(url);
    await this.drawn();
  }
  // Waits until Qt has drawn the window: its background shows at (100, 5).
  async drawn() {
    for (let i = 0; i < 400; ++i) {
      if (await this.page.locator('#canvas').isVisible()) {
        this.origin = Object.values(await this.page.locator('#canvas').boundingBox()).slice(0, 2);
        if (same((await this.grab('window')).at(100 * this.scale, 5 * this.scale), lilac)) return;
      }
      await this.page.waitForTimeout(10);
    }
    throw new Error('the window was never drawn');
  }
  // What the screen shows of a control, `inset` pixels in from its edges.
  async grab(name, file, inset = 0) {
    const [x, y, width, height] = place[name];
    const buffer = await this.page.screenshot({
      clip: {x: this.origin[0] + x + inset, y: this.origin[1] + y + inset, width: width - 2 * inset,
             height: height - 2 * inset},
      path: file});
    return decodePng(buffer);
  }
  async click(name, button = 'left') {
    const [x, y] = centre(name);
    await this.page.mouse.click(this.origin[0] + x, this.origin[1] + y, {button});
    await this.page.waitForTimeout(60);  // a key right after a click can be lost otherwise
  }
  async type(name, text) {
    await this.click(name);
    await this.page.keyboard.press('Control+A');
    await this.page.keyboard.press('Delete');
    await this.page.keyboard.type(text, {delay: 20});
  }
  // The text tesseract reads in a control, clear of its frame.
  async read(name, options = [], inset = 3) {
    const file = path.join(os.tmpdir(), `banknotes-ocr-${process.pid}.png`);
    await this.grab(name, file, inset);
    return execFileSync('tesseract', [file, '-', ...options], {stdio: ['ignore', 'pipe', 'ignore']})
        .toString().trim();
  }
  async readNumber(name) {
    return (await this.read(name, ['--psm', '7', '-c', 'tessedit_char_whitelist=0123456789E']))
        .replace(/\s/g, '');
  }
  // Which marks are set: a set mark's box holds dark pixels.
  async marks() {
    let marks = '';
    for (let k = 0; k < 7; ++k) {
      const image = await this.grab(`markBox${k}`);
      let dark = 0;
      for (let y = 0; y < image.height; ++y)
        for (let x = 0; x < image.width; ++x) dark += image.at(x, y).reduce((a, b) => a + b) < 270;
      marks += dark > 10 * this.scale * this.scale ? '1' : '0';
    }
    return marks;
  }
  async save(name) {
    await this.grab('window', path.join(screenshots, `${name}.png`));
  }
}

const results = [];
function check(name, ok, detail = '') {
  results.push(ok);
  console.log(`${ok ? 'PASS' : 'FAIL'}  ${name}${detail ? `: ${detail}` : ''}`);
}
// Where two grabs differ, as a box in their pixels; null where they do not.
function difference(a, b) {
  let box = null;
  for (let y = 0; y < a.height; ++y)
    for (let x = 0; x < a.width; ++x)
      if (!same(a.at(x, y), b.at(x, y))) {
        box = box || [x, y, x, y];
        box = [Math.min(box[0], x), Math.min(box[1], y), Math.max(box[2], x), Math.max(box[3], y)];
      }
  return box;
}
const inside = (box, [x, y, width, height], margin = 3) =>
  box[0] >= x - margin && box[1] >= y - margin && box[2] < x + width + margin && box[3] < y + height + margin;
const overlaps = (box, [x, y, width, height]) =>
  box[0] < x + width && box[2] >= x && box[1] < y + height && box[3] >= y;

async function main() {
  const server = await serve(site);
  const launch = {
    executablePath: '/usr/bin/chromium',
    args: ['--no-sandbox', '--use-angle=swiftshader', '--enable-unsafe-swiftshader',
           '--disable-background-networking', '--disable-component-update', '--disable-sync',
           '--no-first-run'],
  };
  const browser = await chromium.launch(launch);
  const errors = [];
  const watch = (page) => {
    page.on('pageerror', (error) => errors.push(error.message));
    page.on('console', (message) => message.type() === 'error' && errors.push(message.text()));
  };
  const figures = {};

  // At 100 %: the window, its keyboard order, the listing's time, offline. A
  // profile of its own, as a visitor's browser has, where the page can be installed.
  const profile = fs.mkdtempSync(path.join(os.tmpdir(), 'banknotes-profile-'));
  const desktop = await chromium.launchPersistentContext(profile, {...launch, viewport: {width: 800, height: 600}});
  const page = desktop.pages()[0] || await desktop.newPage();
  watch(page);
  const window = new Window(page, 1);
  const start = Date.now();
  await window.open(server.url);
  figures['window drawn after loading'] = `${Date.now() - start} ms`;
  await window.save('start');
  const size = await page.evaluate(() => {
    const canvas = document.getElementById('canvas');
    const box = canvas.getBoundingClientRect();
    return [box.width, box.height, canvas.width, canvas.height];
  });
  check('the window is 519x390, drawn on as many pixels', size.join() === '519,390,519,390', size.join('x'));

  let before = await window.grab('window');
  let focus = 'mark0';
  const wrong = [];
  for (const next of tabOrder.slice(1).concat(['mark0'])) {
    await page.keyboard.press('Tab');
    await page.waitForTimeout(80);
    const now = await window.grab('window');
    const box = difference(before, now);
    const around = [Math.min(place[focus][0], place[next][0]), Math.min(place[focus][1], place[next][1])];
    const union = [...around, Math.max(place[focus][0] + place[focus][2], place[next][0] + place[next][2]) - around[0],
                   Math.max(place[focus][1] + place[focus][3], place[next][1] + place[next][3]) - around[1]];
    if (!box || !overlaps(box, place[next]) || !inside(box, union)) wrong.push(`${focus} -> ${next}`);
    before = now;
    focus = next;
  }
  check('Tab moves through the controls in the window\'s order, and round again', !wrong.length,
        wrong.join(', '));

  await window.type('sum', '99');
  const listed = await window.grab('list');
  await window.click('split');
  const clicked = Date.now();
  while (!difference(listed, await window.grab('list')) && Date.now() - clicked < 5000) {}
  figures['listing 99 painted after the click'] = `${Date.now() - clicked} ms (screenshots every few ms)`;

  const controlled = await page.waitForFunction(() => navigator.serviceWorker.controller !== null,
                                                null, {timeout: 20000}).then(() => true, () => false);
  check('a service worker keeps the page', controlled);
  const cdp = await desktop.newCDPSession(page);
  const {installabilityErrors} = await cdp.send('Page.getInstallabilityErrors');
  check('it can be installed as an app', installabilityErrors.length === 0,
        JSON.stringify(installabilityErrors));

  await desktop.setOffline(true);
  await page.reload();
  await window.drawn().then(() => check('a reload with the network off shows the window again', true),
                            (error) => check('a reload with the network off shows the window again', false,
                                             error.message));
  await window.save('offline');
  await desktop.setOffline(false);

  const index = fs.readFileSync(path.join(site, 'index.html'), 'utf8');
  server.swap('/index.html', index.replace('<head>', '<head><meta name="version" content="next">'));
  await page.reload();
  await window.drawn();
  const online = await page.locator('meta[name=version]').count();
  await desktop.setOffline(true);
  await page.reload();
  await window.drawn();
  const offline = await page.locator('meta[name=version]').count();
  await desktop.setOffline(false);
  check('a new version replaces the cached one on the next visit with a network',
        online === 1 && offline === 1, `online ${online}, then offline ${offline}`);
  await desktop.close();
  fs.rmSync(profile, {recursive: true, force: true});

  // At 200 %, as the browser's zoom gives it: paying, the message, the listing.
  const zoomed = await browser.newContext({viewport: {width: 800, height: 600}, deviceScaleFactor: 2});
  await zoomed.grantPermissions(['clipboard-read', 'clipboard-write'], {origin: server.url});
  // The page's own words while it loads (the program held back) and where the
  // browser cannot run it; before any service worker, which the route would miss.
  const plain = await zoomed.newPage();
  await plain.route('**/banknotes.wasm', () => {});  // held back: the page stays loading
  await plain.goto(server.url);
  const loading = await plain.locator('#status').textContent();
  await plain.close();
  const old = await zoomed.newPage();
  await old.addInitScript(() => { delete window.WebAssembly; });
  await old.goto(server.url);
  const refused = await old.locator('#status').textContent();
  await old.close();
  check('a Bulgarian line while it loads, and a Bulgarian message where it cannot run',
        loading === 'Програмата се зарежда…' && refused.startsWith('Този браузър не може'),
        `"${loading}", "${refused}"`);
  const sharp = new Window(await zoomed.newPage(), 2);
  watch(sharp.page);
  await sharp.open(server.url);
  const backing = await sharp.page.evaluate(() => [document.getElementById('canvas').width,
                                                  document.getElementById('canvas').height]);
  check('at 200 % the window is drawn on 1038x780 pixels, sharp', backing.join() === '1038,780',
        backing.join('x'));
  await sharp.page.evaluate(() => window.addEventListener(
      'keydown', (event) => setTimeout(() => { window.zoomKeyPrevented = event.defaultPrevented; }), true));
  await sharp.page.keyboard.press('Control+Equal');
  await sharp.page.waitForTimeout(100);
  check('Ctrl+plus is left to the browser\'s zoom',
        (await sharp.page.evaluate(() => window.zoomKeyPrevented)) === false);
  await sharp.save('zoomed');

  await sharp.type('amount', '130');
  await sharp.click('enter');
  await sharp.page.waitForTimeout(100);
  const total = await sharp.readNumber('total');
  const marks = await sharp.marks();
  check('130 and "Въведи" give the total 130 and the marks of 100, 20 and 10',
        total === '130' && marks === '1011000', `total ${total}, marks ${marks}`);
  await sharp.save('paid_130');

  await sharp.type('amount', '1E9');
  const form = await sharp.grab('window');
  await sharp.click('enter');
  await sharp.page.waitForTimeout(300);
  const text = await sharp.read('message', ['-l', 'bul', '--psm', '6'], 0);
  await sharp.save('message');
  check('1E9 shows the Bulgarian message', /Препълване/.test(text) && /Добре/.test(text),
        text.replace(/\s+/g, ' '));
  await sharp.page.keyboard.press('Enter');
  await sharp.page.waitForTimeout(300);
  const after = await sharp.grab('window');
  const left = [await sharp.readNumber('amount'), await sharp.readNumber('total'), await sharp.marks()];
  // Nothing differs from before the click but the focus, gone to the button.
  const moved = difference(form, after);
  const focusMoved = [place.amount[0], place.enter[1], place.enter[0] + place.enter[2] - place.amount[0],
                      place.amount[3]];
  check('Enter closes it and the form is unchanged',
        left.join() === '1E9,130,1011000' && (!moved || inside(moved.map((v) => v / 2), focusMoved)),
        `amount, total, marks: ${left.join(', ')}; changed ${moved}`);

  await sharp.type('sum', '99');
  await sharp.click('split');
  await sharp.page.waitForTimeout(300);
  const first = (await sharp.read('firstLine', ['--psm', '7'])).replace(/\s+/g, ' ');
  await sharp.click('list');
  await sharp.page.keyboard.press('End');
  await sharp.click('list', 'right');
  await sharp.page.waitForTimeout(200);
  await sharp.save('list_menu');
  await sharp.page.keyboard.press('ArrowDown');
  await sharp.page.keyboard.press('ArrowDown');
  await sharp.page.keyboard.press('Enter');
  await sharp.page.waitForTimeout(200);
  await sharp.save('listed_99');
  const copied = (await sharp.page.evaluate(() => navigator.clipboard.readText())).split('\n');
  check('99 lists its 3950 lines, the first on top',
        copied.length === 3950 && copied[0] === '20*4 + 10*1 + 5*1 + 2*2 + 1*0 = 99' &&
            copied[3949] === '20*0 + 10*0 + 5*0 + 2*0 + 1*99 = 99' &&
            first.replace(/ /g, '') === copied[0].replace(/ /g, ''),  // tesseract spaces freely
        `${copied.length} lines copied, "${copied[0]}" to "${copied[copied.length - 1]}"; read "${first}"`);
  await zoomed.close();

  check('no page errors', errors.length === 0, errors.join(' | '));
  await browser.close();
  server.close();

  // What the page sends, as served plainly, with gzip and with brotli.
  let raw = 0, gzip = 0, brotli = 0;
  for (const file of fs.readdirSync(site)) {
    const body = fs.readFileSync(path.join(site, file));
    raw += body.length;
    gzip += zlib.gzipSync(body, {level: 9}).length;
    brotli += zlib.brotliCompressSync(body, {params: {[zlib.constants.BROTLI_PARAM_QUALITY]: 11}}).length;
  }
  const mb = (bytes) => `${(bytes / 1e6).toFixed(2)} MB`;
  figures['the whole site'] = `${mb(raw)}, ${mb(gzip)} as gzip, ${mb(brotli)} as brotli`;
  for (const [name, value] of Object.entries(figures)) console.log(`figure  ${name}: ${value}`);
  process.exit(results.every((ok) => ok) ? 0 : 1);
}

main().catch((error) => {
  console.error(error);
  process.exit(1);
});
