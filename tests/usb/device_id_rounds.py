"""Times the device-ID request through usblp (LPIOC_GET_DEVICE_ID) and prints
the median round trip: usage: device_id_rounds.py NODE ROUNDS."""
import fcntl
import os
import statistics
import sys
import time

BUFFER = 1024
# _IOC(_IOC_READ, 'P', 1, BUFFER): the driver keeps the number out of its headers.
GET_DEVICE_ID = (2 << 30) | (BUFFER << 16) | (ord("P") << 8) | 1

node, rounds = sys.argv[1], int(sys.argv[2])
fd = os.open(node, os.O_RDWR | os.O_NONBLOCK)
answer = bytearray(BUFFER)
times = []
for _ in range(rounds):
    t0 = time.perf_counter_ns()
    fcntl.ioctl(fd, GET_DEVICE_ID, answer)
    times.append(time.perf_counter_ns() - t0)
os.close(fd)
print(f"figure: device-ID read through usblp, median of {rounds}: {statistics.median(times) / 1000:.1f} us "
      f"(min {min(times) / 1000:.1f} us, under {os.uname().release} in QEMU)")
