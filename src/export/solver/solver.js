(function () {
  'use strict';
  var dataText = document.getElementById('puzzle-data').textContent;
  var data = JSON.parse(dataText);
  var width = data.width, height = data.height;
  function byId(id) { return document.getElementById(id); }
  var gridEl = byId('grid'), areaEl = byId('grid-area'), entryEl = byId('entry'), statusEl = byId('status');
  var cells = [];
  var clues = [];
  // The chosen clue is kept too: a word inside another shares its squares, so only the clue says which word is meant.
  var current = { cell: -1, across: true, clue: -1 };
  var timer = { shown: data.timer === true, elapsed: 0, paused: false };
  var wasSolved = false;
  var composing = false;
  // The hidden input always holds this one character, so that a phone keyboard has something to
  // delete and sends its backspace as an input event.
  var Held = ' ';

  // Progress is kept in the browser under a hash of the puzzle, so another puzzle never picks it up.
  function hash(text) {
    var h = 0x811c9dc5;
    for (var i = 0; i < text.length; ++i) {
      h ^= text.charCodeAt(i);
      h = Math.imul(h, 0x01000193) >>> 0;
    }
    return ('0000000' + h.toString(16)).slice(-8);
  }
  var storageKey = 'quorvex-puzzle-' + hash(dataText);

  // Small and capital letters count as the same letter, for every letter a word can hold (also
  // œ, š, ž and ÿ, which the grid may hold in either case). Characters whose capital form is more
  // than one character (ß) and the micro sign stay as they are.
  function fold(ch) {
    if (ch === '\u00b5') return ch;
    var up = ch.toUpperCase();
    return up.length === 1 ? up : ch;
  }

  function build() {
    byId('title').textContent = data.title;
    byId('category').textContent = data.category;
    byId('across-heading').textContent = data.acrossHeading;
    byId('down-heading').textContent = data.downHeading;
    gridEl.style.setProperty('--columns', width);
    gridEl.style.setProperty('--rows', height);
    var row = null;
    data.grid.forEach(function (value, i) {
      if (i % width === 0) {
        row = document.createElement('div');
        row.setAttribute('role', 'row');
        gridEl.appendChild(row);
      }
      var el = document.createElement('div');
      el.setAttribute('role', 'gridcell');
      var cell = { el: el, answer: null, entry: '', given: false, wrong: false, revealed: false,
                   across: -1, down: -1 };
      if (value === null) {
        el.className = 'cell outside';
        el.setAttribute('aria-label', 'Outside the puzzle');
      } else if (value === 0) {
        el.className = 'cell block';
        el.setAttribute('aria-label', 'Black square');
      } else {
        cell.answer = fold(value);
        el.className = 'cell open';
        if (data.numbers[i] > 0) {
          var num = document.createElement('span');
          num.className = 'num';
          num.setAttribute('aria-hidden', 'true');
          num.textContent = data.numbers[i];
          el.appendChild(num);
        }
        cell.letterEl = document.createElement('span');
        cell.letterEl.className = 'letter';
        cell.letterEl.setAttribute('aria-hidden', 'true');
        el.appendChild(cell.letterEl);
        el.addEventListener('click', function () {
          if (current.cell === i && document.activeElement === entryEl) turn();
          else select(i, current.across);
          focusGrid();
        });
      }
      row.appendChild(el);
      cells.push(cell);
    });
    data.given.forEach(function (i) {
      cells[i].given = true;
      cells[i].entry = cells[i].answer;
    });
    [['across', true], ['down', false]].forEach(function (part) {
      var list = byId(part[0] + '-clues');
      data[part[0]].forEach(function (c) {
        var index = clues.length;
        var li = document.createElement('li');
        var button = document.createElement('button');
        button.type = 'button';
        var n = document.createElement('span');
        n.className = 'n';
        n.textContent = c.number;
        var text = document.createElement('span');
        var shown = c.clue + (c.enumeration ? ' (' + c.enumeration + ')' : '');
        text.textContent = shown;
        button.appendChild(n);
        button.appendChild(text);
        button.setAttribute('aria-label', c.number + ' ' + (part[1] ? 'Across' : 'Down') + ': ' + shown);
        button.addEventListener('click', function () {
          selectClue(index);
          focusGrid();
          // A clue tapped below the grid on a phone brings its square back into view.
          if (current.cell >= 0) cells[current.cell].el.scrollIntoView({ block: 'nearest', inline: 'nearest' });
        });
        li.appendChild(button);
        list.appendChild(li);
        var cellsOfClue = c.cells.filter(function (k) { return cells[k] && cells[k].answer !== null; });
        clues.push({ across: part[1], number: c.number, text: shown, cells: cellsOfClue, el: li, button: button });
        cellsOfClue.forEach(function (k) {
          if (part[1]) { if (cells[k].across < 0) cells[k].across = index; }
          else if (cells[k].down < 0) cells[k].down = index;
        });
      });
    });
  }

  function wordAt(i, across) { return i < 0 ? -1 : (across ? cells[i].across : cells[i].down); }
  function currentWord() {
    var chosen = clues[current.clue];
    if (chosen && chosen.across === current.across && chosen.cells.indexOf(current.cell) >= 0) return current.clue;
    return wordAt(current.cell, current.across);
  }

  function select(i, across) {
    if (i < 0 || cells[i].answer === null) return;
    if (wordAt(i, across) < 0 && wordAt(i, !across) >= 0) across = !across;
    current.cell = i;
    current.across = across;
    render();
  }

  function selectClue(index) {
    var clue = clues[index];
    if (!clue || clue.cells.length === 0) return;
    var target = clue.cells.filter(function (k) { return !cells[k].entry; })[0];
    current.clue = index;
    select(target === undefined ? clue.cells[0] : target, clue.across);
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

  function fixed(cell) { return cell.given || cell.revealed; }

  // The next cell of the current word after (or before) the current one that a person fills.
  function neighbour(direction) {
    var word = currentWord();
    if (word < 0) return -1;
    var list = clues[word].cells;
    for (var p = list.indexOf(current.cell) + direction; p >= 0 && p < list.length; p += direction) {
      if (!fixed(cells[list[p]])) return list[p];
    }
    return -1;
  }

  function type(ch) {
    if (current.cell < 0) return;
    var cell = cells[current.cell];
    // A square shown from the start (a separator) or revealed takes no letter: it goes to the next open one.
    if (fixed(cell)) {
      var open = neighbour(1);
      if (open < 0) return;
      current.cell = open;
      cell = cells[open];
    }
    cell.entry = fold(ch);
    cell.wrong = false;
    var next = neighbour(1);
    if (next >= 0) current.cell = next;
  }

  function typeText(text) {
    if (!text || timer.paused) return;
    Array.from(text).forEach(function (ch) { if (ch.trim() !== '') type(ch); });
    changed();
  }

  function erase(back) {
    if (current.cell < 0 || timer.paused) return;
    var cell = cells[current.cell];
    if (back && (fixed(cell) || !cell.entry)) {
      var previous = neighbour(-1);
      if (previous >= 0) {
        current.cell = previous;
        cell = cells[previous];
      }
    }
    if (!fixed(cell)) { cell.entry = ''; cell.wrong = false; }
    changed();
  }

  function openCells() {
    return cells.map(function (c, i) { return i; }).filter(function (i) { return cells[i].answer !== null; });
  }

  function scope(kind) {
    if (kind === 'letter') return current.cell < 0 ? [] : [current.cell];
    if (kind === 'word') return currentWord() < 0 ? [] : clues[currentWord()].cells;
    return openCells();
  }

  function plural(n, one, many) { return n + ' ' + (n === 1 ? one : many); }

  function check(kind) {
    var wrong = 0;
    scope(kind).forEach(function (k) {
      var c = cells[k];
      c.wrong = c.entry !== '' && c.entry !== c.answer;
      if (c.wrong) wrong += 1;
    });
    changed(wrong === 0 ? 'No mistakes found.' : plural(wrong, 'wrong letter.', 'wrong letters.'));
  }

  function reveal(kind) {
    var count = 0;
    scope(kind).forEach(function (k) {
      var c = cells[k];
      if (c.entry !== c.answer) { c.entry = c.answer; c.revealed = true; count += 1; }
      c.wrong = false;
    });
    changed(plural(count, 'letter revealed.', 'letters revealed.'));
  }

  function clearCells(list, onlyWrong) {
    var count = 0;
    list.forEach(function (k) {
      var c = cells[k];
      if (c.given || !c.entry || (onlyWrong && c.entry === c.answer)) return;
      c.entry = ''; c.wrong = false; c.revealed = false;
      count += 1;
    });
    return count;
  }

  function clearPuzzle() {
    clearCells(openCells(), false);
    cells.forEach(function (c) { c.wrong = false; });
    timer.elapsed = 0;
    timer.paused = false;
    wasSolved = false;
    selectClue(0);
    changed('The puzzle is cleared.');
  }

  function cellName(i) {
    var c = cells[i];
    var parts = [];
    [[c.across, 'Across'], [c.down, 'Down']].forEach(function (w) {
      if (w[0] < 0) return;
      var clue = clues[w[0]];
      parts.push(clue.number + ' ' + w[1] + ', letter ' + (clue.cells.indexOf(i) + 1) + ' of ' + clue.cells.length);
    });
    var name = parts.join('; ');
    if (c.entry) name += ': ' + c.entry;
    if (c.wrong) name += ', wrong';
    else if (c.revealed) name += ', revealed';
    return name;
  }

  function showTime() {
    var s = timer.elapsed;
    var text = Math.floor(s / 60) + ':' + ('0' + s % 60).slice(-2);
    if (s >= 3600) text = Math.floor(s / 3600) + ':' + ('0' + Math.floor(s / 60) % 60).slice(-2) + ':' + ('0' + s % 60).slice(-2);
    byId('timer').textContent = text;
    return text;
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
      c.el.setAttribute('aria-label', cellName(i));
      c.el.setAttribute('aria-selected', i === current.cell ? 'true' : 'false');
    });
    clues.forEach(function (clue, index) {
      var full = clue.cells.every(function (k) { return cells[k].entry; });
      clue.el.className = (index === word ? 'active' : '') + (full ? ' filled' : '');
    });
    byId('current-clue').textContent = word < 0 ? '' :
      clues[word].number + ' ' + (clues[word].across ? data.acrossHeading : data.downHeading) + ': ' + clues[word].text;
    entryEl.setAttribute('aria-label', current.cell < 0 ? 'Crossword grid' : cellName(current.cell));
    var solved = open > 0 && right === open;
    document.documentElement.setAttribute('data-solved', solved ? 'yes' : 'no');
    if (solved && !wasSolved) message = 'Solved!  Every letter is right.' + (timer.shown ? '  Time: ' + showTime() + '.' : '');
    else if (!solved && !message && filled === open && open > 0) message = 'Every square is filled, but some letters are wrong.';
    wasSolved = solved;
    if (message) statusEl.textContent = message;
    else if (!solved) statusEl.textContent = '';
    byId('pause').className = timer.paused ? 'paused' : '';
    byId('pause').setAttribute('aria-label', (timer.paused ? 'Resume the timer, ' : 'Pause the timer, ') + showTime());
    byId('paused').hidden = !timer.paused;
    placeEntry();
  }

  function save() {
    try {
      localStorage.setItem(storageKey, JSON.stringify({
        entries: cells.map(function (c) { return c.given ? '' : c.entry; }),
        wrong: openCells().filter(function (i) { return cells[i].wrong; }),
        revealed: openCells().filter(function (i) { return cells[i].revealed; }),
        elapsed: timer.elapsed, paused: timer.paused, cell: current.cell, across: current.across
      }));
    } catch (e) { /* storage switched off or full: the puzzle still works */ }
  }

  function restore() {
    var saved;
    try { saved = JSON.parse(localStorage.getItem(storageKey)); } catch (e) { saved = null; }
    if (!saved || !Array.isArray(saved.entries) || saved.entries.length !== cells.length) return false;
    cells.forEach(function (c, i) {
      var e = saved.entries[i];
      if (c.answer !== null && !c.given && typeof e === 'string' && Array.from(e).length <= 1) c.entry = e;
    });
    [['wrong', 'wrong'], ['revealed', 'revealed']].forEach(function (flag) {
      (Array.isArray(saved[flag[0]]) ? saved[flag[0]] : []).forEach(function (i) {
        if (cells[i] && cells[i].answer !== null && cells[i].entry) cells[i][flag[1]] = true;
      });
    });
    timer.elapsed = Math.max(0, Math.floor(Number(saved.elapsed) || 0));
    timer.paused = timer.shown && saved.paused === true;
    if (cells[saved.cell] && cells[saved.cell].answer !== null) select(saved.cell, saved.across !== false);
    else selectClue(0);
    return true;
  }

  function changed(message) {
    render(message);
    save();
  }

  // The hidden input sits over the current cell, so that the browser keeps it (and the phone keyboard's
  // caret) in view, and the cell is scrolled into view inside a grid larger than its area.
  function placeEntry() {
    if (current.cell < 0) return;
    var el = cells[current.cell].el;
    entryEl.style.left = el.offsetLeft + 'px';
    entryEl.style.top = el.offsetTop + 'px';
    entryEl.style.width = el.offsetWidth + 'px';
    entryEl.style.height = el.offsetHeight + 'px';
    if (el.offsetLeft < areaEl.scrollLeft) areaEl.scrollLeft = el.offsetLeft;
    else if (el.offsetLeft + el.offsetWidth > areaEl.scrollLeft + areaEl.clientWidth)
      areaEl.scrollLeft = el.offsetLeft + el.offsetWidth - areaEl.clientWidth;
    if (el.offsetTop < areaEl.scrollTop) areaEl.scrollTop = el.offsetTop;
    else if (el.offsetTop + el.offsetHeight > areaEl.scrollTop + areaEl.clientHeight)
      areaEl.scrollTop = el.offsetTop + el.offsetHeight - areaEl.clientHeight;
  }

  function resetEntry() {
    entryEl.value = Held;
    entryEl.setSelectionRange(Held.length, Held.length);
  }

  function focusGrid() {
    if (timer.paused) { byId('resume').focus(); return; }
    entryEl.focus({ preventScroll: true });
    resetEntry();
    placeEntry();
  }

  entryEl.addEventListener('keydown', function (event) {
    if (event.isComposing || composing || event.ctrlKey || event.metaKey || event.altKey || current.cell < 0) return;
    var key = event.key;
    if (key === 'ArrowLeft' || key === 'ArrowRight') arrow(true, key === 'ArrowRight');
    else if (key === 'ArrowUp' || key === 'ArrowDown') arrow(false, key === 'ArrowDown');
    else if (key === 'Tab') {
      // Tab moves from clue to clue and leaves the grid after the last one (Shift+Tab before the first).
      var next = currentWord() + (event.shiftKey ? -1 : 1);
      if (currentWord() < 0 || next < 0 || next >= clues.length) return;
      selectClue(next);
    } else if (key === 'Enter' || key === ' ') turn();
    else if (key === 'Backspace') erase(true);
    else if (key === 'Delete') erase(false);
    else if (key === 'Home' || key === 'End') {
      var word = currentWord();
      if (word >= 0) select(clues[word].cells[key === 'Home' ? 0 : clues[word].cells.length - 1], current.across);
    } else if (key === 'Escape') {
      var active = clues[currentWord()];
      (active ? active.button : byId('print-puzzle')).focus();
    } else return;
    event.preventDefault();
    save();
  });

  // Letters come as input events: from a hardware keyboard, a phone keyboard, dead keys or an input method.
  entryEl.addEventListener('beforeinput', function (event) {
    if (composing || event.isComposing) return;
    if (event.inputType === 'insertText' || event.inputType === 'insertReplacementText') {
      typeText(event.data);
      event.preventDefault();
    } else if (event.inputType.indexOf('delete') === 0) {
      erase(event.inputType.indexOf('Forward') < 0);
      event.preventDefault();
    }
  });
  entryEl.addEventListener('input', function () {
    // What a browser put into the input without a cancellable beforeinput event.
    if (composing) return;
    var value = entryEl.value;
    if (value.length < Held.length) erase(true);
    else if (value !== Held) typeText(value.indexOf(Held) === 0 ? value.slice(Held.length) : value);
    resetEntry();
  });
  entryEl.addEventListener('compositionstart', function () { composing = true; });
  entryEl.addEventListener('compositionend', function (event) {
    composing = false;
    typeText(event.data);
    resetEntry();
  });
  // The input lies over the current square: a second tap on it turns the direction, a first one only focuses.
  var hadFocus = false;
  entryEl.addEventListener('pointerdown', function () { hadFocus = document.activeElement === entryEl; });
  entryEl.addEventListener('click', function () {
    if (current.cell >= 0 && hadFocus) turn();
  });

  // Menus of the toolbar: one open at a time; Escape or a click elsewhere closes them.
  var menus = Array.prototype.slice.call(document.querySelectorAll('.menu'));
  function closeMenus(except) {
    menus.forEach(function (m) {
      if (m === except) return;
      m.querySelector('.items').hidden = true;
      m.firstElementChild.setAttribute('aria-expanded', 'false');
    });
  }
  menus.forEach(function (m) {
    var opener = m.firstElementChild, items = m.querySelector('.items');
    opener.addEventListener('click', function () {
      closeMenus(m);
      items.hidden = !items.hidden;
      opener.setAttribute('aria-expanded', items.hidden ? 'false' : 'true');
      if (!items.hidden) items.querySelector('button').focus();
    });
    m.addEventListener('keydown', function (event) {
      var list = Array.prototype.slice.call(items.querySelectorAll('button'));
      var at = list.indexOf(document.activeElement);
      if (event.key === 'Escape' && !items.hidden) { closeMenus(); opener.focus(); }
      else if (event.key === 'ArrowDown' && at >= 0) list[(at + 1) % list.length].focus();
      else if (event.key === 'ArrowUp' && at >= 0) list[(at + list.length - 1) % list.length].focus();
      else return;
      event.preventDefault();
    });
  });
  document.addEventListener('click', function (event) {
    if (!event.target.closest || !event.target.closest('.menu')) closeMenus();
  });

  function press(id, action) {
    byId(id).addEventListener('click', function () {
      closeMenus();
      action();
      if (!byId('clear-dialog').open) focusGrid();
    });
  }
  press('check-letter', function () { check('letter'); });
  press('check-word', function () { check('word'); });
  press('check-puzzle', function () { check('puzzle'); });
  press('reveal-letter', function () { reveal('letter'); });
  press('reveal-word', function () { reveal('word'); });
  press('reveal-puzzle', function () { reveal('puzzle'); });
  press('clear-word', function () {
    changed(plural(clearCells(scope('word'), false), 'letter cleared.', 'letters cleared.'));
  });
  press('clear-wrong', function () {
    changed(plural(clearCells(openCells(), true), 'wrong letter cleared.', 'wrong letters cleared.'));
  });
  press('clear-puzzle', function () {
    byId('clear-dialog').showModal();
    byId('clear-cancel').focus();
  });
  press('print-puzzle', function () { window.print(); });
  function pause(paused) {
    timer.paused = paused;
    changed();
    if (paused) byId('resume').focus(); else focusGrid();
  }
  byId('pause').addEventListener('click', function () { pause(!timer.paused); });
  byId('resume').addEventListener('click', function () { pause(false); });
  // The answer closes the question at once, so the next letter already goes to the grid.
  function answerClear(clear) {
    return function (event) {
      event.preventDefault();
      byId('clear-dialog').close();
      if (clear) clearPuzzle();
      focusGrid();
    };
  }
  byId('clear-confirm').addEventListener('click', answerClear(true));
  byId('clear-cancel').addEventListener('click', answerClear(false));
  byId('clear-dialog').addEventListener('close', focusGrid);

  build();
  if (!restore()) {
    if (clues.length > 0) selectClue(0);
  }
  resetEntry();
  render();
  if (timer.shown) {
    byId('pause').hidden = false;
    showTime();
    setInterval(function () {
      if (timer.paused || wasSolved || document.visibilityState !== 'visible') return;
      timer.elapsed += 1;
      showTime();
      save();
    }, 1000);
  }
  window.addEventListener('resize', placeEntry);
  focusGrid();
})();
