# Sourced by the Wine scripts: sets the environment for running programs of one architecture
# (win32 or win64, in $wine_arch) in one prefix (in $WINEPREFIX) and puts the loader that runs
# them in $wine_loader.
# Debian's `wine` command starts the 32-bit loader whenever wine32 is installed, even for a 64-bit
# program, and that loader cannot start on a kernel that runs no 32-bit program; so each
# architecture's loader is named directly. A 64-bit prefix also runs 32-bit programs, but each
# build keeps a prefix of its own architecture.
export WINEDEBUG=${WINEDEBUG:--all}
case "$wine_arch" in
win64)
    export WINEARCH=win64
    wine_loader=/usr/lib/wine/wine64
    ;;
win32)
    export WINEARCH=win32
    wine_loader=/usr/lib/wine/wine
    ;;
*)
    echo "wine-env: unknown architecture '$wine_arch'" >&2
    exit 2
    ;;
esac
export WINELOADER=$wine_loader
if [ ! -x "$wine_loader" ]; then
    echo "wine-env: $wine_loader is missing: the $wine_arch loader is not installed" >&2
    exit 2
fi
