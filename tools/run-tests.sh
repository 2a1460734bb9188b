#!/usr/bin/env bash
# Sets up, builds and runs every test. Tests that need a display get a virtual one.
# BRINDLE_SANITIZE=ON runs the suite under AddressSanitizer and UndefinedBehaviorSanitizer.
# A test that skips itself fails the run: here every test has what it needs (a display, GL, the
# tools setup-debian.sh installs), so a skip means one of them is broken.
set -euo pipefail
cd "$(dirname "$0")/.."
tools/setup-debian.sh
sanitize="${BRINDLE_SANITIZE:-OFF}"
build_dir=build
[ "$sanitize" = "ON" ] && build_dir=build-sanitize
cmake -S . -B "$build_dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBRINDLE_SANITIZE="$sanitize"
cmake --build "$build_dir" -j"$(nproc)"
run=(ctest --test-dir "$build_dir" --output-on-failure -j"$(nproc)" --timeout 300)
log=$(mktemp)
trap 'rm -f "$log"' EXIT
if [ -z "${DISPLAY:-}" ]; then
  # -noreset: by default the server resets whenever its last client leaves, between two tests, and
  # a test that connects just then cannot open the display.
  xvfb-run -a -s "-screen 0 1280x720x24 -noreset" "${run[@]}" | tee "$log"
else
  "${run[@]}" | tee "$log"
fi
if grep -q "The following tests did not run" "$log"; then
  echo "[ERROR] Some tests skipped themselves (listed above); every test must run." >&2
  exit 1
fi
