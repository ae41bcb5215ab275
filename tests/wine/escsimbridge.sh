#!/bin/sh
# Runs the Linux ESC simulator for a test program under Wine, until the program closes this script's
# input (Wine gives a Unix process it starts no handle to wait on or end).
#   escsimbridge.sh OUTPUT SIMULATOR ARGUMENTS...
out=$1
shift
"$@" >"$out" 2>&1 &
sim=$!
cat >/dev/null
kill "$sim" 2>/dev/null
wait "$sim"
