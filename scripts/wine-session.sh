#!/usr/bin/env bash
# Starts (start) or stops (stop) what the Windows programs of one build need: a virtual X display,
# a private Wine prefix of the build's architecture (that of its bin/vorlane.dll) prepared once,
# and a persistent wineserver. Prints the variables to export.
# Usage: eval "$(scripts/wine-session.sh start BUILD_DIR)"; ...; scripts/wine-session.sh stop BUILD_DIR
set -euo pipefail
action=$1
build=$(cd "$2" && pwd)
prefix=$build/wineprefix
state=$build/wine-session
export WINEPREFIX=$prefix WINEDEBUG=-all
scripts=$(cd "$(dirname "$0")" && pwd)
wine() { "$wine_loader" "$@"; }

start() {
    wine_arch=$("$scripts/pe-arch.sh" "$build/bin/vorlane.dll")
    . "$scripts/wine-env.sh"
    mkdir -p "$state"
    # Virtual display: the first free number from 90 on.
    local d=90
    while [ -e "/tmp/.X$d-lock" ] || [ -e "/tmp/.X11-unix/X$d" ]; do d=$((d + 1)); done
    # VORLANE_SCREEN (WIDTHxHEIGHTxDEPTH) gives a larger screen, for pictures at a high DPI.
    Xvfb ":$d" -screen 0 "${VORLANE_SCREEN:-1280x1024x24}" -nolisten tcp >/dev/null 2>&1 &
    echo $! > "$state/xvfb.pid"
    for _ in $(seq 1 100); do [ -e "/tmp/.X11-unix/X$d" ] && break; sleep 0.05; done
    export DISPLAY=":$d"
    echo "$DISPLAY" > "$state/display"

    # The wineserver stays up for the whole session, with its output sent elsewhere, so that
    # helper processes never hold CTest's pipes.
    wineserver -p >/dev/null 2>&1 </dev/null || true
    if [ ! -f "$prefix/.vorlane-ready" ]; then
        WINEDLLOVERRIDES="mscoree,mshtml=" wine wineboot -i >/dev/null 2>&1 </dev/null || true
        # No window manager: hiding a top-level window must not wait for one.
        wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1
        # A crashing test must fail, not open a dialog and wait.
        wine reg add 'HKCU\Software\Wine\WineDbg' /v ShowCrashDialog /t REG_DWORD /d 0 /f \
            >/dev/null 2>&1
        wine reg delete 'HKLM\Software\Microsoft\Windows NT\CurrentVersion\AeDebug' \
            /v Debugger /f >/dev/null 2>&1 || true
        wineserver -w || true
        wineserver -p >/dev/null 2>&1 </dev/null || true
        touch "$prefix/.vorlane-ready"
    fi
    link_cjk_font
    # Start the prefix's own services now, outside CTest.
    wine cmd /c exit >/dev/null 2>&1 </dev/null || true
    keep_desktop
    echo "export DISPLAY=$DISPLAY VORLANE_DISPLAY=$DISPLAY VORLANE_WINEPREFIX=$prefix"
}

# Names outside the Latin, Greek and Cyrillic scripts (Chinese, Japanese, Korean) render through
# WenQuanYi Micro Hei where it is installed (setup installs fonts-wqy-microhei): the fonts Wine
# draws with link to it, and the edit control's script fallback names it. Nothing is linked where
# the font is absent: a link to a missing font turns Latin text into boxes.
link_cjk_font() {
    local font=/usr/share/fonts/truetype/wqy/wqy-microhei.ttc
    [ -f "$font" ] && [ ! -f "$prefix/.vorlane-cjk" ] || return 0
    local links='HKLM\Software\Microsoft\Windows NT\CurrentVersion\FontLink\SystemLink'
    local face
    for face in "DejaVu Sans" "DejaVu Sans Bold"; do
        wine reg add "$links" /v "$face" /t REG_MULTI_SZ \
            /d 'wqy-microhei.ttc,WenQuanYi Micro Hei' /f >/dev/null 2>&1
    done
    local script  # OpenType script tags, bytes reversed: hani, kana, hang
    for script in 696e6168 616e616b 676e6168; do
        wine reg add 'HKCU\Software\Wine\Uniscribe\Fallback' /v "$script" \
            /d 'WenQuanYi Micro Hei' /f >/dev/null 2>&1
    done
    # The session's wineserver stays up (it writes the registry out when stopped): waiting for
    # it to exit here would wait for ever.
    touch "$prefix/.vorlane-cjk"
}

# The desktop process (explorer.exe /desktop) is started by the first program that needs the
# desktop window and lives until one second after the last program of the session has ended.
# Started by a test program, it inherits that program's output and keeps CTest waiting for that
# second after every test, and every program pays for starting it again. So the session keeps a
# program of its own running (a cmd waiting for ever on a pipe it holds itself), which first has
# the desktop started with its output going nowhere: the test programs find it running.
keep_desktop() {
    rm -f "$state/keeper.fifo" "$state/keeper.txt"
    mkfifo "$state/keeper.fifo"
    wine cmd /c "rundll32.exe user32.dll,GetDesktopWindow & pause" \
        0<>"$state/keeper.fifo" >"$state/keeper.txt" 2>&1 &
    # The keeper prints its prompt once the desktop has been asked for.
    for _ in $(seq 1 300); do [ -s "$state/keeper.txt" ] && break; sleep 0.1; done
    wine rundll32.exe user32.dll,GetDesktopWindow >/dev/null 2>&1 </dev/null || true
}

stop() {
    wineserver -k >/dev/null 2>&1 || true
    rm -f "$state/keeper.fifo" "$state/keeper.txt"
    if [ -f "$state/xvfb.pid" ]; then
        kill "$(cat "$state/xvfb.pid")" >/dev/null 2>&1 || true
        rm -f "$state/xvfb.pid"
    fi
}

case "$action" in
start) start ;;
stop) stop ;;
*) echo "usage: $0 start|stop BUILD_DIR" >&2; exit 2 ;;
esac
