#include "export/SolverPageAssets.h"

namespace SolverPageAssets {

const char Style[] = R"css(:root { --cell: 2.2em; --ink: #111; --word: #cfe3ff; --current: #ffd54a; }
body { font-family: "Liberation Sans", Arial, Helvetica, sans-serif; color: var(--ink); margin: 1.5em; }
h1 { font-size: 1.6em; margin: 0 0 0.2em; }
#category { color: #555; margin: 0 0 0.8em; }
#toolbar { display: flex; flex-wrap: wrap; gap: 0.4em; margin-bottom: 0.6em; }
#toolbar button { font: inherit; padding: 0.3em 0.7em; cursor: pointer; }
#status { min-height: 1.4em; margin-bottom: 0.6em; font-weight: bold; }
html[data-solved="yes"] #status { color: #1b7f2a; }
#current-clue { min-height: 1.4em; margin: 0 0 0.6em; padding: 0.3em 0.5em; background: var(--word); }
#puzzle { display: flex; flex-wrap: wrap; gap: 2em; align-items: flex-start; }
#grid { display: grid; outline: none; user-select: none; }
#grid:focus-visible { box-shadow: 0 0 0 3px #8ab4f8; }
.cell { position: relative; width: var(--cell); height: var(--cell); box-sizing: border-box; }
.cell.open { border: 1px solid var(--ink); margin: 0 -1px -1px 0; background: #fff; cursor: pointer; }
.cell.block { background: var(--ink); border: 1px solid var(--ink); margin: 0 -1px -1px 0; }
.cell.word { background: var(--word); }
.cell.current { background: var(--current); }
.cell .num { position: absolute; top: 1px; left: 2px; font-size: 0.55em; line-height: 1; }
.cell .letter { position: absolute; inset: 0; display: flex; align-items: center; justify-content: center;
  font-size: 1.25em; padding-top: 0.2em; text-transform: none; }
.cell.given .letter { color: #555; }
.cell.wrong .letter { color: #c62828; }
.cell.wrong::after { content: ""; position: absolute; left: 10%; right: 10%; top: 50%; border-top: 2px solid #c62828;
  transform: rotate(-35deg); }
.cell.revealed .letter { color: #1565c0; }
#clues { display: flex; flex-wrap: wrap; gap: 1.5em; flex: 1 1 28em; }
#clues section { flex: 1 1 13em; }
#clues h2 { font-size: 1.1em; margin: 0 0 0.4em; }
#clues ol { list-style: none; margin: 0; padding: 0; }
#clues li { padding: 0.15em 0.3em; cursor: pointer; display: flex; gap: 0.5em; }
#clues li .n { font-weight: bold; min-width: 1.8em; text-align: right; }
#clues li.active { background: var(--word); }
#clues li.filled { color: #777; }
@media print {
  #toolbar, #status, #current-clue { display: none; }
  body { margin: 0; }
  #grid { box-shadow: none; }
  .cell.block { -webkit-print-color-adjust: exact; print-color-adjust: exact; }
  .cell.word, .cell.current { background: #fff; }
  .cell.wrong::after { display: none; }
  #clues li.active { background: none; }
  #clues li.filled { color: var(--ink); }
  #puzzle { gap: 1em; }
}
)css";

const char Body[] = R"html(<h1 id="title"></h1>
<p id="category"></p>
<div id="toolbar">
<button type="button" id="check-letter">Check Letter</button>
<button type="button" id="check-word">Check Word</button>
<button type="button" id="check-puzzle">Check Puzzle</button>
<button type="button" id="reveal-letter">Reveal Letter</button>
<button type="button" id="reveal-word">Reveal Word</button>
<button type="button" id="reveal-puzzle">Reveal Puzzle</button>
<button type="button" id="clear-puzzle">Clear</button>
<button type="button" id="print-puzzle">Print</button>
</div>
<div id="status" role="status" aria-live="polite"></div>
<p id="current-clue"></p>
<div id="puzzle">
<div id="grid" tabindex="0" role="grid" aria-label="Crossword grid"></div>
<div id="clues">
<section><h2 id="across-heading"></h2><ol id="across-clues"></ol></section>
<section><h2 id="down-heading"></h2><ol id="down-clues"></ol></section>
</div>
</div>
)html";

const char Script[] = R"js((function () {
  'use strict';
  var data = JSON.parse(document.getElementById('puzzle-data').textContent);
  var width = data.width, height = data.height;
  var gridEl = document.getElementById('grid');
  var statusEl = document.getElementById('status');
  var cells = [];
  var clues = [];
  var current = { cell: -1, across: true };

  // Letters are compared the way the grid holds them: a..z and the accented small letters of
  // Latin-1 in their capital form, every other character as it is.
  function fold(ch) {
    var c = ch.charCodeAt(0);
    if ((c >= 97 && c <= 122) || (c >= 224 && c <= 246) || (c >= 248 && c <= 254))
      return String.fromCharCode(c - 32);
    return ch;
  }

  function build() {
    document.getElementById('title').textContent = data.title;
    document.getElementById('category').textContent = data.category;
    document.getElementById('across-heading').textContent = data.acrossHeading;
    document.getElementById('down-heading').textContent = data.downHeading;
    gridEl.style.gridTemplateColumns = 'repeat(' + width + ', var(--cell))';
    data.grid.forEach(function (value, i) {
      var el = document.createElement('div');
      var cell = { el: el, answer: null, entry: '', given: false, wrong: false, revealed: false,
                   across: -1, down: -1 };
      if (value === null) {
        el.className = 'cell outside';
      } else if (value === 0) {
        el.className = 'cell block';
      } else {
        cell.answer = value;
        el.className = 'cell open';
        if (data.numbers[i] > 0) {
          var num = document.createElement('span');
          num.className = 'num';
          num.textContent = data.numbers[i];
          el.appendChild(num);
        }
        cell.letterEl = document.createElement('span');
        cell.letterEl.className = 'letter';
        el.appendChild(cell.letterEl);
        el.addEventListener('mousedown', function (event) {
          event.preventDefault();
          gridEl.focus({ preventScroll: true });
          if (current.cell === i)
            turn();
          else
            select(i, current.across);
        });
      }
      gridEl.appendChild(el);
      cells.push(cell);
    });
    data.given.forEach(function (i) {
      cells[i].given = true;
      cells[i].entry = cells[i].answer;
    });
    [['across', true], ['down', false]].forEach(function (part) {
      var list = document.getElementById(part[0] + '-clues');
      data[part[0]].forEach(function (c) {
        var index = clues.length;
        var li = document.createElement('li');
        var n = document.createElement('span');
        n.className = 'n';
        n.textContent = c.number;
        var text = document.createElement('span');
        text.textContent = c.clue;
        li.appendChild(n);
        li.appendChild(text);
        li.addEventListener('click', function () { gridEl.focus({ preventScroll: true }); selectClue(index); });
        list.appendChild(li);
        var clue = { across: part[1], number: c.number, text: c.clue, cells: c.cells, el: li };
        clues.push(clue);
        c.cells.forEach(function (k) {
          if (cells[k] && cells[k].answer !== null) {
            if (part[1]) { if (cells[k].across < 0) cells[k].across = index; }
            else if (cells[k].down < 0) cells[k].down = index;
          }
        });
      });
    });
  }

  function wordAt(i, across) { return i < 0 ? -1 : (across ? cells[i].across : cells[i].down); }
  function currentWord() { return wordAt(current.cell, current.across); }

  function select(i, across) {
    if (i < 0 || cells[i].answer === null) return;
    if (wordAt(i, across) < 0 && wordAt(i, !across) >= 0) across = !across;
    current.cell = i;
    current.across = across;
    render();
  }

  function selectClue(index) {
    var clue = clues[index];
    var target = clue.cells.filter(function (k) { return !cells[k].entry; })[0];
    if (target === undefined) target = clue.cells[0];
    current.across = clue.across;
    select(target, clue.across);
  }

  function turn() { select(current.cell, !current.across); }

  function step(dRow, dColumn) {
    var row = Math.floor(current.cell / width) + dRow, column = current.cell % width + dColumn;
    while (row >= 0 && row < height && column >= 0 && column < width) {
      var k = row * width + column;
      if (cells[k].answer !== null) { select(k, current.across); return; }
      row += dRow; column += dColumn;
    }
  }

  function arrow(across, forward) {
    if (current.across !== across && wordAt(current.cell, across) >= 0) {
      select(current.cell, across);
      return;
    }
    step(across ? 0 : (forward ? 1 : -1), across ? (forward ? 1 : -1) : 0);
  }

  // The next cell of the current word after (or before) the current one that a person fills.
  function neighbour(direction) {
    var word = currentWord();
    if (word < 0) return -1;
    var list = clues[word].cells;
    for (var p = list.indexOf(current.cell) + direction; p >= 0 && p < list.length; p += direction) {
      if (!cells[list[p]].given) return list[p];
    }
    return -1;
  }

  function type(ch) {
    var cell = cells[current.cell];
    if (!cell.given) {
      cell.entry = fold(ch);
      cell.wrong = false;
      cell.revealed = false;
    }
    var next = neighbour(1);
    if (next >= 0) current.cell = next;
    render();
  }

  function erase(back) {
    var cell = cells[current.cell];
    if (back && (cell.given || !cell.entry)) {
      var previous = neighbour(-1);
      if (previous < 0) { render(); return; }
      current.cell = previous;
      cell = cells[previous];
    }
    if (!cell.given) { cell.entry = ''; cell.wrong = false; cell.revealed = false; }
    render();
  }

  function scope(kind) {
    if (kind === 'letter') return current.cell < 0 ? [] : [current.cell];
    if (kind === 'word') return currentWord() < 0 ? [] : clues[currentWord()].cells;
    return cells.map(function (c, i) { return i; }).filter(function (i) { return cells[i].answer !== null; });
  }

  function check(kind) {
    var wrong = 0;
    scope(kind).forEach(function (k) {
      var c = cells[k];
      c.wrong = c.entry !== '' && c.entry !== c.answer;
      if (c.wrong) wrong += 1;
    });
    render(wrong === 0 ? 'No mistakes found.' : wrong + (wrong === 1 ? ' wrong letter.' : ' wrong letters.'));
  }

  function reveal(kind) {
    scope(kind).forEach(function (k) {
      var c = cells[k];
      if (c.entry !== c.answer) { c.entry = c.answer; c.revealed = true; }
      c.wrong = false;
    });
    render();
  }

  function clearAll() {
    cells.forEach(function (c) {
      if (c.answer !== null && !c.given) { c.entry = ''; c.wrong = false; c.revealed = false; }
    });
    render();
  }

  function render(message) {
    var word = currentWord();
    var wordCells = word < 0 ? [] : clues[word].cells;
    var open = 0, filled = 0, right = 0;
    cells.forEach(function (c, i) {
      if (c.answer === null) return;
      open += 1;
      if (c.entry) filled += 1;
      if (c.entry === c.answer) right += 1;
      c.letterEl.textContent = c.entry;
      var cls = 'cell open';
      if (c.given) cls += ' given';
      if (c.wrong) cls += ' wrong';
      if (c.revealed) cls += ' revealed';
      if (wordCells.indexOf(i) >= 0) cls += ' word';
      if (i === current.cell) cls += ' current';
      c.el.className = cls;
    });
    clues.forEach(function (clue, index) {
      var full = clue.cells.every(function (k) { return cells[k].entry; });
      clue.el.className = (index === word ? 'active' : '') + (full ? ' filled' : '');
    });
    document.getElementById('current-clue').textContent = word < 0 ? '' :
      clues[word].number + ' ' + (clues[word].across ? data.acrossHeading : data.downHeading) + ': ' + clues[word].text;
    var solved = open > 0 && right === open;
    document.documentElement.setAttribute('data-solved', solved ? 'yes' : 'no');
    if (solved) statusEl.textContent = 'Solved!  Every letter is right.';
    else if (message) statusEl.textContent = message;
    else if (filled === open && open > 0) statusEl.textContent = 'Every square is filled, but some letters are wrong.';
    else statusEl.textContent = '';
  }

  gridEl.addEventListener('keydown', function (event) {
    if (event.ctrlKey || event.metaKey || event.altKey || current.cell < 0) return;
    var key = event.key;
    if (key === 'ArrowLeft' || key === 'ArrowRight') arrow(true, key === 'ArrowRight');
    else if (key === 'ArrowUp' || key === 'ArrowDown') arrow(false, key === 'ArrowDown');
    else if (key === 'Tab') {
      var index = currentWord();
      selectClue(((index < 0 ? 0 : index) + (event.shiftKey ? clues.length - 1 : 1)) % clues.length);
    } else if (key === 'Enter' || key === ' ') turn();
    else if (key === 'Backspace') erase(true);
    else if (key === 'Delete') erase(false);
    else if (key.length === 1) type(key);
    else return;
    event.preventDefault();
  });

  function press(id, action) { document.getElementById(id).addEventListener('click', action); }
  press('check-letter', function () { check('letter'); });
  press('check-word', function () { check('word'); });
  press('check-puzzle', function () { check('puzzle'); });
  press('reveal-letter', function () { reveal('letter'); });
  press('reveal-word', function () { reveal('word'); });
  press('reveal-puzzle', function () { reveal('puzzle'); });
  press('clear-puzzle', clearAll);
  press('print-puzzle', function () { window.print(); });

  build();
  if (clues.length > 0) selectClue(0); else render();
  gridEl.focus({ preventScroll: true });

  var played = /^#keys=(.*)$/.exec(location.hash);
  if (played) {
    JSON.parse(decodeURIComponent(played[1])).forEach(function (key) {
      if (key.charAt(0) === '#' && key.length > 1) { document.getElementById(key.slice(1)).click(); return; }
      var shift = key.indexOf('Shift+') === 0 && key.length > 6;
      gridEl.dispatchEvent(new KeyboardEvent('keydown', { key: shift ? key.slice(6) : key, shiftKey: shift,
                                                          bubbles: true, cancelable: true }));
    });
  }
})();
)js";

} // namespace SolverPageAssets
