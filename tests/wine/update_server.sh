# A loopback HTTP server standing in for the driver update server during the
# Wine end-to-end tests, and a loopback proxy standing in for the user's. Source
# it; it defines functions only.
#
#   update_server_start DIR   serves DIR on 127.0.0.1 at a port the system
#                             picks; sets UPDATE_SERVER_URL
#   update_server_use_policy  names that server in the Wine prefix's policy
#                             value, as an administrator names a mirror
#   update_server_stop
#   user_proxy_start LOG      starts the proxy (its log: every address asked
#                             for) and sets it as the prefix user's proxy
#   user_proxy_stop

UPDATE_SERVER_PID=
UPDATE_SERVER_URL=
USER_PROXY_PID=

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
  UPDATE_SERVER_URL=http://127.0.0.1:$port
}

update_server_use_policy() {
  wine_exec wine reg add 'HKLM\SOFTWARE\Policies\BRENLATO\ZEV Status' /v UpdateUrl /t REG_SZ \
    /d "$UPDATE_SERVER_URL" /f >/dev/null 2>&1
  wine_exec wineserver -w
}

update_server_stop() {
  if [[ -n $UPDATE_SERVER_PID ]]; then
    kill "$UPDATE_SERVER_PID" 2>/dev/null || true
    wait "$UPDATE_SERVER_PID" 2>/dev/null || true
    UPDATE_SERVER_PID=
  fi
}

# Four bytes, little-endian, in hex.
le32_hex() { printf '%02x%02x%02x%02x' $(($1 & 255)) $((($1 >> 8) & 255)) $((($1 >> 16) & 255)) $((($1 >> 24) & 255)); }

user_proxy_start() {
  local log=$1 out=$1.out port= blob
  : >"$log"
  python3 -u "$(dirname "${BASH_SOURCE[0]}")/loopback_proxy.py" "$log" >"$out" 2>&1 &
  USER_PROXY_PID=$!
  for _ in $(seq 100); do
    port=$(head -1 "$out")
    [[ -n $port ]] && break
    sleep 0.1
  done
  [[ -n $port ]] || { echo "the proxy did not start; $out:" >&2; cat "$out" >&2; user_proxy_stop; return 1; }
  # The Internet Options' connection settings as Windows keeps them: version,
  # counter, flags (direct and a fixed proxy), the proxy, an empty bypass list,
  # no script address, then reserved zeros. Wine's WinHTTP reads only this
  # blob, not ProxyEnable/ProxyServer; http_proxy stays unset, since WinHTTP's
  # own default would honour it and hide a program that ignores the settings.
  local proxy=127.0.0.2:$port
  blob=$(le32_hex 0x46)$(le32_hex 1)$(le32_hex 3)$(le32_hex ${#proxy})
  blob+=$(printf '%s' "$proxy" | od -An -tx1 | tr -d ' \n')$(le32_hex 0)$(le32_hex 0)$(printf '0%.0s' {1..64})
  unset http_proxy HTTP_PROXY
  wine_exec wine reg add 'HKCU\Software\Microsoft\Windows\CurrentVersion\Internet Settings\Connections' \
    /v DefaultConnectionSettings /t REG_BINARY /d "$blob" /f >/dev/null 2>&1
  wine_exec wineserver -w
}

user_proxy_stop() {
  if [[ -n $USER_PROXY_PID ]]; then
    kill "$USER_PROXY_PID" 2>/dev/null || true
    wait "$USER_PROXY_PID" 2>/dev/null || true
    USER_PROXY_PID=
  fi
}
