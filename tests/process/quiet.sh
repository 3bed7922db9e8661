#!/usr/bin/env bash
# Runs its arguments and passes only when they succeed and print nothing on
# either output: a validator's warning fails the test too.
out=$(LC_ALL=C.UTF-8 "$@" 2>&1)
rc=$?
[ -n "$out" ] && echo "$out"
[ "$rc" -eq 0 ] && [ -z "$out" ]
