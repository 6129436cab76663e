#!/usr/bin/env bash
# Benchmarks the scan against the floor (cat of the same files to /dev/null)
# and a peer (ripgrep) on generated corpora, warm in the page cache, whole
# processes, medians of several runs, and prints a Markdown table of times,
# ratios to cat measured in the same run, throughput and peak resident
# memory. Writes a plot of the throughput to bench/throughput.png.
#
#   VORLANE_BENCH_DIR  where the corpora are built on first use (/tmp/vorlane-bench)
#   BENCH_ROUNDS       runs per measurement (3)
#   BUILD_DIR          the build folder (build)
set -euo pipefail
repo=$(cd "$(dirname "$0")/.." && pwd)
cd "$repo"
dir=${VORLANE_BENCH_DIR:-/tmp/vorlane-bench}
rounds=${BENCH_ROUNDS:-3}
build=${BUILD_DIR:-build}
plot=${BENCH_PLOT:-$repo/bench/throughput.png}

tools/setup.sh ripgrep gnuplot-nox time
BUILD_DIR=$build tools/build.sh >/dev/null
scan=$repo/$build/vorlane-scan
"$repo/$build/vorlane-bench-corpora" "$dir"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

kernels=(scalar)
if [[ $(uname -m) == x86_64 ]]; then
  kernels+=(sse2)
  grep -qw avx2 /proc/cpuinfo && kernels+=(avx2)
  grep -qw avx512bw /proc/cpuinfo && grep -qw avx512f /proc/cpuinfo && kernels+=(avx512)
fi
codes=(EDDF KPDX A)
tolerances=(0 1 9)

# --- measuring ----------------------------------------------------------------
declare -A times rss  # label -> microseconds / KiB of each run

