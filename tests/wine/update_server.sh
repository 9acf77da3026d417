# A loopback HTTP server standing in for the driver update server during the
# Wine end-to-end tests. Source it; it defines functions only.
#
#   update_server_start DIR   serves DIR on 127.0.0.1 at a port the system
#                             picks; exports ZEV_UPDATE_URL for the programs
#   update_server_stop

UPDATE_SERVER_PID=

update_server_start() {
  local dir=$1 log=$1.log port=
  mkdir -p "$dir"
  # Port 0: the system picks a free one, and the server says which.
  python3 -u -m http.server 0 --bind 127.0.0.1 --directory "$dir" >"$log" 2>&1 &
  UPDATE_SERVER_PID=$!
  for _ in $(seq 100); do
    port=$(sed -nE 's/^Serving HTTP on [0-9.]+ port ([0-9]+).*/\1/p' "$log" | head -1)
    [[ -n $port ]] && break
    kill -0 "$UPDATE_SERVER_PID" 2>/dev/null || break
    sleep 0.1
  done
  if [[ -z $port ]]; then
    echo "update server did not start; $log:" >&2
    cat "$log" >&2 || true
    update_server_stop
    return 1
  fi
  export ZEV_UPDATE_URL=http://127.0.0.1:$port
}

update_server_stop() {
  if [[ -n $UPDATE_SERVER_PID ]]; then
    kill "$UPDATE_SERVER_PID" 2>/dev/null || true
    wait "$UPDATE_SERVER_PID" 2>/dev/null || true
    UPDATE_SERVER_PID=
  fi
}
