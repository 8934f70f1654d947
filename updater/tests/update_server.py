#!/usr/bin/env python3
"""Loopback HTTP server for the updater's tests.

  update_server.py start --root DIR --log FILE --pidfile FILE [--port 80] [--lifetime SECONDS]
  update_server.py stop --pidfile FILE

Serves the update query and the package mirrors from DIR, which the tests
fill: "/version.asp?..." answers with DIR/reply.txt (or with the status in
DIR/status.txt when that file exists); any other path answers with the file
of that name in DIR, or 404. When DIR holds NAME.send with a number, the
file NAME is announced whole but only that many of its bytes are sent
before the connection closes, as a failing network would. Every request
line is appended to FILE.
"""
import http.server
import os
import sys

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "tests", "support"))
import loopback_server  # noqa: E402


def serve(args):
    class Handler(http.server.BaseHTTPRequestHandler):
        protocol_version = "HTTP/1.0"

        def log_message(self, *_):
            pass

        def answer(self, status, body, sent=None):
            self.send_response(status)
            self.send_header("Content-Type", "application/octet-stream")
            self.send_header("Content-Length", str(len(body)))
            self.end_headers()
            self.wfile.write(body if sent is None else body[:sent])
            self.wfile.flush()
            self.close_connection = True

        def do_GET(self):
            with open(args.log, "a") as log:
                log.write(self.requestline + "\n")
            if self.path.startswith("/version.asp"):
                status_file = os.path.join(args.root, "status.txt")
                if os.path.exists(status_file):
                    with open(status_file) as f:
                        return self.answer(int(f.read().strip()), b"not found\n")
                with open(os.path.join(args.root, "reply.txt"), "rb") as f:
                    return self.answer(200, f.read())
            path = os.path.join(args.root, os.path.basename(self.path))
            if not os.path.isfile(path):
                return self.answer(404, b"<html>not found</html>\n")
            sent = None
            if os.path.isfile(path + ".send"):
                with open(path + ".send") as f:
                    sent = int(f.read().strip())
            with open(path, "rb") as f:
                return self.answer(200, f.read(), sent)

    server = http.server.HTTPServer(("127.0.0.1", args.port), Handler)
    loopback_server.serve_until_stopped(args, server.serve_forever)


if __name__ == "__main__":
    sys.exit(loopback_server.main(serve, "update server", 80))
