#!/usr/bin/env bash
# The test command: installs what is missing, then configures, builds and tests
# every preset, and fuzzes each fuzz target briefly.
#
#   tools/test.sh [native] [sanitize] [windows] [windows32] [release] [fuzz]
#                                                       (default: all six)
#
# native, sanitize, windows, windows32: cmake --preset, cmake --build --preset,
# ctest --preset.  The Windows tests run under Wine inside one Xvfb display
# started here for each preset's ctest run; windows32's need the 32-bit Wine
# loader, which runs only where the kernel runs 32-bit x86 programs: where it
# cannot, the preset is built and its tests are reported as not run (counted
# as skipped, never as passed).
# A Windows test program that fails is run once more: passing then, it counts
# as passed and the summary names it; what it printed on failing is shown
# near the end either way, with every other failed check.
# When both windows and windows32 were built, their Vostarel.dll files are
# compared: the same exports, resources and version block (tools/pe_summary.py),
# counted as one more result.
# windows also runs tools/soak.sh for VOSTAREL_SOAK_MINUTES (default 1) without
# faults and again with 20 per mille of the platform calls failing.
# release: tools/release.sh for the architectures whose Windows preset was
# built in this run, then tests/release/install_test.sh on each user archive
# (one result per archive; not run where that build's Wine cannot run).
# fuzz: builds the fuzz preset and runs each program in build/fuzz/tests/fuzz
# for VOSTAREL_FUZZ_SECONDS (default 30), seeded from tests/fuzz/corpus/NAME/.
#
# Exits non-zero if any step fails.  The last line is "N passed, M failed"
# (with ", K skipped" when a preset's tests could not run here):
# the ctest results of all presets added up, plus one per fuzz target run and
# one per soak run, plus
# one failure for each configure or build step that failed (its tests never
# ran, so they could not be counted otherwise).
set -uo pipefail

cd "$(dirname "${BASH_SOURCE[0]}")/.." || exit 2
root="$(pwd)"
logdir="$root/build/test-logs"
fuzz_seconds="${VOSTAREL_FUZZ_SECONDS:-30}"

if [[ $# -gt 0 ]]; then
  wanted=("$@")
else
  wanted=(native sanitize windows windows32 release fuzz)
fi
for w in "${wanted[@]}"; do
  case "$w" in
    native|sanitize|windows|windows32|release|fuzz) ;;
    *) echo "test.sh: unknown preset '$w' (native, sanitize, windows, windows32, release, fuzz)" >&2; exit 2 ;;
  esac
done

total_passed=0
total_failed=0
total_skipped=0
built_windows=()
summary=()
run_started=$SECONDS

banner() { printf '\n======== %s ========\n' "$*"; }
elapsed() { local s=$(( SECONDS - $1 )); printf '%dm%02ds' $((s / 60)) $((s % 60)); }

# --- Xvfb: one display for the whole Windows test run ------------------------
xvfb_pid=""
start_xvfb() {
  local numfile="$logdir/xvfb.display"
  rm -f "$numfile"
  # -displayfd: Xvfb picks a free display number itself and writes it once it
  # accepts connections, so parallel runs on one machine cannot collide.
  Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp -noreset \
    3>"$numfile" >"$logdir/xvfb.log" 2>&1 &
  xvfb_pid=$!
  for _ in $(seq 100); do
    [[ -s "$numfile" ]] && break
    kill -0 "$xvfb_pid" 2>/dev/null || break
    sleep 0.1
  done
  if [[ ! -s "$numfile" ]]; then
    echo "test.sh: Xvfb did not start:" >&2
    cat "$logdir/xvfb.log" >&2
    stop_xvfb
    return 1
  fi
  DISPLAY=":$(head -n1 "$numfile")"
  export DISPLAY
  echo "test.sh: Xvfb (pid $xvfb_pid) on DISPLAY=$DISPLAY"
}
stop_xvfb() {
  if [[ -n "$xvfb_pid" ]]; then
    kill "$xvfb_pid" 2>/dev/null
    wait "$xvfb_pid" 2>/dev/null
    xvfb_pid=""
  fi
  unset DISPLAY
}
trap stop_xvfb EXIT

