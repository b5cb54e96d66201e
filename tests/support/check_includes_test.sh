#!/bin/bash
# The include check must fail on a copy of the sources with one climbing include.
# Usage: check_includes_test.sh <check-includes> <src-folder>
set -euo pipefail
check=$1
copy=$(mktemp -d)
trap 'rm -rf "$copy"' EXIT
cp -r "$2/." "$copy"
echo '#include "pages/search_frame.h"' >> "$copy/text/text.cpp"
if "$check" "$copy" > "$copy/report" 2>&1; then
  echo "check-includes passed a text file that includes a page builder"; exit 1
fi
grep -q 'text/text.cpp:.*pages/search_frame.h' "$copy/report" || { cat "$copy/report"; exit 1; }
