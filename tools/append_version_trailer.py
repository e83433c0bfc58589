#!/usr/bin/env python3
"""Appends the version trailer to a built program file: the four numbers
major, minor, revision and build as unsigned 32-bit big-endian integers, the
last 16 bytes of the file, where the program and the firmware update read the
version of a file."""
import struct
import sys

path, *numbers = sys.argv[1:]
with open(path, "ab") as program:
    program.write(struct.pack(">4I", *(int(n) for n in numbers)))
