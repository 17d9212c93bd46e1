#!/usr/bin/env bash
# The main job on the shipped samples, from a fresh Debian 12 machine: installs what is missing,
# builds indexer-cli, builds an English-Japanese index of samples/ej into demo-index/ (with its
# own profile, demo-index/INDEXER.INI, so the user's profile is never touched), and prints a few
# test searches in UTF-8, plain and in tag form.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/setup.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build --target indexer-cli

cli=build/indexer/cli/indexer-cli
demo=demo-index
rm -rf "$demo"
mkdir -p "$demo"

# An argument as it would be typed in a shell: quoted when it holds anything but plain characters.
quoted() {
  if [[ "$1" =~ ^[A-Za-z0-9._/=-]+$ ]]; then
    printf '%s' "$1"
  elif [[ "$1" =~ ^[^\$\`\"\\!]+$ ]]; then
    printf '"%s"' "$1"
  else
    printf "'%s'" "${1//\'/\'\\\'\'}"
  fi
}

# Shows a command as a user would type it, then runs it with the demo's profile.
run() {
  printf '\n$ indexer-cli --profile %s/INDEXER.INI' "$demo"
  for argument in "$@"; do printf ' %s' "$(quoted "$argument")"; done
  printf '\n'
  "$cli" --profile "$demo/INDEXER.INI" "$@"
}

run build ej --dir samples/ej --general 'FENG5*.*' --tech FENTEC.TXT --proper FENGKOYU.TXT \
  --abbrev FENGRYAK.TXT --supplement FENGHOI.TXT --bilingual BILING.TXT --index-dir "$demo"
run search apple
run search --tag apple
run search "don't"
run search 3.14
run search see
run search --tag table

printf '\nThe index is in %s/ (letter index files $$TMP$$.*, qvxindex.ini, wordlist.qvx).\n' "$demo"
printf 'Try: %s --profile %s/INDEXER.INI search WORD\n' "$cli" "$demo"
