#!/usr/bin/env python3
"""Accuracy of the code-page detector on held-out Russian text.

Cuts samples of 64, 256, 1024 and 5000 bytes from the files that
scripts/make-detect-table.py held out (fortunes-ru and message catalogs),
encodes each into the five code pages (look-alikes for what a code page
lacks) and into UTF-8, runs `novedabench detectid` on them and prints the
share detected right, next to the byte-range rule the detector replaced,
and how many samples the Unicode detection took wrongly for UTF-8 or not.

Usage: eval-detect.py NOVEDABENCH [FORTUNES_DIR] [SAMPLES_PER_CELL] [prose|catalogs] [starts|windows]
(prose: the sayings and stories of fortunes-ru; catalogs: the programs'
messages, short lines of mostly lower-case text with typographic quotes,
dashes and ellipses.
starts: every sample begins where a paragraph begins (prose) or a message
begins (catalogs), as a file begins with its text; windows: anywhere, cut
in the middle of a word.)
"""
import os
import random
import re
import subprocess
import sys
import tempfile

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "scripts"))
detect = __import__("make-detect-table")

SIZES = [64, 256, 1024, 5000]
NAMES = ["KOI8", "DOS", "MAC", "ISO", "WIN"]


def byte_range_rule(data):
    c = [0] * 13
    for b in data[:5000]:
        if b > 0x81:
            c[(b - 128) // 10] += 1
    if c[0] + c[1] > 0:
        return 1 if c[4] > c[12] else 2
    koi, win, iso = c[6] + c[7] + c[8], c[10] + c[11] + c[12], c[8] + c[9] + c[10]
    if koi > win and koi > iso:
        return 0
    return 4 if win >= iso else 3


UTF8 = 5  # the cells of UTF-8 samples, after the five code pages


def utf8_sample(text, size):
    """The UTF-8 of as many whole characters of `text` as fit in `size` bytes:
    a file ends where a character ends."""
    data = text.encode("utf-8")[:size]
    return data.decode("utf-8", "ignore").encode("utf-8")


def main():
    bench = sys.argv[1]
    directory = sys.argv[2] if len(sys.argv) > 2 else "/usr/share/games/fortunes/ru"
    per_cell = int(sys.argv[3]) if len(sys.argv) > 3 else 2000
    source = sys.argv[4] if len(sys.argv) > 4 else "prose"
    sampling = sys.argv[5] if len(sys.argv) > 5 else "starts"
    text = "\n".join(detect.corpus(directory, held_out=True, sources=(source,)))
    rng = random.Random(20261208)
    if sampling == "starts":
        breaks = r"\n\s*\n\s*" if source == "prose" else r"\n\s*"
        starts = [0] + [m.end() for m in re.finditer(breaks, text)]
        starts = [s for s in starts if s < len(text) - max(SIZES) * 2]

        def sample_start(size):
            return rng.choice(starts)
    else:
        def sample_start(size):
            return rng.randrange(0, len(text) - size * 2)
    cells = []  # (size, code page or UTF8, bytes)
    for size in SIZES:
        for cp, name in enumerate(detect.CODE_PAGES + [None]):
            made = 0
            while made < per_cell:
                start = sample_start(size)
                if name:
                    sample = detect.encode(text[start:start + size * 2], name)[:size]
                else:
                    sample = utf8_sample(text[start:start + size * 2], size)
                if not any(b > 0x7F for b in sample):
                    continue  # no Cyrillic: nothing to detect
                cells.append((size, cp, sample))
                made += 1
    with tempfile.TemporaryDirectory() as tmp:
        paths = []
        for i, (_, _, sample) in enumerate(cells):
            path = os.path.join(tmp, "%d" % i)
            with open(path, "wb") as f:
                f.write(sample)
            paths.append(path)
        detected = []
        for at in range(0, len(paths), 2000):
            out = subprocess.run([bench, "detectid"] + paths[at:at + 2000], capture_output=True, text=True,
                                 check=True).stdout
            detected += [tuple(map(int, line.split())) for line in out.split("\n") if re.fullmatch(r"\d+ \d+", line)]
    readings = [detect.byte_symbols(name) for name in detect.CODE_PAGES]

    def ambiguous(sample, cp):
        """Reads exactly alike in another code page: no detector can tell."""
        return any(other != cp and all(readings[other][b] == readings[cp][b] for b in sample) for other in range(5))

    unicode_wrong, unicode_count = {}, {}
    for (size, cp, sample), (_, form) in zip(cells, detected):
        unicode_count[(size, cp)] = unicode_count.get((size, cp), 0) + 1
        unicode_wrong[(size, cp)] = unicode_wrong.get((size, cp), 0) + ((form == 1) != (cp == UTF8))
    right, old_right, count, clear_right, clear_count = {}, {}, {}, {}, {}
    for (size, cp, sample), (got, _) in zip(cells, detected):
        if cp == UTF8:
            continue
        key = (size, cp)
        count[key] = count.get(key, 0) + 1
        right[key] = right.get(key, 0) + (got == cp)
        old_right[key] = old_right.get(key, 0) + (byte_range_rule(sample) == cp)
        if not ambiguous(sample, cp):
            clear_count[key] = clear_count.get(key, 0) + 1
            clear_right[key] = clear_right.get(key, 0) + (got == cp)
    print("%s, %s: %d samples per cell; detector %% (byte-range rule %%)" % (source, sampling, per_cell))
    print("%6s " % "bytes" + " ".join("%17s" % n for n in NAMES))
    for size in SIZES:
        row = []
        for cp in range(5):
            key = (size, cp)
            row.append("%7.2f (%6.2f)" % (100.0 * right[key] / count[key], 100.0 * old_right[key] / count[key]))
        print("%6d " % size + " ".join("%17s" % r for r in row))
    print("the same, without the samples that read exactly alike in two code pages (their share)")
    for size in SIZES:
        row = []
        for cp in range(5):
            key = (size, cp)
            clear = clear_count.get(key, 0)
            share = 100.0 * (count[key] - clear) / count[key]
            row.append("%7.2f (%5.2f%%)" % (100.0 * clear_right.get(key, 0) / clear if clear else 100.0, share))
        print("%6d " % size + " ".join("%17s" % r for r in row))
    print("Unicode detection: samples taken wrongly for UTF-8 (code pages) or not for UTF-8 (UTF-8), of %d"
          % per_cell)
    print("%6s " % "bytes" + " ".join("%8s" % n for n in NAMES + ["UTF-8"]))
    for size in SIZES:
        print("%6d " % size + " ".join("%8d" % unicode_wrong[(size, cp)] for cp in range(6)))


if __name__ == "__main__":
    main()
