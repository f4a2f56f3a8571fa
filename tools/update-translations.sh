#!/usr/bin/env bash
# Brings the catalogues in translations/ up to date with the texts in src/: new texts come in unfinished, texts no
# longer used go. Translate the unfinished entries (Qt Linguist, or the .ts XML by hand) before committing; the
# test suite fails on any entry left unfinished. The build compiles the catalogues itself.
set -euo pipefail
cd "$(dirname "$0")/.."
lupdate=$(command -v lupdate || echo /usr/lib/qt6/bin/lupdate)
for language in tr en; do
    "$lupdate" -silent -no-obsolete -locations none -target-language "$language" src \
        -ts "translations/corvella_$language.ts"
done
