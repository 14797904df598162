// browser_test.js SITE SCREENSHOTS: tries the page in SITE in Debian's Chromium,
// served on 127.0.0.1 only, on a desktop, a touch laptop, a tablet and two
// phones, and keeps screenshots in SCREENSHOTS. Controls are found by their
// role and accessible name, as a screen reader finds them, and values are read
// from the page. Prints each check and the page's figures; exits with 1 when a
// check fails. Timings are figures, never checks.
'use strict';

const {chromium} = require('playwright-core');
const fs = require('fs');
const os = require('os');
const path = require('path');
const zlib = require('zlib');
const {serve, newBuild} = require('./site_server');

const [site, screenshots] = process.argv.slice(2).map((p) => path.resolve(p));
fs.mkdirSync(screenshots, {recursive: true});
const axeSource = fs.readFileSync(require.resolve('axe-core/axe.min.js'), 'utf8');

const denominations = ['100', '50', '20', '10', '5', '2', '1'];
const first99 = '20*4 + 10*1 + 5*1 + 2*2 + 1*0 = 99';
const last99 = '20*0 + 10*0 + 5*0 + 2*0 + 1*99 = 99';
// The window's tab order, by the ids of the controls the focus stops at, as the
// tests of the table and of the desktop window have it.
const tabOrder = [...fs.readFileSync(path.join(__dirname, '..', 'tab_order.h'), 'utf8')
                      .split('kMainFormTabOrder')[1].matchAll(/"([^"]+)"/g)].map((match) => match[1]);

const results = [];
function check(name, ok, detail = '') {
  results.push(ok);
  console.log(`${ok ? 'PASS' : 'FAIL'}  ${name}${detail ? `: ${detail}` : ''}`);
}
const figures = {};
const median = (values) => [...values].sort((a, b) => a - b)[Math.floor(values.length / 2)];

// ---- One page, driven as its user would: by mouse and keys, or by touch and an
// on-screen keyboard, which sends text with no real key (key code 229).
class Visit {
  constructor(page, touch) {
    this.page = page;
    this.touch = touch;
  }
  static async open(context, url, touch) {
    const page = await context.newPage();
    const visit = new Visit(page, touch);
    visit.errors = [];
    page.on('pageerror', (error) => visit.errors.push(error.message));
    page.on('console', (message) => message.type() === 'error' && visit.errors.push(message.text()));
    await page.addInitScript(() => document.addEventListener(
        'securitypolicyviolation', (event) => console.error(`CSP: ${event.violatedDirective}`)));
    visit.cdp = await context.newCDPSession(page);
    await page.goto(url);
    await visit.ready();
    return visit;
  }
  // Once the logic is there and the work asked for at load (the practice's first task) is done.
  ready() { return this.page.evaluate(async () => (await import('./loading.js')).whenLoaded(() => true)); }
  box(name) { return this.page.getByRole('textbox', {name, exact: true}); }
  button(name) { return this.page.getByRole('button', {name, exact: true}); }
  mark(denomination) {
    const name = `В плащането: ${Number(denomination) > 2 ? 'банкнота' : 'монета'} от ${denomination} евро`;
    return this.page.getByRole('checkbox', {name, exact: true});
  }
  list() { return this.page.getByRole('listbox', {name: 'Начини на разбиване'}); }
  async press(locator) {
    if (this.touch) await locator.tap();
    else await locator.click();
  }
  async type(name, text) {
    const box = this.box(name);
    await this.press(box);
    await box.fill('');
    if (!this.touch) return this.page.keyboard.type(text);
    for (const character of text) {
      const key = {windowsVirtualKeyCode: 229, nativeVirtualKeyCode: 229, key: 'Unidentified', code: ''};
      await this.cdp.send('Input.dispatchKeyEvent', {type: 'rawKeyDown', ...key});
      await this.cdp.send('Input.insertText', {text: character});
      await this.cdp.send('Input.dispatchKeyEvent', {type: 'keyUp', ...key});
    }
  }
  // Every value the form holds.
  form() {
    return this.page.evaluate(() => ({
      texts: [...document.querySelectorAll('#MainForm input[type=text]')].map((box) => box.value),
      marks: [...document.querySelectorAll('#MainForm input[type=checkbox]')]
                 .map((mark) => (mark.checked ? '1' : '0')).join(''),
      lines: document.getElementById('List1_0').querySelector('[role=option]')?.getAttribute('aria-setsize') ?? '0',
    }));
  }
  async marks() {
    let marks = '';
    for (const denomination of denominations) marks += (await this.mark(denomination).isChecked()) ? '1' : '0';
    return marks;
  }
  // The list as a screen reader has it: how many lines, the first, and the last
  // once the list is scrolled to its end.
  async listed() {
    const first = this.list().getByRole('option').first();
    if (!(await first.count())) return {count: 0};
    const count = Number(await first.getAttribute('aria-setsize'));
    const top = await this.list().locator('[aria-posinset="1"]').textContent();
    await this.list().evaluate((list) => { list.scrollTop = list.scrollHeight; });
    const end = this.list().locator(`[aria-posinset="${count}"]`);
    await end.waitFor();
    const bottom = await end.textContent();
    await this.list().evaluate((list) => { list.scrollTop = 0; });
    await this.list().locator('[aria-posinset="1"]').waitFor();
    return {count, top, bottom};
  }
  // What was last said to screen readers, once it is said (after a short pause).
  said() {
    return this.page.waitForFunction(() => document.getElementById('Announcement').textContent, null,
                                     {timeout: 2000})
        .then((text) => text.jsonValue(), () => '');
  }
  focused() {
    return this.page.evaluate(() => document.activeElement.closest('[id]')?.id || document.activeElement.tagName);
  }
  async axe(where) {
    await this.page.evaluate(axeSource);
    const found = await this.page.evaluate(() => axe.run(document, {
      runOnly: {type: 'tag', values: ['wcag2a', 'wcag2aa', 'wcag21a', 'wcag21aa', 'best-practice']},
    }).then((result) => result.violations.map((v) => `${v.id} (${v.nodes.map((n) => n.target).join(' ')})`)));
    check(`${where}: axe finds no WCAG 2.1 A or AA violation, nor any against its best practice`,
          found.length === 0, found.join('; '));
  }
  shot(name) { return this.page.screenshot({path: path.join(screenshots, `${name}.png`), fullPage: true}); }
}

// ---- One row a screen: pay, fail and close the message, list 99, sizes, axe.
async function screenRow(browser, url, screen) {
  const context = await browser.newContext({
    viewport: screen.viewport, hasTouch: screen.touch, isMobile: screen.mobile || false,
    deviceScaleFactor: screen.scale || 1, serviceWorkers: 'block'});
  const visit = await Visit.open(context, url, screen.touch);
  const row = screen.name;
  const shot = row.replace(/[^a-z0-9]+/gi, '-');
  await visit.shot(`${shot}-start`);
  await visit.axe(`${row}, at start`);

  await visit.type('Сума за плащане', '130');
  await visit.press(visit.button('Въведи'));
  const total = await visit.box('Обща сума').inputValue();
  const marks = await visit.marks();
  const amount = await visit.box('Сума за плащане').inputValue();
  const announced = await visit.said();
  check(`${row}: 130 and "Въведи" give the total 130 and the marks of 100, 20 and 10`,
        total === '130' && marks === '1011000' && amount === '' && announced === 'Обща сума: 130.',
        `total ${total}, marks ${marks}, amount "${amount}", said "${announced}"`);

  if (!screen.touch) {
    // The window as the desktop's screenshot after_130_and_75 has it, to set beside it.
    await visit.type('Сума за плащане', '75');
    await visit.press(visit.button('Въведи'));
    await visit.page.locator('#MainForm').screenshot({path: path.join(screenshots, 'window_after_130_and_75.png')});
  }

  await visit.type('Сума за плащане', '1E9');
  const before = await visit.form();
  await visit.press(visit.button('Въведи'));
  const dialog = visit.page.getByRole('dialog', {name: 'Грешка'});
  await dialog.waitFor();
  const said = await dialog.textContent();
  const focusInside = await visit.page.evaluate(() => document.activeElement.closest('dialog') !== null);
  await visit.shot(`${shot}-message`);
  await visit.axe(`${row}, with the message`);
  await visit.page.keyboard.press('Enter');
  await dialog.waitFor({state: 'hidden', timeout: 2000}).catch(() => {});
  const after = await visit.form();
  const back = await visit.focused();
  check(`${row}: 1E9 shows the message, which takes the focus; Enter closes it, the focus goes back and nothing changed`,
        /Числото е твърде голямо/.test(said) && /Добре/.test(said) && focusInside && !(await dialog.isVisible()) &&
            JSON.stringify(before) === JSON.stringify(after) && back === 'Command1_1',
        `"${said.replace(/\s+/g, ' ')}", focus then on ${back}, ${JSON.stringify(after)}`);

  await visit.type('Сума за разбиване', '99');
  await visit.press(visit.button('Изведи'));
  const said99 = await visit.said();
  const listed = await visit.listed();
  check(`${row}: 99 lists its 3950 lines`,
        listed.count === 3950 && listed.top === first99 && listed.bottom === last99 &&
            said99 === 'Начини на разбиване: 3950.',
        `${listed.count} lines, "${listed.top}" to "${listed.bottom}", said "${said99}"`);
  await visit.press(visit.list().locator('[aria-posinset="2"]'));
  await visit.press(visit.list().locator('[aria-posinset="3"]'));
  const picked = await visit.list().getByRole('option', {selected: true}).allTextContents();
  check(`${row}: a line is selected by ${screen.touch ? 'a tap' : 'a click'}, one at a time`,
        picked.length === 1 && picked[0] === '20*2 + 10*5 + 5*1 + 2*2 + 1*0 = 99', picked.join(' | '));
  if (screen.touch) {
    // A long press on a line opens the copy menu, as a right click does.
    const line = await visit.list().locator('[aria-posinset="4"]').boundingBox();
    const at = {x: line.x + 20, y: line.y + line.height / 2};
    await visit.cdp.send('Input.dispatchTouchEvent', {type: 'touchStart', touchPoints: [at]});
    await visit.page.waitForTimeout(900);
    await visit.cdp.send('Input.dispatchTouchEvent', {type: 'touchEnd', touchPoints: []});
    const menu = visit.page.getByRole('menu');
    const opened = await menu.isVisible();
    const items = opened ? await menu.getByRole('menuitem').allTextContents() : [];
    await visit.page.keyboard.press('Escape');
    check(`${row}: a long press on a line offers the copy menu`,
          opened && items.join() === 'Копиране,Копиране на всички редове', items.join());
  }
  await visit.shot(`${shot}-listed`);
  // What a screen reader gets, kept beside the screenshots.
  fs.writeFileSync(path.join(screenshots, `${shot}-listed.aria.yml`), await visit.page.locator('body').ariaSnapshot());
  await visit.axe(`${row}, with the list full`);

  const layout = await visit.page.evaluate(() => {
    const targets = [...document.querySelectorAll(
        '#MainForm button, #MainForm input[type=text], #MainForm textarea, #MainForm .check, #MainForm [role=listbox], .links a')];
    const small = targets.map((target) => [target.id || target.textContent, target.getBoundingClientRect()])
                      .map(([name, box]) => [name, Math.round(box.width), Math.round(box.height)]);
    const texts = [...document.querySelectorAll('body *')].filter(
        (element) => [...element.childNodes].some((node) => node.nodeType === 3 && node.textContent.trim()) &&
                     element.getClientRects().length);
    const fonts = texts.map((element) => parseFloat(getComputedStyle(element).fontSize));
    return {targets: small, smallestFont: Math.min(...fonts),
            sideways: document.documentElement.scrollWidth - document.documentElement.clientWidth};
  });
  const least = screen.viewport.width < 560 ? 44 : 24;
  const tooSmall = layout.targets.filter(([, width, height]) => width < least || height < least);
  check(`${row}: no sideways scrolling, text of 16 px or more, every target ${least} px or more`,
        layout.sideways <= 0 && layout.smallestFont >= 16 && tooSmall.length === 0,
        `sideways ${layout.sideways} px, smallest text ${layout.smallestFont} px` +
            (tooSmall.length ? `, too small: ${tooSmall.map((t) => t.join(' ')).join(', ')}` : ''));
  check(`${row}: no page errors`, visit.errors.length === 0, visit.errors.join(' | '));
  await context.close();
}