# The Wine loader of a Windows preset: 64-bit, or the 32-bit one (wine32).
wine_loader() {
  if [[ "$1" == windows32 ]]; then
    echo "${VOSTAREL_WINE32:-/usr/lib/wine/wine}"
  else
    echo "${VOSTAREL_WINE:-/usr/lib/wine/wine64}"
  fi
}

# Lets a Windows build tree's wineserver (and with it Wine's desktop process)
# end on its own before the X server goes away.
drain_wineserver() {
  local preset="$1"
  local prefix="$root/build/$preset/wineprefix"
  local server
  server="$(dirname "$(wine_loader "$preset")")/wineserver"
  [[ -x "$server" ]] || server="$(command -v wineserver || true)"
  [[ -n "$server" && -d "$prefix" ]] || return 0
  if ! WINEPREFIX="$prefix" timeout 60 "$server" -w; then
    echo "test.sh: wineserver still busy after 60 s; stopping it"
    WINEPREFIX="$prefix" "$server" -k || true
  fi
}

# --- ctest result parsing ------------------------------------------------------
# Adds a ctest log's counts to the totals and returns them in
# ctest_passed / ctest_failed.  ctest ends with
#   "NN% tests passed, F tests failed out of T"
# A ctest that failed without that line (no tests found, a crash) counts as
# one failure.
count_ctest() {
  local log="$1" rc="$2" line
  ctest_passed=0
  ctest_failed=0
  line="$(grep -Eo '[0-9]+% tests passed, [0-9]+ tests? failed out of [0-9]+' "$log" | tail -n1)"
  if [[ -n "$line" ]]; then
    local failed total
    failed="$(sed -E 's/.* ([0-9]+) tests? failed.*/\1/' <<<"$line")"
    total="$(sed -E 's/.*out of ([0-9]+)$/\1/' <<<"$line")"
    ctest_failed=$failed
    ctest_passed=$(( total - failed ))
  fi
  if [[ $rc -ne 0 && $ctest_failed -eq 0 ]]; then
    ctest_failed=1
  fi
  total_passed=$(( total_passed + ctest_passed ))
  total_failed=$(( total_failed + ctest_failed ))
  if [[ $rc -ne 0 ]]; then note_failures "$log"; fi
}

# What each failing GoogleTest check printed, kept for the end of the run: a
# long run's middle is easily lost, its last lines are what gets read.
failures=()
note_failures() {
  local found
  found="$(grep -E -A8 '^[^ ]*(:[0-9]+:|\([0-9]+\):) (Failure|error)|^unknown file: Failure' "$1" | head -n 40)"
  [[ -n "$found" ]] && failures+=("from $1:" "$found")
  found="$(grep -E '^\[  FAILED  \] [^0-9]' "$1" | sort -u | head -n 10)"
  [[ -n "$found" ]] && failures+=("$found")
}

