#!/usr/bin/env python3
"""A VNC viewer without a screen, for bench/resident_memory.sh: it connects
to the program's VNC port as one viewer does for as long as the user looks,
asks for the whole screen, then for its changes five times a second, reads
all it is sent, and taps where each line of its standard input says
("x y", in screen pixels)."""
import os
import socket
import struct
import sys
import threading
import time


def receive(connection, length):
    data = b''
    while len(data) < length:
        chunk = connection.recv(length - len(data))
        if not chunk:
            raise EOFError
        data += chunk
    return data


def main():
    connection = socket.create_connection(('127.0.0.1', int(sys.argv[1])))
    receive(connection, 12)
    connection.sendall(b'RFB 003.003\n')
    receive(connection, 4)
    connection.sendall(b'\x01')
    header = receive(connection, 24)
    width, height = struct.unpack('>HH', header[:4])
    receive(connection, struct.unpack('>I', header[20:24])[0])
    lock = threading.Lock()

    def send(message):
        with lock:
            connection.sendall(message)

    send(struct.pack('>BxxxBBBBHHHBBBxxx', 0, 32, 24, 0, 1, 255, 255, 255, 16, 8, 0))
    send(struct.pack('>BxHi', 2, 1, 0))
    send(struct.pack('>BBHHHH', 3, 0, 0, 0, width, height))

    def read_all():
        while connection.recv(1 << 16):
            pass
        os._exit(0)

    def ask_for_changes():
        while True:
            time.sleep(0.2)
            send(struct.pack('>BBHHHH', 3, 1, 0, 0, width, height))

    threading.Thread(target=read_all, daemon=True).start()
    threading.Thread(target=ask_for_changes, daemon=True).start()
    for line in iter(sys.stdin.readline, ''):
        x, y = map(int, line.split())
        send(struct.pack('>BBHH', 5, 0, x, y))
        time.sleep(0.05)
        send(struct.pack('>BBHH', 5, 1, x, y))
        time.sleep(0.08)
        send(struct.pack('>BBHH', 5, 0, x, y))


if __name__ == '__main__':
    main()
