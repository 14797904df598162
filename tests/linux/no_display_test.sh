#!/usr/bin/env bash
# no_display_test.sh PROGRAM: with no display to reach (none named, or one that
# is not there), the program says so in Bulgarian on standard error, and only
# that, and ends with status 1, not with an abort.
set -uo pipefail
program=$1
failed=0
for display in "" ":97"; do
  for mode in "" "--practice"; do
    err=$(env -u WAYLAND_DISPLAY DISPLAY="$display" QT_QPA_PLATFORM= "$program" $mode 2>&1 >/dev/null)
    status=$?
    name="display \"$display\" ${mode:-main window}"
    if [ "$status" -eq 1 ] && grep -q "няма графичен работен плот" <<<"$err" &&
      ! grep -qi "could not\|plugin\|abort" <<<"$err"; then
      echo "PASS: $name: status 1, said in Bulgarian"
    else
      echo "FAIL: $name: status $status, it said: $err"
      failed=$((failed + 1))
    fi
  done
done
[ "$failed" -eq 0 ]
