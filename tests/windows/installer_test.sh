#!/usr/bin/env bash
# installer_test.sh PREFIX INSTALLER MSI OLDER_MSI: the installers' round trips
# under Wine, in the Wine prefix PREFIX. Each row installs silently, checks the
# program, its Start-menu entry and its entry among the installed programs,
# starts the installed program, uninstalls silently and checks that nothing of
# it is left: the NSIS installer for all users and for the current user, the MSI
# for all users and for the current user, and the MSI replacing one a version
# older, which then may not come back.
set -euo pipefail
top=$(cd "$(dirname "$0")/../.." && pwd)
source "$top/tools/display.sh"
prefix=$1 installer=$2 msi=$3 older_msi=$4
# Wine names files and reads arguments in the Unix locale's encoding.
export LC_ALL=C.UTF-8
wine_run() { "$top/tools/mingw/wine-run.sh" "$prefix" "$@"; }
fail() {
  echo "installer test, $row: $*" >&2
  exit 1
}
row="first page"
name="Банкноти"
practice="$name – Упражнение"
explore="$name – Изследване"
steps="$name – Стъпка по стъпка"
windows_path() { echo "Z:$(realpath "$1" | tr / '\\')"; }
drive=$prefix/drive_c
user_profile=$drive/users/$(id -un)
# Where each kind of install puts the program and its Start-menu entry.
machine_folder="$drive/Program Files/$name"
user_folder="$user_profile/AppData/Local/Programs/$name"
machine_menu="$drive/ProgramData/Microsoft/Windows/Start Menu/Programs"
user_menu="$user_profile/AppData/Roaming/Microsoft/Windows/Start Menu/Programs"
uninstall_key='Software\Microsoft\Windows\CurrentVersion\Uninstall'
msi_property() { msiinfo export "$1" Property | tr -d '\r' | awk -v name="$2" '$1 == name { print $2 }'; }

# value HIVE\KEY NAME: a value from the registry, Cyrillic too (reg query writes
# it in the console's code page; an export is UTF-16).
value() {
  wine_run reg export "$1" 'C:\value.reg' /y >/dev/null 2>&1 || return 0
  iconv -f UTF-16 -t UTF-8 "$drive/value.reg" | tr -d '\r' |
    sed -n "s/^\"$2\"=\"\(.*\)\"\$/\1/p" | sed 's/\\\\/\\/g'
  rm -f "$drive/value.reg"
}
registered() { wine_run reg query "$1" >/dev/null 2>&1; }

for folder in "$machine_folder" "$user_folder"; do
  [ ! -e "$folder" ] || fail "a program from an earlier run is still installed in $folder"
done

# On a Bulgarian system the installer speaks Bulgarian: the title of its first
# page, left without installing. The locale is made here; the system's are left alone.
locales=$(mktemp -d)
trap 'rm -rf "$locales"' EXIT
localedef -i bg_BG -f UTF-8 "$locales/bg_BG.UTF-8"
LOCPATH=$locales LANG=bg_BG.UTF-8 LC_ALL= wine_run "$installer" &
page=$(banknotes_wait_window class win64) ||
  fail "the installer opened no window"
sleep 1
title=$(xdotool getwindowname "$page" | sed 's/ *$//')
wine_run taskkill /F /IM "$(basename "$installer")" >/dev/null
wait || true
[ "$title" = "Инсталиране на $name" ] || fail "in Bulgarian its first page reads '$title'"
echo "in Bulgarian the installer's first page reads '$title'"

