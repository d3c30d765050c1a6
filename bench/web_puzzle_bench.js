// The web puzzle's speed in headless Chromium with the CPU slowed 4x (a mid-range phone): the first
// contentful paint of the page, and the slowest of 20 keystrokes' handling (the script's work plus
// the style and layout it causes). Several pages (a new one and a baseline) are loaded in turn, so
// that a busy machine slows them alike; quote the medians.
// usage: node bench/web_puzzle_bench.js PAGE.html [OTHER.html ...] [--runs N] [--slowdown F]
// (puppeteer-core from tests/web; --slowdown 1 runs at the machine's own speed)
'use strict';
const path = require('node:path');
const puppeteer = require(path.join(__dirname, '..', 'tests', 'web', 'node_modules', 'puppeteer-core'));

const args = process.argv.slice(2);
const at = args.indexOf('--runs');
const runs = at >= 0 ? Number(args.splice(at, 2)[1]) : 9;
const slow = args.indexOf('--slowdown');
const slowdown = slow >= 0 ? Number(args.splice(slow, 2)[1]) : 4;
const files = args.map((f) => path.resolve(f));
const sorted = (list) => list.slice().sort((a, b) => a - b);
const summary = (list, digits) => {
  const s = sorted(list);
  return `median ${s[s.length >> 1].toFixed(digits)} ms (min ${s[0].toFixed(digits)}, max ${s[s.length - 1].toFixed(digits)})`;
};

async function measure(browser, file, run) {
  const page = await browser.newPage();
  try {
    await page.setViewport({ width: 390, height: 844, isMobile: true, hasTouch: true });
    await page.emulateCPUThrottling(slowdown);
    await page.goto('file://' + file + '?run=' + run);
    const paint = await page.evaluate(() => new Promise((resolve) => {
      new PerformanceObserver((list) => {
        const p = list.getEntriesByName('first-contentful-paint')[0];
        if (p) resolve(p.startTime);
      }).observe({ type: 'paint', buffered: true });
    }));
    const key = await page.evaluate(() => {
      const entry = document.getElementById('entry');
      let slowest = 0;
      for (const ch of 'ABCDEFGHIJKLMNOPQRST') {
        const start = performance.now();
        entry.dispatchEvent(new InputEvent('beforeinput', { inputType: 'insertText', data: ch, cancelable: true }));
        void document.body.offsetHeight;
        slowest = Math.max(slowest, performance.now() - start);
      }
      localStorage.clear();
      return slowest;
    });
    return { paint, key };
  } finally {
    await page.close();
  }
}

(async () => {
  const browser = await puppeteer.launch({ executablePath: process.env.CHROMIUM || '/usr/bin/chromium',
                                           args: ['--no-sandbox'], headless: true });
  const results = files.map(() => ({ paint: [], key: [] }));
  try {
    for (let run = 0; run < runs; ++run) {
      for (let f = 0; f < files.length; ++f) {
        const r = await measure(browser, files[f], run);
        results[f].paint.push(r.paint);
        results[f].key.push(r.key);
      }
    }
  } finally {
    await browser.close();
  }
  files.forEach((f, i) => {
    console.log(path.basename(f));
    console.log(`  first contentful paint, CPU ${slowdown}x slower: ${summary(results[i].paint, 0)}`);
    console.log(`  slowest of 20 keystrokes, CPU ${slowdown}x slower: ${summary(results[i].key, 1)}`);
  });
})();
