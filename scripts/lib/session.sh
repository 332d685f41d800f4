# Shared by scripts/test and scripts/run: a virtual X display and a Wine
# prefix of our own, both ended by process id when the caller exits.
# Source this file; it defines functions only.

VARNELLE_ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)"

varnelle_xvfb_pid=""
varnelle_wineserver_pid=""

# Starts Xvfb on a free display number and exports DISPLAY.
varnelle_start_display() {
    local fdfile
    fdfile="$(mktemp)"
    Xvfb -displayfd 3 -screen 0 1600x1200x24 -nolisten tcp 3>"$fdfile" >/dev/null 2>&1 &
    varnelle_xvfb_pid=$!
    local i
    for i in $(seq 1 100); do
        [ -s "$fdfile" ] && break
        sleep 0.1
    done
    if [ ! -s "$fdfile" ]; then
        echo "session: Xvfb did not start" >&2
        rm -f "$fdfile"
        return 1
    fi
    export DISPLAY=":$(head -n1 "$fdfile" | tr -d '[:space:]')"
    rm -f "$fdfile"
}

# Makes PREFIX the Wine prefix of this run, creates it when new and starts a
# wineserver that stays up for the whole run.
varnelle_start_wine() {
    export WINEPREFIX="$1"
    export WINEDEBUG=-all
    export WINEARCH=win64
    export LC_ALL=zh_CN.UTF-8
    mkdir -p "$WINEPREFIX"
    if [ ! -f "$WINEPREFIX/system.reg" ]; then
        # A new prefix goes on setting itself up in the background long after
        # wineboot returns, and services started meanwhile time out (a web
        # view's first navigation waits seconds for RPC). Let it finish under
        # a server of its own first. No Mono or Gecko can be fetched here;
        # without the overrides wineboot would ask for them.
        WINEDLLOVERRIDES="mscoree,mshtml=" wineboot -i >/dev/null 2>&1 || true
        wineserver -w >/dev/null 2>&1 || true
    fi
    wineserver -f -p >/dev/null 2>&1 &
    varnelle_wineserver_pid=$!
    wineboot >/dev/null 2>&1 || true
}

varnelle_stop_session() {
    if [ -n "$varnelle_wineserver_pid" ]; then
        wineserver -k >/dev/null 2>&1 || true
        kill "$varnelle_wineserver_pid" 2>/dev/null || true
        wait "$varnelle_wineserver_pid" 2>/dev/null || true
        varnelle_wineserver_pid=""
    fi
    if [ -n "$varnelle_xvfb_pid" ]; then
        kill "$varnelle_xvfb_pid" 2>/dev/null || true
        wait "$varnelle_xvfb_pid" 2>/dev/null || true
        varnelle_xvfb_pid=""
    fi
}