// ---- The practice page, reached from the main page and back, driven as a pupil
// would with a fixed seed: one task of each exercise, the answers read back.
async function practiceRow(browser, url, screen) {
  const context = await browser.newContext({
    viewport: screen.viewport, hasTouch: screen.touch, isMobile: screen.mobile || false,
    deviceScaleFactor: screen.scale || 1, serviceWorkers: 'block'});
  const row = `practice, ${screen.name}`;
  const shot = `practice-${screen.name.replace(/[^a-z0-9]+/gi, '-')}`;
  const main = await Visit.open(context, url, screen.touch);
  await main.press(main.page.getByRole('link', {name: 'Упражнение'}));
  await main.page.waitForURL('**/practice.html');
  const title = await main.page.title();
  await main.press(main.page.getByRole('link', {name: 'Към банкнотите'}));
  await main.page.waitForURL(url);
  check(`${row}: the link "Упражнение" opens the practice page, and its link leads back`,
        title === 'Упражнение – Банкноти' && (await main.page.title()) === 'Математика - минимален брой банкноти', title);
  await main.page.close();

  const visit = await Visit.open(context, `${url}practice.html?seed=2026`, screen.touch);
  const page = visit.page;
  const missing = [];
  for (const [role, name] of [['radio', 'Плащане'], ['radio', 'Разбиване'], ['radio', 'Суми до 1000'],
                              ['textbox', 'Брой банкноти от 100 евро'], ['textbox', 'Брой монети от 1 евро'],
                              ['button', 'Провери'], ['button', 'Нова задача'], ['textbox', 'Отговор']])
    if (!(await page.getByRole(role, {name, exact: true}).count())) missing.push(`${role} ${name}`);
  check(`${row}: every control has its name`, !missing.length, missing.join(', '));

  if (!screen.touch) {
    const stops = [];
    for (let i = 0; i < 21; ++i) {
      stops.push(await visit.focused());
      await page.keyboard.press('Tab');
    }
    check(`${row}: the keyboard alone: Tab goes from the exercise to its range, the wallet, what is paid, the counts, the buttons and the answer`,
          stops.join() === 'Option1_0,Option2_1,Command2_0,Command2_1,Command2_2,Command2_3,Command2_4,Command2_5,Command2_6,List2_0,' +
                            'Text2_0,Text2_1,Text2_2,Text2_3,Text2_4,Text2_5,Text2_6,Command1_0,Command1_1,Command1_4,Text1',
          stops.join(' '));
  }

  // Paying with the drawn money: 100, 20, 10 and 20 more, one 20 taken back by a
  // click on its line; the boxes follow, and a box typed leads the counter.
  for (const name of ['Банкнота от 100\u00a0€', 'Банкнота от 20\u00a0€', 'Банкнота от 10\u00a0€', 'Банкнота от 20\u00a0€'])
    await visit.press(visit.button(name));
  await page.waitForFunction(() => document.getElementById('Announcement').textContent === 'Сума: 150 евро',
                             null, {timeout: 2000}).catch(() => {});
  const counter = page.getByRole('listbox', {name: 'Платено'});
  const paidLines = async () => (await counter.getByRole('option').evaluateAll((options) => options.map((o) => o.getAttribute('aria-label')))).join(' / ');
  const put = [await paidLines(), await page.locator('#Label5_0').textContent(),
               await page.locator('#Announcement').textContent()];
  await visit.shot(`${shot}-wallet`);
  await visit.press(counter.getByRole('option').nth(1));
  const takenBack = [await paidLines(), await visit.box('Брой банкноти от 20 евро').inputValue()];
  await visit.type('Брой монети от 1 евро', '2');
  const led = [await paidLines(), await page.locator('#Label5_0').textContent()];
  const drawn = await page.locator('#Command2_0 svg use').getAttribute('href');
  check(`${row}: the wallet pays 150, a click on a line takes a 20 back, a box typed adds to the counter`,
        put[0] === '1 банкнота от 100\u00a0€ / 2 банкноти по 20\u00a0€ / 1 банкнота от 10\u00a0€' &&
            put[1] === 'Сума: 150\u00a0€' && put[2] === 'Сума: 150 евро' &&
            takenBack[0] === '1 банкнота от 100\u00a0€ / 1 банкнота от 20\u00a0€ / 1 банкнота от 10\u00a0€' &&
            takenBack[1] === '1' && led[1] === 'Сума: 132\u00a0€' && led[0].endsWith(' / 2 монети по 1\u00a0€') &&
            drawn === '#money-10000',
        `${put.join(' | ')} | ${takenBack.join(' | ')} | ${led.join(' | ')} | ${drawn}`);
  // Dragged, by mouse or finger: the 50 € note onto the counter, the line of
  // 100 € back onto the wallet, and a note let go on the boxes does nothing.
  const drag = async (from, to) => {
    await page.locator('#Frame6').evaluate((frame) => frame.scrollIntoView({block: 'start'}));
    const a = await from.boundingBox(), b = await to.boundingBox();
    const start = {x: a.x + a.width / 2, y: a.y + a.height / 2};
    const at = (step) => ({x: start.x + (b.x + b.width / 2 - start.x) * step / 5,
                           y: start.y + (b.y + b.height / 2 - start.y) * step / 5});
    if (screen.touch) {
      const cdp = await context.newCDPSession(page);
      const touch = (type, point) => cdp.send('Input.dispatchTouchEvent', {type, touchPoints: point ? [point] : []});
      await touch('touchStart', start);
      for (let step = 1; step <= 5; step++) await touch('touchMove', at(step));
      await touch('touchEnd');
      await cdp.detach();
    } else {
      await page.mouse.move(start.x, start.y);
      await page.mouse.down();
      for (let step = 1; step <= 5; step++) await page.mouse.move(at(step).x, at(step).y);
      await page.mouse.up();
    }
    const sum = await page.locator('#Label5_0').textContent();
    await page.waitForFunction((before) => document.getElementById('Label5_0').textContent !== before,
                               sum, {timeout: 1000}).catch(() => {});
    return page.locator('#Label5_0').textContent();
  };
  const dragged = [await drag(page.locator('#Command2_1'), counter),
                   await drag(counter.getByRole('option').first(), page.locator('#Frame6')),
                   await drag(page.locator('#Command2_1'), page.locator('#Text2_4'))];
  const fifties = await visit.box('Брой банкноти от 50 евро').inputValue();
  check(`${row}: dragged by ${screen.touch ? 'a finger' : 'the mouse'}, a 50 € note pays, a line of the counter goes back, a note let go elsewhere does nothing`,
        dragged.join() === ['Сума: 182\u00a0€', 'Сума: 82\u00a0€', 'Сума: 82\u00a0€'].join() && fifties === '1',
        `${dragged.join(' | ')} | 50: ${fifties}`);
  if (!screen.touch) {
    // From a click on a note until the frame that shows it on the counter.
    const times = await page.evaluate(async () => {
      const note = document.getElementById('Command2_3');
      const counter = document.getElementById('List2_0');
      const painted = () => new Promise((done) => requestAnimationFrame(() => setTimeout(done)));
      const times = [];
      for (let round = 0; round < 50; round++) {
        const before = counter.innerHTML;
        const start = performance.now();
        note.click();
        for (let wait = 0; counter.innerHTML === before && wait < 1000; wait++)
          await new Promise((done) => setTimeout(done));
        await painted();
        times.push(performance.now() - start);
      }
      return times;
    });
    figures['a click on the wallet\'s 10 € until the counter shows it, median of 50'] = `${median(times).toFixed(1)} ms`;
  }
  for (const name of ['Брой банкноти от 100 евро', 'Брой банкноти от 50 евро', 'Брой банкноти от 20 евро',
                      'Брой банкноти от 10 евро', 'Брой монети от 1 евро'])
    await visit.type(name, '');
  const task = await page.locator('#Label1_0').textContent();
  const answers = [];
  const checkWith = async (boxes) => {
    for (const [name, text] of boxes) await visit.type(name, text);
    await visit.press(visit.button('Провери'));
    const answer = await visit.box('Отговор').inputValue();
    await page.waitForFunction((first) => document.getElementById('Announcement').textContent === first,
                               answer.split('\n')[0], {timeout: 2000}).catch(() => {});
    answers.push([answer, await page.locator('#Announcement').textContent()]);
    await visit.shot(`${shot}-${answers.length}`);
  };
  await checkWith([['Брой банкноти от 100 евро', '3'], ['Брой монети от 2 евро', '2']]);
  await checkWith([['Брой монети от 2 евро', '3']]);
  await checkWith([['Брой монети от 2 евро', ''], ['Брой банкноти от 5 евро', '1'], ['Брой монети от 1 евро', '1']]);
  const tally = await page.locator('#Label1_1').textContent();
  const [wrong, notFewest, fewest] = answers;
  check(`${row}: paying 306, each of the three answers, said as shown`,
        task === 'Изплатете 306\u00a0€ с възможно най-малко банкноти и монети.' &&
            wrong[0] === 'Сумата е 304\u00a0€, а трябва да е 306\u00a0€.' &&
            notFewest[0].startsWith('Сумата е вярна, но с 3 банкноти и 3 монети. Може и с 4 банкноти и 1 монета:\n306 : 100 = 3, остатък 6 → 3 банкноти по 100\u00a0€') &&
            fewest[0] === 'Вярно! 4 банкноти и 1 монета – по-малко не може.' &&
            answers.every(([answer, said]) => said === answer.split('\n')[0]) &&
            tally === 'Верни от първия път: 0 от 1',
        `${task} | ${answers.map(([a]) => a.split('\n')[0]).join(' | ')} | ${tally}`);
  await visit.axe(`${row}, with an answer`);

  await visit.type('Брой банкноти от 50 евро', '1a2-');
  const digits = await visit.box('Брой банкноти от 50 евро').inputValue();
  check(`${row}: a count box takes digits only`, digits === '12', digits);

  await visit.press(page.getByRole('radio', {name: 'Разбиване'}));
  const splitTask = await page.locator('#Label1_0').textContent();
  await visit.type('Брой по 2', '2');
  await visit.type('Брой по 1', '1');
  await visit.press(visit.button('Провери'));
  const found = await visit.box('Отговор').inputValue();
  const list = page.getByRole('listbox', {name: 'Намерени начини'});
  const first = await list.getByRole('option').allTextContents();
  await visit.press(visit.button('Покажи всички'));
  const shown = await list.getByRole('option').allTextContents();
  await visit.shot(`${shot}-ways`);
  fs.writeFileSync(path.join(screenshots, `${shot}-ways.aria.yml`), await page.locator('body').ariaSnapshot());
  await visit.axe(`${row}, with the ways shown`);
  check(`${row}: hunting the ways of 5, and showing them all`,
        splitTask === 'Намерете всички начини да разбиете 5 на 20, 10, 5, 2 и 1.' &&
            found === 'Нов начин! Намерен е 1 от 4 начина.' && first.join() === '20*0 + 10*0 + 5*0 + 2*2 + 1*1 = 5' &&
            shown.length === 4 && shown.filter((line) => line.endsWith(' (показан)')).length === 3,
        `${splitTask} | ${found} | ${first} | ${shown.join(' / ')}`);

  // At the till: the change of 5,46 € from 20 € given with the wallet's notes
  // and coins of cents, wrong, right in too many coins, and with the fewest.
  await visit.press(page.getByRole('radio', {name: 'Ресто'}));
  const changeTask = await page.locator('#Label1_0').textContent();
  for (const name of ['Банкнота от 10\u00a0€', 'Монета от 2\u00a0€', 'Монета от 2\u00a0€', 'Монета от 50 цента'])
    await visit.press(visit.button(name));
  const given = await page.locator('#Label5_0').textContent();
  const till = [];
  for (const boxes of [[], [['Брой монети от 1 цент', '4']], [['Брой монети от 1 цент', ''], ['Брой монети от 2 цента', '2']]]) {
    for (const [name, text] of boxes) await visit.type(name, text);
    await visit.press(visit.button('Провери'));
    till.push((await visit.box('Отговор').inputValue()).split('\n'));
  }
  const fewestChange = await page.getByRole('listbox', {name: 'Най-малко'}).getByRole('option')
      .evaluateAll((options) => options.map((o) => o.getAttribute('aria-label')));
  await visit.shot(`${shot}-change`);
  await visit.axe(`${row}, at the till`);
  check(`${row}: "Ресто": 14,54 € from 20 € for 5,46 €, wrong, not the fewest, the fewest, counted up from the price`,
        changeTask === 'Стоката струва 5,46\u00a0€. Клиентът плаща с 20\u00a0€. Върнете рестото с възможно най-малко банкноти и монети.' &&
            given === 'Сума: 14,50\u00a0€' &&
            till[0][0] === 'Рестото е 14,50\u00a0€, а трябва да е 14,54\u00a0€.' &&
            till[1][0] === 'Рестото е вярно, но с 1 банкнота и 7 монети. Може и с 1 банкнота и 5 монети:' &&
            till[1].includes('0,04 : 0,02 = 2, остатък 0,00 → 2 монети по 2 цента') &&
            till[2][0] === 'Вярно! 1 банкнота и 5 монети – по-малко не може.' &&
            till[2].includes('5,46 + 0,02 = 5,48') && till[2].at(-1) === '10,00 + 10,00 = 20,00' &&
            fewestChange.join(' / ') === '1 банкнота от 10\u00a0€ / 2 монети по 2\u00a0€ / 1 монета от 50 цента / 2 монети по 2 цента',
        `${changeTask} | ${given} | ${till.map((answer) => answer[0]).join(' | ')} | ${fewestChange.join(' / ')}`);

  const sideways = await page.evaluate(() => document.documentElement.scrollWidth - document.documentElement.clientWidth);
  check(`${row}: no sideways scrolling, no page errors`, sideways <= 0 && !visit.errors.length,
        `sideways ${sideways} px; ${visit.errors.join(' | ')}`);
  await context.close();
}

