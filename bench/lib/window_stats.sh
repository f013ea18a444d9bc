# Readings of a running window for the window benches; they set `log` to where `sw4 --stats` writes.

# CPU time of every thread of a process, in nanoseconds.
cpu_ns() {
  local sum=0 t
  for t in /proc/"$1"/task/*/schedstat; do
    read -r ns _ <"$t" && sum=$((sum + ns))
  done
  echo "$sum"
}
last_stats() { grep '^sw4 stats:' "$log" | tail -n1; }
field() { sed -E "s/.*$1=([0-9.]+).*/\1/" <<<"$2"; }
