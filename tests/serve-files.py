#!/usr/bin/env python3
"""Serves the files of a folder over HTTP on the loopback address, for the tests and scripts
that need a server of their own (no test reaches the internet).

    serve-files.py FOLDER PORT_FILE [SECONDS]

Binds 127.0.0.1 on a free port, writes the port into PORT_FILE once it listens, and serves
until it is killed, or at most SECONDS (300 by default), so that a forgotten server ends by
itself."""
import functools
import http.server
import os
import sys
import threading


class Quiet(http.server.SimpleHTTPRequestHandler):
    def log_message(self, *args):
        pass


class Server(http.server.ThreadingHTTPServer):
    def handle_error(self, request, client_address):
        pass  # a client that went away


def main():
    folder, port_file = sys.argv[1], sys.argv[2]
    seconds = float(sys.argv[3]) if len(sys.argv) > 3 else 300
    handler = functools.partial(Quiet, directory=folder)
    server = Server(("127.0.0.1", 0), handler)
    timer = threading.Timer(seconds, server.shutdown)
    timer.daemon = True
    timer.start()
    with open(port_file + ".part", "w") as f:
        f.write(str(server.server_address[1]))
    os.replace(port_file + ".part", port_file)
    server.serve_forever()


if __name__ == "__main__":
    main()
