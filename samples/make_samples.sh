#!/usr/bin/env bash
# Regenerates the sample dictionaries from their UTF-8 sources: src/KIND/NAME.utf8 becomes
# KIND/NAME in Shift-JIS (code page 932) with CR LF line ends.
#
#   samples/make_samples.sh          writes the files of ej/, je/ and generic/
#   samples/make_samples.sh --check  writes nothing; fails when a shipped file is missing, differs
#                                    from what its source gives, or has no source
#
# Every file is checked on the way: it must decode back to its source exactly, and every line,
# the last included, must end in CR LF.
set -euo pipefail
cd "$(dirname "$0")"

check=0
case "${1:-}" in
  "") ;;
  --check) check=1 ;;
  *) echo "usage: samples/make_samples.sh [--check]" >&2; exit 2 ;;
esac

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
problems=0
complain() {
  echo "make_samples.sh: $*" >&2
  problems=$((problems + 1))
}

for source in src/*/*.utf8; do
  kind=$(basename "$(dirname "$source")")
  name=$(basename "$source" .utf8)
  target="$kind/$name"
  generated="$scratch/$kind-$name"

  if LC_ALL=C grep -q $'\r' "$source"; then
    complain "$source: sources use bare line feeds; the CR is added here"
    continue
  fi
  if [ -s "$source" ] && [ "$(tail -c 1 "$source" | od -An -tx1 | tr -d ' ')" != 0a ]; then
    complain "$source: the last line has no line feed"
    continue
  fi
  # iconv stops with an error on a character that code page 932 lacks: samples keep every byte.
  if ! sed 's/$/\r/' "$source" | iconv -f UTF-8 -t CP932 >"$generated"; then
    complain "$source: not representable in code page 932"
    continue
  fi
  if ! iconv -f CP932 -t UTF-8 "$generated" | sed 's/\r$//' | cmp -s - "$source"; then
    complain "$source: does not decode back to its source"
    continue
  fi
  line_feeds=$(LC_ALL=C tr -cd '\n' <"$generated" | wc -c)
  crlf=$(LC_ALL=C grep -c $'\r$' "$generated" || true)
  if [ "$line_feeds" -ne "$crlf" ]; then
    complain "$source: $line_feeds lines but $crlf CR LF line ends"
    continue
  fi

  if ((check)); then
    if ! [ -e "$target" ]; then
      complain "$target: missing (run samples/make_samples.sh)"
    elif ! cmp -s "$generated" "$target"; then
      complain "$target: differs from what $source gives (run samples/make_samples.sh)"
    fi
  else
    mkdir -p "$kind"
    cp "$generated" "$target"
  fi
done

# A shipped file without a source could not be regenerated.
for target in ej/* je/* generic/*; do
  [ -e "$target" ] || continue
  if ! [ -e "src/$target.utf8" ]; then
    complain "$target: has no source src/$target.utf8"
  fi
done

if ((problems)); then
  exit 1
fi
if ((check)); then
  echo "samples are up to date" >&2
fi