# --- one preset: configure, build, test ----------------------------------------
run_preset() {
  local preset="$1" started=$SECONDS again=""
  local log="$logdir/$preset"
  banner "$preset: configure"
  if ! cmake --preset "$preset" 2>&1 | tee "$log.configure.log"; then
    summary+=("$(printf '%-9s FAILED at configure (%s), log %s' "$preset" "$(elapsed "$started")" "$log.configure.log")")
    total_failed=$(( total_failed + 1 ))
    return 1
  fi
  banner "$preset: build"
  if ! cmake --build --preset "$preset" 2>&1 | tee "$log.build.log"; then
    summary+=("$(printf '%-9s FAILED at build (%s), log %s' "$preset" "$(elapsed "$started")" "$log.build.log")")
    total_failed=$(( total_failed + 1 ))
    return 1
  fi
  banner "$preset: test"
  local rc
  if [[ "$preset" == windows* ]]; then
    built_windows+=("$preset")
    local loader
    loader="$(wine_loader "$preset")"
    if ! "$loader" --version >/dev/null 2>&1; then
      echo "test.sh: $loader does not run on this machine; $preset's tests are not run" | tee "$log.test.log"
      summary+=("$(printf '%-9s NOT RUN: built, but %s does not run here (not installed, or no 32-bit x86 programs on this kernel)' "$preset" "$loader")")
      total_skipped=$(( total_skipped + 1 ))
      return 0
    fi
    if ! start_xvfb; then
      summary+=("$(printf '%-9s FAILED: no X server' "$preset")")
      total_failed=$(( total_failed + 1 ))
      return 1
    fi
    ctest --preset "$preset" 2>&1 | tee "$log.test.log"
    rc=${PIPESTATUS[0]}
    count_ctest "$log.test.log" "$rc"
    # A Wine GUI test that fails once and passes when run again is reported
    # by name (and what it printed is kept for the end of the run); one that
    # fails twice fails the run.
    if [[ $rc -ne 0 && $ctest_failed -gt 0 ]]; then
      banner "$preset: the failed test programs once more"
      ctest --preset "$preset" --rerun-failed 2>&1 | tee "$log.retest.log"
      if [[ ${PIPESTATUS[0]} -eq 0 ]]; then
        again="; $ctest_failed passed only when run again: $(failed_names "$log.test.log")"
        total_failed=$(( total_failed - ctest_failed ))
        total_passed=$(( total_passed + ctest_failed ))
        ctest_passed=$(( ctest_passed + ctest_failed ))
        ctest_failed=0
        rc=0
      fi
    fi
    drain_wineserver "$preset"
    stop_xvfb
  else
    ctest --preset "$preset" 2>&1 | tee "$log.test.log"
    rc=${PIPESTATUS[0]}
    count_ctest "$log.test.log" "$rc"
  fi
  local state=ok
  [[ $rc -eq 0 ]] || state=FAILED
  summary+=("$(printf '%-9s %-6s ctest: %d passed, %d failed (%s)%s' "$preset" "$state" "$ctest_passed" "$ctest_failed" "$(elapsed "$started")" "$again")")
  [[ $rc -eq 0 ]]
}

# The test programs ctest reported failed in a log, on one line.
failed_names() {
  grep -Eo '^[[:space:]]*[0-9]+ - [^ ]+' "$1" | sed -E 's/^[[:space:]]*[0-9]+ - //' | sort -u | tr '\n' ' ' | sed 's/ $//'
}

# --- soak: the phone in use for a minute, without and with faults ------------------
# tools/soak.sh needs vostarel-search from the native build: built here when
# the native preset did not run first.
soak_minutes="${VOSTAREL_SOAK_MINUTES:-1}"
run_soak() {
  local started=$SECONDS ok=0 bad=0 faults
  banner "soak: ${soak_minutes} min without faults, ${soak_minutes} min with"
  if [[ ! -x build/native/tools/vostarel-search ]]; then
    if ! { cmake --preset native && cmake --build --preset native --target vostarel-search; } \
        >"$logdir/soak.native-build.log" 2>&1; then
      summary+=("$(printf '%-9s FAILED: vostarel-search could not be built, log %s' soak "$logdir/soak.native-build.log")")
      total_failed=$(( total_failed + 1 ))
      return 1
    fi
  fi
  for faults in 0 20; do
    if tools/soak.sh --minutes "$soak_minutes" --faults "$faults" --seed 1 2>&1 | tee "$logdir/soak-f$faults.log"; then
      ok=$(( ok + 1 ))
    else
      bad=$(( bad + 1 ))
    fi
  done
  total_passed=$(( total_passed + ok ))
  total_failed=$(( total_failed + bad ))
  local state=ok
  [[ $bad -eq 0 ]] || state=FAILED
  summary+=("$(printf '%-9s %-6s 2 runs: %d passed, %d failed (%s)' soak "$state" "$ok" "$bad" "$(elapsed "$started")")")
  [[ $bad -eq 0 ]]
}

