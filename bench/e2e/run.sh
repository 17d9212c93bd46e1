#!/usr/bin/env bash
# End-to-end benchmark of indexer-cli on a large real dictionary, with its peers measured in the
# same run. See bench/e2e/README.md for what is measured and how to read the table.
#
#   bench/e2e/run.sh [--cli PATH] [--work DIR] [--edict FILE] [--words "W1 W2 ..."]
#                    [--runs N] [--no-setup] [--keep]
set -uo pipefail

repo=$(cd "$(dirname "$0")/../.." && pwd)
here="$repo/bench/e2e"
cli="$repo/build/indexer/cli/indexer-cli"
work="$repo/build/bench-e2e"
edict=/usr/share/edict/edict
words="water time abandon zebra"
runs=5
setup=1
keep=0

usage() {
  cat <<'EOF'
Usage: bench/e2e/run.sh [OPTIONS]

Converts Debian's EDICT into a Japanese-English and an English-Japanese dictionary in Shift-JIS,
then measures, side by side: indexer-cli build ej / build je (wall time, peak memory), SQLite FTS5
loading the same lines, indexer-cli search against grep -w -n for a few words, and cat of the input
as the floor. Prints a Markdown table of the figures and their ratios.

Options:
  --cli PATH       the indexer-cli executable (default build/indexer/cli/indexer-cli)
  --work DIR       work folder for the converted data, logs and temporary indexes
                   (default build/bench-e2e)
  --edict FILE     the EDICT file, EUC-JP (default /usr/share/edict/edict)
  --words "W ..."  the search words (default "water time abandon zebra")
  --runs N         each search and each cat is timed N times; the median is shown (default 5)
  --no-setup       do not install missing packages (edict, sqlite3, time)
  --keep           keep the temporary profile and index directories of this run
  -h, --help       this text

Exit status: 0 when every step succeeded, 1 when a step failed (the steps still possible are run
and the failed ones are named on stderr and in the table), 2 on a usage error.
EOF
}

while (($#)); do
  case "$1" in
    --cli) cli=$2; shift 2 ;;
    --work) work=$2; shift 2 ;;
    --edict) edict=$2; shift 2 ;;
    --words) words=$2; shift 2 ;;
    --runs) runs=$2; shift 2 ;;
    --no-setup) setup=0; shift ;;
    --keep) keep=1; shift ;;
    -h|--help) usage; exit 0 ;;
    *) echo "run.sh: unknown argument: $1 (see --help)" >&2; exit 2 ;;
  esac
done
if ! [[ "$runs" =~ ^[1-9][0-9]*$ ]]; then
  echo "run.sh: --runs needs a positive number" >&2
  exit 2
