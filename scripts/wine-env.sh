# Sourced by the scripts that run the Windows build under Wine. Sets up a Wine
# that never needs a display and keeps its prefix in the Windows build folder.
# Defines:
#   windows_build   the Windows build folder (absolute)
#   wine_ready [S]  checks that Wine is installed, makes the prefix on first use
#                   and starts Wine's server, kept S seconds (default 10) after
#                   the last program ends; "forever" keeps it until wine_stop
#   wine_stop       ends the server and Wine's services
windows_build=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)/build-windows

export WINEPREFIX=$windows_build/wine-prefix
export WINEDEBUG=-all
# No desktop menus, .NET or Gecko: none of it is needed and each would ask to be installed.
export WINEDLLOVERRIDES="winemenubuilder.exe=d;mscoree=d;mshtml=d"
unset DISPLAY WAYLAND_DISPLAY

wine_ready() {
    if ! command -v wine > /dev/null || ! command -v wineserver > /dev/null; then
        {
            echo "=================================================================="
            echo "Wine is not installed: the Windows build cannot be run here."
            echo "Install it with scripts/setup.sh (Debian packages wine and wine64)."
            echo "=================================================================="
        } >&2
        return 1
    fi
    if [ ! -f "$WINEPREFIX/system.reg" ]; then
        mkdir -p "$WINEPREFIX"
        if ! wineboot --init > "$windows_build/wine-prefix.log" 2>&1 || ! wineserver -w; then
            {
                echo "=================================================================="
                echo "Wine cannot start here: making its prefix $WINEPREFIX failed."
                echo "See $windows_build/wine-prefix.log"
                echo "=================================================================="
            } >&2
            return 1
        fi
    fi
    # Wine's services start with the first program of a session and keep that
    # program's output open for as long as the server runs: started here,
    # detached, they leave the output of the programs run later alone.
    local persist=${1:-10}
    [ "$persist" = forever ] && persist=
    wineserver -p"$persist" > /dev/null 2>&1 || true
    # Likewise the desktop window's process, which the first program that
    # draws starts: it would hold the output pipe of a program run by a test.
    if ! wine cmd /c exit < /dev/null > /dev/null 2>&1 ||
        ! wine rundll32.exe user32.dll,GetDesktopWindow < /dev/null > /dev/null 2>&1; then
        {
            echo "=================================================================="
            echo "Wine is installed but cannot run a Windows program here."
            echo "=================================================================="
        } >&2
        return 1
    fi
}

wine_stop() {
    wineserver -k 2> /dev/null || true
}
