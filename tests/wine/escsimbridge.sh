#!/bin/sh
# Runs the Linux ESC simulator for a test program under Wine while the lease file exists. Wine gives a
# Unix process it starts no handle to wait on or end, and no reliable standard input, so the test ends
# the simulator by removing the lease; dev/windows ends any left by a test that crashed (LEASE.pid).
#   escsimbridge.sh LEASE OUTPUT SIMULATOR ARGUMENTS...
lease=$1
out=$2
shift 2
exec </dev/null >/dev/null 2>&1
"$@" >"$out" 2>&1 &
sim=$!
echo "$sim" >"$lease.pid"
while [ -e "$lease" ] && kill -0 "$sim" 2>/dev/null; do
    sleep 0.05
done
kill "$sim" 2>/dev/null
wait "$sim"
rm -f "$lease.pid"