fi
read -r -a search_words <<<"$words"
for word in "${search_words[@]}"; do
  if ! [[ "$word" =~ ^[A-Za-z0-9][A-Za-z0-9\'.-]*$ ]]; then
    echo "run.sh: search words are single ASCII words: $word" >&2
    exit 2
  fi
done
cli=$(realpath -m "$cli")
work=$(realpath -m "$work")

failed_steps=()
fail() {  # fail STEP MESSAGE: record a failed step and say why on stderr
  failed_steps+=("$1")
  echo "FAILED: $1: $2" >&2
}
die() {
  echo "run.sh: $*" >&2
  exit 1
}
note() {
  echo "== $*" >&2
}

# --- set-up --------------------------------------------------------------------------------------

if ((setup)); then
  note "setup: installing what is missing (edict, sqlite3, time)"
  "$repo/scripts/setup.sh" edict sqlite3 time >&2 || die "step setup failed: scripts/setup.sh edict sqlite3 time"
fi
for tool in iconv python3 sqlite3 grep cat; do
  command -v "$tool" >/dev/null || die "step setup failed: $tool is not installed"
done
[ -x /usr/bin/time ] || die "step setup failed: GNU time (/usr/bin/time) is not installed"
[ -r "$edict" ] || die "step setup failed: cannot read $edict (install the edict package or give --edict)"
sqlite3 :memory: 'CREATE VIRTUAL TABLE t USING fts5(x);' 2>/dev/null ||
  die "step setup failed: this sqlite3 has no FTS5"

data="$work/data"
logs="$work/logs"
rm -rf "$logs"
mkdir -p "$data/ej" "$data/je" "$data/utf8" "$logs" || die "cannot create the work folder $work"

ej_source="$data/ej/FENG5EDICT.TXT"   # matched by the general pattern "FENG5*.*"
je_source="$data/je/EDICT_JE.TXT"
ej_utf8="$data/utf8/FENG5EDICT.txt"
je_utf8="$data/utf8/EDICT_JE.txt"

# --- data preparation ----------------------------------------------------------------------------

# to_shift_jis UTF8_IN SJIS_OUT: characters Shift-JIS lacks are transliterated (ō → o) and, where
# that is impossible, dropped; iconv then reports the loss with status 1, which is expected.
to_shift_jis() {
  iconv -c -f UTF-8 -t CP932//TRANSLIT "$1" >"$2.tmp"
  local status=$?
  if ((status > 1)) || ! [ -s "$2.tmp" ]; then
    rm -f "$2.tmp"
    return 1
  fi
  mv "$2.tmp" "$2"
}

# The peer reads the very same lines, back in UTF-8, one row per line, without the CR.
to_utf8_lines() {
  iconv -f CP932 -t UTF-8 "$1" | tr -d '\r' >"$2.tmp" && mv "$2.tmp" "$2"
}

prepare_data() {
  local fresh=1 output
  for output in "$ej_source" "$je_source" "$ej_utf8" "$je_utf8"; do
    if ! [ -s "$output" ] || [ "$output" -ot "$edict" ] || [ "$output" -ot "$here/convert_edict.py" ]; then
      fresh=0
    fi
  done
  if ((fresh)); then
    note "data: up to date in $data"
    return 0
  fi
  note "data: converting $edict into $data"
  local tmp="$data/tmp"
  mkdir -p "$tmp" || return 1
  iconv -f EUC-JP -t UTF-8 "$edict" >"$tmp/edict.utf8" || { echo "iconv could not decode $edict as EUC-JP" >&2; return 1; }
  python3 "$here/convert_edict.py" "$tmp/je.utf8" "$tmp/ej.utf8" <"$tmp/edict.utf8" || return 1
  to_shift_jis "$tmp/je.utf8" "$je_source" || { echo "conversion to Shift-JIS failed" >&2; return 1; }
  to_shift_jis "$tmp/ej.utf8" "$ej_source" || { echo "conversion to Shift-JIS failed" >&2; return 1; }
  to_utf8_lines "$je_source" "$je_utf8" || return 1
  to_utf8_lines "$ej_source" "$ej_utf8" || return 1
  # Every line must have come through, each ending in CR LF.
  local file lines crlf
  for file in "$je_source" "$ej_source"; do
    lines=$(wc -l <"$file")
    crlf=$(LC_ALL=C grep -c $'\r$' "$file")
    if ((lines == 0 || lines != crlf)); then
      echo "$file: $lines lines, of which $crlf end in CR LF" >&2
      return 1
    fi
  done
  if [ "$(wc -l <"$tmp/je.utf8")" -ne "$(wc -l <"$je_source")" ] ||
    [ "$(wc -l <"$tmp/ej.utf8")" -ne "$(wc -l <"$ej_source")" ]; then
    echo "line counts differ after the conversion to Shift-JIS" >&2
    return 1
  fi
  rm -rf "$tmp"
}
prepare_data || die "step prepare-data failed (see the messages above)"

# --- measuring -----------------------------------------------------------------------------------

# measure LOG OUT CMD...: runs CMD with stdout to OUT and stderr to LOG.err under GNU time.
# Sets wall (seconds), rss (peak resident set size, KiB) and status.
measure() {
  local log=$1 out=$2
  shift 2
  local start end
  # The shell's own clock costs no process of its own; some locales write it with a comma.
  start=${EPOCHREALTIME/,/.}
  /usr/bin/time -v -o "$log.time" "$@" >"$out" 2>"$log.err"
  status=$?
  end=${EPOCHREALTIME/,/.}
  wall=$(awk -v a="$start" -v b="$end" 'BEGIN { printf "%.4f", b - a }')
  rss=$(awk -F': ' '/Maximum resident set size/ { print $2 }' "$log.time" 2>/dev/null)
  rss=${rss:-0}
  # GNU time reports a killed or failed command in its own output as well.
  if ((status == 0)) && grep -q 'Command terminated by signal' "$log.time" 2>/dev/null; then
    status=128
  fi
}

# median_of N CMD...: runs "measure" N times and keeps the median wall time (and that run's rss).
# Any failing run makes the status non-zero.
median_of() {
  local n=$1
  shift
  local i walls=() worst=0
  for ((i = 0; i < n; i++)); do
    measure "$@"
    walls+=("$wall")
    ((status != 0)) && worst=$status
  done
  wall=$(printf '%s\n' "${walls[@]}" | sort -g | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }')
  status=$worst
}

ratio() {  # ratio A B: A/B with two decimals, or "–" when either is missing
  awk -v a="$1" -v b="$2" 'BEGIN { if (a !~ /^[0-9.]+$/ || b !~ /^[0-9.]+$/ || b + 0 == 0) print "–"; else printf "%.2f", a / b }'
}
seconds() {  # seconds S: a wall time for the table; "-" marks a failed step, "skip" one not run
  if [ "$1" = skip ]; then echo "not run"; elif [ -z "$1" ] || [ "$1" = "-" ]; then echo "failed"; else awk -v s="$1" 'BEGIN { printf (s < 1 ? "%.3f s" : "%.2f s"), s }'; fi
}
mib() {  # mib BYTES
  awk -v b="$1" 'BEGIN { printf "%.1f MiB", b / 1048576 }'
}
kib_as_mib() {
  if ! [[ "$1" =~ ^[0-9]+$ ]]; then echo "–"; else mib $(($1 * 1024)); fi
}

# The indexer runs with a profile and index directories of its own; XDG_CONFIG_HOME points into
# the run folder too, so that not even a default profile of this user can be touched.
mkdir -p "$work" || die "cannot create $work"
run_dir=$(mktemp -d "$work/run.XXXXXX") || die "cannot create a run folder in $work"
cleanup() {  # shellcheck disable=SC2317 # run by the EXIT trap
  if ((keep)); then
    echo "kept: $run_dir" >&2
  else
    rm -rf "$run_dir"
  fi
}
trap cleanup EXIT
profile="$run_dir/INDEXER.INI"
export XDG_CONFIG_HOME="$run_dir/config"
mkdir -p "$XDG_CONFIG_HOME" "$run_dir/index-ej" "$run_dir/index-je" "$run_dir/out"
: >"$logs/failures.log"

have_cli=1
if ! [ -x "$cli" ]; then
  have_cli=0
  fail "indexer" "no executable at $cli (build it with scripts/build.sh, or give --cli)"
fi

# Every input is read once beforehand, so that all figures are taken with the page cache warm.
cat "$ej_source" "$je_source" "$ej_utf8" "$je_utf8" >/dev/null

# What starting a process under GNU time costs; it is part of every figure below.
median_of "$runs" "$logs/overhead" /dev/null true
overhead_wall=$wall

declare -A size lines cat_wall build_wall build_rss fts_wall fts_rss index_bytes fts_bytes
declare -a search_rows=()

bench_kind() {  # bench_kind ej|je SOURCE UTF8
  local kind=$1 source=$2 utf8=$3
  size[$kind]=$(stat -c %s "$source")
  lines[$kind]=$(wc -l <"$source")

  note "$kind: cat (floor), $runs runs"
  median_of "$runs" "$logs/cat-$kind" /dev/null cat "$source"
  if ((status == 0)); then cat_wall[$kind]=$wall; else cat_wall[$kind]=-; fail "cat-$kind" "cat exited with $status"; fi

  note "$kind: SQLite FTS5 load"
  local db="$run_dir/$kind.db"
  rm -f "$db"
  printf '%s\n' 'CREATE VIRTUAL TABLE lines USING fts5(line);' '.mode ascii' '.separator "\037" "\n"' \
    ".import '$utf8' lines" >"$run_dir/load-$kind.sql"
  measure "$logs/fts5-build-$kind" /dev/null sqlite3 -bail "$db" ".read '$run_dir/load-$kind.sql'"
  local rows
  rows=$(sqlite3 "$db" 'SELECT count(*) FROM lines;' 2>/dev/null)
  if ((status != 0)); then
    fts_wall[$kind]=-; fts_rss[$kind]=-
    fail "fts5-build-$kind" "sqlite3 exited with $status (see $logs/fts5-build-$kind.err)"
  elif [ "$rows" != "${lines[$kind]}" ]; then
    fts_wall[$kind]=-; fts_rss[$kind]=-
    fail "fts5-build-$kind" "the table holds ${rows:-no} rows for ${lines[$kind]} lines"
  else
    fts_wall[$kind]=$wall; fts_rss[$kind]=$rss; fts_bytes[$kind]=$(stat -c %s "$db")
  fi

  build_wall[$kind]=skip; build_rss[$kind]=-
  local built=0 index_dir="$run_dir/index-$kind"
  if ((have_cli)); then
    note "$kind: indexer-cli build $kind"
    local build_args
    if [ "$kind" = ej ]; then
      build_args=(build ej --dir "$(dirname "$source")" --general 'FENG5*.*' --tech '' --proper ''
                  --abbrev '' --supplement '' --bilingual '' --index-dir "$index_dir")
    else
      build_args=(build je --dir "$(dirname "$source")" --files '*.TXT' --index-dir "$index_dir")
    fi
    measure "$logs/build-$kind" "$logs/build-$kind.out" "$cli" --profile "$profile" --quiet "${build_args[@]}"
    build_wall[$kind]=-
    if ((status != 0)); then
      fail "build-$kind" "indexer-cli exited with $status (see $logs/build-$kind.err)"
    elif ! compgen -G "$index_dir/\$\$TMP\$\$.*" >/dev/null; then
      fail "build-$kind" "indexer-cli succeeded but wrote no letter index file in $index_dir"
    else
      build_wall[$kind]=$wall; build_rss[$kind]=$rss; built=1
      # shellcheck disable=SC2016 # the letter index files are named "$$TMP$$." and a bucket
      index_bytes[$kind]=$(du -cb "$index_dir"/'$$TMP$$.'* | tail -1 | cut -f1)
    fi
  fi

  local word out grep_lines cli_lines cli_wall grep_wall fts_query_wall
  for word in "${search_words[@]}"; do
    out="$run_dir/out/$kind-$word"
    note "$kind: searching $word ($runs runs each)"
    median_of "$runs" "$logs/grep-$kind-$word" "$out.grep" env LC_ALL=C grep -w -n -- "$word" "$source"
    # grep exits with 1 when nothing matches; that is an answer, not a failure.
    if ((status <= 1)); then grep_wall=$wall; grep_lines=$(wc -l <"$out.grep"); else grep_wall=-; grep_lines=–; fail "grep-$kind-$word" "grep exited with $status"; fi

    fts_query_wall=skip
    if [ -n "${fts_bytes[$kind]:-}" ]; then
      # The word as an FTS5 phrase inside an SQL string literal.
      median_of "$runs" "$logs/fts5-query-$kind-$word" "$out.fts" sqlite3 "$db" \
        "SELECT rowid FROM lines WHERE lines MATCH '\"${word//\'/\'\'}\"';"
      if ((status == 0)); then fts_query_wall=$wall; else fts_query_wall=-; fail "fts5-query-$kind-$word" "sqlite3 exited with $status"; fi
    fi

    cli_wall=skip; cli_lines=–
    if ((built)); then
      median_of "$runs" "$logs/search-$kind-$word" "$out.cli" "$cli" --profile "$profile" --quiet search "$word"
      if ((status == 0)); then cli_wall=$wall; cli_lines=$(wc -l <"$out.cli"); else cli_wall=-; fail "search-$kind-$word" "indexer-cli search exited with $status (see $logs/search-$kind-$word.err)"; fi
    fi
    search_rows+=("| $kind | $word | $(seconds "$cli_wall") | $cli_lines | $(seconds "$grep_wall") | $grep_lines | $(seconds "$fts_query_wall") | $(ratio "$cli_wall" "$grep_wall") |")
  done
}

# The searches of each kind run right after its build: a search reads the index of the latest build.
bench_kind ej "$ej_source" "$ej_utf8"
bench_kind je "$je_source" "$je_utf8"

# --- report --------------------------------------------------------------------------------------

rss_ratio() {  # peak memory over the input size
  if ! [[ "$1" =~ ^[0-9]+$ ]]; then echo "–"; else ratio $(($1 * 1024)) "$2"; fi
}

echo
echo "End-to-end benchmark, $(date -u +%Y-%m-%d), $(nproc) CPUs, $(uname -sm), warm page cache;"
echo "input: $edict converted to Shift-JIS; wall times of cat and searches are medians of $runs runs;"
echo "every figure includes the start of a process under GNU time ($(seconds "$overhead_wall") for \`true\`)."
echo
echo "| build | input | lines | cat (floor) | indexer-cli build | peak memory | SQLite FTS5 load | FTS5 peak memory | build/cat | build/FTS5 | memory/input |"
echo "|---|---|---|---|---|---|---|---|---|---|---|"
for kind in ej je; do
  echo "| $kind | $(mib "${size[$kind]}") | ${lines[$kind]} | $(seconds "${cat_wall[$kind]}") | $(seconds "${build_wall[$kind]}") | $(kib_as_mib "${build_rss[$kind]}") | $(seconds "${fts_wall[$kind]}") | $(kib_as_mib "${fts_rss[$kind]}") | $(ratio "${build_wall[$kind]}" "${cat_wall[$kind]}") | $(ratio "${build_wall[$kind]}" "${fts_wall[$kind]}") | $(rss_ratio "${build_rss[$kind]}" "${size[$kind]}") |"
done
echo
echo "| index | word | indexer-cli search | lines | grep -w -n | lines | FTS5 query | search/grep |"
echo "|---|---|---|---|---|---|---|---|"
printf '%s\n' "${search_rows[@]}"
echo
for kind in ej je; do
  extra=""
  [ -n "${index_bytes[$kind]:-}" ] && extra="letter index files $(mib "${index_bytes[$kind]}"), "
  [ -n "${fts_bytes[$kind]:-}" ] && extra+="FTS5 database $(mib "${fts_bytes[$kind]}")"
  [ -n "$extra" ] && echo "$kind: $extra"
done

if ((${#failed_steps[@]})); then
  echo >&2
  echo "run.sh: ${#failed_steps[@]} step(s) failed: ${failed_steps[*]}" >&2
  printf '%s\n' "${failed_steps[@]}" >"$logs/failures.log"
  exit 1
fi
exit 0