// ---- The exploring page, reached from the main page, driven as a pupil would: a
// ready-made set, a set typed in, each answer read back as a screen reader has it.
async function exploreRow(browser, url, screen) {
  const context = await browser.newContext({
    viewport: screen.viewport, hasTouch: screen.touch, isMobile: screen.mobile || false,
    deviceScaleFactor: screen.scale || 1, serviceWorkers: 'block'});
  const row = `explore, ${screen.name}`;
  const shot = `explore-${screen.name.replace(/[^a-z0-9]+/gi, '-')}`;
  const main = await Visit.open(context, url, screen.touch);
  await main.press(main.page.getByRole('link', {name: 'Изследване'}));
  await main.page.waitForURL('**/explore.html');
  await main.ready();
  const visit = main;
  const page = visit.page;
  const missing = [];
  for (const [role, name] of [['textbox', 'Стойност 1'], ['textbox', 'Стойност 16'], ['textbox', 'Брой в касата 1'],
                              ['textbox', 'Брой в касата 16'], ['radio', '4, 3, 1'],
                              ['radio', 'Евро: 100, 50, 20, 10, 5, 2, 1'], ['textbox', 'Сума за плащане'],
                              ['textbox', 'Сума за разбиване'], ['button', 'Изчисли'], ['textbox', 'Алчен алгоритъм'],
                              ['textbox', 'Най-малко'], ['textbox', '2. Дава ли алчният алгоритъм най-малко за всяка сума?'],
                              ['textbox', '3. По колко начина се разбива сумата и колко работа иска това?']])
    if (!(await page.getByRole(role, {name, exact: true}).count())) missing.push(`${role} ${name}`);
  const atStart = await visit.box('Стойност 1').inputValue();
  check(`${row}: every control has its name, and the main window's set stands at start`,
        !missing.length && atStart === '100' && (await page.title()) === 'Изследване – Банкноти', missing.join(', '));

  const answers = async () => ({
    verdict: await page.locator('#Label1_0').textContent(),
    largestFirst: (await visit.box('Алчен алгоритъм').inputValue()).split('\n')[0],
    fewest: await visit.box('Най-малко').inputValue(),
    always: await visit.box('2. Дава ли алчният алгоритъм най-малко за всяка сума?').inputValue(),
    ways: (await visit.box('3. По колко начина се разбива сумата и колко работа иска това?').inputValue()).split('\n'),
    message: await page.locator('#Label1_1').textContent(),
  });
  await visit.press(page.getByRole('radio', {name: '4, 3, 1', exact: true}));
  await visit.type('Сума за плащане', '6');
  await visit.type('Сума за разбиване', '10');
  await visit.press(visit.button('Изчисли'));
  await visit.ready();
  const ready = await answers();
  const said = await visit.said();
  await visit.shot(`${shot}-ready-set`);
  check(`${row}: 4, 3, 1 pays 6 with 3 banknotes where 2 will do, fails first at 6, and makes 10 in 8 ways`,
        ready.verdict === 'Алчният алгоритъм дава 3 монети, а може и с 2 монети.' &&
            ready.largestFirst === '3 монети: 4 + 1 + 1' && ready.fewest === '2 монети: 3 + 3' &&
            ready.always === 'Най-малката сума, за която алчният алгоритъм не дава най-малко: 6 (4 + 1 + 1, а може 3 + 3).' &&
            ready.ways[0] === 'Начини да се получи 10: 8.' && said.startsWith(ready.verdict),
        `${JSON.stringify(ready)} | said "${said}"`);

  for (const [k, value] of ['20', '10', '5', '2', '1', '', '', '', '', ''].entries())
    await visit.type(`Стойност ${k + 1}`, value);
  await visit.type('Сума за разбиване', '99');
  await page.keyboard.press('Enter');
  await visit.ready();
  const typed = await answers();
  check(`${row}: a typed set of 20, 10, 5, 2 and 1: 3950 ways of 99, 5 000 000 combinations, 495 steps`,
        typed.ways[0] === 'Начини да се получи 99: 3950.' && typed.ways[1].includes('5\u00a0000\u00a0000 комбинации') &&
            typed.ways[2].includes('495 стъпки'), typed.ways.join(' | '));

  await visit.type('Стойност 2', '20');
  await page.keyboard.press('Enter');
  await visit.ready();
  const refused = await answers();
  check(`${row}: a value typed twice is named, and the answers stay`,
        refused.message === 'Стойността 20 е въведена два пъти.' && refused.ways.join() === typed.ways.join(),
        refused.message);
  // The chosen set, chosen again, fills its boxes again.
  await visit.press(page.getByRole('radio', {name: '4, 3, 1', exact: true}));
  await visit.ready();
  const refilled = [];
  for (const k of [1, 2, 3, 4]) refilled.push(await visit.box(`Стойност ${k}`).inputValue());
  check(`${row}: the chosen set, chosen again after its values were changed, fills them again`,
        refilled.join() === '4,3,1,', refilled.join());
  await visit.shot(`${shot}-typed-set`);
  // A till of one 50 and three 20: 60 is where largest first gets stuck.
  await visit.type('Стойност 1', '50');
  await visit.type('Брой в касата 1', '1');
  await visit.type('Стойност 2', '20');
  await visit.type('Брой в касата 2', '3');
  await visit.type('Стойност 3', '');
  await visit.type('Сума за плащане', '60');
  await page.keyboard.press('Enter');
  await visit.ready();
  const till = await answers();
  await visit.shot(`${shot}-till`);
  check(`${row}: a till of 50, 20, 20 and 20 pays 60 with 20 + 20 + 20, where largest first is stuck`,
        till.verdict === 'Алчният алгоритъм не изплаща 60: остава 10. А може с 3 монети.' &&
            till.fewest === '3 монети: 20 + 20 + 20' &&
            till.always === 'С тази каса алчният алгоритъм не винаги дава най-малко. Най-малката сума, при която греши: ' +
                            '60 от 50, 20, 20 и 20: алчният алгоритъм взима 50 и остават 10, които не може да плати; 20 + 20 + 20 плаща.',
        JSON.stringify(till));
  // The euro with cents: 3,88 € to pay and to split.
  await visit.press(page.getByRole('radio', {name: 'Евро с центове: от 500\u00a0€ до 1 цент', exact: true}));
  await visit.ready();
  await visit.type('Сума за плащане', '3,88');
  await visit.type('Сума за разбиване', '3,88');
  await visit.press(visit.button('Изчисли'));
  await visit.ready();
  const cents = await answers();
  const first = await visit.box('Стойност 1').inputValue();
  await visit.shot(`${shot}-euro-cents`);
  check(`${row}: "Евро с центове" pays 3,88 € with 8 coins, largest first always the fewest, 1 677 713 ways`,
        first === '500,00' && cents.verdict === 'Алчният алгоритъм дава най-малко: 8 монети.' &&
            cents.fewest === '8 монети: 2,00 + 1,00 + 0,50 + 0,20 + 0,10 + 0,05 + 0,02 + 0,01' &&
            cents.always.includes('до 699,99\u00a0€') &&
            cents.ways[0] === 'Начини да се получи 3,88\u00a0€: 1\u00a0677\u00a0713.',
        JSON.stringify(cents));
  const sideways = await page.evaluate(() => document.documentElement.scrollWidth - document.documentElement.clientWidth);
  await visit.axe(row);
  check(`${row}: no sideways scrolling, no page errors`, sideways <= 0 && !visit.errors.length,
        `sideways ${sideways} px; ${visit.errors.join(' | ')}`);
  await context.close();
}

