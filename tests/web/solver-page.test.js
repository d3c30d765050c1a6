// The web puzzle in headless Chromium, at a phone's size and a desktop's: typed through its input
// as a phone keyboard types (Input.insertText), with keys and with taps on its own keyboard, solved,
// reloaded, left with Tab; checked by axe-core; in French.
// Run by ctest with QUORVEX_CLI (quorvex-cli) and QUORVEX_SHAPES (the shape library QVFLAY.DAT).
'use strict';
const test = require('node:test');
const assert = require('node:assert');
const fs = require('node:fs');
const os = require('node:os');
const path = require('node:path');
const { execFileSync } = require('node:child_process');
const puppeteer = require('puppeteer-core');
const axe = require('axe-core');

const dir = fs.mkdtempSync(path.join(os.tmpdir(), 'quorvex-web-'));
const page15 = path.join(dir, 'puzzle.html');
const french = path.join(dir, 'french.html');

// A 15 x 15 puzzle whose words hold a dash, a space, Œ and Å, exported with word lengths.
test.before(() => {
  const words = ['JACK-IN-THE-BOX: Springy toy', 'ICE CREAM: Frozen <treat>', 'ŒUVRE: Body of work', 'SKÅL: Toast',
    'ZEBRA: Striped animal', 'LEMON: Sour fruit', 'RIVER: Flowing water', 'MOUNTAIN: High peak', 'PLANET: World',
    'CANDLE: Wax light', 'KETTLE: Boils water', 'MANGO: Tropical fruit', 'CHAIR: Seat', 'ORANGE: Citrus fruit'];
  fs.writeFileSync(path.join(dir, 'words.txt'), words.join('\n'));
  const cli = (...args) => execFileSync(process.env.QUORVEX_CLI, args, { cwd: dir });
  cli('build', '--words', 'words.txt', '--shape-lib', process.env.QUORVEX_SHAPES, '--shape', '2', '--attempts', '20',
      '--seed', '5', '--title', 'Fifteen', '--category', 'Tests', '--out', 'p.QV3');
  cli('export', 'p.QV3', '--record', '0', '--format', 'solver', '--enumerations', '--out', page15);
  cli('export', 'p.QV3', '--record', '0', '--format', 'solver', '--language', 'French', '--out', french);
});

test.after(() => fs.rmSync(dir, { recursive: true, force: true }));

async function open(size, run, file = page15) {
  const browser = await puppeteer.launch({ executablePath: process.env.CHROMIUM || '/usr/bin/chromium',
                                           args: ['--no-sandbox'], headless: true });
  try {
    const page = await browser.newPage();
    const errors = [];
    page.on('pageerror', (e) => errors.push(e.message));
    await page.setViewport(size);
    await page.goto('file://' + file);
    await page.waitForSelector('#clues li');   // made once the grid is shown
    await run(page, await page.createCDPSession());
    assert.deepStrictEqual(errors, []);
  } finally {
    await browser.close();
  }
}

// The puzzle as the page carries it, and what the page shows now.
const read = (page) => page.evaluate(() => ({
  data: JSON.parse(document.getElementById('puzzle-data').textContent),
  letters: Array.from(document.querySelectorAll('#grid .cell'), (c) => c.textContent.replace(/^\d+/, '')),
  solved: document.documentElement.dataset.solved === 'yes',
  status: document.getElementById('status').textContent,
  clue: document.getElementById('current-clue').textContent,
  focus: document.activeElement.id,
  solvedNote: document.getElementById('solved-dialog').open && document.getElementById('solved-text').textContent,
}));

// Each clue's answer, typed after tapping its clue from the square the page chose (its first empty one);
// the page skips the squares shown from the start.
async function solve(page, typeAnswer) {
  const { data } = await read(page);
  const clues = data.across.concat(data.down);
  const buttons = await page.$$('#clues button');
  for (let k = 0; k < clues.length; ++k) {
    await buttons[k].evaluate((b) => b.scrollIntoView({ block: 'center' }));   // clear of a phone's keys
    await buttons[k].click();
    const at = await page.$$eval('#grid .cell', (cells) => cells.findIndex((c) => c.classList.contains('current')));
    const answer = clues[k].cells.slice(clues[k].cells.indexOf(at)).filter((c) => !data.given.includes(c))
      .map((c) => data.grid[c]).join('');
    await typeAnswer(answer);
  }
}