# --- release: the archives, installed as their guide says ----------------------
run_release() {
  local started=$SECONDS ok=0 bad=0 skipped=0 arches=() preset arch archive loader
  banner "release"
  for preset in "${built_windows[@]}"; do
    [[ $preset == windows ]] && arches+=(x86_64) || arches+=(i686)
  done
  if [[ ${#arches[@]} -eq 0 ]]; then
    echo "test.sh: release needs a Windows preset built first (windows, windows32)"
    summary+=("$(printf '%-9s NOT RUN: no Windows preset was built in this run' release)")
    total_skipped=$(( total_skipped + 1 ))
    return 0
  fi
  if ! tools/release.sh "${arches[@]}" 2>&1 | tee "$logdir/release.log"; then
    summary+=("$(printf '%-9s FAILED at tools/release.sh, log %s' release "$logdir/release.log")")
    total_failed=$(( total_failed + 1 ))
    return 1
  fi
  if ! start_xvfb; then
    summary+=("$(printf '%-9s FAILED: no X server' release)")
    total_failed=$(( total_failed + 1 ))
    return 1
  fi
  for arch in "${arches[@]}"; do
    [[ $arch == x86_64 ]] && preset=windows || preset=windows32
    archive=$(ls dist/vostarel-*-"$arch".zip | LC_ALL=C sort | tail -n1)
    loader="$(wine_loader "$preset")"
    if ! "$loader" --version >/dev/null 2>&1; then
      echo "test.sh: $loader does not run here; $(basename "$archive") is not installed"
      skipped=$(( skipped + 1 ))
      continue
    fi
    if VOSTAREL_WINE="$loader" tests/release/install_test.sh "$archive" "build/$preset/bin" \
        "build/release-test/$arch" 2>&1 | tee "$logdir/release-install-$arch.log"; then
      ok=$(( ok + 1 ))
    else
      bad=$(( bad + 1 ))
    fi
  done
  stop_xvfb
  total_passed=$(( total_passed + ok ))
  total_failed=$(( total_failed + bad ))
  total_skipped=$(( total_skipped + skipped ))
  local state=ok
  [[ $bad -eq 0 ]] || state=FAILED
  summary+=("$(printf '%-9s %-6s archives installed: %d passed, %d failed, %d not run (%s)' release "$state" "$ok" "$bad" "$skipped" "$(elapsed "$started")")")
  [[ $bad -eq 0 ]]
}

# --- fuzz smoke run --------------------------------------------------------------
run_one_fuzzer() {
  local bin="$1" name work seeds
  name="$(basename "$bin")"
  work="$root/build/fuzz/run/$name"
  rm -rf "$work"
  mkdir -p "$work/corpus" "$work/artifacts"
  # libFuzzer writes new inputs into the first corpus folder only, so the
  # committed seeds (second folder) are read but never changed.
  seeds=()
  [[ -d "$root/tests/fuzz/corpus/$name" ]] && seeds=("$root/tests/fuzz/corpus/$name")
  timeout $(( fuzz_seconds + 300 )) "$bin" \
    -max_total_time="$fuzz_seconds" -timeout=25 -rss_limit_mb=2048 -print_final_stats=1 \
    -artifact_prefix="$work/artifacts/" "$work/corpus" "${seeds[@]}" \
    >"$work/fuzz.log" 2>&1
  echo $? >"$work/rc"
}

run_fuzz() {
  local started=$SECONDS
  if [[ ! -f tests/fuzz/CMakeLists.txt ]]; then
    summary+=("$(printf '%-9s skipped: tests/fuzz has no CMakeLists.txt' fuzz)")
    return 0
  fi
  banner "fuzz: configure"
  if ! cmake --preset fuzz 2>&1 | tee "$logdir/fuzz.configure.log"; then
    summary+=("$(printf '%-9s FAILED at configure' fuzz)")
    total_failed=$(( total_failed + 1 ))
    return 1
  fi
  banner "fuzz: build"
  if ! cmake --build --preset fuzz 2>&1 | tee "$logdir/fuzz.build.log"; then
    summary+=("$(printf '%-9s FAILED at build' fuzz)")
    total_failed=$(( total_failed + 1 ))
    return 1
  fi
  local fuzzers=()
  mapfile -t fuzzers < <(find build/fuzz/tests/fuzz -maxdepth 1 -type f -executable 2>/dev/null | sort)
  if [[ ${#fuzzers[@]} -eq 0 ]]; then
    summary+=("$(printf '%-9s no fuzz programs were built' fuzz)")
    return 0
  fi
  banner "fuzz: ${#fuzzers[@]} target(s), ${fuzz_seconds} s each, two at a time"
  local bin
  for bin in "${fuzzers[@]}"; do
    echo "fuzzing $(basename "$bin")"
    run_one_fuzzer "$bin" &
    while [[ $(jobs -rp | wc -l) -ge 2 ]]; do wait -n; done
  done
  wait
  local ok=0 bad=0 name work rc
  for bin in "${fuzzers[@]}"; do
    name="$(basename "$bin")"
    work="build/fuzz/run/$name"
    rc="$(cat "$work/rc" 2>/dev/null || echo 1)"
    if [[ "$rc" == 0 ]]; then
      ok=$(( ok + 1 ))
      echo "fuzz $name: ok ($(grep -Eo 'stat::number_of_executed_units: *[0-9]+' "$work/fuzz.log" | grep -Eo '[0-9]+$' || echo '?') runs)"
    else
      bad=$(( bad + 1 ))
      echo "fuzz $name: FAILED (exit $rc); last lines of $work/fuzz.log:"
      tail -n 40 "$work/fuzz.log"
      echo "artifacts: $(ls "$work/artifacts" 2>/dev/null | tr '\n' ' ')"
    fi
  done
  total_passed=$(( total_passed + ok ))
  total_failed=$(( total_failed + bad ))
  local state=ok
  [[ $bad -eq 0 ]] || state=FAILED
  summary+=("$(printf '%-9s %-6s %d target(s) x %d s: %d passed, %d failed (%s)' fuzz "$state" "${#fuzzers[@]}" "$fuzz_seconds" "$ok" "$bad" "$(elapsed "$started")")")
  [[ $bad -eq 0 ]]
}

# --- the two Windows builds offer the same ---------------------------------------
compare_windows_builds() {
  banner "Vostarel.dll: x86_64 against i686"
  local a="build/windows/bin/Vostarel.dll" b="build/windows32/bin/Vostarel.dll"
  if python3 tools/pe_summary.py --compare "$a" "$b" 2>&1 | tee "$logdir/compare-dlls.log"; then
    total_passed=$(( total_passed + 1 ))
    summary+=("$(printf '%-9s ok     the two Vostarel.dll builds: same exports, resources, version block' compare)")
  else
    total_failed=$(( total_failed + 1 ))
    summary+=("$(printf '%-9s FAILED the two Vostarel.dll builds differ, log %s' compare "$logdir/compare-dlls.log")")
    return 1
  fi
}

# --- main ----------------------------------------------------------------------
mkdir -p "$logdir"
overall=0

banner "dependencies"
if ! bash tools/install-deps.sh; then
  echo "test.sh: installing dependencies failed" >&2
  echo "0 passed, 1 failed"
  exit 1
fi

for w in "${wanted[@]}"; do
  case "$w" in
    fuzz) run_fuzz || overall=1 ;;
    release) run_release || overall=1 ;;
    windows) run_preset windows || overall=1; run_soak || overall=1 ;;
    *) run_preset "$w" || overall=1 ;;
  esac
done
if [[ " ${built_windows[*]} " == *" windows "* && " ${built_windows[*]} " == *" windows32 "* ]]; then
  compare_windows_builds || overall=1
fi

if [[ ${#failures[@]} -gt 0 ]]; then
  banner "checks that failed (also those that passed when run again)"
  printf '%s\n' "${failures[@]}"
fi
banner "summary"
for line in "${summary[@]}"; do
  echo "$line"
done
echo "logs in $logdir; total time $(elapsed "$run_started")"
if [[ $overall -ne 0 ]]; then
  echo "RESULT: FAILED"
else
  echo "RESULT: all passed"
fi
if [[ $total_skipped -gt 0 ]]; then
  echo "$total_passed passed, $total_failed failed, $total_skipped skipped"
else
  echo "$total_passed passed, $total_failed failed"
fi
exit $overall
