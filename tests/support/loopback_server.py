"""Start and stop of the tests' loopback servers.

A server script gives its serve(args) function and extra arguments; this
module adds the common ones (--root, --log, --pidfile, --port, --lifetime)
and the two actions:

  start  empties --root, runs serve(args) detached on 127.0.0.1 and returns
         once the port answers; the server stops by itself after --lifetime
         seconds.
  stop   ends the server named by --pidfile.
"""
import argparse
import os
import shutil
import signal
import socket
import sys
import time


def port_answers(port):
    try:
        with socket.create_connection(("127.0.0.1", port), timeout=1):
            return True
    except OSError:
        return False


def serve_until_stopped(args, serve_forever):
    """Writes the pid file, then serves until SIGTERM or the lifetime ends."""

    def leave(*_):
        raise SystemExit(0)

    signal.signal(signal.SIGTERM, leave)
    signal.signal(signal.SIGALRM, leave)
    signal.alarm(args.lifetime)
    with open(args.pidfile, "w") as f:
        f.write(str(os.getpid()))
    serve_forever()


def start(args, serve, name):
    shutil.rmtree(args.root, ignore_errors=True)
    os.makedirs(args.root)
    for path in (args.log, args.pidfile):
        if os.path.exists(path):
            os.remove(path)
    if os.fork() == 0:
        # Detached, with no stream of ours, so CTest does not wait for it.
        os.setsid()
        devnull = os.open(os.devnull, os.O_RDWR)
        for fd in (0, 1, 2):
            os.dup2(devnull, fd)
        try:
            serve(args)
        finally:
            os._exit(0)
    deadline = time.monotonic() + 10
    while time.monotonic() < deadline:
        if os.path.exists(args.pidfile) and port_answers(args.port):
            return 0
        time.sleep(0.1)
    print("%s did not come up on port %d" % (name, args.port), file=sys.stderr)
    return 1


def stop(args):
    try:
        with open(args.pidfile) as f:
            pid = int(f.read())
    except (OSError, ValueError):
        return 0
    try:
        os.kill(pid, signal.SIGTERM)
        deadline = time.monotonic() + 5
        while time.monotonic() < deadline:
            os.kill(pid, 0)
            time.sleep(0.1)
        os.kill(pid, signal.SIGKILL)
    except ProcessLookupError:
        pass
    os.remove(args.pidfile)
    return 0


def main(serve, name, default_port, before_start=None):
    parser = argparse.ArgumentParser()
    parser.add_argument("action", choices=("start", "stop"))
    parser.add_argument("--root")
    parser.add_argument("--log")
    parser.add_argument("--pidfile", required=True)
    parser.add_argument("--port", type=int, default=default_port)
    parser.add_argument("--lifetime", type=int, default=240)
    args = parser.parse_args()
    if args.action == "stop":
        return stop(args)
    if before_start:
        before_start()
    return start(args, serve, name)
