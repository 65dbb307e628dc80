#!/usr/bin/env bash
# Writes the reading plans `<year>.dat` of the given years into a folder:
#  - by default, plans that read the whole Bible in a year (plancompile --generate bible) from the module that
#    scripts/release-text.sh chooses (VESPERAL_RELEASE_TEXT names another). They are compiled once and kept in
#    a cache folder, keyed by the plan compiler and the module's catalog line (VESPERAL_PLAN_CACHE, default
#    build/release-plans), since a year's plan takes a while to build;
#  - with VESPERAL_RELEASE_TEXT=sample, the team's sample plan, which is not scripture and is meant for tests.
# Prints the module's catalog line (see release-text.sh), or "sample".
# Usage: plan-files.sh PLANCOMPILE FOLDER YEAR...
set -euo pipefail
plancompile=$1 folder=$2
shift 2
years=("$@")
jobs=$(nproc)
if [ "${VESPERAL_RELEASE_TEXT:-}" = sample ]; then
  for y in "${years[@]}"; do "$plancompile" --year "$y" samples/sample-plan.txt "$folder/$y.dat"; done
  echo sample
  exit 0
fi
catalog_line=$("$(dirname "$0")/release-text.sh" "$plancompile")
name=${catalog_line%%$'\t'*}
cache_root=${VESPERAL_PLAN_CACHE:-build/release-plans}
key=$(cat "$plancompile" <(echo "$catalog_line") | sha256sum | cut -c1-16)
cache=$cache_root/$name-$key
mkdir -p "$cache"
# Plans of the same module from an earlier compiler or module version are not used again.
find "$cache_root" -mindepth 1 -maxdepth 1 -name "$name-*" ! -name "$name-$key" -exec rm -rf {} +
missing=()
for y in "${years[@]}"; do [ -f "$cache/$y.dat" ] || missing+=("$y"); done
if [ ${#missing[@]} -gt 0 ]; then
  echo "plans: building the plans of ${missing[*]} from the module $name" >&2
  # plancompile renames its output into place only when it is whole, so the cache never holds half a file.
  printf '%s\n' "${missing[@]}" |
    xargs -P "$jobs" -I{} "$plancompile" --year {} --module "$name" --generate bible "$cache/{}.dat"
fi
for y in "${years[@]}"; do cp "$cache/$y.dat" "$folder/"; done
echo "$catalog_line"