test('a phone: the whole grid in view, solved through the text input, kept over a reload', async () => {
  await open({ width: 360, height: 740, isMobile: true, hasTouch: true }, async (page, cdp) => {
    assert.strictEqual((await read(page)).data.width, 15);
    const box = await page.$eval('#grid', (g) => g.getBoundingClientRect().toJSON());
    assert.ok(box.left >= 0 && box.right <= 360, `grid from ${box.left} to ${box.right}`);
    assert.strictEqual(await page.evaluate(() => document.documentElement.scrollWidth), 360);
    assert.ok(await page.$eval('#toolbar', (t) => t.getBoundingClientRect().height) < 60, 'buttons in one row');

    // The system keyboard chosen once is kept; the letters still come through the input.
    await page.click('#keys-toggle');
    await page.reload();
    await page.waitForSelector('#clues li');
    assert.ok(await page.$eval('#keys', (k) => k.hidden && !document.getElementById('entry').hasAttribute('inputmode')));
    await solve(page, (text) => cdp.send('Input.insertText', { text: text.toLowerCase() }));   // œ, å too
    const solved = await read(page);
    assert.ok(solved.solved, solved.status);
    assert.match(solved.status, /^Solved!  Every letter is right\./);
    assert.strictEqual(solved.solvedNote, solved.status);
    await page.click('#solved-ok');
    if (process.env.QUORVEX_SCREENSHOT) await page.screenshot({ path: process.env.QUORVEX_SCREENSHOT });

    await page.reload();
    const again = await read(page);
    assert.deepStrictEqual(again.letters, solved.letters);
    assert.ok(again.solved);
  });
});

test('a desktop: keys, checks, clearing, Tab and Escape out of the grid, names of the cells', async () => {
  await open({ width: 1280, height: 800 }, async (page, cdp) => {
    const { data } = await read(page);
    const jack = data.down.concat(data.across).find((c) => c.clue.startsWith('Springy'));
    assert.strictEqual(jack.enumeration, '4-2-3-3');
    assert.ok(await page.$eval('#keys-toggle', (t) => t.hidden), 'no keyboard of its own on a desktop');
    await solve(page, (text) => page.keyboard.type(text));
    assert.ok((await read(page)).solvedNote);
    await page.keyboard.press('Enter');
    assert.strictEqual((await read(page)).focus, 'entry');

    // One wrong letter: Check Puzzle finds it, Clear Wrong Letters takes it out; focus is back on the grid.
    await page.$$eval('#clues button', (b) => b[0].click());
    await page.keyboard.type('Q');
    await page.click('[aria-controls="check-items"]');
    await page.click('#check-puzzle');
    let now = await read(page);
    assert.strictEqual(now.status, '1 wrong letter.');
    assert.strictEqual(now.focus, 'entry');
    await page.click('[aria-controls="clear-items"]');
    await page.click('#clear-wrong');
    assert.strictEqual((await read(page)).status, '1 wrong letter cleared.');

    // Clear Word keeps the letters of complete crossing words (the first square's is not complete now).
    const first = data.across[0].cells;
    const kept = (c) => data.down.some((d) => d.cells.includes(c) && d.cells.every((k) => now.letters[k]));
    const expected = first.map(kept);
    assert.ok(expected.includes(true) && expected.includes(false), expected.join());
    await page.$$eval('#clues button', (b) => b[0].click());
    await page.click('[aria-controls="clear-items"]');
    await page.click('#clear-word');
    now = await read(page);
    assert.deepStrictEqual(first.map((c) => now.letters[c] !== ''), expected);

    // Clear Puzzle asks first: Cancel keeps the letters, the confirmation clears them.
    const filled = now.letters.filter((l) => l).length;
    for (const answer of ['#ask-cancel', '#ask-confirm']) {
      await page.click('[aria-controls="clear-items"]');
      await page.click('#clear-puzzle');
      await page.click(answer);
    }
    now = await read(page);
    assert.ok(now.letters.filter((l) => l).length < filled - 10, 'cleared');

    // Names: every cell of the grid has one; a filled cell ends with its letter.
    await page.keyboard.type('X');
    const tree = await cdp.send('Accessibility.getFullAXTree');
    const cells = tree.nodes.filter((n) => n.role && n.role.value === 'gridcell');
    assert.strictEqual(cells.length, 225);
    assert.deepStrictEqual(cells.filter((n) => !n.name || !n.name.value), []);
    assert.ok(cells.some((n) => /^X; \d+ (Across|Down), letter 1 of \d+/.test(n.name.value)));

    // Tab goes from clue to clue and leaves the grid after the last one; Escape leaves it too.
    const count = data.across.length + data.down.length;
    await page.$$eval('#clues button', (b) => b[0].click());
    await page.keyboard.press('Tab');
    assert.strictEqual((await read(page)).focus, 'entry');
    for (let k = 1; k < count; ++k) await page.keyboard.press('Tab');
    assert.notStrictEqual((await read(page)).focus, 'entry');
    await page.$$eval('#clues button', (b) => b[0].click());
    await page.keyboard.press('Escape');
    assert.notStrictEqual((await read(page)).focus, 'entry');

    // The timer pauses, and stays paused over a reload; an address cannot solve the puzzle.
    await page.click('#pause');
    await page.goto('file://' + page15 + '#keys=["#reveal-puzzle"]');
    assert.ok(await page.$eval('#paused', (p) => !p.hidden));
    assert.ok(!(await read(page)).solved);
  });
});

