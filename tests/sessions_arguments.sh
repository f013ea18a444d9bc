#!/usr/bin/env bash
# sw4-sessions refuses what it cannot honour, at once, with exit status 2 and a message: ranges
# that overflow or are empty, numbers beyond its types.
sessions=$1
bad=0
for args in "--seeds 1-18446744073709551615" "--seeds 1-18446744073709551616" "--seeds 5-3" \
            "--actions 4294967297" "--jobs -1" "--fresh 99999999999" "--budget 2147483648"; do
  # shellcheck disable=SC2086
  err=$(timeout 20 "$sessions" $args 2>&1 >/dev/null)
  status=$?
  if [[ $status -ne 2 || $err != sw4-sessions:* ]]; then
    echo "sw4-sessions $args: exit status $status, said: ${err%%$'\n'*}"
    bad=1
  fi
done
exit $bad
