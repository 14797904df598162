#!/usr/bin/env bash
# smoke-test.sh WINE_RUN PREFIX EXE: starts the real exe under Wine, pays 130
# with the keyboard alone, and reads the result off the screen: the total box
# must show 130 and the marks of 100, 20 and 10 alone must be set.
set -euo pipefail
wine_run=$1 prefix=$2 exe=$3
export LC_ALL=C.UTF-8  # Wine's file names and window titles, whatever the caller's locale
work=$(mktemp -d)
trap 'kill "$program" 2>/dev/null || true; rm -rf "$work"' EXIT

"$wine_run" "$prefix" "$exe" &
program=$!
window=$(timeout 60 xdotool search --sync --limit 1 --onlyvisible --class banknotes)
xdotool windowactivate --sync "$window" 2>/dev/null || xdotool windowfocus --sync "$window"
sleep 1

# The focus starts on the mark of 100; the amount box is 15 stops on, and
# "Въведи" 2 after it.
xdotool key --delay 30 $(printf 'Tab %.0s' {1..15}) 1 3 0 Tab Tab Return
sleep 1
import -window root "$work/screen.png"

# Wine draws the frame itself: the client area sits at the bottom, centred.
eval "$(xdotool getwindowgeometry --shell "$window")"
border=$(((WIDTH - 519) / 2))
left=$((X + border)) top=$((Y + HEIGHT - 390 - border))
at() { echo "$1x$2+$((left + $3))+$((top + $4))"; }

# The total box is 97 by 27 pixels at (192, 64).
convert "$work/screen.png" -crop "$(at 93 23 194 66)" -resize 400% -colorspace gray \
  "$work/total.png"
total=$(tesseract "$work/total.png" - --psm 7 -c tessedit_char_whitelist=0123456789 2>/dev/null |
  tr -d '[:space:]')

# Each mark's box: a check mark is dark, an empty box has none.
marks=
for k in 0 1 2 3 4 5 6; do
  dark=$(convert "$work/screen.png" -crop "$(at 20 25 16 $((40 + 24 * k)))" -colorspace gray \
    -threshold 35% -format '%[fx:int((1-mean)*w*h)]' info:)
  [ "$dark" -gt 10 ] && marks+=1 || marks+=0
done

echo "total read off the screen: '$total', marks: $marks"
if [ "$total" != 130 ] || [ "$marks" != 1011000 ]; then
  cp "$work/screen.png" "${SMOKE_SCREENSHOT:-$PWD/exe_smoke.png}"
  echo "expected total 130 and marks 1011000; the screen is in ${SMOKE_SCREENSHOT:-$PWD/exe_smoke.png}"
  exit 1
fi
