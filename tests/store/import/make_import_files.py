#!/usr/bin/env python3
"""Writes the small puzzle files of other programs that the import test reads, and what each must
import as (FILE.expected). The files follow the published descriptions of the formats: the Across
Lite .puz layout with its checksums (CIB, overall, masked "ICHEATED"), and iPUZ crosswords (JSON,
plain or wrapped as ipuz(...)). Run it in this folder: python3 make_import_files.py"""

import json
import random
import struct


def cksum(data, c=0):
    for b in data:
        c = ((c >> 1) | ((c & 1) << 15)) & 0xFFFF
        c = (c + b) & 0xFFFF
    return c


def runs(width, height, grid):
    """Words as crossword programs number them: (number, across, row, column, length), by number, across first."""
    letter = lambda r, c: 0 <= r < height and 0 <= c < width and grid[r * width + c] != '.'
    out, n = [], 0
    for r in range(height):
        for c in range(width):
            if not letter(r, c):
                continue
            a = not letter(r, c - 1) and letter(r, c + 1)
            d = not letter(r - 1, c) and letter(r + 1, c)
            if a or d:
                n += 1
            for across, starts in ((True, a), (False, d)):
                if starts:
                    k = 0
                    while letter(r + (0 if across else k), c + (k if across else 0)):
                        k += 1
                    out.append((n, across, r, c, k))
    return out


def word_of(width, grid, run):
    _, across, r, c, k = run
    return ''.join(grid[(r + (0 if across else i)) * width + c + (i if across else 0)] for i in range(k))


def puz(width, height, grid, title, clues, author='', copyright='', notes='', version=b'1.3', encoding='latin-1',
        kind=1, scrambled=0, extra=b''):
    sol = grid.encode('latin-1')
    player = bytes(b if b == ord('.') else ord('-') for b in sol)
    enc = lambda s: s.encode(encoding)
    t, a, cp, n = enc(title), enc(author), enc(copyright), enc(notes)
    cl = [enc(c) for c in clues]
    cib = struct.pack('<BBHHH', width, height, len(cl), kind, scrambled)

    def text(c):
        for s in (t, a, cp):
            if s:
                c = cksum(s + b'\0', c)
        for s in cl:
            c = cksum(s, c)
        if version >= b'1.3' and n:
            c = cksum(n + b'\0', c)
        return c

    parts = [cksum(cib), cksum(sol), cksum(player), text(0)]
    overall = text(cksum(player, cksum(sol, parts[0])))
    low = bytes(m ^ (p & 0xFF) for m, p in zip(b'ICHE', parts))
    high = bytes(m ^ (p >> 8) for m, p in zip(b'ATED', parts))
    header = struct.pack('<H12sH4s4s4s2sH12s', overall, b'ACROSS&DOWN\0', parts[0], low, high, version + b'\0',
                         b'\0\0', 0, b'\0' * 12) + cib
    return header + sol + player + b''.join(s + b'\0' for s in [t, a, cp] + cl + [n]) + extra


def section(name, data):
    return name + struct.pack('<HH', len(data), cksum(data)) + data + b'\0'


def expected(width, height, grid, title, category, words, warnings=()):
    lines = ['title: ' + title, 'category: ' + category, 'grid:']
    lines += [grid[r * width:(r + 1) * width].upper() for r in range(height)]
    lines.append('words:')
    ordered = sorted(words, key=lambda w: (not w[0][1], w[0][0]))
    for run, clue in ordered:
        n, across, r, c, _ = run
        lines.append('%d%s %d %d %s|%s' % (n, 'A' if across else 'D', r + 1, c + 1,
                                          word_of(width, grid, run).upper(), clue))
    lines += ['warn: ' + w for w in warnings]
    return '\n'.join(lines) + '\n'


def write(name, data, expect):
    with open(name, 'wb') as f:
        f.write(data if isinstance(data, bytes) else data.encode('utf-8'))
    with open(name + '.expected', 'w', encoding='utf-8') as f:
        f.write(expect)


# A small grid: 5 x 5 with two blocks in the middle row.
SMALL_W, SMALL_H = 5, 5
SMALL = 'CRANE' 'L.A.X' 'OPERA' 'T.E.M' 'SEEDS'
SMALL_RUNS = runs(SMALL_W, SMALL_H, SMALL)
small_words = lambda clues: list(zip(SMALL_RUNS, clues))


# Clues in the format's order: by number, across before down.
plain_clues = ['Bird with long legs', 'Soil lumps', 'Regions, caf\xe9 style', 'Medical pictures', 'Singing drama',
               'Plants start here']