// ---- "Стъпка по стъпка": largest first stepped for 306 and undone twice, run to
// its end; the odometer for 10 and 99 run to the end, timed; the pupil deciding
// right and wrong; how the work grows, drawn with its table.
async function stepsRow(browser, url, screen) {
  const context = await browser.newContext({
    viewport: screen.viewport, hasTouch: screen.touch, isMobile: screen.mobile || false,
    deviceScaleFactor: screen.scale || 1, serviceWorkers: 'block'});
  const row = `steps, ${screen.name}`;
  const shot = `steps-${screen.name.replace(/[^a-z0-9]+/gi, '-')}`;
  const visit = await Visit.open(context, url, screen.touch);
  await visit.press(visit.page.getByRole('link', {name: 'Стъпка по стъпка'}));
  await visit.page.waitForURL('**/steps.html');
  await visit.ready();
  const page = visit.page;
  const missing = [];
  for (const [role, name] of [['radio', 'Първо най-голямата'], ['radio', 'Всички комбинации'],
                              ['radio', 'Броене на начините'], ['textbox', 'Сума за плащане'],
                              ['textbox', 'Стойности за плащане'], ['button', 'Стъпка'], ['button', 'Назад'],
                              ['button', 'Пусни'], ['button', 'Спри'], ['button', 'До края'], ['button', 'Отначало'],
                              ['listbox', 'Кодът'], ['textbox', 'Променливи'], ['textbox', 'Броячи'],
                              ['listbox', 'Досега'], ['radio', 'Код на C++'], ['radio', 'Ти си алгоритъмът'],
                              ['radio', 'Как расте работата']])
    if (!(await page.getByRole(role, {name, exact: true}).count())) missing.push(`${role} ${name}`);
  check(`${row}: every control has its name`,
        !missing.length && (await page.title()) === 'Стъпка по стъпка – Банкноти', missing.join(', '));
  const said = () => page.locator('#Label1_0').textContent();
  const chosen = () => page.locator('#List1_0 [aria-selected="true"]').textContent().catch(() => '');
  const lines = async (name) => {
    const first = page.getByRole('listbox', {name, exact: true}).getByRole('option').first();
    return (await first.count()) ? Number(await first.getAttribute('aria-setsize')) : 0;
  };
  const step = async (name) => { await visit.press(visit.button(name)); await visit.ready(); };
  for (let i = 0; i < 5; ++i) await step('Стъпка');
  const fifth = {said: await said(), line: await chosen(), heard: await visit.said()};
  await visit.shot(`${shot}-largest-first`);
  await step('Назад');
  await step('Назад');
  const back = {said: await said(), line: await chosen(), made: await lines('Досега')};
  await step('До края');
  const end = {said: await said(), made: await lines('Досега')};
  check(`${row}: 306 stepped to "ред 5: остават 206", back twice to line 3, and to its end`,
        fifth.said === 'ред 5: остават 206' && fifth.line.includes('остатък ← остатък − стойност') &&
            fifth.heard === fifth.said && back.said === 'ред 3: 100 ≤ 306: да' && back.made === 0 &&
            end.said === 'ред 6: край: изплатено' && end.made === 3,
        JSON.stringify({fifth, back, end}));

  await visit.press(page.getByRole('radio', {name: 'Всички комбинации', exact: true}));
  await visit.ready();
  await step('До края');
  const ten = {said: await said(), made: await lines('Досега')};
  await visit.type('Сума за разбиване', '99');
  await visit.ready();
  const started = Date.now();
  await step('До края');
  const took = Date.now() - started;
  figures[`"Стъпка по стъпка": 99's 5 000 000 combinations run to the end (${screen.name})`] = `${took} ms`;
  const ninetyNine = {said: await said(), made: await lines('Досега'),
                      counters: await visit.box('Броячи').inputValue()};
  await visit.shot(`${shot}-every-combination-99`);
  check(`${row}: the odometer lists 10's 11 lines, and 99's 3950 after 5 000 000 combinations`,
        ten.said === 'ред 8: край: 11 начина' && ten.made === 11 && ninetyNine.made === 3950 &&
            ninetyNine.counters.includes('Опитани комбинации: 5\u00a0000\u00a0000'),
        JSON.stringify({ten, ninetyNine}));

  await visit.press(page.getByRole('radio', {name: 'Първо най-голямата', exact: true}));
  await visit.press(page.getByRole('radio', {name: 'Ти си алгоритъмът', exact: true}));
  await step('Отначало');
  for (let i = 0; i < 3; ++i) await step('Стъпка');
  await visit.type('Твоят отговор', '50');
  await step('Отговори');
  const wrong = await page.locator('#Label7').textContent();
  for (let i = 0; i < 2; ++i) await step('Стъпка');
  await visit.type('Твоят отговор', '100');
  await page.keyboard.press('Enter');
  await visit.ready();
  const right = await page.locator('#Label7').textContent(), tally = await page.locator('#Label8').textContent();
  await visit.shot(`${shot}-pupil-decides`);
  check(`${row}: the pupil decides wrong, then right, and is told why`,
        wrong.startsWith('Не. Алгоритъмът дава 100') && right.startsWith('Вярно!') && tally === 'Верни отговори: 1 от 2',
        JSON.stringify({wrong, right, tally}));

  await visit.press(page.getByRole('radio', {name: 'Как расте работата', exact: true}));
  await visit.ready();
  await visit.type('До сума', '1000');
  await step('Покажи');
  const table = await lines('Таблица: комбинации, стъпки и време');
  const chart = page.getByRole('img', {name: /^Графика: /});
  const drawn = await chart.evaluate((picture) => ({
    lines: picture.querySelectorAll('polyline').length, words: picture.querySelectorAll('text').length,
    width: picture.querySelector('svg')?.getBoundingClientRect().width ?? 0}));
  await visit.shot(`${shot}-growth`);
  check(`${row}: how the work grows, up to 1000, drawn by the program with its table`,
        table === 10 && drawn.lines > 10 && drawn.words > 10 && drawn.width > 200 &&
            (await page.locator('#Label1_1').textContent()) === 'Показани са сумите до 1000 със стойностите 20, 10, 5, 2 и 1.',
        `${table} lines; ${JSON.stringify(drawn)}`);
  const sideways = await page.evaluate(() => document.documentElement.scrollWidth - document.documentElement.clientWidth);
  await visit.axe(row);
  check(`${row}: no sideways scrolling, no page errors`, sideways <= 0 && !visit.errors.length,
        `sideways ${sideways} px; ${visit.errors.join(' | ')}`);
  await context.close();
}

