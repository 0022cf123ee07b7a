#!/usr/bin/env bash
# Checks that a built kvor .deb holds what an installed program needs: the
# three programs, the desktop entry, the icon, the manual pages, the example
# projects and the manual the program opens with F1, and that it declares
# its shared-library dependencies.
set -euo pipefail
deb=${1:?usage: check_file_list.sh PACKAGE.deb}
files=$(dpkg-deb -c "$deb" | awk '{print $NF}')
missing=0
for expected in \
    ./usr/bin/kvor ./usr/bin/kvor-calc ./usr/bin/kvor-il \
    ./usr/share/applications/kvor.desktop \
    ./usr/share/icons/hicolor/scalable/apps/kvor.svg \
    ./usr/share/man/man1/kvor.1.gz ./usr/share/man/man1/kvor-calc.1.gz ./usr/share/man/man1/kvor-il.1.gz \
    ./usr/share/kvor/examples/spojity-nosnik.txt \
    ./usr/share/kvor/help/index.html ./usr/share/kvor/help/obrazky/vysledky.png; do
  if ! grep -qxF "$expected" <<<"$files"; then
    echo "package lacks $expected" >&2
    missing=1
  fi
done
depends=$(dpkg-deb -f "$deb" Depends)
for library in libqt6widgets6 libqt6charts6 libstdc++6 qt6-translations-l10n; do
  if ! grep -q "$library" <<<"$depends"; then
    echo "package does not depend on $library (Depends: $depends)" >&2
    missing=1
  fi
done
[ "$missing" -eq 0 ] && echo "package file list: ok ($(wc -l <<<"$files") entries)"
exit "$missing"