plain = puz(SMALL_W, SMALL_H, SMALL, 'Plain Little Grid', plain_clues, author='A. Setter', copyright='(c) 2026',
            notes='A note')
write('plain.puz', plain, expected(SMALL_W, SMALL_H, SMALL, 'Plain Little Grid', 'Imported', small_words(plain_clues)))

broken = bytearray(plain)
broken[plain.index(b'Soil')] = ord('T')
write('broken-checksum.puz', bytes(broken), 'refused: checksums do not match\n')

utf8_clues = ['Bird \u2605 with long legs', '\u0141\xf3d\u017a soil lumps', 'Regions \u2026 caf\xe9', 'X\u2011rays',
              'Singing drama', 'Plants start here']
utf8 = puz(SMALL_W, SMALL_H, SMALL, '\xc9t\xe9 \u2013 Summer', utf8_clues, version=b'2.0', encoding='utf-8')
write('utf8-v2.puz', utf8, expected(SMALL_W, SMALL_H, SMALL, '\xc9t\xe9 \u2013 Summer', 'Imported', small_words(
    ['Bird ? with long legs', 'L\xf3dz soil lumps', 'Regions \u2026 caf\xe9', 'X-rays', 'Singing drama',
     'Plants start here']), ['"\u2605" became "?"', '"\u0141" became "L", "\u017a" became "z"', '"\u2011" became "-"']))

write('locked.puz', puz(SMALL_W, SMALL_H, SMALL, 'Locked', plain_clues, scrambled=4), 'refused: scrambled\n')
write('diagramless.puz', puz(SMALL_W, SMALL_H, SMALL, 'No diagram', plain_clues, kind=0x0401),
      'refused: diagramless\n')
grbs = bytes([0] * 12 + [1] + [0] * 12)
write('rebus.puz', puz(SMALL_W, SMALL_H, SMALL, 'Rebus', plain_clues,
                       extra=section(b'GRBS', grbs) + section(b'RTBL', b' 0:PER;')),
      'refused: holds several letters\n')
wide = 'AB' * 25 + 'C'
write('too-large.puz', puz(51, 2, wide + wide, 'Too wide', ['x'] * 51), 'refused: 51 x 2 squares\n')


def ipuz(document, wrapped=False):
    text = json.dumps(document, ensure_ascii=False, separators=(',', ':'))
    return 'ipuz(' + text + ')\n' if wrapped else text + '\n'


def small_ipuz(version, block, blank, clues, title, publisher=None, cell=lambda n: n, value=lambda s: s):
    numbers = {(r, c): n for n, _, r, c, _ in SMALL_RUNS}
    puzzle = [[blank if SMALL[r * 5 + c] == '.' else cell(numbers.get((r, c), 0)) for c in range(5)] for r in range(5)]
    solution = [[blank if SMALL[r * 5 + c] == '.' else value(SMALL[r * 5 + c]) for c in range(5)] for r in range(5)]
    document = {'version': version, 'kind': ['http://ipuz.org/crossword#1'], 'title': title,
                'dimensions': {'width': 5, 'height': 5}, 'puzzle': puzzle, 'solution': solution,
                'clues': {'Across': [c for r, c in zip(SMALL_RUNS, clues) if r[1]],
                          'Down': [c for r, c in zip(SMALL_RUNS, clues) if not r[1]]}}
    if publisher:
        document['publisher'] = publisher
    return document


html_clues = ['Bird with <i>long</i> legs', 'Soil lumps &amp; clods', 'Regions', 'Medical pictures',
              '<b>Singing</b> drama', 'Plants start here']
plain_text = ['Bird with long legs', 'Soil lumps & clods', 'Regions', 'Medical pictures', 'Singing drama',
              'Plants start here']
doc = small_ipuz('http://ipuz.org/v1', '#', '#', [[r[0], c] for r, c in zip(SMALL_RUNS, html_clues)],
                 'Plain iPUZ', 'Daily Planet')
write('plain.ipuz', ipuz(doc), expected(5, 5, SMALL, 'Plain iPUZ', 'Daily Planet', small_words(plain_text)))

doc = small_ipuz('http://ipuz.org/v2', '#', None, [[str(r[0]), c] for r, c in zip(SMALL_RUNS, plain_text)],
                 'Wrapped iPUZ', cell=lambda n: str(n) if n else '0')
write('wrapped.ipuz', ipuz(doc, wrapped=True), expected(5, 5, SMALL, 'Wrapped iPUZ', 'Imported',
                                                         small_words(plain_text)))