# measure LABEL=COMMAND...: runs the commands in turn, $rounds times over, so
# that each sees the same load on the machine as the cat it is compared with.
measure() {
  local rounds=$rounds
  if [[ $1 == --once ]]; then rounds=1; shift; fi
  for ((r = 0; r < rounds; r++)); do
    for run in "$@"; do
      local label=${run%%=*} command=${run#*=}
      local start end
      start=$(date +%s%N)
      if ! /usr/bin/time -f %M -o "$work/rss" sh -c "$command" >/dev/null 2>"$work/err"; then
        echo "bench: '$command' failed:" >&2
        cat "$work/err" >&2
        exit 1
      fi
      end=$(date +%s%N)
      times[$label]+="$(((end - start) / 1000)) "
      rss[$label]+="$(tail -n 1 "$work/rss") "
    done
  done
}

median() { tr ' ' '\n' <<<"${times[$1]}" | grep . | sort -n | awk '{v[NR] = $1} END {print v[int((NR + 1) / 2)]}'; }
peak_mib() { tr ' ' '\n' <<<"${rss[$1]}" | grep . | sort -n | tail -n 1 | awk '{printf "%.1f", $1 / 1024}'; }
ms() { awk -v us="$(median "$1")" 'BEGIN {printf "%.0f", us / 1000}'; }
ratio() { awk -v a="$(median "$1")" -v b="$(median "$2")" -v f="${3:-1}" 'BEGIN {printf "%.2f", a * f / b}'; }
gbps() { awk -v us="$(median "$1")" -v bytes="$2" 'BEGIN {printf "%.2f", bytes / us / 1000}'; }
size_of() { du -sbL "$@" | awk '{s += $1} END {print s}'; }

# The code's two targets as little-endian 4-byte literals for ripgrep, every
# value within the tolerance of each.
rg_literals() {
  local code=$1 tolerance=$2 ident=0 alphabet=' *0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ'
  for ((i = 0; i < ${#code}; i++)); do
    local prefix=${alphabet%%"${code:i:1}"*}
    ident=$((ident * 38 + ${#prefix}))
  done
  for target in $((ident << 5)) "$ident"; do
    for ((d = -tolerance; d <= tolerance; d++)); do
      local v=$(((target + d) & 0xFFFFFFFF))
      printf -- "-e '(?-u:\\\\x%02X\\\\x%02X\\\\x%02X\\\\x%02X)' " $((v & 255)) $((v >> 8 & 255)) $((v >> 16 & 255)) $((v >> 24))
    done
  done
}
rg_command() { echo "rg -a -U --no-config --count-matches $(rg_literals "$2" "$3") '$1' || [ \$? -eq 1 ]"; }

cat_all() { cat "$dir"/random.bin "$dir"/bgl.bgl "$dir"/sample16.bgl "$dir"/zeros*.bin "$dir"/many/*.bgl >/dev/null; }
cat_all  # warm the page cache

out=$work/table.md
{
  echo "Machine: $(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2 | sed 's/^ //'), $(nproc) cores," \
    "$(awk '/MemTotal/ {printf "%.0f GiB", $2 / 1048576}' /proc/meminfo), Linux $(uname -r)." \
    "Kernels: ${kernels[*]} (the last is the default). Medians of $rounds runs, warm cache."
  echo
} >"$out"

# --- one file of 1 GiB: every code, tolerance and kernel --------------------
declare -A corpus_file=([random]=random.bin [bgl]=bgl.bgl)
: >"$work/plot.dat"
for corpus in random bgl; do
  file=$dir/${corpus_file[$corpus]}
  bytes=$(size_of "$file")
  runs=("$corpus/cat=cat '$file'")
  for code in "${codes[@]}"; do
    for t in "${tolerances[@]}"; do
      for k in "${kernels[@]}"; do runs+=("$corpus/$code/$t/$k=VORLANE_KERNEL=$k '$scan' '$dir/$corpus.txt' $code $t"); done
    done
    runs+=("$corpus/$code/0/rg=$(rg_command "$file" $code 0)")
  done
  measure "${runs[@]}"
  # Many literals make ripgrep slow: one run of each is enough.
  rg9=()
  for code in "${codes[@]}"; do rg9+=("$corpus/$code/9/rg=$(rg_command "$file" $code 9)"); done
  measure --once "${rg9[@]}"
  best=${kernels[-1]}
  {
    echo "### One file of $corpus bytes, 1 GiB: time as a ratio to cat (cat: $(ms $corpus/cat) ms, $(gbps $corpus/cat "$bytes") GB/s)"
    echo
    header="| code | tolerance |" rule="|---|---|"
    for k in "${kernels[@]}"; do header+=" $k |" rule+="---|"; done
    echo "$header ripgrep | ripgrep / $best | $best GB/s | peak RSS MiB |"
    echo "$rule---|---|---|---|"
    for code in "${codes[@]}"; do
      for t in "${tolerances[@]}"; do
        row="| $code | $t |" peak=0
        for k in "${kernels[@]}"; do
          row+=" $(ratio "$corpus/$code/$t/$k" $corpus/cat) |"
          peak=$(printf '%s\n' "$peak" "$(peak_mib "$corpus/$code/$t/$k")" | sort -n | tail -n 1)
        done
        if [[ -n ${times[$corpus/$code/$t/rg]:-} ]]; then
          row+=" $(ratio "$corpus/$code/$t/rg" $corpus/cat) | $(ratio "$corpus/$code/$t/rg" "$corpus/$code/$t/$best") |"
        else
          row+=" – | – |"
        fi
        echo "$row $(gbps "$corpus/$code/$t/$best" "$bytes") | $peak |"
      done
    done
    echo
  } >>"$out"
  echo "$corpus cat $(gbps $corpus/cat "$bytes")" >>"$work/plot.dat"
  for k in "${kernels[@]}"; do echo "$corpus $k $(gbps "$corpus/EDDF/1/$k" "$bytes")" >>"$work/plot.dat"; done
done

# --- the per-offset method as first designed, on 16 MiB ---------------------
measure --once "design=$repo/$build/vorlane-bench-design '$dir/sample16.bgl' EDDF 1"
{
  echo "### The per-offset method (a seek and four single-byte reads per offset), 16 MiB sample of BGL-like bytes"
  echo
  echo "$(ms design) ms for 16 MiB; extrapolated to 1 GiB: $(ratio design bgl/cat 64) x cat," \
    "$(ratio design bgl/EDDF/1/${kernels[-1]} 64) x the ${kernels[-1]} scan."
  echo
} >>"$out"

# --- many files ---------------------------------------------------------------
# Every kernel with the default number of threads (one per core, at most 8), and the
# default kernel scanning one file at a time, to show what scanning ahead gains.
many_bytes=$(size_of "$dir"/many/*.bgl)
files=$(ls "$dir"/many/*.bgl | wc -l)
best=${kernels[-1]}
threads=$(($(nproc) < 8 ? $(nproc) : 8))
runs=("many/cat=cat '$dir'/many/*.bgl")
for k in "${kernels[@]}"; do runs+=("many/$k=VORLANE_KERNEL=$k $scan '$dir/many/list.txt' EDDF 1"); done
runs+=("many/one=$scan --threads 1 '$dir/many/list.txt' EDDF 1")
measure "${runs[@]}"
echo "many cat $(gbps many/cat "$many_bytes")" >>"$work/plot.dat"
for k in "${kernels[@]}"; do echo "many $k $(gbps "many/$k" "$many_bytes")" >>"$work/plot.dat"; done
{
  echo "### Many files: $files files, $((many_bytes >> 20)) MiB in all, code EDDF, tolerance 1"
  echo
  echo "| run | ms | ratio to cat | GB/s | peak RSS MiB |"
  echo "|---|---|---|---|---|"
  echo "| cat of all files | $(ms many/cat) | 1.00 | $(gbps many/cat "$many_bytes") | $(peak_mib many/cat) |"
  for k in "${kernels[@]}"; do
    echo "| vorlane-scan, $k, $threads threads | $(ms many/$k) | $(ratio many/$k many/cat) | $(gbps many/$k "$many_bytes") | $(peak_mib many/$k) |"
  done
  echo "| vorlane-scan, $best, --threads 1 | $(ms many/one) | $(ratio many/one many/cat) | $(gbps many/one "$many_bytes") | $(peak_mib many/one) |"
  echo
  echo "Speed-up of $threads threads over one: $(ratio many/one many/$best)."
  echo
} >>"$out"

# --- worst case and list length -----------------------------------------------
measure --once "zeros4=$scan '$dir/zeros4.txt' '' 0" "zeros16=$scan '$dir/zeros16.txt' '' 0"
rm -f "$dir/.txt"  # the empty code's result file: 2 GiB of records
measure "missing10k=$scan '$dir/missing10k.txt' EDDF 1" "missing100k=$scan '$dir/missing100k.txt' EDDF 1"
{
  echo "### Worst case: zero bytes, the empty code, tolerance 0 (two records per offset, each its own write)"
  echo
  echo "| file | ms | records | records per second | peak RSS MiB |"
  echo "|---|---|---|---|---|"
  for mib in 4 16; do
    records=$((2 * ((mib << 20) - 3)))
    echo "| $mib MiB | $(ms zeros$mib) | $records | $(awk -v r=$records -v us="$(median zeros$mib)" 'BEGIN {printf "%.0f", r / us * 1e6}') | $(peak_mib zeros$mib) |"
  done
  echo
  echo "16 MiB against 4 MiB: $(ratio zeros16 zeros4) x the time (linear: 4)."
  echo
  echo "### List length: entries that name no file"
  echo
  echo "| entries | ms | peak RSS MiB |"
  echo "|---|---|---|"
  echo "| 10,000 | $(ms missing10k) | $(peak_mib missing10k) |"
  echo "| 100,000 | $(ms missing100k) | $(peak_mib missing100k) |"
  echo
  echo "100,000 entries against 10,000: $(ratio missing100k missing10k) x the time (linear: 10)."
} >>"$out"

cat "$out"

# --- plot -------------------------------------------------------------------
{
  echo "set terminal pngcairo size 900,500 noenhanced"
  echo "set output '$plot'"
  echo "set title 'Throughput on 1 GiB, warm cache, code EDDF, tolerance 1; cat is the floor'"
  echo "set ylabel 'GB/s'"
  echo "set style data histogram"
  echo "set style histogram cluster gap 1"
  echo "set style fill solid border -1"
  echo "set key top right"
  echo "set grid ytics"
  echo "set yrange [0:*]"
  printf "plot "
  sep=""
  for impl in cat "${kernels[@]}"; do
    printf "%s'%s' using 2:xtic(1) title '%s'" "$sep" "$work/plot-$impl.dat" "$impl"
    sep=", "
  done
  echo
} >"$work/plot.gp"
for impl in cat "${kernels[@]}"; do
  for corpus in random bgl many; do
    value=$(awk -v c=$corpus -v i="$impl" '$1 == c && $2 == i {print $3}' "$work/plot.dat")
    echo "$corpus ${value:-0}"
  done >"$work/plot-$impl.dat"
done
gnuplot "$work/plot.gp"
echo
echo "Plot: $plot"