// ---- The worksheet, from the practice page: its choices in the address, a
// choice out of range, and Chromium's PDF of sheet № 2026 read back with
// pdftotext: the same tasks as the desktop's, the key from a page of its own.
async function worksheetRow(browser, url) {
  const context = await browser.newContext({viewport: {width: 1024, height: 768}, serviceWorkers: 'block'});
  const visit = await Visit.open(context, `${url}practice.html?seed=2026`, false);
  const page = visit.page;
  await page.getByRole('link', {name: 'Работен лист'}).click();
  await page.waitForURL('**/worksheet.html*');
  await visit.ready();
  await page.locator('#Sheet .task').first().waitFor();
  const address = new URL(page.url()).searchParams;
  const named = await page.getByRole('textbox', {name: 'Номер на листа', exact: true}).inputValue();
  const print = await page.getByRole('button', {name: 'Печат', exact: true}).count();
  check('worksheet: the practice page\'s link opens it, its choices in the address, a "Печат" button',
        named === '2026' && address.get('number') === '2026' && address.get('payments') === '4' &&
            address.get('counting') === '2' && address.get('change') === '1' && address.get('cents') === '1' &&
            print === 1,
        page.url());
  // A handful to count: each piece drawn, at its real proportions, and said as one picture.
  const handful = await page.locator('#Sheet .task.counting [role="img"]').first().evaluate((drawing) => ({
    said: drawing.getAttribute('aria-label'),
    pieces: [...drawing.querySelectorAll('svg')].map((svg) => {
      const box = svg.getBoundingClientRect();
      return `${svg.querySelector('use').getAttribute('href')} ${(box.width / box.height).toFixed(2)}`;
    }),
  }));
  const keyDrawing = await page.locator('#Sheet .answer [role="img"]').first().getAttribute('aria-label');
  check('worksheet: a handful to count is drawn piece by piece, said as one picture, and the key draws its fewest',
        handful.said === '1 банкнота от 50\u00a0€, 2 банкноти по 20\u00a0€ и 1 банкнота от 10\u00a0€' &&
            handful.pieces.join() === ['#money-5000 1.82', '#money-2000 1.85', '#money-2000 1.85', '#money-1000 1.90'].join() &&
            keyDrawing === '1 банкнота от 100\u00a0€',
        JSON.stringify({handful, keyDrawing}));

  await visit.type('Задачи за плащане', '11');
  await visit.ready();
  const wrong = await page.locator('#Label1_4').textContent();
  const hidden = await page.locator('#Sheet').isHidden();
  check('worksheet: a count out of range is said, and no sheet is shown', hidden &&
        wrong === 'Броят на задачите за плащане трябва да е цяло число от 0 до 10.', wrong);
  await visit.type('Задачи за плащане', '4');
  await visit.ready();
  await page.locator('#Sheet .task').first().waitFor();
  // "Печат" calls the browser's print.
  await page.evaluate(() => { window.printed = 0; window.print = () => { ++window.printed; }; });
  await page.getByRole('button', {name: 'Печат', exact: true}).click();
  await visit.ready();
  const printed = await page.evaluate(() => window.printed);

  const pdf = path.join(screenshots, 'worksheet-2026.pdf');
  await page.pdf({path: pdf, format: 'A4', preferCSSPageSize: true});
  const text = (args) => require('child_process').execFileSync('pdftotext', [...args, '-layout', pdf, '-'], {encoding: 'utf8'});
  const count = Number(require('child_process').execFileSync('pdfinfo', [pdf], {encoding: 'utf8'})
                           .match(/^Pages:\s+(\d+)/m)[1]);
  const pages = [];
  for (let p = 1; p <= count; ++p) pages.push(text(['-f', String(p), '-l', String(p)]));
  const keyPage = pages.findIndex((one) => one.includes('Отговори'));
  const tasks = pages.slice(0, Math.max(keyPage, 0)).join('\n'), key = pages.slice(Math.max(keyPage, 0)).join('\n');
  const wanted = ['Работен лист № 2026', 'Име:', 'Клас:', 'Дата:', '1. Изплатете 306\u00a0€ с възможно най-малко банкноти и монети.',
                  '4. Изплатете 422\u00a0€ с възможно най-малко банкноти и монети.',
                  '5. Намерете всички начини да разбиете 5 на 20, 10, 5, 2 и 1.', 'Брой начини',
                  '7. Платете 34 със стойностите 4, 3 и 1.', '8. Колко пари има тук?', 'Най-малко',
                  '10. Стоката струва 288,88\u00a0€. Клиентът плаща с 500\u00a0€.', 'Ресто',
                  '11. Изплатете 751,41\u00a0€ с възможно най-малко банкноти и монети.', 'Монети'];
  const answers = ['Отговори – работен лист № 2026', '1. 306\u00a0€ = 100 + 100 + 100 + 5 + 1: 4 банкноти и 1 монета',
                   '306 : 100 = 3, остатък 6 → 3 банкноти по 100\u00a0€', '5. 5: 4 начина',
                   '20*0 + 10*0 + 5*0 + 2*2 + 1*1 = 5', '8. 100\u00a0€ = 100: 1 банкнота',
                   'Тук има 50 + 20 + 20 + 10 = 100\u00a0€ – 4 банкноти.', '288,88 + 0,02 = 288,90',
                   '0,41 : 0,20 = 2, остатък 0,01 → 2 монети по 20 цента',
                   '300,00 + 200,00 = 500,00'];
  // pdftotext gives a no-break space back as a space.
  const spaced = (text) => text.replace(/\u00a0/g, ' ');
  const missing = [...wanted.map(spaced).filter((one) => !tasks.includes(one)),
                   ...answers.map(spaced).filter((one) => !key.includes(one))];
  const fonts = require('child_process').execFileSync('pdffonts', [pdf], {encoding: 'utf8'}).trim().split('\n').slice(2);
  const unembedded = fonts.filter((font) => !font.split(/\s+/).includes('yes'));
  require('child_process').execFileSync('pdftoppm', ['-r', '60', '-gray', '-png', pdf, path.join(screenshots, 'worksheet-2026-grey')]);
  check('worksheet: "Печат" prints; the PDF of sheet № 2026 holds the tasks, the key from a page of its own, its fonts',
        printed === 1 && keyPage >= 1 && !missing.length && fonts.length > 0 && !unembedded.length,
        `printed ${printed}, key on page ${keyPage + 1} of ${pages.length}; missing: ${missing.join(' | ')}; ` +
            `not embedded: ${unembedded.join(' | ')}`);
  await visit.axe('worksheet');
  check('worksheet: no page errors', !visit.errors.length, visit.errors.join(' | '));

  // A link with what no control holds is answered as a typed value is: its
  // sentence, no sheet, never the failure of something unexpected.
  const counts = ' трябва да е цяло число от 0 до 10.';
  const number = 'Номерът на листа трябва да е цяло число от 0 до 4\u00a0294\u00a0967\u00a0295.';
  const links = [
    ['payments=99999999', `Броят на задачите за плащане${counts}`],
    ['number=12345678901', number],
    [`number=${encodeURIComponent('<script>alert(1)</script>')}`, number],
    ['number=abc', number],
    ['paymentRange=7', 'Сумите за плащане се избират така: 0 – до 100, 1 – до 1000, 2 – до 10\u00a0000.'],
    ['splitRange=x', 'Сумите за разбиване се избират така: 0 – от 5 до 10, 1 – от 11 до 20.'],
    ['readySet=-1', 'Стойностите за плащане се избират с число от 0 до 3.'],
    ['payments=0&splits=0&explorations=0&counting=0&change=0&cents=0', 'Листът няма нито една задача: изберете поне една.'],
    ['counting=11', `Броят на задачите „Колко пари има тук?“${counts}`],
    ['change=x', `Броят на задачите за ресто${counts}`],
  ];
  const answered = [];
  for (const [query, sentence] of links) {
    const link = await Visit.open(context, `${url}worksheet.html?${query}`, false);
    const said = await link.page.locator('#Label1_4').textContent();
    const shown = await link.page.locator('#Sheet').isVisible();
    const failed = await link.page.getByText('Нещо се обърка').count();
    if (said !== sentence || shown || failed || link.errors.length)
      answered.push(`${query}: "${said}", sheet ${shown ? 'shown' : 'hidden'}, ${failed} failures, ${link.errors.join(' | ')}`);
    await link.page.close();
  }
  check('worksheet: every link with what its controls cannot hold gets their sentence, and no sheet',
        !answered.length, answered.join(' || '));

  // The practice page of a sheet's number and ranges sets the sheet's first tasks.
  const differ = [];
  for (let payments = 0; payments < 3; ++payments)
    for (let splits = 0; splits < 2; ++splits) {
      const ranges = `paymentRange=${payments}&splitRange=${splits}`;
      const sheet = await Visit.open(context, `${url}worksheet.html?number=2026&${ranges}`, false);
      const onSheet = await sheet.page.locator('#Sheet .task-text').allTextContents();
      const onScreen = await sheet.page.locator('#Sheet .on-screen').textContent();
      await sheet.page.close();
      const practice = await Visit.open(context, `${url}practice.html?seed=2026&${ranges}`, false);
      const paying = await practice.page.locator('#Label1_0').textContent();
      await practice.press(practice.page.getByRole('radio', {name: 'Разбиване'}));
      await practice.ready();
      const splitting = await practice.page.locator('#Label1_0').textContent();
      await practice.page.close();
      if (onSheet[0] !== `1. ${paying}` || onSheet[4] !== `5. ${splitting}` ||
          !onScreen.includes(`practice.html?seed=2026&${ranges}`))
        differ.push(`${ranges}: sheet "${onSheet[0]}", "${onSheet[4]}", screen "${paying}", "${splitting}"; "${onScreen}"`);
    }
  check('worksheet: for every pair of ranges, the practice page of its address sets the sheet\'s first tasks',
        !differ.length, differ.join(' || '));
  await context.close();
}