// A puzzle stored by an older build: TONE lies inside STONE, a given dash below. The inner clue is
// chosen from the list and typed into its own squares; a letter typed on the dash goes on to the next square.
test('a word inside another: its clue chosen from the list, a given square skipped', async () => {
  const data = { width: 5, height: 3, title: 'Nested', category: '', acrossHeading: 'Across', downHeading: 'Down',
    grid: ['S', 'T', 'O', 'N', 'E', null, null, null, null, '-', null, null, null, null, 'A'],
    numbers: [1, 2, 0, 0, 3, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0], given: [9], timer: false,
    across: [{ number: 1, clue: 'Rock', cells: [0, 1, 2, 3, 4] }, { number: 2, clue: 'Sound', cells: [1, 2, 3, 4] }],
    down: [{ number: 3, clue: 'E-A', cells: [4, 9, 14] }] };
  const nested = path.join(dir, 'nested.html');
  fs.writeFileSync(nested, fs.readFileSync(page15, 'utf8').replace(
    /(<script type="application\/json" id="puzzle-data">)[^<]*/, (m, open) => open + JSON.stringify(data)));
  await open({ width: 1280, height: 800 }, async (page) => {
    const buttons = await page.$$('#clues button');
    await buttons[1].click();
    assert.strictEqual((await read(page)).clue, '2 Across: Sound');
    await page.keyboard.type('TONE');
    await buttons[0].click();
    await page.keyboard.type('S');
    await buttons[2].click();
    await page.keyboard.press('ArrowUp');
    await page.keyboard.type('A');
    const now = await read(page);
    assert.deepStrictEqual(now.letters.filter((l) => l), ['S', 'T', 'O', 'N', 'E', '-', 'A']);
    assert.ok(now.solved, now.status);
  }, nested);
});

// axe-core's serious and critical findings under WCAG 2.0-2.2 A/AA and its best practices.
async function accessibilityFaults(page) {
  if (!(await page.evaluate(() => typeof axe !== 'undefined'))) await page.evaluate(axe.source);
  const found = await page.evaluate(() => axe.run({ runOnly: { type: 'tag', values: ['wcag2a', 'wcag2aa', 'wcag21a',
    'wcag21aa', 'wcag22aa', 'best-practice'] } }));
  return found.violations.filter((v) => v.impact === 'serious' || v.impact === 'critical')
    .map((v) => `${v.id}: ${v.nodes.map((n) => n.target.join(' ')).join(', ')}`);
}

