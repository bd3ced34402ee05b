#!/usr/bin/env python3
"""Runs a command and passes when it ends with the given exit status.

  expect_status.py STATUS -- COMMAND [ARGS...]
"""

import subprocess
import sys


def main(argv):
    if len(argv) < 3 or argv[1] != "--":
        print(__doc__, file=sys.stderr)
        return 64
    wanted = int(argv[0])
    status = subprocess.call(argv[2:])
    if status != wanted:
        print(f"expect_status: exit status {status}, wanted {wanted}")
        return 1
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