// ---- The keyboard, the clipboard and the limits, on a desktop.
async function keyboardAndClipboard(browser, url) {
  const context = await browser.newContext({viewport: {width: 1024, height: 768}, serviceWorkers: 'block'});
  await context.grantPermissions(['clipboard-read', 'clipboard-write'], {origin: url});
  const visit = await Visit.open(context, url, false);
  const page = visit.page;

  const seen = [await visit.focused()];
  for (let i = 0; i < tabOrder.length - 1; ++i) {
    await page.keyboard.press('Tab');
    seen.push(await visit.focused());
  }
  check('the focus starts on the mark of 100 and Tab takes the window\'s order',
        seen.join() === tabOrder.join(), seen.join(' '));

  // From any control, as when a screen reader has moved the focus while it read,
  // Tab goes on to the next in the window's order: the page is in that order,
  // with no tab index of its own.
  const wrongNext = [];
  for (let i = 0; i + 1 < tabOrder.length; ++i) {
    await page.evaluate((id) => document.getElementById(id).querySelector('input')?.focus() ??
                                document.getElementById(id).focus(), tabOrder[i]);
    await page.keyboard.press('Tab');
    const next = await visit.focused();
    if (next !== tabOrder[i + 1]) wrongNext.push(`${tabOrder[i]} → ${next}`);
  }
  const positive = await page.evaluate(() => [...document.querySelectorAll('[tabindex]')]
                                                  .filter((element) => element.tabIndex > 0).map((element) => element.id));
  check('from any control Tab goes on in the window\'s order, with no positive tab index',
        !wrongNext.length && !positive.length, [...wrongNext, ...positive].join(', '));

  // Enter and Space press the focused button; Enter in a box presses none.
  await visit.type('Сума за плащане', '75');
  await page.keyboard.press('Enter');
  const untouched = await visit.box('Обща сума').inputValue();
  await visit.button('Въведи').focus();
  await page.keyboard.press('Enter');
  const byEnter = await visit.box('Обща сума').inputValue();
  await visit.type('Сума за плащане', '5');
  await visit.button('Въведи').focus();
  await page.keyboard.press('Space');
  const bySpace = await visit.box('Обща сума').inputValue();
  check('Enter in a box presses nothing; Enter and Space press the focused button',
        untouched === '' && byEnter === '75' && bySpace === '80', `"${untouched}", "${byEnter}", "${bySpace}"`);

  // A read-only box takes the focus, and its text is selected and copied.
  await visit.box('Обща сума').focus();
  await page.keyboard.press('Control+A');
  await page.keyboard.press('Control+C');
  const copiedTotal = await page.evaluate(() => navigator.clipboard.readText());
  const focusedTotal = await visit.focused();
  check('the read-only total takes the focus, and is selected and copied',
        focusedTotal === 'Text3_1' && copiedTotal === '80', `${focusedTotal}, "${copiedTotal}"`);

  const paste = async (name, text) => {
    await page.evaluate((t) => navigator.clipboard.writeText(t), text);
    await visit.box(name).fill('');
    await visit.box(name).focus();
    await page.keyboard.press('Control+V');
    await page.waitForTimeout(50);
    return visit.box(name).inputValue();
  };
  const emoji = '\u{1F600}';
  const limits = [
    ['typed past the limit', async () => { await visit.type('Сума за плащане', '123456'); return visit.box('Сума за плащане').inputValue(); }, '1234'],
    ['a pasted line, cut', () => paste('Сума за плащане', '123456'), '1234'],
    ['the first line of a paste', () => paste('Сума за плащане', '12\n345'), '12'],
    ['emoji count one each', () => paste('Сума за разбиване', emoji.repeat(5)), emoji.repeat(2)],
  ];
  const wrong = [];
  for (const [what, run, expected] of limits) {
    const got = await run();
    if (got !== expected) wrong.push(`${what}: "${got}"`);
  }
  check('the limits of 4 and 2 count characters, typed or pasted, one line only', !wrong.length, wrong.join(', '));

  await visit.type('Сума за разбиване', '10');
  await visit.button('Изведи').click();
  const all = await visit.list().getByRole('option').allTextContents();
  await visit.list().getByRole('option').nth(2).click();
  // Arrowing changes the lines in place: each keeps its element and its id.
  const before = await visit.list().evaluate((list) => {
    list.kept = [...list.querySelectorAll('[role=option]')];
    return list.kept.map((line) => line.id).join();
  });
  await page.keyboard.press('ArrowDown');
  const inPlace = await visit.list().evaluate((list) => ({
    kept: list.kept.every((line) => line.isConnected),
    ids: list.kept.map((line) => line.id).join(),
    active: list.getAttribute('aria-activedescendant'),
  }));
  check('arrowing in the list keeps every line\'s element and id; the active one is the selected line',
        inPlace.kept && inPlace.ids === before && inPlace.active === 'List1_0-line-3',
        JSON.stringify(inPlace));
  await page.keyboard.press('Control+C');
  const line = await page.evaluate(() => navigator.clipboard.readText());
  await page.keyboard.press('Shift+F10');
  const menu = page.getByRole('menu');
  const byKeys = await menu.isVisible();
  const items = await menu.getByRole('menuitem').allTextContents();
  await page.keyboard.press('Escape');
  const backOnList = await visit.focused();
  await visit.list().getByRole('option').nth(0).click({button: 'right'});
  await menu.getByRole('menuitem', {name: 'Копиране на всички редове'}).click();
  const everything = await page.evaluate(() => navigator.clipboard.readText());
  await visit.shot('copied');
  await visit.type('Сума за разбиване', '99');
  await visit.button('Изведи').click();
  await visit.list().getByRole('option').first().click({button: 'right'});
  await menu.getByRole('menuitem', {name: 'Копиране на всички редове'}).click();
  const copied99 = (await page.evaluate(() => navigator.clipboard.readText())).split('\n');
  check('Ctrl+C copies the selected line; Shift+F10 and a right click open the copy menu, which copies every line',
        all.length === 11 && line === all[3] && byKeys && items.join() === 'Копиране,Копиране на всички редове' &&
            backOnList === 'List1_0' && everything === all.join('\n') && copied99.length === 3950 &&
            copied99[0] === first99 && copied99[3949] === last99,
        `"${line}", menu ${byKeys} [${items}], focus back on ${backOnList}, ${everything.split('\n').length} lines; ` +
            `of 99 ${copied99.length} lines`);

  // The listing's time until painted, against a plain list filled from an array.
  const times = await page.evaluate(async () => {
    const painted = () => new Promise((resolve) => requestAnimationFrame(() => setTimeout(resolve)));
    const box = document.getElementById('Text3_2'), button = document.getElementById('Command1_2');
    const list = document.getElementById('List1_0');
    const Banknotes = await import('./loading.js');
    const logic = await Banknotes.loaded;
    const lines = logic.click(2, {Text3: ['', '', '99'], Text2: Array(7).fill(''), List1: '',
                                  Check1: Array.from({length: 7}, () => ({Caption: '1', Value: 0}))})
                      .List1.split('\n');
    const plain = document.createElement('div');
    plain.className = 'list';
    plain.style.cssText = `position: fixed; left: 0; top: 0; width: ${list.offsetWidth}px; height: ${list.offsetHeight}px`;
    document.body.append(plain);
    const ours = [], theirs = [];
    for (let round = 0; round < 15; ++round) {
      document.getElementById('Command1_0').click();
      await Banknotes.whenLoaded(() => {});
      box.value = '99';
      await painted();
      let start = performance.now();
      button.click();
      await Banknotes.whenLoaded(() => {});
      await painted();
      ours.push(performance.now() - start);
      plain.replaceChildren();
      await painted();
      start = performance.now();
      for (const line of lines) {
        const item = document.createElement('div');
        item.textContent = line;
        plain.append(item);
      }
      await painted();
      theirs.push(performance.now() - start);
    }
    plain.remove();
    return {ours, theirs};
  });
  figures['"Изведи" with 99 until painted, median of 15'] =
      `${median(times.ours).toFixed(1)} ms; a plain list filled from an array of the same lines ${median(times.theirs).toFixed(1)} ms`;
  check('no page errors on the desktop', visit.errors.length === 0, visit.errors.join(' | '));
  await context.close();
}

