#!/bin/bash
# The usb stage's checks, run inside the guest (tests/usb/run-usb-tests.sh):
# zev-status against zev-gadget through usblp, dummy_hcd and the printer gadget.
# Prints "ok ..." or "FAIL ..." per check and two "figure" lines; writes the
# number of failures to RESULTS/exit.
#
#   guest-checks.sh RESULTS RELEASE_BUILD SANITIZED_BUILD
set -uo pipefail

results=$1
status=$2/zev-status
gadget_tool=$2/zev-gadget
sanitized=$3/zev-status
here=$(dirname "$0")
scratch=$(mktemp -d)
failures=0
gadget_pid=

ok() { echo "ok   $*"; }
# A failure shows the last tool run's output and errors.
fail() {
  echo "FAIL $*"
  failures=$((failures + 1))
  echo "     output: $(head -c 600 <<<"${out:-}")"
  echo "     errors: $(head -c 600 "$scratch/err" 2>/dev/null)"
}
check() { local name=$1; shift; if "$@"; then ok "$name"; else fail "$name"; fi; }
now_ms() { echo $(($(date +%s%N) / 1000000)); }

# wait_for SECONDS COMMAND...: polls COMMAND every 50 ms until it succeeds.
wait_for() {
  local until=$(($(now_ms) + $1 * 1000))
  shift
  until "$@"; do
    (($(now_ms) > until)) && return 1
    sleep 0.05
  done
}

no_gadget_left() { [[ -z $(ls /sys/kernel/config/usb_gadget) ]]; }

# start_gadget SCENARIO_TEXT [ARGS...]: presents the scenario's printers and
# waits until the host has a node for the first one.
start_gadget() {
  printf '%b\n' "$1" >"$scratch/scenario.txt"
  shift
  ZEV_EMULATOR=$scratch/scenario.txt "$gadget_tool" "$@" >"$scratch/gadget.out" 2>&1 &
  gadget_pid=$!
  wait_for 10 test -e /dev/usb/lp0 || { fail "gadget up: $(cat "$scratch/gadget.out")"; return 1; }
}

# Ends the gadget and checks that it removed everything it made.
stop_gadget() {
  [[ -n $gadget_pid ]] || return 0
  kill -TERM "$gadget_pid"
  wait "$gadget_pid"
  local code=$?
  gadget_pid=
  wait_for 5 test ! -e /dev/usb/lp0
  ((code == 0)) && no_gadget_left || fail "gadget cleanup (exit $code): $(ls /sys/kernel/config/usb_gadget)"
}

# json_check JSON PYTHON_EXPRESSION: the expression over `r` (the parsed JSON) holds.
json_check() {
  python3 -c 'import json,sys; r=json.loads(sys.argv[1]); sys.exit(0 if eval("(" + sys.argv[2] + ")") else 1)' "$1" "$2"
}

# timed COMMAND...: runs it, leaves its output in $out, its code in $code and
# its time in $took_ms.
timed() {
  local t0
  t0=$(now_ms)
  out=$("$@" 2>"$scratch/err")
  code=$?
  took_ms=$(($(now_ms) - t0))
}

echo "zev-checks: $(uname -r), $(ls /sys/class/udc | tr '\n' ' ')"

# The tool's defaults with nothing attached.
timed "$status"
check "no printer: text and exit code 2" test "$out:$code" = "NO BRENLATO ZEV FOUND !!!:2"

# A gadget's refusals name what is missing.
out=$("$gadget_tool" --udc nosuch 2>&1)
check "gadget refuses an unknown UDC" test $? -eq 1 -a -n "$(grep -F 'nosuch' <<<"$out")"

# State, texts in both languages, pens, cover, incomplete job; then a ready
# printer's settings through real bulk transfers.
if start_gadget "printer A1 state=14 job=1 pen1=3:45 pen2=2:30" --udc dummy_udc.0; then
  ieee=$(cat /sys/class/usbmisc/lp0/device/ieee1284_id)
  check "ieee1284_id holds the whole ID" json_check "\"$ieee\"" 'r.endswith(";")'
  for lang in de:Papierstau en:"Paper Jam"; do
    timed "$status" --json --lang "${lang%%:*}"
    check "JSON record, --lang ${lang%%:*}" json_check "$out" "len(r) == 1 and r[0]['path'] == '/dev/usb/lp0' and
      r[0]['serial'] == 'A1' and r[0]['state'] == 14 and r[0]['state_text'] == '${lang#*:}' and
      r[0]['incomplete_job'] and not r[0]['cover_open'] and r[0]['settings'] is None and
      [p['kind'] for p in r[0]['pens']] == [3, 2] and [p['level'] for p in r[0]['pens']] == [45, 30]"
    check "exit code 1 for a paper jam" test "$code" -eq 1
  done
  stop_gadget
fi

if start_gadget "printer A1 cover=9" --udc dummy_udc.0; then
  timed "$status" --json
  check "open cover" json_check "$out" "r[0]['cover_open'] and r[0]['error']"
  stop_gadget
fi

