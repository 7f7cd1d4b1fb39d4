#!/usr/bin/env python3
"""Derives the code-page detector's statistics from real Russian text.

Sources (Debian packages): fortunes-ru (Russian prose: sayings, jokes and
quotations, /usr/share/games/fortunes/ru/*.u8) and the Russian message
catalogs of the installed packages (/usr/share/locale/ru/LC_MESSAGES/*.mo),
which bring the typographic punctuation of modern text. Files are split
alternately: even ones train the table, odd ones are held out for
bench/eval-detect.py.

Writes src/core/doc/detect_table.inc:
  kDetectSymbols[5][256]: the symbol of each byte read in each code page
      (0..31 а..я, 32 ё, 33 blank, 34 other ASCII, 35 typographic
      punctuation, 36 any other high byte), plus 0x80 for capital letters;
  kDetectBigrams[37][37]: 16 * log2 P(symbol | previous symbol);
  kDetectCase[2][2]: 16 * log2 P(case of a letter | case of the letter
      before it) for letters following letters.

Usage: make-detect-table.py [FORTUNES_DIR]   (fortunes-ru unpacked; default
/usr/share/games/fortunes/ru)
"""
import glob
import gettext
import math
import os
import sys
import unicodedata

CODE_PAGES = ["koi8_r", "cp866", "mac_cyrillic", "iso8859_5", "cp1251"]  # ids 0..4
LOWER = "абвгдежзийклмнопрстуфхцчшщъыьэюя"
BLANK, ASCII, PUNCT, OTHER = 33, 34, 35, 36
SYMBOLS = 37
SCALE = 16
HERE = os.path.dirname(os.path.abspath(__file__))
# What a code page lacks is written as ASCII look-alikes.
LOOK_ALIKES = {"«": '"', "»": '"', "„": '"', "“": '"', "”": '"', "‘": "'", "’": "'", "…": "...", "—": "-",
               "–": "-", "№": "N", "\u00a0": " ", "•": "*", "‹": "<", "›": ">"}


def symbol_of(ch):
    """The symbol of one character, and whether it is a capital letter."""
    low = ch.lower()
    if low in LOWER:
        return LOWER.index(low), ch != low
    if low == "ё":
        return 32, ch != low
    if ch in " \t\r\n":
        return BLANK, False
    if ord(ch) < 128:
        return ASCII, False
    if unicodedata.category(ch)[0] in "PSZ" or ch in "№":
        return PUNCT, False
    return OTHER, False


def byte_symbols(code_page):
    table = []
    for b in range(256):
        try:
            ch = bytes([b]).decode(code_page)
        except UnicodeDecodeError:
            ch = "\ufffd"
        if b < 128:
            ch = chr(b)
        symbol, capital = symbol_of(ch)
        if symbol == PUNCT and b >= 128 and unicodedata.category(ch) == "So" and "BOX" in unicodedata.name(ch, ""):
            symbol = OTHER  # pseudographics do not occur in prose
        table.append(symbol | (0x80 if capital else 0))
    return table


def encode(text, code_page):
    """Text as a code page's bytes, look-alikes for what it lacks."""
    out = bytearray()
    for ch in text:
        try:
            out += ch.encode(code_page)
        except UnicodeEncodeError:
            out += LOOK_ALIKES.get(ch, "?").encode("ascii")
    return bytes(out)


def fortune_texts(directory):
    files = sorted(glob.glob(os.path.join(directory, "*.u8")))
    return [(path, open(path, encoding="utf-8", errors="replace").read().replace("\n%\n", "\n\n")) for path in files]


def catalog_texts():
    texts = []
    for path in sorted(glob.glob("/usr/share/locale/ru/LC_MESSAGES/*.mo")):
        if os.path.basename(path).startswith("iso_"):
            continue  # lists of names, not sentences
        try:
            with open(path, "rb") as f:
                catalog = gettext.GNUTranslations(f)._catalog
        except Exception:
            continue
        lines = [v for k, v in catalog.items() if isinstance(v, str) and k]
        texts.append((path, "\n".join(lines)))
    return texts


def corpus(directory, held_out, sources=("prose", "catalogs")):
    """The training (even) or held-out (odd) files of the sources: "prose"
    (fortunes-ru) and "catalogs" (message catalogs)."""
    parts = []
    for source in sources:
        texts = fortune_texts(directory) if source == "prose" else catalog_texts()
        parts += [text for i, (_, text) in enumerate(texts) if i % 2 == (1 if held_out else 0)]
    return parts


def main():
    directory = sys.argv[1] if len(sys.argv) > 1 else "/usr/share/games/fortunes/ru"
    texts = corpus(directory, held_out=False)
    if not texts:
        sys.exit("no Russian text found; install fortunes-ru or give its directory")
    win = byte_symbols("cp1251")
    pairs = [[1] * SYMBOLS for _ in range(SYMBOLS)]  # add-one smoothing
    cases = [[1, 1], [1, 1]]
    size = 0
    for text in texts:
        data = encode(text, "cp1251")
        size += len(data)
        previous = win[ord("\n")]
        for b in data:
            current = win[b]
            pairs[previous & 0x7F][current & 0x7F] += 1
            if (previous & 0x7F) <= 32 and (current & 0x7F) <= 32:
                cases[1 if previous & 0x80 else 0][1 if current & 0x80 else 0] += 1
            previous = current

    def log_row(row):
        total = sum(row)
        return [max(-32767, round(SCALE * math.log2(n / total))) for n in row]

    out = ["// Generated by scripts/make-detect-table.py from %d bytes of Russian text" % size,
           "// (fortunes-ru and the Russian message catalogs); do not edit.", ""]
    out.append("constexpr std::uint8_t kDetectSymbols[5][256] = {")
    for code_page in CODE_PAGES:
        table = byte_symbols(code_page)
        out.append("    {" + ", ".join("0x%02X" % s for s in table) + "},  // " + code_page)
    out.append("};")
    out.append("constexpr std::int16_t kDetectBigrams[%d][%d] = {" % (SYMBOLS, SYMBOLS))
    for row in pairs:
        out.append("    {" + ", ".join(str(v) for v in log_row(row)) + "},")
    out.append("};")
    out.append("constexpr std::int16_t kDetectCase[2][2] = {")
    for row in cases:
        out.append("    {" + ", ".join(str(v) for v in log_row(row)) + "},")
    out.append("};")
    target = os.path.join(HERE, "..", "src", "core", "doc", "detect_table.inc")
    with open(target, "w") as f:
        f.write("\n".join(out) + "\n")
    print("wrote %s from %d bytes" % (target, size))


if __name__ == "__main__":
    main()
