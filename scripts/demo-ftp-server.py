#!/usr/bin/python3
"""A throwaway FTP server for the demo: one account, one folder, loopback
only, and data transfers slowed down so that the progress can be watched.
Prints the port once it listens."""
import argparse
import sys

from pyftpdlib.authorizers import DummyAuthorizer
from pyftpdlib.handlers import FTPHandler, ThrottledDTPHandler
from pyftpdlib.servers import FTPServer


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--root", required=True)
    parser.add_argument("--user", required=True)
    parser.add_argument("--password", required=True)
    parser.add_argument("--bytes-per-second", type=int, default=4 * 1024 * 1024)
    args = parser.parse_args()

    authorizer = DummyAuthorizer()
    authorizer.add_user(args.user, args.password, args.root, perm="elradfmw")
    dtp = ThrottledDTPHandler
    dtp.read_limit = args.bytes_per_second
    handler = FTPHandler
    handler.authorizer = authorizer
    handler.dtp_handler = dtp
    handler.permit_foreign_addresses = False
    server = FTPServer(("127.0.0.1", 0), handler)
    print(server.socket.getsockname()[1], flush=True)
    server.serve_forever(timeout=0.05)


if __name__ == "__main__":
    sys.exit(main())