if start_gadget "printer A1" --udc dummy_udc.0; then
  timed "$status" --json
  check "settings through bulk transfers" json_check "$out" "r[0]['settings'] == {'paper_handling': 16384,
    'print_options': 0, 'top_margin_mm': 0.0, 'left_margin_mm': 0.0}"
  # A node another process holds is skipped at once: usblp opens only once.
  sleep 5 >/dev/usb/lp0 &
  holder=$!
  sleep 0.2
  timed timeout 10 "$status" --json
  check "a node held open is skipped (exit $code, $took_ms ms)" test "$code" -eq 2 -a "$took_ms" -lt 3000
  kill "$holder"
  wait "$holder" 2>/dev/null

  # Figure: the device-ID round trip through usblp.
  python3 "$here/device_id_rounds.py" /dev/usb/lp0 1000 || fail "device-ID rounds"
  stop_gadget
fi

# --watch: each change, the unbind as Disconnected, the rebind; and the time
# from the UDC bind to the first record.
# Busy at first, so the first record needs no settings queries.
printf '%b\n' "printer A1 state=2 activity=15\nat 3 A1 state=14 activity=0\nat 5 A1 state=0\nat 8 A1 unplug
at 10 A1 plug" >"$scratch/scenario.txt"
"$status" --watch --json >"$scratch/watch.out" 2>&1 &
watch_pid=$!
sleep 1.5
ZEV_EMULATOR=$scratch/scenario.txt "$gadget_tool" --udc dummy_udc.0 >"$scratch/gadget.out" 2>&1 &
gadget_pid=$!
# The gadget names its UDC once bound (within the 50 ms of a poll here).
wait_for 10 grep -q dummy_udc.0 "$scratch/gadget.out" && bind_ms=$(now_ms)
wait_for 10 test -s "$scratch/watch.out" && first_ms=$(now_ms)
echo "figure: UDC bind to the first --watch record: $((first_ms - bind_ms)) ms (the watch checks once a second)"
fifth_record() { [[ -n $(sed -n 5p "$scratch/watch.out") ]]; }
wait_for 25 fifth_record
kill -TERM "$watch_pid"
wait "$watch_pid"
watch=$(python3 -c 'import json,sys; print(" ".join(
  ("gone" if not r["connected"] else str(r["state"])) for r in map(json.loads, open(sys.argv[1]))))' "$scratch/watch.out")
check "--watch reports 2 14 0 gone 0, got: $watch" test "$watch" = "2 14 0 gone 0"
stop_gadget

# Two printers on two controllers.
if start_gadget "printer A1\nprinter B2 state=2 activity=15" --count 2; then
  wait_for 10 test -e /dev/usb/lp1
  timed "$status" --json
  check "two printers" json_check "$out" "[(x['serial'], x['path'], x['state']) for x in r] ==
    [('A1', '/dev/usb/lp0', 0), ('B2', '/dev/usb/lp1', 2)]"
  stop_gadget
fi

# Another maker with the ZEV's product id.
if start_gadget "printer A1 mfg=other mdl=laser" --udc dummy_udc.0; then
  timed "$status" --json
  check "another maker is not listed" test "$out:$code" = "[]:2"
  stop_gadget
fi

# Printers that never answer, or take no bytes: bounded, and a stop ends the tool.
for fault in no-answer takes-no-bytes; do
  start_gadget "printer A1 $fault" --udc dummy_udc.0 || continue
  for round in 1 2 3; do
    timed timeout 20 "$status" --json
    check "$fault, round $round: settings not read, exit $code in $took_ms ms" \
      json_check "$out" "r[0]['settings'] is None and $took_ms < 3000"
  done
  for mode in "" --watch; do
    # Within the first query's wait.
    "$status" $mode --json >/dev/null 2>&1 &
    pid=$!
    sleep 0.3
    t0=$(now_ms)
    kill -TERM "$pid"
    wait "$pid"
    took=$(($(now_ms) - t0))
    check "$fault: SIGTERM ends zev-status $mode in $took ms" test "$took" -lt 1500
  done
  stop_gadget
done

# Hostile IDs and answers: a clean record or a clean skip, in the release and
# the sanitized build.
clean_run() { json_check "$out" "$code in (0, 1, 2) and isinstance(r, list)" && ! grep -q Sanitizer "$scratch/err"; }
# Ready, cover closed, black pen at 80 %, colour pen at 60 %.
status_value=0380000000000000000010000500200003C00000000
long_id="MFG:brenlato;MDL:zev;SN:L1;S:$status_value;DES:"
long_id=$long_id$(head -c $((1023 - ${#long_id})) /dev/zero | tr '\0' x)
for case in "printer A1 id=\"$long_id\"" "printer A1 garbage-answers" \
  'printer A1 id="MFG:brenlato;MDL:zev;SN:\\x01\\xff\\x1b;S:\\x7f;"'; do
  start_gadget "$case" --udc dummy_udc.0 || continue
  echo "note: ${case:0:30}...: the host's cached ID holds $(wc -c </sys/class/usbmisc/lp0/device/ieee1284_id) bytes"
  for tool in "$status" "$sanitized"; do
    [[ -x $tool ]] || { echo "note: no sanitized build at $tool"; continue; }
    timed timeout 20 "$tool" --json
    check "${case:0:50}... with $(basename "$(dirname "$tool")"): exit $code" clean_run
    [[ $case == *garbage* ]] && check "garbage answers: settings not read" json_check "$out" "r[0]['settings'] is None"
  done
  stop_gadget
done

echo "zev-checks: $failures failed"
echo "$failures" >"$results/exit"
