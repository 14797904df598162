#!/usr/bin/env bash
# wine-run.sh PREFIX PROGRAM [ARGUMENT...]: runs a Windows program under Wine in
# the Wine prefix PREFIX, never ~/.wine. The first run makes the prefix, set for
# tests: no window manager's part in Wine's windows (else each closing window
# waits about 2 s), antialiased text, and no prompts to install Mono or Gecko.
# A persistent wineserver keeps later starts fast and lets ctest's pipes close.
set -euo pipefail
export WINEPREFIX=$1
shift
export WINEDEBUG=${WINEDEBUG:--all}
export WINEDLLOVERRIDES="mscoree,mshtml="

mkdir -p "$WINEPREFIX"
# One run at a time makes the prefix; what Wine leaves running must not keep the lock.
(
  flock 9
  {
    # A server of our own, with Wine's services, started here and not by the
    # program: what they inherit must not be the caller's pipes, or ctest and
    # ninja would wait for them. Exits with 2 when the server runs already.
    started=0
    wineserver -p 300 && started=1 || [ $? -eq 2 ]
    if [ ! -f "$WINEPREFIX/.banknotes-ready" ]; then
      wineboot --init
      wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /t REG_SZ /d N /f
      wine reg add 'HKCU\Control Panel\Desktop' /v FontSmoothing /t REG_SZ /d 2 /f
      wine reg add 'HKCU\Control Panel\Desktop' /v FontSmoothingType /t REG_DWORD /d 2 /f
      touch "$WINEPREFIX/.banknotes-ready"
    elif [ "$started" = 1 ]; then
      wine cmd /c exit
    fi
  } 9>&- >/dev/null 2>&1
) 9>"$WINEPREFIX.lock"

[ $# -eq 0 ] && exit 0
exec wine "$@"
