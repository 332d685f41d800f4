#!/usr/bin/env bash
# openExternally under Wine: an http address goes through the shell to the first `xdg-open`
# on PATH. A fake one records every call, so the test sees exactly which address was opened.
# Usage: open_externally_test.sh WINE_EXEC PROBE_EXE
set -euo pipefail
wine_exec="$1"
probe="$2"

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
mkdir "$work/bin" "$work/calls"
cat >"$work/bin/xdg-open" <<SCRIPT
#!/usr/bin/env bash
# One file per call, each argument followed by a zero byte.
printf '%s\\0' "\$@" >"$work/calls/\$\$.tmp" && mv "$work/calls/\$\$.tmp" "$work/calls/\$\$"
SCRIPT
chmod +x "$work/bin/xdg-open"

failures=0
fail() {
    echo "FAIL: $*" >&2
    failures=$((failures + 1))
}

# Runs the probe with ADDRESS and waits up to WAIT seconds for xdg-open calls; then waits a
# moment longer so that a second, unexpected call is seen too. Leaves the calls in $work/calls.
open_with() {
    local address="$1" wait="$2"
    rm -f "$work/calls/"*
    if ! PATH="$work/bin:$PATH" "$wine_exec" "$probe" "$address" >"$work/probe.out" 2>&1; then
        fail "probe exited with an error for '$address': $(cat "$work/probe.out")"
    fi
    grep -q "openExternally returned" "$work/probe.out" ||
        fail "openExternally did not return for '$address'"
    local i
    for ((i = 0; i < wait * 10; i++)); do
        compgen -G "$work/calls/[0-9]*" >/dev/null && break
        sleep 0.1
    done
    sleep 1
}

calls() { find "$work/calls" -type f ! -name '*.tmp' | sort; }

# An http address reaches xdg-open exactly as given, in one call with one argument.
address='http://example.com/a?b=1&c=2'
open_with "$address" 30
mapfile -t made < <(calls)
if [ "${#made[@]}" -ne 1 ]; then
    fail "expected one xdg-open call for '$address', saw ${#made[@]}"
else
    expected="$(printf '%s\0' "$address" | od -An -c)"
    actual="$(od -An -c <"${made[0]}")"
    [ "$expected" = "$actual" ] || fail "xdg-open got [$actual], expected [$expected]"
    echo "xdg-open received: $(tr '\0' ' ' <"${made[0]}")"
fi

# The empty address goes to the shell as it is: Wine refuses it (ShellExecuteA gives 11),
# nothing is opened, and the program goes on.
open_with "" 5
mapfile -t made < <(calls)
[ "${#made[@]}" -eq 0 ] || fail "the empty address opened something: $(cat "${made[@]}" | tr '\0' ' ')"
echo "empty address: probe returned, no xdg-open call"

if [ "$failures" -ne 0 ]; then
    exit 1
fi
echo "PASS"
