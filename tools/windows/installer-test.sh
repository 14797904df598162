#!/usr/bin/env bash
# installer-test.sh PREFIX INSTALLER: a round trip of the installer under Wine, in
# the Wine prefix PREFIX. Installs silently, checks the program, its Start-menu
# entry and its entry among the installed programs, starts the installed
# program, uninstalls silently and checks that nothing of it is left.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
prefix=$1 installer=$2
# Wine names files and reads arguments in the Unix locale's encoding.
export LC_ALL=C.UTF-8
wine_run() { "$here/wine-run.sh" "$prefix" "$@"; }
fail() {
  echo "installer test: $*" >&2
  exit 1
}

folder="$prefix/drive_c/Program Files/Банкноти"
menu="$prefix/drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs/Банкноти"
key='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\banknotes'
value() { wine_run reg query "$key" /v "$1" 2>/dev/null | tr -d '\r' | awk -v name="$1" '$1 == name { $1 = $2 = ""; sub(/^ +/, ""); print }'; }

[ ! -e "$folder" ] || fail "a program from an earlier run is still installed in $folder"

# On a Bulgarian system it speaks Bulgarian: the title of its first page, left
# without installing. The locale is made here; the system's are left alone.
locales=$(mktemp -d)
trap 'rm -rf "$locales"' EXIT
localedef -i bg_BG -f UTF-8 "$locales/bg_BG.UTF-8"
LOCPATH=$locales LANG=bg_BG.UTF-8 LC_ALL= "$here/wine-run.sh" "$prefix" "$installer" &
page=$(timeout 60 xdotool search --sync --limit 1 --onlyvisible --class win64) ||
  fail "the installer opened no window"
sleep 1
title=$(xdotool getwindowname "$page" | sed 's/ *$//')
wine_run taskkill /F /IM "$(basename "$installer")" >/dev/null
wait || true
[ "$title" = "Инсталиране на Банкноти" ] || fail "in Bulgarian its first page reads '$title'"
echo "in Bulgarian the installer's first page reads '$title'"

wine_run "$installer" /S
for file in banknotes.exe LICENSE.txt Uninstall.exe; do
  [ -f "$folder/$file" ] || fail "$file is not installed in $folder"
done
[ -f "$menu/Банкноти.lnk" ] || fail "no Start-menu entry Банкноти.lnk in $menu"
[ "$(value DisplayVersion)" = 1.0.0 ] || fail "installed programs: version '$(value DisplayVersion)'"
[ "$(value Publisher)" = "banknotes contributors" ] ||
  fail "installed programs: publisher '$(value Publisher)'"
[[ "$(value DisplayIcon)" == *'\banknotes.exe' ]] ||
  fail "installed programs: icon '$(value DisplayIcon)'"
[ -n "$(value DisplayName)" ] || fail "installed programs: no name"
echo "installed: $(cd "$folder" && echo *), Start menu: $(cd "$menu" && echo *)"

# The installed program opens its window; a screenshot of it is kept.
wine_run "$folder/banknotes.exe" &
program=$!
window=$(timeout 60 xdotool search --sync --limit 1 --onlyvisible --class banknotes) ||
  fail "the installed program opened no window"
sleep 1
mkdir -p "$(dirname "$installer")/screenshots"
import -window root "$(dirname "$installer")/screenshots/installed.png"
wine_run taskkill /IM banknotes.exe >/dev/null
wait "$program" || true

# The uninstaller copies itself away and returns at once: wait for it.
wine_run "$folder/Uninstall.exe" /S
for _ in $(seq 60); do
  [ -e "$folder" ] || break
  sleep 1
done
[ ! -e "$folder" ] || fail "$folder is left after uninstalling: $(ls "$folder")"
[ ! -e "$menu" ] || fail "the Start-menu folder is left after uninstalling"
! wine_run reg query "$key" >/dev/null 2>&1 || fail "the installed programs still list it"
! wine_run reg query 'HKLM\Software\banknotes contributors' >/dev/null 2>&1 ||
  fail "its registry key is left after uninstalling"
echo "uninstalled: no files, Start-menu entry or registry key left"
