#!/bin/sh
# outcome.sh PROGRAM [ARGS...]: runs PROGRAM and prints what it did, one stream after the other,
# each line marked with its stream, so that a test can tell standard output from standard error:
#   out: ...
#   err: ...
#   status N
out=$(mktemp) err=$(mktemp)
trap 'rm -f "$out" "$err"' EXIT
"$@" >"$out" 2>"$err"
status=$?
sed 's/^/out: /' "$out"
sed 's/^/err: /' "$err"
echo "status $status"
