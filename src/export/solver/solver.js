(function () {
  'use strict';
  var dataText = document.getElementById('puzzle-data').textContent;
  var data = JSON.parse(dataText);
  var width = data.width, height = data.height;
  function byId(id) { return document.getElementById(id); }
  var gridEl = byId('grid'), areaEl = byId('grid-area'), entryEl = byId('entry'), statusEl = byId('status');
  var frameEl = byId('grid-frame'), dockEl = byId('dock'), keysEl = byId('keys');
  var T = quorvexTexts;
  var cells = [];
  var clues = [];
  // The chosen clue is kept too: a word inside another shares its squares, so only the clue says which word is meant.
  var current = { cell: -1, across: true, clue: -1 };
  var timer = { shown: data.timer === true, elapsed: 0, paused: false };
  var wasSolved = false;
  var composing = false;
  // Set once the page has started: from then on a change of square may scroll the page to it.
  var started = false;
  var ownKeys = false;
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

  function say(text, a, b) { return text.replace('%1', a).replace('%2', b); }
  function plural(n, pair) { return say(pair[n === 1 || (n === 0 && T.zeroIsOne) ? 0 : 1], n); }

  function build() {
    Array.prototype.forEach.call(document.querySelectorAll('[data-text]'), function (el) {
      el.textContent = T[el.getAttribute('data-text')];
    });
    Array.prototype.forEach.call(document.querySelectorAll('[data-label]'), function (el) {
      el.setAttribute('aria-label', T[el.getAttribute('data-label')]);
    });
    byId('title').textContent = data.title;
    byId('category').textContent = data.category;
    byId('across-heading').textContent = data.acrossHeading;
    byId('down-heading').textContent = data.downHeading;
    areaEl.style.setProperty('--columns', width);
    areaEl.style.setProperty('--rows', height);
    // The grid is written as one piece of markup: far quicker to show than element by element.
    var html = '';
    data.grid.forEach(function (value, i) {
      if (i % width === 0) html += (i > 0 ? '</div>' : '') + '<div role="row">';
      if (value === null) html += '<div role="gridcell" class="cell outside" aria-label="' + T.outside + '"></div>';
      else if (value === 0) html += '<div role="gridcell" class="cell block" aria-label="' + T.block + '"></div>';
      else {
        html += '<div role="gridcell" class="cell open"' + (data.numbers[i] > 0 ? ' data-n="' + data.numbers[i] + '"' : '') +
          '><span class="letter" aria-hidden="true"></span></div>';
      }
    });
    gridEl.innerHTML = html + '</div>';
    Array.prototype.forEach.call(gridEl.querySelectorAll('.cell'), function (el, i) {
      var value = data.grid[i];
      var open = value !== null && value !== 0;
      cells.push({ el: el, answer: open ? fold(value) : null, entry: '', given: false, wrong: false, revealed: false,
                   across: -1, down: -1, letterEl: open ? el.firstChild : null, shown: '' });
    });
    gridEl.addEventListener('click', function (event) {
      var el = event.target.closest && event.target.closest('.cell.open');
      var i = el ? cells.findIndex(function (c) { return c.el === el; }) : -1;
      if (i < 0) return;
      if (current.cell === i && document.activeElement === entryEl) turn();
      else select(i, current.across);
      focusGrid();
    });
    data.given.forEach(function (i) {
      cells[i].given = true;
      cells[i].entry = cells[i].answer;
    });
    [['across', true], ['down', false]].forEach(function (part) {
      data[part[0]].forEach(function (c) {
        var index = clues.length;
        var shown = c.clue + (c.enumeration ? ' (' + c.enumeration + ')' : '');
        var cellsOfClue = c.cells.filter(function (k) { return cells[k] && cells[k].answer !== null; });
        clues.push({ across: part[1], number: c.number, text: shown, cells: cellsOfClue, el: null, button: null });
        cellsOfClue.forEach(function (k) {
          if (part[1]) { if (cells[k].across < 0) cells[k].across = index; }
          else if (cells[k].down < 0) cells[k].down = index;
        });
      });
    });
  }

  // The clue lists are made once the grid is on the screen: the page shows sooner.
  function buildClueLists() {
    clues.forEach(function (clue, index) {
      var li = document.createElement('li');
      var button = document.createElement('button');
      button.type = 'button';
      var n = document.createElement('span');
      n.className = 'n';
      n.textContent = clue.number;
      var text = document.createElement('span');
      text.textContent = clue.text;
      // The name read out is the visible text followed by the direction.
      var direction = document.createElement('span');
      direction.className = 'hidden-text';
      direction.textContent = ' ' + (clue.across ? T.across : T.down);
      button.appendChild(n);
      button.appendChild(text);
      button.appendChild(direction);
      button.addEventListener('click', function () {
        selectClue(index);
        focusGrid();
      });
      li.appendChild(button);
      byId(clue.across ? 'across-clues' : 'down-clues').appendChild(li);
      clue.el = li;
      clue.button = button;
    });
    showClues(currentWord());
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

  function check(kind) {
    var wrong = 0;
    scope(kind).forEach(function (k) {
      var c = cells[k];
      c.wrong = c.entry !== '' && c.entry !== c.answer;
      if (c.wrong) wrong += 1;
    });
    changed(wrong === 0 ? T.noMistakes : plural(wrong, T.wrongLetters));
  }

  function reveal(kind) {
    var count = 0;
    scope(kind).forEach(function (k) {
      var c = cells[k];
      if (c.entry !== c.answer) { c.entry = c.answer; c.revealed = true; count += 1; }
      c.wrong = false;
    });
    changed(plural(count, T.lettersRevealed));
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
    changed(T.puzzleCleared);
  }

  // Clear Word leaves the letters of crossing words the solver has filled completely.
  function clearWord() {
    var word = currentWord();
    if (word < 0) return 0;
    return clearCells(clues[word].cells.filter(function (k) {
      var crossing = wordAt(k, !current.across);
      return crossing < 0 || !clues[crossing].cells.every(function (j) { return cells[j].entry; });
    }), false);
  }

  function cellName(i) {
    var c = cells[i];
    var parts = [];
    // The letter shown comes first, as a name starts with what the square shows.
    if (c.entry) parts.push(c.entry);
    [[c.across, T.across], [c.down, T.down]].forEach(function (w) {
      if (w[0] < 0) return;
      var clue = clues[w[0]];
      parts.push(clue.number + ' ' + w[1] + ', ' + say(T.letterOf, clue.cells.indexOf(i) + 1, clue.cells.length));
    });
    var name = parts.join('; ');
    if (c.wrong) name += ', ' + T.wrong;
    else if (c.revealed) name += ', ' + T.revealed;
    return name;
  }

  // The clue of the current word is marked in the lists, and so is every clue whose squares are all filled.
  function showClues(word) {
    clues.forEach(function (clue, index) {
      if (!clue.el) return;
      var full = clue.cells.every(function (k) { return cells[k].entry; });
      var cls = (index === word ? 'active' : '') + (full ? ' filled' : '');
      if (clue.el.className !== cls) clue.el.className = cls;
    });
  }

  function setText(el, text) {
    if (el.textContent !== text) el.textContent = text;
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
    var revealed = 0;
    cells.forEach(function (c, i) {
      if (c.answer === null) return;
      open += 1;
      if (c.entry) filled += 1;
      if (c.entry === c.answer) right += 1;
      if (c.revealed) revealed += 1;
      var cls = 'cell open';
      if (c.given) cls += ' given';
      if (c.wrong) cls += ' wrong';
      if (c.revealed) cls += ' revealed';
      if (wordCells.indexOf(i) >= 0) cls += ' word';
      if (i === current.cell) cls += ' current';
      // Only squares that changed are written: a keystroke touches a word's squares, not the grid's.
      var name = cellName(i);
      var shown = cls + '|' + c.entry + '|' + name;
      if (shown === c.shown) return;
      c.shown = shown;
      c.letterEl.textContent = c.entry;
      c.el.className = cls;
      c.el.setAttribute('aria-label', name);
      c.el.setAttribute('aria-selected', i === current.cell ? 'true' : 'false');
    });
    showClues(word);
    setText(byId('current-clue'), word < 0 ? '' :
      clues[word].number + ' ' + (clues[word].across ? data.acrossHeading : data.downHeading) + ': ' + clues[word].text);
    entryEl.setAttribute('aria-label', current.cell < 0 ? T.grid : cellName(current.cell));
    var solved = open > 0 && right === open;
    document.documentElement.setAttribute('data-solved', solved ? 'yes' : 'no');
    var solvedNow = solved && !wasSolved;
    if (solvedNow) message = T.solved + (timer.shown ? '  ' + say(T.time, showTime()) : '');
    else if (!solved && !message && filled === open && open > 0) message = T.filledWrong;
    wasSolved = solved;
    if (message) statusEl.textContent = message;
    else if (!solved) statusEl.textContent = '';
    // A puzzle the solver finishes, not one revealed, says so in a message of its own.
    if (solvedNow && started && revealed === 0 && !byId('solved-dialog').open) {
      closeMenus();
      byId('solved-text').textContent = message;
      byId('solved-dialog').showModal();
    }
    byId('pause').className = timer.paused ? 'paused' : '';
    setText(byId('pause-text'), timer.paused ? T.resume : T.pause);
    byId('paused').hidden = !timer.paused;
    if (ownKeys) setText(byId('turn-key').firstChild, current.across ? '\u2194' : '\u2195');
    placeEntry(true);
  }

  // Progress is written a moment after a change (and when the page is left), so that a keystroke
  // never waits for the browser's storage.
  var saveTimer = 0;
  function save() {
    if (!saveTimer) saveTimer = setTimeout(saveNow, 250);
  }
  function saveNow() {
    clearTimeout(saveTimer);
    saveTimer = 0;
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

  // The hidden input sits over the current square, so that the browser keeps it (and a phone
  // keyboard's caret) in view. It is placed from the grid's own measures, without reading the
  // layout; the square is scrolled into view once the frame is laid out anyway.
  var keepPending = false, movePage = false;
  function placeEntry(mayMovePage) {
    if (current.cell < 0) return;
    movePage = movePage || mayMovePage === true;
    entryEl.style.left = 'calc(1px + ' + (current.cell % width) + ' * (var(--cell) - 1px))';
    entryEl.style.top = 'calc(1px + ' + Math.floor(current.cell / width) + ' * (var(--cell) - 1px))';
    if (keepPending) return;
    keepPending = true;
    requestAnimationFrame(function () {
      keepPending = false;
      keepInView(movePage);
      movePage = false;
    });
  }

  // The current square inside the grid's box, and, once the solver has begun, on the screen: inside
  // the visual viewport (what a phone keyboard leaves of the screen) and clear of the clue bar.
  function keepInView(page) {
    if (current.cell < 0) return;
    var el = cells[current.cell].el;
    var left = el.offsetLeft, top = el.offsetTop, right = left + el.offsetWidth, bottom = top + el.offsetHeight;
    if (left < areaEl.scrollLeft) areaEl.scrollLeft = left;
    else if (right > areaEl.scrollLeft + areaEl.clientWidth) areaEl.scrollLeft = right - areaEl.clientWidth;
    if (top < areaEl.scrollTop) areaEl.scrollTop = top;
    else if (bottom > areaEl.scrollTop + areaEl.clientHeight) areaEl.scrollTop = bottom - areaEl.clientHeight;
    showCutEdges();
    if (!started || !page) return;
    var box = el.getBoundingClientRect(), dock = dockEl.getBoundingClientRect(), view = window.visualViewport;
    var high = view ? view.offsetTop : 0, low = high + (view ? view.height : window.innerHeight);
    if (ownKeys) low = Math.min(low, dock.top);
    else if (dock.top <= high + 1) high = Math.max(high, dock.bottom);
    var by = box.top < high ? box.top - high - 4 : (box.bottom > low ? box.bottom - low + 4 : 0);
    if (by) window.scrollBy(0, by);
  }

  // A grid wider or taller than its box shows a shadow at each cut edge and says that it scrolls.
  function showCutEdges() {
    var wide = areaEl.scrollWidth - areaEl.clientWidth, tall = areaEl.scrollHeight - areaEl.clientHeight;
    frameEl.classList.toggle('cut-left', areaEl.scrollLeft > 0);
    frameEl.classList.toggle('cut-right', areaEl.scrollLeft < wide - 1);
    frameEl.classList.toggle('cut-top', areaEl.scrollTop > 0);
    frameEl.classList.toggle('cut-bottom', areaEl.scrollTop < tall - 1);
    var fits = wide <= 1 && tall <= 1;
    if (byId('scroll-hint').hidden !== fits) byId('scroll-hint').hidden = fits;
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
      ((active && active.button) || byId('print-puzzle')).focus();
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

  function asking() { return byId('ask-dialog').open || byId('solved-dialog').open; }
  function press(id, action) {
    byId(id).addEventListener('click', function () {
      closeMenus();
      action();
      if (!asking()) focusGrid();
    });
  }
  // A question before the whole puzzle is cleared or given away; the answer closes it at once, so
  // the next letter already goes to the grid.
  var onYes = null;
  function ask(question, yes, action) {
    byId('ask-question').textContent = question;
    byId('ask-confirm').textContent = yes;
    onYes = action;
    byId('ask-dialog').showModal();
    byId('ask-cancel').focus();
  }
  function answer(yes) {
    return function (event) {
      event.preventDefault();
      var action = onYes;
      onYes = null;
      byId('ask-dialog').close();
      if (yes && action) action();
      focusGrid();
    };
  }
  byId('ask-confirm').addEventListener('click', answer(true));
  byId('ask-cancel').addEventListener('click', answer(false));
  byId('ask-dialog').addEventListener('close', focusGrid);
  byId('solved-dialog').addEventListener('close', focusGrid);

  press('check-letter', function () { check('letter'); });
  press('check-word', function () { check('word'); });
  press('check-puzzle', function () { check('puzzle'); });
  press('reveal-letter', function () { reveal('letter'); });
  press('reveal-word', function () { reveal('word'); });
  press('reveal-puzzle', function () { ask(T.askReveal, T.revealPuzzle, function () { reveal('puzzle'); }); });
  press('clear-word', function () { changed(plural(clearWord(), T.lettersCleared)); });
  press('clear-wrong', function () { changed(plural(clearCells(openCells(), true), T.wrongCleared)); });
  press('clear-puzzle', function () { ask(T.askClear, T.clearPuzzle, clearPuzzle); });
  press('print-puzzle', function () { window.print(); });
  function pause(paused) {
    timer.paused = paused;
    changed();
    if (paused) byId('resume').focus(); else focusGrid();
  }
  byId('pause').addEventListener('click', function () { pause(!timer.paused); });
  byId('resume').addEventListener('click', function () { pause(false); });

  // The puzzle's own keyboard, on touch screens: the letters of the language's keyboard and the other
  // letters the puzzle uses, Backspace and a key that turns the direction. Keys act as the finger
  // goes down and keep the focus in the grid, whose input then raises no system keyboard.
  var KeyboardChoice = 'quorvex-keyboard';
  function key(value, label, name) {
    var k = document.createElement('button');
    k.type = 'button';
    k.className = 'key';
    k.setAttribute('data-key', value);
    if (name) {
      k.id = value + '-key';
      k.innerHTML = '<span aria-hidden="true"></span><span class="hidden-text"></span>';
      k.firstChild.textContent = label;
      k.lastChild.textContent = name;
    } else k.textContent = label;
    return k;
  }
  // Rows hold eleven keys' room; the letters beyond A to Z fill the rows' free room, then a row above.
  function buildKeys() {
    var others = [];
    cells.forEach(function (c) {
      if (c.answer !== null && !c.given && !/^[A-Z]$/.test(c.answer) && others.indexOf(c.answer) < 0)
        others.push(c.answer);
    });
    others.sort();
    var rows = T.keys.map(function (r) { return r.split(''); });
    rows.forEach(function (letters, r) {
      var room = 11 - letters.length - (r === rows.length - 1 ? 3 : 0);
      while (room-- > 0 && others.length > 0) letters.push(others.shift());
    });
    if (others.length > 0) rows.unshift(others);
    document.documentElement.style.setProperty('--key-rows', rows.length);
    rows.forEach(function (letters, r) {
      var row = document.createElement('div');
      row.className = 'keys-row';
      var last = r === rows.length - 1;
      if (last) row.appendChild(key('turn', '\u2194', T.direction));
      letters.forEach(function (letter) { row.appendChild(key(letter, letter)); });
      if (last) row.appendChild(key('back', '\u232b', T.backspace));
      keysEl.appendChild(row);
    });
  }
  function pressKey(value) {
    if (timer.paused) return;
    if (value === 'back') erase(true);
    else if (value === 'turn') { turn(); save(); }
    else typeText(value);
    if (document.activeElement !== entryEl && !asking()) focusGrid();
  }
  var lastTap = { key: null, time: 0 };
  keysEl.addEventListener('pointerdown', function (event) {
    var k = event.target.closest('[data-key]');
    if (!k) return;
    event.preventDefault();
    lastTap = { key: k, time: event.timeStamp };
    pressKey(k.getAttribute('data-key'));
  });
  // Clicks without a pointer going down first: the keyboard's Enter, a screen reader's activation.
  keysEl.addEventListener('click', function (event) {
    var k = event.target.closest('[data-key]');
    if (!k || (k === lastTap.key && event.timeStamp - lastTap.time < 1500)) return;
    pressKey(k.getAttribute('data-key'));
  });
  function useOwnKeys(own) {
    ownKeys = own;
    if (own && !keysEl.firstChild) buildKeys();
    document.documentElement.classList.toggle('own-keys', own);
    keysEl.hidden = !own;
    if (own) entryEl.setAttribute('inputmode', 'none');
    else entryEl.removeAttribute('inputmode');
    setText(byId('keys-toggle-text'), own ? T.systemKeys : T.ownKeys);
  }
  byId('keys-toggle').addEventListener('click', function () {
    useOwnKeys(!ownKeys);
    render();
    try { localStorage.setItem(KeyboardChoice, ownKeys ? 'own' : 'system'); } catch (e) { /* not kept */ }
    // Focus again, so that the system keyboard comes up or goes away at once.
    entryEl.blur();
    focusGrid();
  });

  build();
  if (window.matchMedia && window.matchMedia('(pointer: coarse)').matches) {
    byId('keys-toggle').hidden = false;
    var choice = null;
    try { choice = localStorage.getItem(KeyboardChoice); } catch (e) { /* the puzzle's own keyboard */ }
    useOwnKeys(choice !== 'system');
  }
  // Choosing a square draws the grid; a puzzle with no square to choose is drawn as it is.
  if (!restore()) selectClue(0);
  if (current.cell < 0) render();
  resetEntry();
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
  // A system keyboard coming up shrinks the visual viewport: the current square stays above it.
  // (Other resizes, such as a phone's address bar going away, leave the page where the solver put it.)
  var viewHeight = window.visualViewport ? window.visualViewport.height : 0;
  if (window.visualViewport) window.visualViewport.addEventListener('resize', function () {
    var shrunk = window.visualViewport.height < viewHeight - 1;
    viewHeight = window.visualViewport.height;
    placeEntry(shrunk && document.activeElement === entryEl);
  });
  areaEl.addEventListener('scroll', showCutEdges, { passive: true });
  window.addEventListener('pagehide', saveNow);
  document.addEventListener('visibilitychange', function () {
    if (document.visibilityState === 'hidden') saveNow();
  });
  focusGrid();
  // From the first frame on, a new square is scrolled into view on the screen too.
  requestAnimationFrame(function () {
    started = true;
    setTimeout(buildClueLists);
  });
})();
