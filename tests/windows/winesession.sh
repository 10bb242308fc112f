# Shared by the Windows tests: a private Xvfb (from the end-to-end helpers)
# and a fresh, private Wine prefix on it, both removed on exit. Source it.
source "$(dirname "${BASH_SOURCE[0]}")/../e2e/xsession.sh"

start_wine() {
    start_xvfb
    export WINEPREFIX=$work/wine WINEARCH=win64 WINEDEBUG=-all
    # No Mono or Gecko installer dialogs (the program needs neither), and no
    # menu entries or file types: whatever Wine still writes for the desktop
    # goes into the session's own folder, not the user's home.
    export WINEDLLOVERRIDES="mscoree,mshtml,winemenubuilder.exe="
    export XDG_CONFIG_HOME=$work/config XDG_DATA_HOME=$work/data XDG_CACHE_HOME=$work/cache TMPDIR=$work
    mkdir -p "$TMPDIR"
    # The prefix goes only once its server is gone: a server still shutting
    # down would serve the next test's new prefix if it got the same inode.
    trap 'wineserver -k 2>/dev/null || true; wineserver -w 2>/dev/null || true; cleanup' EXIT
    wine wineboot --init >"$work/wineboot.log" 2>&1 || fail "wineboot failed: $(tail -n 20 "$work/wineboot.log")"
    # Windows has Times New Roman, which the window asks for; Wine has not,
    # and would draw with its GUI fallback. Its metric twin stands in, as on
    # Linux, so that the texts take the room they take on Windows.
    wine reg add 'HKCU\Software\Wine\Fonts\Replacements' /v 'Times New Roman' /d 'Liberation Serif' /f >>"$work/wineboot.log" 2>&1
    wineserver -w
}

# Sets the variable named first to the report of an object and profession.
report() { printf -v "$1" 'Детето е излязло от кръга с: \nИзбран предмет: %s\nПредполагаема професия: %s\n' "$2" "$3"; }
