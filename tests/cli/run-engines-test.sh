#!/usr/bin/env bash
# zev-status against the monitoring engines it feeds, as Debian ships them:
# promtool accepts the metrics, and node_exporter's textfile collector carries
# the file a watch keeps on the demo printer into Prometheus, whose HTTP API
# then answers the demo's ink level and, once the demo starts printing, the new
# state. Every server runs under `timeout` on a loopback port and is stopped at
# the end; the work folder is removed.
#
#   bash tests/cli/run-engines-test.sh [build/linux]
set -euo pipefail

build=${1:-build/linux}
zev=$(realpath "$build/zev-status")
for tool in promtool prometheus prometheus-node-exporter; do
  command -v "$tool" >/dev/null || { echo "engines: $tool missing (run scripts/setup.sh)" >&2; exit 1; }
done

work=$(mktemp -d /tmp/zev-engines.XXXXXX)
pids=()
cleanup() {
  for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
  wait 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT

fail() {
  echo "engines: FAILED: $*" >&2
  for log in "$work"/*.log; do echo "--- ${log##*/}"; tail -15 "$log"; done >&2
  exit 1
}

free_port() {
  python3 -c 'import socket; s=socket.socket(); s.bind(("127.0.0.1", 0)); print(s.getsockname()[1])'
}

# --- the metrics text, checked by Prometheus's own linter
cat >"$work/mixed.txt" <<'SCENARIO'
printer A1 state=14 pen2=0:0
printer B2 status="03"
printer C3 cover=9 pen1=3:4
SCENARIO
for scenario in demo "$work/mixed.txt"; do
  ZEV_EMULATOR=$scenario "$zev" --format prometheus >"$work/metrics.txt" || true
  grep -q '^zev_printers [0-9]' "$work/metrics.txt" || fail "no metrics for $scenario: $(head -3 "$work/metrics.txt")"
  promtool check metrics <"$work/metrics.txt" || fail "promtool rejects the metrics of $scenario"
  echo "engines: promtool accepts the metrics of ${scenario##*/}"
done

# --- the plugin on the demo printer: ready, full pens
plugin=$(ZEV_EMULATOR=demo "$zev" --check) || fail "--check on the demo exited $?: $plugin"
[[ $plugin == "ZEV OK - A1: Ready | 'ink_black_A1'=80%;20:;5:;0;100 'ink_colour_A1'=60%;20:;5:;0;100" ]] ||
  fail "unexpected plugin line: $plugin"
echo "engines: plugin: $plugin"

# --- node_exporter's textfile collector, scraped by Prometheus every second
node_port=$(free_port)
prom_port=$(free_port)
mkdir -p "$work/textfile"
timeout 120 prometheus-node-exporter --web.listen-address="127.0.0.1:$node_port" \
  --collector.disable-defaults --collector.textfile --collector.textfile.directory="$work/textfile" \
  >"$work/node-exporter.log" 2>&1 &
pids+=($!)
cat >"$work/prometheus.yml" <<CONFIG
global:
  scrape_interval: 1s
  evaluation_interval: 1s
scrape_configs:
  - job_name: node
    static_configs:
      - targets: ['127.0.0.1:$node_port']
CONFIG
timeout 120 prometheus --config.file="$work/prometheus.yml" --web.listen-address="127.0.0.1:$prom_port" \
  --storage.tsdb.path="$work/tsdb" >"$work/prometheus.log" 2>&1 &
pids+=($!)

# The value of an instant query's first result, empty while it has none.
query() {
  python3 - "http://127.0.0.1:$prom_port/api/v1/query" "$1" <<'PY' 2>/dev/null || true
import json, sys, urllib.parse, urllib.request
url = sys.argv[1] + "?query=" + urllib.parse.quote(sys.argv[2])
result = json.load(urllib.request.urlopen(url, timeout=2))["data"]["result"]
print(result[0]["value"][1] if result else "")
PY
}

# wait_for QUERY VALUE SECONDS
wait_for() {
  local deadline=$((SECONDS + $3)) value=""
  while ((SECONDS < deadline)); do
    value=$(query "$1")
    [[ $value == "$2" ]] && { echo "engines: $1 = $value"; return 0; }
    sleep 0.5
  done
  fail "$1 is '${value}', not $2, after $3 s"
}

wait_for 'up{job="node"}' 1 30

# The demo starts ready with the colour pen at 60 %; at 8 s it prints (state 2).
ZEV_EMULATOR=demo timeout 60 "$zev" --watch --textfile "$work/textfile" >"$work/watch.log" 2>&1 &
pids+=($!)
wait_for 'zev_ink_level_percent{serial="A1",pen="colour"}' 60 15
wait_for 'zev_printer_state{serial="A1"}' 0 5
wait_for 'zev_printer_state{serial="A1"}' 2 20
wait_for 'zev_printer_up{serial="A1"}' 1 2
[[ -z $(find "$work/textfile" -name '*.new') ]] || fail "a temporary file was left beside the metrics file"
echo "engines: passed"