# installed FOLDER MENU KEY VERSION FILE...: the program is in FOLDER with the
# FILEs, its entry in MENU, and KEY lists it among the installed programs.
installed() {
  local folder=$1 menu=$2 key=$3 version=$4 file
  shift 4
  for file in banknotes.exe LICENSE.txt "$@"; do
    [ -f "$folder/$file" ] || fail "$file is not installed in $folder"
  done
  [ -f "$menu/$name.lnk" ] || fail "no Start-menu entry $name.lnk in $menu"
  # The practice window's entry starts the same program with --practice.
  [ -f "$menu/$practice.lnk" ] || fail "no Start-menu entry $practice.lnk in $menu"
  tr -d '\0' <"$menu/$practice.lnk" | grep -q -- '--practice' ||
    fail "$practice.lnk does not start the program with --practice"
  # So does the exploring window's, with --explore.
  [ -f "$menu/$explore.lnk" ] || fail "no Start-menu entry $explore.lnk in $menu"
  tr -d '\0' <"$menu/$explore.lnk" | grep -q -- '--explore' ||
    fail "$explore.lnk does not start the program with --explore"
  # And the step-by-step window's, with --steps.
  [ -f "$menu/$steps.lnk" ] || fail "no Start-menu entry $steps.lnk in $menu"
  tr -d '\0' <"$menu/$steps.lnk" | grep -q -- '--steps' ||
    fail "$steps.lnk does not start the program with --steps"
  [ "$(value "$key" DisplayName)" = "$name" ] || fail "installed programs: name '$(value "$key" DisplayName)'"
  [ "$(value "$key" DisplayVersion)" = "$version" ] ||
    fail "installed programs: version '$(value "$key" DisplayVersion)'"
  [ "$(value "$key" Publisher)" = "banknotes contributors" ] ||
    fail "installed programs: publisher '$(value "$key" Publisher)'"
}

# starts FOLDER: the installed program opens its window; a screenshot is kept.
starts() {
  wine_run "$1/banknotes.exe" &
  local program=$!
  banknotes_wait_window class banknotes >/dev/null ||
    fail "the installed program opened no window"
  sleep 1
  mkdir -p "$(dirname "$installer")/screenshots"
  import -window root "$(dirname "$installer")/screenshots/installed-${row// /-}.png"
  wine_run taskkill /IM banknotes.exe >/dev/null
  wait "$program" || true
}

# removed FOLDER MENU KEY...: nothing is left of it. An uninstaller that copies
# itself away returns at once: wait for it.
removed() {
  local folder=$1 menu=$2 key
  shift 2
  for _ in $(seq 60); do
    [ -e "$folder" ] || break
    sleep 1
  done
  [ ! -e "$folder" ] || fail "$folder is left after uninstalling: $(ls "$folder")"
  [ ! -e "$menu/$name.lnk" ] || fail "the Start-menu entry is left after uninstalling"
  [ ! -e "$menu/$practice.lnk" ] || fail "the practice entry is left after uninstalling"
  [ ! -e "$menu/$explore.lnk" ] || fail "the exploring entry is left after uninstalling"
  [ ! -e "$menu/$steps.lnk" ] || fail "the step-by-step entry is left after uninstalling"
  for key in "$@"; do
    ! registered "$key" || fail "$key is left after uninstalling"
  done
}

version=$(msi_property "$msi" ProductVersion)

# nsis_row ROW MODE FOLDER MENU HIVE: one install, for all users or the current.
nsis_row() {
  row=$1 mode=$2 folder=$3 menu=$4 hive=$5
  wine_run "$installer" /S $mode
  installed "$folder" "$menu" "$hive\\$uninstall_key\\banknotes" "$version" Uninstall.exe
  [[ "$(value "$hive\\$uninstall_key\\banknotes" DisplayIcon)" == *'\banknotes.exe' ]] ||
    fail "installed programs: no icon"
  starts "$folder"
  # Its uninstaller finds by itself where it was installed.
  wine_run "$folder/Uninstall.exe" /S
  removed "$folder" "$menu" "$hive\\$uninstall_key\\banknotes" "$hive\\Software\\banknotes contributors"
  echo "$row: installed in ${folder#"$drive/"}, started, uninstalled: nothing left"
}
nsis_row "NSIS for all users" "" "$machine_folder" "$machine_menu" HKLM
nsis_row "NSIS for the current user" /CurrentUser "$user_folder" "$user_menu" HKCU
[ ! -e "$machine_folder" ] && ! registered "HKLM\\$uninstall_key\\banknotes" ||
  fail "the install for the current user wrote under Program Files or HKLM"

