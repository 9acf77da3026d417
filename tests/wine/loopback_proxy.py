"""A forward HTTP proxy on 127.0.0.2 for the Wine end-to-end tests: the user's
proxy, as an office would have one. It relays plain-HTTP GETs to servers on
127.0.0.1 only and logs each address asked for, one a line. (Not on 127.0.0.1
itself: Wine's WinHTTP sends a proxy on the server's own host name the bare
path instead of the whole address.)

  loopback_proxy.py LOG [IDLE_SECONDS]

Prints its port on the first line of stdout; ends by itself after IDLE_SECONDS
(default 600) without a request.
"""
import socket
import sys
import threading
import time
from urllib.parse import urlsplit

log_lock = threading.Lock()


def read_head(conn):
    head = b""
    while b"\r\n\r\n" not in head and len(head) < 65536:
        chunk = conn.recv(4096)
        if not chunk:
            break
        head += chunk
    return head.split(b"\r\n\r\n", 1)[0].decode("latin-1")


def relay(conn, log):
    with conn:
        conn.settimeout(30)
        try:
            lines = read_head(conn).split("\r\n")
            method, target, _ = lines[0].split(" ", 2)
        except (OSError, ValueError):
            return
        with log_lock, open(log, "a") as f:
            f.write(f"{method} {target}\n")
        url = urlsplit(target)
        if method != "GET" or url.scheme != "http" or url.hostname != "127.0.0.1":
            conn.sendall(b"HTTP/1.1 403 Forbidden\r\nContent-Length: 0\r\nConnection: close\r\n\r\n")
            return
        path = (url.path or "/") + (f"?{url.query}" if url.query else "")
        headers = [h for h in lines[1:] if h and not h.lower().startswith(("proxy-", "connection:"))]
        try:
            with socket.create_connection(("127.0.0.1", url.port or 80), timeout=30) as upstream:
                request = [f"GET {path} HTTP/1.0"] + headers + ["Connection: close", "", ""]
                upstream.sendall("\r\n".join(request).encode("latin-1"))
                while chunk := upstream.recv(65536):
                    conn.sendall(chunk)
        except OSError:
            conn.sendall(b"HTTP/1.1 502 Bad Gateway\r\nContent-Length: 0\r\nConnection: close\r\n\r\n")


def main():
    log = sys.argv[1]
    idle = float(sys.argv[2]) if len(sys.argv) > 2 else 600
    listener = socket.socket()
    listener.bind(("127.0.0.2", 0))
    listener.listen(8)
    listener.settimeout(1)
    print(listener.getsockname()[1], flush=True)
    idle_until = time.time() + idle
    while time.time() < idle_until:
        try:
            conn, _ = listener.accept()
        except socket.timeout:
            continue
        idle_until = time.time() + idle
        threading.Thread(target=relay, args=(conn, log), daemon=True).start()


main()