# Cells as objects, solution values as objects, clues as objects listing their squares ([x, y] from 1).
object_clues = [{'number': r[0], 'clue': c, 'enumeration': str(r[4]),
                 'cells': [[r[3] + 1 + (i if r[1] else 0), r[2] + 1 + (0 if r[1] else i)] for i in range(r[4])]}
                for r, c in zip(SMALL_RUNS, plain_text)]
doc = small_ipuz('http://ipuz.org/v2', '#', '#', object_clues, '', 'Objects Weekly',
                 cell=lambda n: {'cell': n, 'style': {'shapebg': 'circle'}} if n else {'style': {'color': 'FF0000'}},
                 value=lambda s: {'value': s.lower()})
write('objects.ipuz', ipuz(doc), expected(5, 5, SMALL, 'objects', 'Objects Weekly', small_words(plain_text)))

doc = small_ipuz('http://ipuz.org/v2', '#', '#', [[r[0], c] for r, c in zip(SMALL_RUNS, plain_text)], 'Rebus')
doc['solution'][2][1] = 'PE'
write('rebus.ipuz', ipuz(doc), 'refused: holds several letters\n')


def newspaper(side, seed, density):
    """A grid with blocks in 180-degree symmetry where every letter is in an across and a down word of 3 or more."""
    rng = random.Random(seed)

    def fits(cells):
        grid, lengths = ''.join(cells), {}
        for _, across, r, c, k in runs(side, side, grid):
            lengths.update({(r + (0 if across else i), c + (i if across else 0), across): k for i in range(k)})
        return all(lengths.get((i // side, i % side, a), 0) >= 3 for i in range(side * side) if grid[i] != '.'
                   for a in (True, False))

    cells = ['A'] * (side * side)
    order = list(range(side * side // 2 + 1))
    rng.shuffle(order)
    target = int(density * side * side)
    for i in order:
        if cells.count('.') >= target:
            break
        trial = list(cells)
        trial[i] = trial[side * side - 1 - i] = '.'
        if fits(trial):
            cells = trial
    grid = ''.join(cells)
    assert len(runs(side, side, grid)) <= 200
    letters = 'ETAOINSRHLDCUMFPGWYBVKXJQZ'
    weights = [12, 9, 8, 8, 7, 7, 6, 6, 6, 4, 4, 3, 3, 3, 2, 2, 2, 2, 2, 1, 1, 1, 1, 1, 1, 1]
    return ''.join('.' if ch == '.' else rng.choices(letters, weights)[0] for ch in grid)


def news_clue(i, run, word):
    n, across, _, _, k = run
    forms = ['%s (%d)' % (word.capitalize(), k), 'It\'s "%s", said the editor' % word.lower(),
             'See %d %s' % (n, 'Down' if across else 'Across'), 'Opening of %s, perhaps?' % word.title()]
    return forms[i % len(forms)]


LONG = 'A clue far longer than any printed list would hold: ' + 'and so on, ' * 12 + 'the end'
for side, seed, fmt in ((15, 15, 'puz'), (21, 21, 'puz'), (15, 1515, 'ipuz'), (22, 22, 'ipuz')):
    grid = newspaper(side, seed, 0.17)
    words = runs(side, side, grid)
    clues = [news_clue(i, w, word_of(side, grid, w)) for i, w in enumerate(words)]
    clues[len(clues) // 2] = LONG
    name = 'news%d.%s' % (side, fmt)
    title = 'Newspaper %d x %d' % (side, side)
    warn = ['Clue %d %s was cut to 150 characters.' % (words[len(clues) // 2][0],
                                                      'Across' if words[len(clues) // 2][1] else 'Down')]
    if fmt == 'puz':
        data = puz(side, side, grid, title, clues, author='Ed Itor', copyright='\xa9 2026 The Daily')
        category = 'Imported'
    else:
        numbers = {(r, c): n for n, _, r, c, _ in words}
        doc = {'version': 'http://ipuz.org/v2', 'kind': ['http://ipuz.org/crossword#1'], 'title': title,
               'publisher': 'The Daily', 'dimensions': {'width': side, 'height': side}, 'block': '#',
               'puzzle': [['#' if grid[r * side + c] == '.' else numbers.get((r, c), 0) for c in range(side)]
                          for r in range(side)],
               'solution': [[None if grid[r * side + c] == '.' else grid[r * side + c] for c in range(side)]
                            for r in range(side)],
               'clues': {'Across': [[w[0], c.replace('&', '&amp;')] for w, c in zip(words, clues) if w[1]],
                         'Down': [[w[0], c.replace('&', '&amp;')] for w, c in zip(words, clues) if not w[1]]}}
        data = ipuz(doc)
        category = 'The Daily'
    write(name, data, expected(side, side, grid, title, category,
                               list(zip(words, [c[:150] for c in clues])), warn))
