#!/usr/bin/env python3
"""The version trailer at the end of the program file, where the program and
the firmware update read a file's version: the tag in Latin-1, then major,
minor, revision and build as unsigned 32-bit big-endian integers.

  version_trailer.py append PROGRAM TAG MAJOR MINOR REVISION BUILD
      appends the trailer to a freshly built program file (the build does this)
  version_trailer.py update-file PROGRAM TAG MAJOR MINOR REVISION BUILD TARGET
      writes TARGET, an update file made of PROGRAM with its trailer replaced
      by the given version, and beside it the ".chk" file with its raw SHA-1;
      a number given as "keep" is taken from PROGRAM's own trailer
"""
import hashlib
import os
import struct
import sys


def trailer(tag, numbers):
    return tag.encode("latin-1") + struct.pack(">4I", *(int(n) for n in numbers))


def main(arguments):
    if len(arguments) == 7 and arguments[0] == "append":
        _, program, tag, *numbers = arguments
        with open(program, "ab") as output:
            output.write(trailer(tag, numbers))
        return 0
    if len(arguments) == 8 and arguments[0] == "update-file":
        _, program, tag, *numbers, target = arguments
        with open(program, "rb") as source:
            content = source.read()
        old_numbers = struct.unpack(">4I", content[-16:])
        numbers = [old if n == "keep" else n for n, old in zip(numbers, old_numbers)]
        old_length = len(tag) + 16
        if content[-old_length:-16] == tag.encode("latin-1"):
            content = content[:-old_length]
        content += trailer(tag, numbers)
        os.makedirs(os.path.dirname(os.path.abspath(target)), exist_ok=True)
        with open(target, "wb") as output:
            output.write(content)
        with open(target[:-4] + ".chk", "wb") as output:
            output.write(hashlib.sha1(content).digest())
        return 0
    sys.stderr.write(__doc__)
    return 2


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
