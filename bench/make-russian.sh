#!/usr/bin/env bash
# Writes FILE with real Russian text in cp1251, CR LF lines: the Russian
# message catalogs installed on this machine (/usr/share/locale/ru), repeated
# COPIES times. Usage: make-russian.sh FILE [COPIES]
set -euo pipefail
[ $# -ge 1 ] || { echo "usage: make-russian.sh FILE [COPIES]" >&2; exit 2; }
out=$1 copies=${2:-1}
python3 - "$out" "$copies" <<'PY'
import glob, gettext, sys
texts = []
for path in sorted(glob.glob('/usr/share/locale/ru/LC_MESSAGES/*.mo')):
    try:
        with open(path, 'rb') as f:
            catalog = gettext.GNUTranslations(f)._catalog
    except Exception:
        continue
    texts += [v for k, v in catalog.items() if isinstance(v, str) and k]
text = '\r\n'.join(line for t in texts for line in t.splitlines()) + '\r\n'
with open(sys.argv[1], 'wb') as f:
    f.write(text.encode('cp1251', 'ignore') * int(sys.argv[2]))
PY