test('a small phone: the grid fits, the own keys fill it, Reveal Puzzle asks, no accessibility fault', async () => {
  await open({ width: 320, height: 640, isMobile: true, hasTouch: true }, async (page) => {
    const fit = await page.evaluate(() => {
      const area = document.getElementById('grid-area'), grid = document.getElementById('grid').getBoundingClientRect();
      return { left: grid.left, right: grid.right, cut: area.scrollWidth - area.clientWidth,
               page: document.documentElement.scrollWidth, hint: !document.getElementById('scroll-hint').hidden,
               inputmode: document.getElementById('entry').getAttribute('inputmode') };
    });
    assert.deepStrictEqual([fit.left >= 0, fit.right <= 320, fit.cut, fit.page, fit.hint], [true, true, 0, 320, false]);
    assert.strictEqual(fit.inputmode, 'none');   // the system keyboard stays down

    await page.click('[aria-controls="reveal-items"]');
    await page.click('#reveal-puzzle');
    assert.match(await page.$eval('#ask-dialog[open] #ask-question', (q) => q.textContent), /^Reveal every letter/);
    await page.click('#ask-cancel');
    assert.ok((await read(page)).letters.every((l) => l === ''), 'nothing revealed');

    const tap = async (key) => {
      const box = await (await page.$(`#keys [data-key="${key}"]`)).boundingBox();
      await page.touchscreen.tap(box.x + box.width / 2, box.y + box.height / 2);
    };
    // The direction key turns on a square of two words.
    await page.evaluate(() => {
      const { across, down } = JSON.parse(document.getElementById('puzzle-data').textContent);
      const both = across.flatMap((a) => a.cells).find((c) => down.some((d) => d.cells.includes(c)));
      document.querySelectorAll('#grid .cell')[both].click();
    });
    const clue = (await read(page)).clue;
    await tap('turn');
    assert.notStrictEqual((await read(page)).clue, clue);
    await tap('turn');
    await tap('Q');
    await tap('back');
    assert.ok((await read(page)).letters.every((l) => l === ''), 'Backspace took the letter');
    // Each answer tapped letter by letter; the current square stays on the screen above the keys.
    await solve(page, async (text) => {
      for (const ch of text) await tap(ch.toUpperCase());
      const seen = await page.evaluate(() => new Promise((done) => requestAnimationFrame(() => {
        const cell = document.querySelector('.cell.current').getBoundingClientRect();
        done(cell.top >= 0 && cell.bottom <= document.getElementById('dock').getBoundingClientRect().top);
      })));
      assert.ok(seen, `square of ${text} out of view`);
    });
    const done = await read(page);
    const wrong = done.letters.map((l, i) => [i, l]).filter(([i, l]) => l !== (done.data.grid[i] || ''));
    assert.match(String(done.solvedNote), /^Solved!/, `wrong squares ${JSON.stringify(wrong)}`);
    await page.click('#solved-ok');

    await page.$$eval('#clues button', (b) => b[0].click());
    await tap('Q');
    for (const scheme of ['light', 'dark']) {
      await page.emulateMediaFeatures([{ name: 'prefers-color-scheme', value: scheme }]);
      await page.click('[aria-controls="check-items"]');
      await page.click('#check-puzzle');
      assert.deepStrictEqual(await accessibilityFaults(page), [], `${scheme}, after Check`);
      await page.click('[aria-controls="clear-items"]');
      assert.deepStrictEqual(await accessibilityFaults(page), [], `${scheme}, a menu open`);
      await page.keyboard.press('Escape');
    }
  });
});

test('a French puzzle: the page is French', async () => {
  await open({ width: 1280, height: 800 }, async (page) => {
    assert.strictEqual(await page.$eval('html', (h) => h.lang), 'fr');
    assert.deepStrictEqual(await page.$$eval('#toolbar > .menu > button, #print-puzzle', (b) => b.map((e) => e.textContent)),
                           ['Vérifier', 'Révéler', 'Effacer', 'Imprimer']);
    await page.keyboard.type('Q');
    await page.click('[aria-controls="check-items"]');
    await page.click('#check-word');
    assert.strictEqual((await read(page)).status, '1 lettre fausse.');
    assert.deepStrictEqual(await accessibilityFaults(page), []);
  }, french);
});