# The MSI is marked as needing no administrator for itself (Word Count bit 8),
# and lets Windows choose the folder per user or per machine (ALLUSERS=2).
row="MSI package"
word_count=$(msiinfo suminfo "$msi" | sed -n 's/^Source: \([0-9]*\).*/\1/p')
[ $((word_count & 8)) -ne 0 ] || fail "the MSI asks for an administrator in any case"
[ "$(msi_property "$msi" ALLUSERS)" = 2 ] || fail "ALLUSERS is '$(msi_property "$msi" ALLUSERS)'"

# msi_row ROW PACKAGE [PROPERTY=VALUE...]: one install of the MSI.
msi_row() {
  row=$1 package=$2
  shift 2
  local code key log=$drive/msi.log
  code=$(msi_property "$package" ProductCode)
  key="HKLM\\$uninstall_key\\$code"
  wine_run msiexec /i "$(windows_path "$package")" /qn "$@" /l*v 'C:\msi.log'
  # Wine's msi leaves MSIINSTALLPERUSER aside (it installs for all users) and
  # puts ProgramMenuFolder in the user's own Start menu even for all users:
  # Windows uses the user's programs folder and ProgramData. The log says.
  grep -a "Property(S): ALLUSERS = \|Property(S): INSTALLDIR = " "$log" | sed "s/^/$row: Wine's msi: /" || true
  installed "$machine_folder" "$user_menu" "$key" "$(msi_property "$package" ProductVersion)"
  [ -f "$drive/windows/Installer/$code/banknotes.ico" ] || fail "installed programs: no icon"
  starts "$machine_folder"
  wine_run msiexec /x "$(windows_path "$package")" /qn "$@"
  removed "$machine_folder" "$user_menu" "$key"
  echo "$row: installed, started, uninstalled: nothing left"
}
msi_row "MSI for all users" "$msi"
msi_row "MSI for the current user" "$msi" ALLUSERS=2 MSIINSTALLPERUSER=1

# A newer version replaces an older one; the older may not come back over it.
row="MSI upgrade"
old_code=$(msi_property "$older_msi" ProductCode) new_code=$(msi_property "$msi" ProductCode)
old_version=$(msi_property "$older_msi" ProductVersion)
wine_run msiexec /i "$(windows_path "$older_msi")" /qn
installed "$machine_folder" "$user_menu" "HKLM\\$uninstall_key\\$old_code" "$old_version"
wine_run msiexec /i "$(windows_path "$msi")" /qn
installed "$machine_folder" "$user_menu" "HKLM\\$uninstall_key\\$new_code" "$version"
! registered "HKLM\\$uninstall_key\\$old_code" || fail "$old_version is still installed beside $version"
status=0
wine_run msiexec /i "$(windows_path "$older_msi")" /qn /l*v 'C:\msi.log' || status=$?
[ "$status" -ne 0 ] || fail "$old_version installed over $version"
# Refused by the launch condition that found the newer one, before anything was
# copied; the condition's message says why (Wine's log has it in ANSI only).
grep -aq "WIX_DOWNGRADE_DETECTED = $new_code" "$drive/msi.log" || fail "the newer version went unseen"
! grep -aq "InstallFiles" "$drive/msi.log" || fail "files were copied before it was refused"
msiinfo export "$older_msi" LaunchCondition | grep -q "Вече е инсталирана по-нова версия" ||
  fail "no message says why it is refused"
installed "$machine_folder" "$user_menu" "HKLM\\$uninstall_key\\$new_code" "$version"
wine_run msiexec /x "$(windows_path "$msi")" /qn
removed "$machine_folder" "$user_menu" "HKLM\\$uninstall_key\\$new_code" "HKLM\\$uninstall_key\\$old_code"
rm -f "$drive/msi.log"
# Windows Installer refuses with 1603; a Wine process keeps its low byte, 67.
echo "$row: $old_version was replaced by $version, refused after it (status $status), and removed"
