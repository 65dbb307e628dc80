#!/usr/bin/env bash
# Chooses the Bible text whose reading plans a release carries, and prints its line of `plancompile --modules`
# (name, abbreviation, language, version, description, copyright, licence, separated by tabs):
#  - VESPERAL_RELEASE_TEXT=NAME: that module (its name or abbreviation, case ignored);
#  - otherwise the first Korean module (language ko) by name, when one is installed;
#  - otherwise the King James Version (Debian's sword-text-kjv, which scripts/setup.sh installs).
# Usage: release-text.sh PLANCOMPILE
set -euo pipefail
plancompile=$1
catalog=$("$plancompile" --modules)
wanted=${VESPERAL_RELEASE_TEXT:-}
pick() {  # awk condition over $1 name, $2 abbreviation, $3 language
  awk -F'\t' -v want="$(echo "$wanted" | tr '[:upper:]' '[:lower:]')" "$1 { print; exit }" <<<"$catalog"
}
if [ -n "$wanted" ]; then
  chosen=$(pick 'tolower($1) == want || tolower($2) == want')
  [ -n "$chosen" ] || { echo "release: no Bible module named '$wanted' is installed" >&2; exit 1; }
else
  chosen=$(pick '$3 == "ko" || $3 ~ /^ko-/')
  [ -n "$chosen" ] || chosen=$(pick 'tolower($1) == "engkjv2006eb" || tolower($2) == "kjv"')
  [ -n "$chosen" ] || { echo "release: neither a Korean Bible module nor the King James Version is installed" \
                             "(scripts/setup.sh installs sword-text-kjv)" >&2; exit 1; }
fi
echo "$chosen"
