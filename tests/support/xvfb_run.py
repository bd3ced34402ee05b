#!/usr/bin/env python3
"""Runs one command on a private Xvfb display and returns its exit status.

  xvfb_run.py [--wm PROGRAM] [--screen WxHxD] -- COMMAND [ARGS...]

Xvfb picks a free display itself (-displayfd), so parallel tests never
collide. With --wm, the given window manager is started first and the command
runs once it prints a line on stdout (it owns the root window by then).
DISPLAY is set for the command; the server and the manager end with it.
"""

import argparse
import os
import subprocess
import sys


def start_xvfb(screen):
    read_end, write_end = os.pipe()
    server = subprocess.Popen(
        ["Xvfb", "-displayfd", str(write_end), "-screen", "0", screen,
         "-nolisten", "tcp", "-noreset", "-nocursor"],
        pass_fds=(write_end,), stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    os.close(write_end)
    with os.fdopen(read_end) as pipe:
        number = pipe.readline().strip()
    if not number.isdigit():
        server.kill()
        server.wait()
        raise RuntimeError("Xvfb did not start")
    return server, ":" + number


def start_wm(program, env):
    manager = subprocess.Popen([program], env=env, stdout=subprocess.PIPE)
    if not manager.stdout.readline():
        manager.wait()
        raise RuntimeError(f"window manager {program} did not start")
    return manager


def stop(process):
    if process and process.poll() is None:
        process.terminate()
        try:
            process.wait(timeout=5)
        except subprocess.TimeoutExpired:
            process.kill()
            process.wait()


def main(argv):
    parser = argparse.ArgumentParser()
    parser.add_argument("--wm")
    parser.add_argument("--screen", default="1024x768x24")
    parser.add_argument("command", nargs=argparse.REMAINDER)
    args = parser.parse_args(argv)
    command = args.command[1:] if args.command[:1] == ["--"] else args.command
    if not command:
        parser.error("no command given")

    server = manager = None
    try:
        server, display = start_xvfb(args.screen)
        env = dict(os.environ, DISPLAY=display)
        env.pop("XAUTHORITY", None)
        if args.wm:
            manager = start_wm(args.wm, env)
        return subprocess.call(command, env=env)
    except (OSError, RuntimeError) as error:
        print(f"xvfb_run: {error}", file=sys.stderr)
        return 125
    finally:
        stop(manager)
        stop(server)


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