// ---- Loading: clicks before the logic is there wait for it; browsers without
// WebAssembly are told so; a dark theme and a contrast theme keep the page usable.
async function loadingAndThemes(browser, url) {
  const context = await browser.newContext({viewport: {width: 1024, height: 768}, serviceWorkers: 'block'});
  const page = await context.newPage();
  let release;
  const held = new Promise((resolve) => { release = resolve; });
  await page.route('**/logic.wasm', async (route) => { await held; await route.continue(); });
  await page.goto(url);
  await page.getByRole('textbox', {name: 'Сума за плащане'}).fill('130');
  await page.getByRole('button', {name: 'Въведи'}).click();
  const early = await page.getByRole('textbox', {name: 'Обща сума'}).inputValue();
  release();
  await page.waitForFunction(() => document.getElementById('Text3_1').value !== '', null, {timeout: 10000})
      .catch(() => {});
  const late = await page.getByRole('textbox', {name: 'Обща сума'}).inputValue();
  check('a click while the logic loads is carried out once it is there', early === '' && late === '130',
        `before "${early}", after "${late}"`);
  await page.close();

  // Pastes and keys while the logic is held back, in every order: what the box
  // shows when "Въведи" runs is what is paid, and nothing typed is lost.
  await context.grantPermissions(['clipboard-read', 'clipboard-write'], {origin: url});
  const race = [];
  for (const [pasted, typed, pays] of [['12', '34', '1234'], ['5', '0', '50'], ['12\n345', '', '12']]) {
    const racing = await context.newPage();
    let go;
    const holding = new Promise((resolve) => { go = resolve; });
    await racing.route('**/logic.wasm', async (route) => { await holding; await route.continue(); });
    await racing.goto(url);
    const amount = racing.getByRole('textbox', {name: 'Сума за плащане'});
    await racing.evaluate((text) => navigator.clipboard.writeText(text), pasted);
    await amount.focus();
    await racing.keyboard.press('Control+V');
    if (typed) await racing.keyboard.type(typed);
    const shown = await amount.inputValue();
    await racing.getByRole('button', {name: 'Въведи'}).click();
    await racing.waitForTimeout(1000);
    go();
    await racing.evaluate(async () => (await import('./loading.js')).whenLoaded(() => {}));
    const paid = await racing.getByRole('textbox', {name: 'Обща сума'}).inputValue();
    if (shown !== pays || paid !== pays) race.push(`paste "${pasted}", type "${typed}": shown "${shown}", paid "${paid}"`);
    await racing.close();
  }
  check('pastes and keys while the logic loads: what the box shows is what is paid', !race.length, race.join('; '));

  // A piece of work that fails does not stop the next: the page says so in
  // Bulgarian, the form stays as it was, and the next click works.
  const failing = await Visit.open(context, url, false);
  await failing.type('Сума за плащане', '130');
  await failing.page.evaluate(async () => (await import('./loading.js')).loaded.then((logic) => {
    const click = logic.click;
    logic.click = () => {
      logic.click = click;
      throw new Error('a failure the page did not expect');
    };
  }));
  const beforeFailure = await failing.form();
  await failing.button('Въведи').click();
  const unexpected = await failing.page.getByRole('dialog', {name: 'Грешка'}).textContent().catch(() => '');
  const afterFailure = await failing.form();
  await failing.page.keyboard.press('Enter');
  await failing.button('Въведи').click();
  const recovered = await failing.box('Обща сума').inputValue();
  check('a click that fails unexpectedly says so, leaves the form, and the next click works',
        /Нещо се обърка/.test(unexpected) && JSON.stringify(beforeFailure) === JSON.stringify(afterFailure) &&
            recovered === '130', `"${unexpected.replace(/\s+/g, ' ')}", then the total "${recovered}"`);

  // The binding refuses what the window could never send, with an error that
  // names it, and goes on working.
  const refusals = await failing.page.evaluate(async () => {
    const logic = await (await import('./loading.js')).loaded;
    const form = (sum = '') => ({Text3: ['', '', sum], Text2: Array(7).fill(''), List1: '',
                                 Check1: Array.from({length: 7}, (_, k) => ({Caption: ['100', '50', '20', '10', '5', '2', '1'][k], Value: 0}))});
    const practice = new logic.Window('PracticeForm', '?seed=1', 1);
    const held = (change) => ({...practice.fresh(), ...change});
    const without = (id) => { const content = held(); delete content[id]; return content; };
    const tries = {
      'button 65537': () => logic.click(65537, form()),
      'button NaN': () => logic.click(NaN, form()),
      'button 1.5': () => logic.click(1.5, form()),
      'a sum of four characters': () => logic.click(2, form('1000')),
      'a count that is no text': () => logic.click(1, {...form(), Text2: Array(7).fill(5)}),
      'an option marked 3': () => practice.act(held({Option2_0: 3}), 'Command1_1', 'press'),
      'a box missing': () => practice.act(without('Text2_0'), 'Command1_0', 'press'),
      'a sum past its box': () => practice.act(held({Text3_0: '100'}), 'Command1_2', 'press'),
      'a practice button of 7': () => practice.act(held(), 'Command1_7', 'press'),
      'a use of no name': () => practice.act(held(), 'Command1_0', 'hover'),
      'a window of no name': () => new logic.Window('Nowhere', '', 1),
      'a worksheet with a list for a box': () => logic.worksheet({...new logic.Window('WorksheetForm', '', 1).fresh(), Text1_0: ['1']}),
    };
    const refused = {};
    for (const [what, attempt] of Object.entries(tries)) {
      try {
        attempt();
        refused[what] = 'accepted';
      } catch (error) {
        refused[what] = error instanceof RangeError ? 'RangeError' : String(error);
      }
    }
    const after = logic.click(2, form('10'));
    return {refused, linesAfter: after.List1.split('\n').length};
  });
  check('the logic refuses what the window never sends, with a RangeError, and goes on working',
        Object.values(refusals.refused).every((kind) => kind === 'RangeError') && refusals.linesAfter === 11,
        JSON.stringify(refusals));
  await failing.page.close();

  // Without its logic the page still takes a paste.
  const broken = await context.newPage();
  await broken.route('**/logic.wasm', (route) => route.fulfill({status: 404}));
  await broken.goto(url);
  await broken.getByText('Програмата не можа да се зареди').waitFor({timeout: 10000}).catch(() => {});
  await broken.evaluate(() => navigator.clipboard.writeText('12'));
  await broken.getByRole('textbox', {name: 'Сума за плащане'}).focus();
  await broken.keyboard.press('Control+V');
  const kept = await broken.getByRole('textbox', {name: 'Сума за плащане'}).inputValue();
  const brokenSaid = await broken.getByRole('status').first().textContent();
  check('where the logic could not load, it is said, and a paste still goes in', kept === '12' &&
        brokenSaid.startsWith('Програмата не можа да се зареди'), `"${kept}", "${brokenSaid}"`);
  await broken.close();

  // Every seed the page takes repeats its tasks, 0 too; another is named.
  const tasks = [];
  for (const seed of ['0', '0', '4294967295', '4294967295']) {
    const practice = await context.newPage();
    await practice.goto(`${url}practice.html?seed=${seed}`);
    await practice.waitForFunction(() => document.getElementById('Label1_0').textContent !== '');
    tasks.push(await practice.locator('#Label1_0').textContent());
    await practice.close();
  }
  const wrongSeed = await context.newPage();
  await wrongSeed.goto(`${url}practice.html?seed=abc`);
  const named = await wrongSeed.getByRole('status').first().textContent();
  await wrongSeed.close();
  const wrongRange = await context.newPage();
  await wrongRange.goto(`${url}practice.html?seed=2026&paymentRange=7`);
  await wrongRange.evaluate(async () => (await import('./loading.js')).whenLoaded(() => true));
  const rangeSaid = await wrongRange.locator('#Status').textContent();
  const rangeTask = await wrongRange.locator('#Label1_0').textContent();
  await wrongRange.close();
  check('practice.html with a range it does not have says so, and draws from the default',
        rangeSaid === 'Сумите за плащане се избират така: 0 – до 100, 1 – до 1000, 2 – до 10\u00a0000.' &&
            rangeTask === 'Изплатете 306\u00a0€ с възможно най-малко банкноти и монети.', `"${rangeSaid}", "${rangeTask}"`);
  check('practice.html?seed=0 repeats its tasks, as every seed does; a seed it does not take is named',
        tasks[0] === tasks[1] && tasks[2] === tasks[3] && tasks[0] !== '' && named.includes('„abc“ не е номер на задачи'),
        `${tasks.join(' | ')} | "${named}"`);

  const old = await context.newPage();
  await old.addInitScript(() => { delete window.WebAssembly; });
  await old.goto(url);
  const told = await old.getByRole('status').first().textContent();
  check('a browser without WebAssembly is told so in Bulgarian', told.startsWith('Този браузър не може'), told);
  await old.close();
  await context.close();

  for (const [theme, options] of [['dark', {colorScheme: 'dark'}], ['forced-colors', {forcedColors: 'active'}]]) {
    const themed = await browser.newContext({viewport: {width: 1024, height: 768}, serviceWorkers: 'block', ...options});
    const visit = await Visit.open(themed, url, false);
    const colours = await visit.page.evaluate(() => [
      getComputedStyle(document.getElementById('MainForm')).backgroundColor,
      getComputedStyle(document.getElementById('Text3_0')).backgroundColor,
      getComputedStyle(document.getElementById('Label1_1')).color]);
    await visit.type('Сума за плащане', '130');
    await visit.button('Въведи').click();
    const total = await visit.box('Обща сума').inputValue();
    await visit.button('Изведи').focus();
    const outline = await visit.page.evaluate(() => getComputedStyle(document.activeElement).outlineStyle);
    await visit.shot(`theme-${theme}`);
    const expected = theme === 'dark' ? 'rgb(192, 192, 255),rgb(255, 255, 255),rgb(0, 0, 0)' : null;
    check(`${theme}: the window ${expected ? 'keeps its colours' : 'takes the system\'s colours'}, pays, and shows the focus`,
          (!expected || colours.join() === expected) && total === '130' && outline !== 'none',
          `${colours.join(' / ')}, total ${total}, focus outline ${outline}`);
    await themed.close();
  }
}

