#!/usr/bin/env python3
"""Loopback FTP server for the network-copy tests.

  ftp_server.py start --root DIR --log FILE --pidfile FILE [--port 21] [--lifetime SECONDS]
  ftp_server.py stop --pidfile FILE

start empties DIR, serves it on 127.0.0.1 in the background and returns once
the port answers; the server stops by itself after --lifetime seconds.
Users: "u" with password "p", "nopw" with an empty password (both may
write), and anonymous (read only). Logins are logged to FILE.
"""
import argparse
import logging
import os
import shutil
import signal
import socket
import sys
import time


def serve(args):
    from pyftpdlib.authorizers import DummyAuthorizer
    from pyftpdlib.handlers import FTPHandler
    from pyftpdlib.servers import FTPServer

    logging.basicConfig(filename=args.log, level=logging.INFO)
    authorizer = DummyAuthorizer()
    authorizer.add_user("u", "p", args.root, perm="elradfmw")
    authorizer.add_user("nopw", "", args.root, perm="elradfmw")
    authorizer.add_anonymous(args.root)
    handler = FTPHandler
    handler.authorizer = authorizer
    handler.auth_failed_timeout = 0  # a refused login answers at once
    server = FTPServer(("127.0.0.1", args.port), handler)

    def leave(*_):
        raise SystemExit(0)

    signal.signal(signal.SIGTERM, leave)
    signal.signal(signal.SIGALRM, leave)
    signal.alarm(args.lifetime)
    with open(args.pidfile, "w") as f:
        f.write(str(os.getpid()))
    server.serve_forever(timeout=1)


def port_answers(port):
    try:
        with socket.create_connection(("127.0.0.1", port), timeout=1):
            return True
    except OSError:
        return False


def start(args):
    # Python from Debian: pyftpdlib must be importable before we fork.
    import pyftpdlib  # noqa: F401

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
    print("ftp server did not come up on port %d" % args.port, file=sys.stderr)
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


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("action", choices=("start", "stop"))
    parser.add_argument("--root")
    parser.add_argument("--log")
    parser.add_argument("--pidfile", required=True)
    parser.add_argument("--port", type=int, default=21)
    parser.add_argument("--lifetime", type=int, default=240)
    args = parser.parse_args()
    return start(args) if args.action == "start" else stop(args)


if __name__ == "__main__":
    sys.exit(main())
