#!/usr/bin/env bash
# tools/ensure-packages against a stand-in apt-get, with a lock of our own
# in place of apt's: it waits, saying so, while another process holds the
# lock, and only then updates and installs, giving apt-get a lock timeout;
# it gives up with a clear message when the lock is not freed in time, or
# when apt-get cannot install; and it tries apt-get update again while the
# lists' lock is busy.
set -euo pipefail

here=$(cd "$(dirname "$0")" && pwd)
tool=$here/../../tools/ensure-packages
fail() { echo "FAIL: $*" >&2; exit 1; }

work=$(mktemp -d)
holder= tool_pid=
cleanup() {
    [ -z "$tool_pid" ] || kill "$tool_pid" 2>/dev/null || true
    [ -z "$holder" ] || kill "$holder" 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT

# The stand-ins: nothing is installed, we are root, and apt-get logs its
# arguments; FAKE_UPDATE_BUSY times its update fails on the lists' lock
# first, FAKE_INSTALL_FAILS makes its install fail as for an unknown name.
mkdir "$work/bin"
cat >"$work/bin/dpkg-query" <<'EOF'
#!/bin/sh
exit 1
EOF
cat >"$work/bin/id" <<'EOF'
#!/bin/sh
echo 0
EOF
cat >"$work/bin/apt-get" <<'EOF'
#!/bin/sh
echo "$*" >>"$FAKE_LOG"
case " $* " in
*" update "*)
    tries=$(grep -c ' update ' "$FAKE_LOG")
    if [ "$tries" -le "${FAKE_UPDATE_BUSY:-0}" ]; then
        echo "E: Could not get lock /var/lib/apt/lists/lock. It is held by process 4242 (apt-get)" >&2
        exit 100
    fi ;;
*" install "*)
    if [ -n "${FAKE_INSTALL_FAILS:-}" ]; then
        echo "E: Unable to locate package $FAKE_INSTALL_FAILS" >&2
        exit 100
    fi ;;
esac
EOF
chmod +x "$work/bin"/*
export PATH="$work/bin:$PATH" FAKE_LOG=$work/apt.log VELKORN_APT_LOCKS=$work/lock
touch "$work/lock"

# hold: takes an fcntl lock on $work/lock, as apt does, in a process that
# keeps it until it is stopped; returns once the lock is held.
mkfifo "$work/held" "$work/tool-output"
hold() {
    python3 -c '
import fcntl, sys, time
lock = open(sys.argv[1], "a")
fcntl.lockf(lock, fcntl.LOCK_EX)
print("held", flush=True)
time.sleep(600)' "$work/lock" >"$work/held" &
    holder=$!
    local line
    read -r -t 20 line <"$work/held" && [ "$line" = held ] || fail "the lock holder did not start"
}
let_go() {
    kill "$holder"
    wait "$holder" 2>/dev/null || true
    holder=
}

# A busy package manager: it waits, saying so, and installs once it ends.
: >"$FAKE_LOG"
hold
APT_LOCK_TIMEOUT=60 "$tool" sl cowsay >"$work/tool-output" 2>&1 &
tool_pid=$!
exec {tool_out}<"$work/tool-output"
said=
while read -r -t 20 line <&"$tool_out"; do
    if [[ $line == "Waiting up to 60 s for another package manager to finish: process $holder (python3)"* ]]; then
        said=1
        break
    fi
done
[ -n "$said" ] || fail "no word of the wait for the process holding the lock ($holder)"
[ ! -s "$FAKE_LOG" ] || fail "apt-get ran while the lock was held: $(cat "$FAKE_LOG")"
let_go
rest=$(timeout 30 cat <&"$tool_out") || fail "it did not finish once the lock was freed"
wait "$tool_pid" || fail "it failed once the lock was freed: $rest"
tool_pid=
grep -Eq -- '^-o DPkg::Lock::Timeout=[1-9][0-9]* update -qq$' "$FAKE_LOG" ||
    fail "no update with a lock timeout: $(cat "$FAKE_LOG")"
grep -Eq -- '^-o DPkg::Lock::Timeout=[1-9][0-9]* install -y -qq --no-install-recommends sl cowsay$' "$FAKE_LOG" ||
    fail "no install with a lock timeout: $(cat "$FAKE_LOG")"
echo "ok: waited for the lock's holder, then updated and installed with a lock timeout"

# The lock is never freed: it gives up after APT_LOCK_TIMEOUT, and says why.
: >"$FAKE_LOG"
hold
status=0
out=$(APT_LOCK_TIMEOUT=2 timeout 30 "$tool" sl 2>&1) || status=$?
let_go
[ "$status" -ne 0 ] && [ "$status" -ne 124 ] || fail "with the lock held throughout it exited $status: $out"
grep -q "another package manager still holds apt's lock after 2 s" <<<"$out" ||
    fail "no reason given: $out"
grep -q "Could not install: sl" <<<"$out" || fail "no word of what was not installed: $out"
[ ! -s "$FAKE_LOG" ] || fail "apt-get ran while the lock was held: $(cat "$FAKE_LOG")"
echo "ok: gives up when the lock stays held"

# The lists' lock busy for apt-get update: tried again until it is free.
: >"$FAKE_LOG"
out=$(FAKE_UPDATE_BUSY=2 APT_LOCK_TIMEOUT=60 timeout 60 "$tool" sl 2>&1) || fail "with the lists busy twice: $out"
[ "$(grep -c ' update ' "$FAKE_LOG")" = 3 ] || fail "update was not tried three times: $(cat "$FAKE_LOG")"
grep -q "Waiting up to 60 s for another package manager to finish: Could not get lock /var/lib/apt/lists/lock" \
    <<<"$out" || fail "no word of the wait for the lists: $out"
grep -q ' install ' "$FAKE_LOG" || fail "no install after the lists were free"
echo "ok: apt-get update tried again while the lists' lock was busy"

# apt-get cannot install: its status, its error and what to do.
: >"$FAKE_LOG"
status=0
out=$(FAKE_INSTALL_FAILS=nosuch timeout 30 "$tool" nosuch 2>&1) || status=$?
[ "$status" = 100 ] || fail "a failed install exited $status: $out"
grep -q "E: Unable to locate package nosuch" <<<"$out" || fail "apt-get's error is not shown: $out"
grep -q "apt-get install failed (exit 100)" <<<"$out" || fail "no reason given: $out"
grep -q "Could not install: nosuch" <<<"$out" || fail "no word of what was not installed: $out"
echo "ok: a failed install says so and exits with apt-get's status"
