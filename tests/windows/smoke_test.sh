#!/usr/bin/env bash
# smoke_test.sh WINE_RUN PREFIX EXE: starts the real exe under Wine, pays 130
# with the keyboard alone, and reads the result off the screen: the total box
# must show 130 and the marks of 100, 20 and 10 alone must be set. Once at
# Windows' 100 % and once at 150 % display scaling (144 dpi), where the whole
# window must grow as one piece. Then the exe with --practice and with --explore,
# as their Start-menu entries start it, must open those windows.
set -euo pipefail
source "$(dirname "$0")/../../tools/display.sh"
wine_run=$1 prefix=$2 exe=$3
export LC_ALL=C.UTF-8  # Wine's file names and window titles, whatever the caller's locale
work=$(mktemp -d)
program=
set_dpi() {
  "$wine_run" "$prefix" reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$1" \
    /f >/dev/null 2>&1
}
trap 'kill $program 2>/dev/null || true; set_dpi 96; rm -rf "$work"' EXIT

# Ends the program started last and waits until no window of it is left: the
# next row would otherwise find this one, closing, and fail on it. A window
# still there after 10 s is killed.
gone() {
  kill "$program" 2>/dev/null || true
  wait "$program" 2>/dev/null || true
  local tries
  for tries in $(seq 50); do
    xdotool search --onlyvisible --class banknotes >/dev/null 2>&1 || return 0
    sleep 0.2
  done
  xdotool search --onlyvisible --class banknotes windowkill %@ 2>/dev/null || true
}

# pay_130 DPI: one row of the table.
pay_130() {
  local dpi=$1 window
  set_dpi "$dpi"
  "$wine_run" "$prefix" "$exe" &
  program=$!
  window=$(banknotes_wait_window class banknotes)
  xdotool windowactivate --sync "$window" 2>/dev/null || xdotool windowfocus --sync "$window"
  sleep 1

  # The focus starts on the mark of 100; the amount box is 15 stops on, and
  # "Въведи" 2 after it.
  xdotool key --delay 30 $(printf 'Tab %.0s' {1..15}) 1 3 0 Tab Tab Return
  sleep 1
  import -window root "$work/screen.png"

  # Places at 100 %, in pixels, grow with the dpi. Wine draws the frame itself:
  # the client area sits at the bottom, centred.
  local width=$(((519 * dpi + 48) / 96)) height=$(((390 * dpi + 48) / 96))
  eval "$(xdotool getwindowgeometry --shell "$window")"
  local border=$(((WIDTH - width) / 2))
  local left=$((X + border)) top=$((Y + HEIGHT - height - border))
  at() { echo "$(($1 * dpi / 96))x$(($2 * dpi / 96))+$((left + $3 * dpi / 96))+$((top + $4 * dpi / 96))"; }

  # The total box is 97 by 27 pixels at (192, 64).
  convert "$work/screen.png" -crop "$(at 93 23 194 66)" -resize $((400 * 96 / dpi))% \
    -colorspace gray "$work/total.png"
  local total marks= dark k
  total=$(tesseract "$work/total.png" - --psm 7 -c tessedit_char_whitelist=0123456789 \
    2>/dev/null | tr -d '[:space:]')
  # Each mark's box: a check mark is dark, an empty box has none.
  for k in 0 1 2 3 4 5 6; do
    dark=$(convert "$work/screen.png" -crop "$(at 20 25 16 $((40 + 24 * k)))" -colorspace gray \
      -threshold 35% -format '%[fx:int((1-mean)*w*h)]' info:)
    [ "$dark" -gt 10 ] && marks+=1 || marks+=0
  done
  gone

  local shot=${SMOKE_SCREENSHOT:-$PWD/exe_smoke}_$dpi.png
  mkdir -p "$(dirname "$shot")"
  cp "$work/screen.png" "$shot"
  echo "$dpi dpi: window ${WIDTH}x${HEIGHT} with Wine's frame, total read off the screen: '$total', marks: $marks"
  # The frame is a few pixels: a window that did not grow with the dpi fails here.
  if [ "$total" != 130 ] || [ "$marks" != 1011000 ] || [ $((WIDTH - width)) -lt 0 ] ||
    [ $((WIDTH - width)) -gt 20 ]; then
    echo "expected a client area of ${width}x${height}, total 130 and marks 1011000; the screen is in $shot"
    return 1
  fi
}

pay_130 96
pay_130 144

# The practice and exploring windows, by their titles, as their Start-menu
# entries start them.
for window in "--practice Упражнение" "--explore Изследване" "--steps Стъпка по стъпка"; do
  read -r option title <<<"$window"
  "$wine_run" "$prefix" "$exe" "$option" &
  program=$!
  opened=$(banknotes_wait_window name "^$title\$") || {
    echo "banknotes.exe $option opened no window titled $title"
    exit 1
  }
  eval "$(xdotool getwindowgeometry --shell "$opened")"
  echo "$option: a window '$title' of ${WIDTH}x${HEIGHT} with Wine's frame"
  gone
done
