#!/usr/bin/env python3
"""Loopback FTP server for the network-copy tests.

  ftp_server.py start --root DIR --log FILE --pidfile FILE [--port 21] [--lifetime SECONDS]
  ftp_server.py stop --pidfile FILE

start empties DIR, serves it on 127.0.0.1 in the background and returns once
the port answers; the server stops by itself after --lifetime seconds.
Users: "u" with password "p", "nopw" with an empty password (both may
write), and anonymous (read only). Logins are logged to FILE.
"""
import logging
import os
import sys

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "tests", "support"))
import loopback_server  # noqa: E402


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

    loopback_server.serve_until_stopped(args, lambda: server.serve_forever(timeout=1))


def check_pyftpdlib():
    # Python from Debian: pyftpdlib must be importable before we fork.
    import pyftpdlib  # noqa: F401


if __name__ == "__main__":
    sys.exit(loopback_server.main(serve, "ftp server", 21, check_pyftpdlib))
