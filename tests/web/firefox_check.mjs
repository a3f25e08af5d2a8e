// The worked examples and fault texts of tests/worked_examples.json in Firefox
// ESR, headless, driven by puppeteer-core over WebDriver BiDi: real mouse
// clicks and keys on the page's own controls. node firefox_check.mjs URL TOOLS
// (TOOLS: the folder whose node_modules holds puppeteer-core). Prints one line
// per check and the counts last; ends non-zero on any failure.
import {readFileSync} from 'node:fs';
import {createRequire} from 'node:module';

const [url, tools] = process.argv.slice(2);
const puppeteer = createRequire(`${tools}/node_modules/`)('puppeteer-core');
const table = JSON.parse(readFileSync(new URL('../worked_examples.json', import.meta.url), 'utf8'));
const LOADING = 240000;  // ms for the page and its core on a busy machine
const REACTION = 30000;  // ms for one answer of the page
const counts = {passed: 0, failed: 0};

function check(name, ok, seen) {
  counts[ok ? 'passed' : 'failed'] += 1;
  console.log(`${ok ? 'ok  ' : 'FAIL'} firefox: ${name}${ok ? '' : `  [${JSON.stringify(seen)}]`}`);
}

const browser = await puppeteer.launch({
  browser: 'firefox', executablePath: '/usr/bin/firefox-esr', headless: true, protocolTimeout: LOADING,
  extraPrefsFirefox: {'intl.accept_languages': 'it-IT, it'},
});
try {
  const page = await browser.newPage();
  page.setDefaultTimeout(REACTION);
  const isShown = (name) => page.waitForFunction(
    (n) => [...document.querySelectorAll('section.window')].filter((s) => !s.hidden).map((s) => s.id).join() === n,
    {}, name);

  async function start() {
    await page.goto(url);
    await page.waitForFunction(() => window.voltarisReady === true, {timeout: LOADING});
  }

  // On a freshly loaded page, as each desktop test starts a fresh program, from the main window by
  // the row's path, then its steps; returns the id of the last control pressed.
  async function replay(row) {
    await start();
    for (const [window, control] of row.path ?? table.paths[row.window]) {
      await isShown(window);
      await page.click(`#${window}-${control}`);
    }
    await isShown(row.window);
    for (const [control, text] of row.steps) {
      const selector = `#${row.window}-${control}`;
      await page.waitForFunction((s) => !document.querySelector(s).disabled, {}, selector);
      await page.click(selector);
      if (text === undefined)
        continue;
      await page.keyboard.down('Control');
      await page.keyboard.press('a');
      await page.keyboard.up('Control');
      await page.keyboard.press('Backspace');
      await page.keyboard.type(text || '0');  // an empty text: a digit typed and taken back
      if (!text)
        await page.keyboard.press('Backspace');
    }
    return `${row.window}-${row.steps.at(-1)[0]}`;
  }

  const results = (row) => page.evaluate((window, boxes) => Object.fromEntries(
    boxes.map((box) => [box, document.getElementById(`${window}-${box}`).value])), row.window, Object.keys(row.results));
  const same = (a, b) => JSON.stringify(a) === JSON.stringify(b);
  const italian = (row) => (row.locale ?? 'it') === 'it';

  for (const row of table.examples.filter(italian)) {
    let seen;
    try {
      await replay(row);
      seen = await results(row);
    } catch (error) {
      seen = String(error).split('\n')[0];
    }
    check(`${row.window} ${row.name}`, same(seen, row.results), seen);
  }
  for (const row of table.faults.filter(italian)) {
    let seen;
    const expected = [row.fault, null, row.results];
    try {
      expected[1] = await replay(row);
      await page.waitForFunction(() => document.getElementById('fault').open);
      const message = await page.evaluate(() => document.getElementById('fault-message').textContent);
      await page.click('#fault-ok');
      await page.waitForFunction(() => !document.getElementById('fault').open);
      seen = [message, await page.evaluate(() => document.activeElement.id), await results(row)];
    } catch (error) {
      seen = String(error).split('\n')[0];
    }
    check(`${row.window} ${row.name}: the fault box, OK, the focus back, the results`, same(seen, expected), seen);
  }
} catch (error) {
  check('runs', false, String(error).split('\n')[0]);
} finally {
  await browser.close();
}
console.log(`${counts.passed} passed, ${counts.failed} failed`);
process.exitCode = counts.failed ? 1 : 0;