// ---- Offline after one visit, a new version on the next visit with a network,
// and a page always on one version's files: every file a page loads, as its
// service worker answers it, names the same version.
async function offlineAndUpdate(server) {
  const profile = fs.mkdtempSync(path.join(os.tmpdir(), 'banknotes-profile-'));
  const context = await chromium.launchPersistentContext(profile, {...launchOptions, viewport: {width: 800, height: 600}});
  const open = async (address) => {
    const page = await context.newPage();
    await page.goto(address);
    return page;
  };
  // The files the page itself loaded, and the version each came in, as the worker answers them.
  const versions = (page) => page.evaluate(async () => {
    const loaded = [location.pathname.slice(1) || 'index.html',
                    ...performance.getEntriesByType('resource').map((entry) => new URL(entry.name).pathname.slice(1))]
                       .filter((file) => !file.endsWith('service-worker.js') && !file.startsWith('manifest'));
    const seen = {};
    for (const file of new Set(loaded)) seen[file] = (await fetch(file)).headers.get('X-Banknotes-Version');
    return seen;
  });
  const oneVersion = (seen) => {
    const all = new Set(Object.values(seen));
    return all.size === 1 && !all.has(null) ? [...all][0] : `mixed: ${JSON.stringify(seen)}`;
  };
  // Until the new worker has installed (or failed to): it then waits for the page to close.
  const settled = (page) => page.evaluate(async () => {
    const registration = await navigator.serviceWorker.ready;
    await registration.update().catch(() => {});
    for (let i = 0; i < 100 && registration.installing; ++i) await new Promise((resolve) => setTimeout(resolve, 100));
  });

  let page = await open(server.url);
  const controlled = await page.waitForFunction(() => navigator.serviceWorker.controller !== null, null,
                                                {timeout: 20000}).then(() => true, () => false);
  const cdp = await context.newCDPSession(page);
  const {installabilityErrors} = await cdp.send('Page.getInstallabilityErrors');
  check('a service worker keeps the page, and it can be installed as an app',
        controlled && installabilityErrors.length === 0, JSON.stringify(installabilityErrors));
  const offlineSaid = await page.getByRole('status').filter({hasText: 'Страницата вече работи и без интернет.'})
                          .waitFor({timeout: 20000}).then(() => true, () => false);
  const again = await open(server.url);
  await again.evaluate(async () => (await import('./loading.js')).loaded);
  await again.waitForTimeout(1000);
  const saidAgain = await again.locator('#Status').textContent();
  await again.close();
  check('once its every file is kept, the page says it works offline, once', offlineSaid && saidAgain === '',
        `said ${offlineSaid}, on the next visit "${saidAgain}"`);

  const pay = async () => {
    await page.evaluate(async () => (await import('./loading.js')).loaded);
    await page.getByRole('textbox', {name: 'Сума за плащане'}).fill('5');
    await page.getByRole('button', {name: 'Въведи'}).click();
    return page.getByRole('textbox', {name: 'Обща сума'}).inputValue();
  };
  await context.setOffline(true);
  await page.reload();
  const total = await pay().catch((error) => error.message);
  await page.goto(`${server.url}practice.html`);
  const practiceOffline = await page.evaluate(async () => (await import('./loading.js')).whenLoaded(() => document.getElementById('Label1_0').textContent))
      .catch((error) => error.message);
  const offlineVersion = oneVersion(await versions(page));
  check('a reload with the network off shows the window, and it pays; the practice page opens offline too, all of version A',
        total === '5' && practiceOffline.startsWith('Изплатете ') && offlineVersion === 'A',
        `${total}; "${practiceOffline}"; ${offlineVersion}`);
  await page.close();
  await context.setOffline(false);

  // A visit of 1.5 s online to a new build, then offline the practice page: the
  // one version its files are all of, or where they are not, and whether it works.
  const visitThenOffline = async (settle) => {
    page = await open(server.url);
    await page.waitForTimeout(1500);
    if (settle) await settled(page);
    await page.close();
    await context.setOffline(true);
    page = await open(`${server.url}practice.html`);
    const version = oneVersion(await versions(page));
    const working = await page.evaluate(async () => (await import('./loading.js')).loaded.then(() => true))
                        .catch(() => false);
    await page.close();
    await context.setOffline(false);
    return {version, working};
  };

  // A whole new build B.
  const b = newBuild(site, 'B');
  server.useVersion('B', b);
  const afterShortVisit = await visitThenOffline(false);
  check('after a short visit to a new build, offline the practice page is all of one version, and works',
        ['A', 'B'].includes(afterShortVisit.version) && afterShortVisit.working, afterShortVisit.version);

  // B takes over on a later visit, once no page of A is open: the browser
  // promotes the new worker a moment after the last one closes.
  page = await open(server.url);
  await settled(page);
  await page.close();
  let later, built, visits = 0;
  do {
    await new Promise((resolve) => setTimeout(resolve, 500));
    page = await open(server.url);
    later = oneVersion(await versions(page));
    built = await page.locator('meta[name=build]').getAttribute('content').catch(() => null);
    await page.close();
  } while (later !== 'B' && ++visits < 10);
  check('a new version takes over on a later visit with a network, all of it', later === 'B' && built === 'B',
        `${later}, ${built}, after ${visits + 1} visits`);

  // A build C whose install fails (one file answers 404) leaves B whole.
  const c = newBuild(site, 'C');
  server.useVersion('C', c, '/icon-512.png');
  const afterFailed = await visitThenOffline(true);
  check('a new build whose install fails leaves the old version whole, offline',
        afterFailed.version === 'B' && afterFailed.working, afterFailed.version);
  server.useVersion('A');
  await context.close();
  for (const folder of [profile, b, c]) fs.rmSync(folder, {recursive: true, force: true});
}

const launchOptions = {
  executablePath: '/usr/bin/chromium',
  // Scroll bars as a visitor sees them, in the screenshots too.
  ignoreDefaultArgs: ['--hide-scrollbars'],
  args: ['--no-sandbox', '--disable-background-networking', '--disable-component-update', '--disable-sync',
         '--no-first-run', '--disable-gpu'],
};

const screens = [
  {name: 'desktop 1024x768, mouse', viewport: {width: 1024, height: 768}, touch: false},
  {name: 'laptop 1366x768, touch', viewport: {width: 1366, height: 768}, touch: true},
  {name: 'tablet 800x1280, touch', viewport: {width: 800, height: 1280}, touch: true, mobile: true, scale: 2},
  {name: 'phone 412x915', viewport: {width: 412, height: 915}, touch: true, mobile: true, scale: 2.625},
  {name: 'phone 320x640', viewport: {width: 320, height: 640}, touch: true, mobile: true, scale: 2},
];

// The time of trying every combination, on a fresh page and again: the first
// answer comes from code that has just been compiled. Figures, not a check on a
// timing: the check is that both were measured.
async function measuredTwice(browser, url) {
  const context = await browser.newContext({serviceWorkers: 'block'});
  const visit = await Visit.open(context, `${url}explore.html`, false);
  for (const [k, value] of ['2', '1', '', '', '', '', ''].entries()) await visit.type(`Стойност ${k + 1}`, value);
  await visit.type('Сума за разбиване', '4471');
  const times = [];
  for (let run = 0; run < 2; ++run) {
    await visit.page.keyboard.press('Enter');
    await visit.ready();
    times.push((await visit.box('3. По колко начина се разбива сумата и колко работа иска това?').inputValue()).split('\n')[1]);
  }
  const seconds = times.map((line) => {
    const [, number, unit] = line.match(/комбинации, ([0-9,]+) (с|мин)/) || [];
    return Number((number || '').replace(',', '.')) * (unit === 'мин' ? 60 : 1);
  });
  figures['trying every combination of 2 and 1 for 4471 (10 M), the first answer and the next'] =
      `${times.map((line) => line.replace(/.*комбинации, /, '')).join('; ')}: ratio ${(Math.max(...seconds) / Math.min(...seconds)).toFixed(2)}`;
  check('explore: trying every combination is measured, first time and next, and said so',
        times.every((line) => line.endsWith('(измерено).')) && seconds.every((one) => one > 0), times.join(' | '));
  await context.close();
}

// Milliseconds from navigating to the first paint, in a fresh context each time:
// the page's, with its font, and a page of one line's, the floor of this browser.
async function firstPaints(browser, url) {
  const times = [];
  for (let i = 0; i < 7; ++i) {
    const context = await browser.newContext({serviceWorkers: 'block'});
    const page = await context.newPage();
    await page.goto(url);
    times.push(await page.evaluate(() => new Promise((resolve) => {
      const done = () => {
        const entry = performance.getEntriesByName('first-contentful-paint')[0];
        if (entry && (!document.fonts.size || document.fonts.check('16px "Liberation Serif"'))) resolve(entry.startTime);
        else setTimeout(done, 5);
      };
      done();
    })));
    await context.close();
  }
  return median(times);
}

async function main() {
  const server = await serve(site);
  server.swap('/blank.html', '<!doctype html><html lang="bg"><title>-</title><p>Празна страница</p>');
  const browser = await chromium.launch(launchOptions);
  const paint = await firstPaints(browser, server.url), floor = await firstPaints(browser, `${server.url}blank.html`);
  figures['window drawn with its font after navigating (first contentful paint, font-display: block), median of 7'] =
      `${paint.toFixed(0)} ms; a page of one line ${floor.toFixed(0)} ms`;
  for (const screen of screens) await screenRow(browser, server.url, screen);
  for (const screen of [screens[0], screens[3]]) await practiceRow(browser, server.url, screen);
  for (const screen of [screens[0], screens[4]]) await exploreRow(browser, server.url, screen);
  for (const screen of [screens[0], screens[4]]) await stepsRow(browser, server.url, screen);
  await worksheetRow(browser, server.url);
  await measuredTwice(browser, server.url);
  await keyboardAndClipboard(browser, server.url);
  await loadingAndThemes(browser, server.url);
  await browser.close();
  await offlineAndUpdate(server);
  await server.close();

  // What the site sends, as served plainly, with gzip and with brotli.
  let raw = 0, gzip = 0, brotli = 0;
  for (const file of fs.readdirSync(site)) {
    const body = fs.readFileSync(path.join(site, file));
    raw += body.length;
    gzip += zlib.gzipSync(body, {level: 9}).length;
    brotli += zlib.brotliCompressSync(body, {params: {[zlib.constants.BROTLI_PARAM_QUALITY]: 11}}).length;
  }
  const kb = (bytes) => `${(bytes / 1000).toFixed(1)} KB`;
  figures['the whole site'] = `${kb(raw)}, ${kb(gzip)} as gzip, ${kb(brotli)} as brotli`;
  // What a pupil's browser fetches once, on a school's network: the logic of five
  // windows with money in euro and cents, a till and the algorithms run a step at a
  // time among it, the font and the pages.
  check('the whole site is at most 190 KB as brotli', brotli <= 190000, kb(brotli));
  for (const [name, value] of Object.entries(figures)) console.log(`figure  ${name}: ${value}`);
  process.exit(results.every((ok) => ok) ? 0 : 1);
}

main().catch((error) => {
  console.error(error);
  process.exit(1);
});
