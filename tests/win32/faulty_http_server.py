"""A loopback HTTP server whose answers go wrong on purpose, for the WinHTTP
download tests under Wine. Prints its port on the first line, then serves:

  /whole    64 bytes, with a length header
  /cut      a length header of 64, half the body, then the connection closes
  /stall    a length header of 64, half the body, then silence (10 s at most)
  /big      65 bytes without a length header
  /drip     a length header of 64, then one byte a second: never a stall
  /test-ca.crl  the file named by the second argument, if any (the signature
            tests' CRL); each fetch is logged
  anything else: 404
"""
import socket
import sys
import threading
import time

BODY = b"z" * 64


def answer(conn):
    with conn:
        conn.settimeout(5)
        try:
            head = conn.recv(4096).decode("latin-1")
        except OSError:
            return
        path = head.split(" ")[1] if head.count(" ") >= 2 else ""
        ok = b"HTTP/1.1 200 OK\r\nConnection: close\r\n"
        if path == "/whole":
            conn.sendall(ok + b"Content-Length: 64\r\n\r\n" + BODY)
        elif path in ("/cut", "/stall"):
            conn.sendall(ok + b"Content-Length: 64\r\n\r\n" + BODY[:32])
            if path == "/stall":
                deadline = time.time() + 10
                while time.time() < deadline:
                    try:
                        if not conn.recv(1):
                            return
                    except socket.timeout:
                        continue
                    except OSError:
                        return
        elif path == "/drip":
            conn.sendall(ok + b"Content-Length: 64\r\n\r\n")
            for byte in BODY:
                time.sleep(1)
                try:
                    conn.sendall(bytes([byte]))
                except OSError:
                    return
        elif path == "/test-ca.crl" and len(sys.argv) > 2:
            with open(sys.argv[2], "rb") as crl:
                body = crl.read()
            print("fetched", path, flush=True)
            conn.sendall(ok + b"Content-Type: application/pkix-crl\r\nContent-Length: %d\r\n\r\n" % len(body) + body)
        elif path == "/big":
            conn.sendall(ok + b"\r\n" + BODY + b"z")
        else:
            conn.sendall(b"HTTP/1.1 404 Not Found\r\nContent-Length: 0\r\nConnection: close\r\n\r\n")


def main():
    listener = socket.socket()
    listener.bind(("127.0.0.1", 0))
    listener.listen(8)
    print(listener.getsockname()[1], flush=True)
    listener.settimeout(1)
    idle_until = time.time() + float(sys.argv[1] if len(sys.argv) > 1 else 600)
    while time.time() < idle_until:
        try:
            conn, _ = listener.accept()
        except socket.timeout:
            continue
        threading.Thread(target=answer, args=(conn,), daemon=True).start()


main()
