#!/usr/bin/env bash
# Sets up the machine, builds every configuration and runs every test:
#   native (with AddressSanitizer and UndefinedBehaviorSanitizer), 64-bit Windows under
#   wine64, 32-bit Windows (the release build) under the 32-bit Wine loader where this
#   machine can run 32-bit programs (built only where it cannot), and the fuzz targets
#   over their kept inputs.
# Exits non-zero when anything fails to build, any test fails, or no test ran.
set -uo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
cd "$top"
jobs=$(nproc)
# Paths below the checkout are hashed relative to it, and the build folder is left out
# of the hash of objects with debug information, so a fresh clone elsewhere reuses the
# compile cache of an earlier run (its debug information then names that run's folder).
export CCACHE_BASEDIR=${CCACHE_BASEDIR:-$top} CCACHE_NOHASHDIR=${CCACHE_NOHASHDIR:-1}
bash tools/setup.sh || exit 1

fail=0
passed=0
failed=0
step() { echo; echo "=== $*"; }

count() {  # adds a ctest log's totals to ours
  local line
  line=$(grep -E 'tests passed, [0-9]+ tests failed out of [0-9]+' "$1" | tail -1)
  [ -n "$line" ] || return
  local total bad
  total=$(sed -E 's/.*out of ([0-9]+).*/\1/' <<<"$line")
  bad=$(sed -E 's/.* ([0-9]+) tests failed.*/\1/' <<<"$line")
  passed=$((passed + total - bad))
  failed=$((failed + bad))
}

build() {  # build DIR [cmake args...]
  local dir=$1; shift
  cmake -S . -B "$dir" -G Ninja "$@" >"$dir.configure.log" 2>&1 || { cat "$dir.configure.log"; return 1; }
  cmake --build "$dir" -j "$jobs"
}

mkdir -p build

# The server book's tests share one private PostgreSQL cluster, stopped at the end
# whatever happened; every build's tests find it through QH_TEST_SERVER.
step "the private PostgreSQL cluster for the server book's tests"
trap 'bash tools/pg-test-cluster.sh stop build/pg >/dev/null 2>&1' EXIT
if QH_TEST_SERVER=$(bash tools/pg-test-cluster.sh start build/pg); then
  export QH_TEST_SERVER
else
  echo "the test cluster did not start: the server book's tests will fail"
fi

step "native build with sanitizers"
if build build/native -DQH_SANITIZE=ON; then
  (cd build/native && ctest --output-on-failure -j "$jobs") | tee build/native.test.log
  [ "${PIPESTATUS[0]}" -eq 0 ] || fail=1
  count build/native.test.log
else
  fail=1
fi

# wine_tests DIR BITS: runs a Windows build's tests under Wine on a virtual display of its
# own. Wine's services and its desktop process outlive the program that started them
# and write to its error output, so ctest waits for them; and a test that starts as they
# and the Wine server go away cannot reach the server. So a keeper starts them first,
# writing nowhere (rundll32 makes a window, which brings up the desktop), and holds them
# until the last test is done, waiting on a pipe that is closed then.
source tools/hold-printers.sh
wine_tests() {
  local dir=$1 bits=$2 display=97 xvfb keep
  local prefix=$top/$dir/wineprefix server=/usr/lib/wine/wineserver
  while [ -e "/tmp/.X$display-lock" ]; do display=$((display + 1)); done
  Xvfb ":$display" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
  xvfb=$!
  sleep 1
  local -x DISPLAY=":$display"
  bash tools/wine-run.sh --prefix "$prefix" --bits "$bits" cmd /c exit >/dev/null 2>&1
  exec {keep}> >(exec bash tools/wine-run.sh --prefix "$prefix" --bits "$bits" \
    cmd /c "rundll32.exe user32.dll,LockWorkStation & pause" >/dev/null 2>&1)
  for _ in $(seq 100); do pgrep -f 'explorer.exe /desktop' >/dev/null && break; sleep 0.2; done
  hold_printers "$prefix" "$bits" "$dir/tools/hold_printers.exe" ||
    echo "Windows does not see the CUPS PDF queues here: the printing tests say why"
  (
    exec {keep}>&-
    [ -z "${held_printers:-}" ] || exec {held_printers}>&-
    cd "$dir" && ctest --output-on-failure --timeout 600 -j "$jobs"
  ) | tee "$dir.test.log"
  [ "${PIPESTATUS[0]}" -eq 0 ] || fail=1
  count "$dir.test.log"
  release_printers
  exec {keep}>&-
  WINEPREFIX=$prefix timeout 60 "$server" -w || WINEPREFIX=$prefix "$server" -k
  kill "$xvfb" 2>/dev/null
}

step "the PDF printer the printing tests print to"
bash tools/cups-pdf.sh >/dev/null || echo "printing tests will skip: the CUPS PDF printer could not be set up"

step "64-bit Windows build, tests under Wine"
if build build/win64 -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake -DCMAKE_BUILD_TYPE=Release; then
  wine_tests build/win64 64
else
  fail=1
fi

step "32-bit Windows build (the release program), tests under the 32-bit Wine loader"
if build build/win32 -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-i686.cmake -DCMAKE_BUILD_TYPE=Release -DQH_TESTS=ON; then
  if bash tools/wine-run.sh --can-run-32; then
    wine_tests build/win32 32
  else
    echo "32-bit tests not run: no working 32-bit Wine loader here (not installed, or the machine cannot run 32-bit programs); built only"
  fi
else
  fail=1
fi

step "fuzz targets over their kept inputs"
if build build/fuzz -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ -DQH_FUZZ=ON -DQH_TESTS=OFF; then
  for target in build/fuzz/fuzz/fuzz_*; do
    [ -x "$target" ] || continue
    name=$(basename "$target")
    corpus=fuzz/corpus/${name#fuzz_}
    if [ -d "$corpus" ]; then
      if "$target" -runs=0 "$corpus" >"build/$name.log" 2>&1; then
        passed=$((passed + 1)); echo "fuzz $name: kept inputs pass"
      else
        failed=$((failed + 1)); fail=1; echo "fuzz $name: FAILED"; tail -30 "build/$name.log"
      fi
    fi
  done
else
  fail=1
fi

echo
[ "$passed" -gt 0 ] || { echo "no test ran"; fail=1; }
echo "$passed passed, $failed failed"
exit $fail
