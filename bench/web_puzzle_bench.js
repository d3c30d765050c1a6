// The web puzzle's speed in headless Chromium with the CPU slowed 4x (a mid-range phone): the first
// paint of the page and the handling of one keystroke (the script's work plus style and layout).
// usage: node bench/web_puzzle_bench.js PAGE.html [RUNS]   (puppeteer-core from tests/web)
'use strict';
const path = require('node:path');
const puppeteer = require(path.join(__dirname, '..', 'tests', 'web', 'node_modules', 'puppeteer-core'));

const median = (list) => list.slice().sort((a, b) => a - b)[Math.floor(list.length / 2)];

(async () => {
  const file = path.resolve(process.argv[2]);
  const runs = Number(process.argv[3] || 7);
  const browser = await puppeteer.launch({ executablePath: process.env.CHROMIUM || '/usr/bin/chromium',
                                           args: ['--no-sandbox'], headless: true });
  const paints = [], keys = [];
  try {
    for (let run = 0; run < runs; ++run) {
      const page = await browser.newPage();
      await page.setViewport({ width: 390, height: 844, isMobile: true, hasTouch: true });
      await page.emulateCPUThrottling(4);
      await page.goto('file://' + file + '?run=' + run);
      paints.push(await page.evaluate(() => new Promise((resolve) => {
        new PerformanceObserver((list) => {
          const p = list.getEntriesByName('first-contentful-paint')[0];
          if (p) resolve(p.startTime);
        }).observe({ type: 'paint', buffered: true });
      })));
      keys.push(await page.evaluate(() => {
        const entry = document.getElementById('entry');
        const times = [];
        for (const ch of 'ABCDEFGHIJKLMNOPQRST') {
          const start = performance.now();
          entry.dispatchEvent(new InputEvent('beforeinput', { inputType: 'insertText', data: ch, cancelable: true }));
          void document.body.offsetHeight;
          times.push(performance.now() - start);
        }
        return times.sort((a, b) => a - b)[times.length - 1];
      }));
      await page.evaluate(() => localStorage.clear());
      await page.close();
    }
  } finally {
    await browser.close();
  }
  console.log(`first contentful paint, CPU 4x slower: median ${median(paints).toFixed(0)} ms ` +
              `(${paints.map((p) => p.toFixed(0)).join(' ')})`);
  console.log(`slowest of 20 keystrokes, CPU 4x slower: median ${median(keys).toFixed(1)} ms ` +
              `(${keys.map((k) => k.toFixed(1)).join(' ')})`);
})();
