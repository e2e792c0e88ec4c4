#!/usr/bin/python3
"""An FTP server on loopback for the tests, on pyftpdlib.

It serves one user whose login directory is --root, listens on a free port
and prints that port on a line of its own once it accepts connections; then
it prints "disconnect" on a line each time a control connection has closed. Every
connection, login and command line goes to --log, one event a line, written
before the server answers, so a client that has its answer finds the event
logged. The --file options make the store of that one file go wrong in the
ways the tests need; the --stall options before --file stall the server
as a whole.
"""

import argparse
import os
import socket
import struct
import time

from pyftpdlib.authorizers import DummyAuthorizer
from pyftpdlib.handlers import DTPHandler, FTPHandler
from pyftpdlib.servers import FTPServer


def parse_arguments():
    parser = argparse.ArgumentParser()
    parser.add_argument("--address", default="127.0.0.1")
    parser.add_argument("--root", required=True)
    parser.add_argument("--user", required=True)
    parser.add_argument("--password", required=True)
    parser.add_argument("--log", required=True)
    parser.add_argument("--stall-connect", action="store_true",
                        help="never accept a connection: connecting stalls")
    parser.add_argument("--stall-greeting", action="store_true",
                        help="accept connections but never answer")
    parser.add_argument("--stall-data-connection", action="store_true",
                        help="agree to PORT and EPRT but never connect")
    parser.add_argument("--file", help="the file that the options below apply to")
    parser.add_argument("--stor-reply", help="answer STOR with this reply instead")
    parser.add_argument("--stall-stor", action="store_true", help="never answer STOR")
    parser.add_argument("--stall-data", action="store_true",
                        help="never read the data connection")
    parser.add_argument("--drop-after-bytes", type=int,
                        help="reset data and control connection after this many bytes")
    parser.add_argument("--final-reply", help="end the store with this reply, not 226")
    parser.add_argument("--stall-final", action="store_true",
                        help="never send the final reply of the store")
    parser.add_argument("--drop-after-file", action="store_true",
                        help="close the control connection after the final reply")
    return parser.parse_args()


OPTIONS = parse_arguments()
LOG = open(OPTIONS.log, "a", encoding="utf-8", errors="surrogateescape", buffering=1)


def log(event, text=""):
    LOG.write(event + "\t" + text + "\n")


def is_faulty(path):
    return OPTIONS.file is not None and os.path.basename(path) == OPTIONS.file


def reset(sock):
    # A linger time of zero makes close() send a reset: the peer sees the
    # connection torn, not ended.
    sock.setsockopt(socket.SOL_SOCKET, socket.SO_LINGER, struct.pack("ii", 1, 0))


class FaultyDTPHandler(DTPHandler):
    def enable_receiving(self, type, cmd):
        super().enable_receiving(type, cmd)
        if OPTIONS.stall_data and is_faulty(self.file_obj.name):
            self.del_channel()

    def handle_read(self):
        limit = OPTIONS.drop_after_bytes
        if limit is None or not is_faulty(self.file_obj.name):
            return super().handle_read()
        remaining = limit - self.tot_bytes_received
        if remaining > 0:
            chunk = self.recv(min(self.ac_in_buffer_size, remaining))
            if not chunk:
                return
            self.tot_bytes_received += len(chunk)
            self.file_obj.write(chunk)
            remaining -= len(chunk)
        if remaining <= 0:
            reset(self.socket)
            reset(self.cmd_channel.socket)
            self.cmd_channel.close()

    handle_read_event = handle_read

    def handle_close(self):
        if self._closed or not self.receive or not is_faulty(self.file_obj.name):
            return super().handle_close()
        if OPTIONS.stall_final:
            self._resp = ()
        elif OPTIONS.final_reply:
            self._resp = (OPTIONS.final_reply, lambda message: None)
        else:
            return super().handle_close()
        self.transfer_finished = True
        self.close()


class LoggingFTPHandler(FTPHandler):
    dtp_handler = FaultyDTPHandler
    # Names are bytes: the file system's names, whatever their encoding.
    unicode_errors = "surrogateescape"
    auth_failed_timeout = 0

    def handle(self):
        if not OPTIONS.stall_greeting:
            super().handle()

    def on_connect(self):
        log("connect")

    def on_disconnect(self):
        print("disconnect", flush=True)

    def on_login(self, username):
        log("login", username)

    def pre_process_command(self, line, cmd, arg):
        log("command", "PASS ******" if cmd == "PASS" else line)
        super().pre_process_command(line, cmd, arg)

    def ftp_PORT(self, line):
        if not OPTIONS.stall_data_connection:
            return super().ftp_PORT(line)
        self.respond("200 Active data connection established.")

    def ftp_EPRT(self, line):
        if not OPTIONS.stall_data_connection:
            return super().ftp_EPRT(line)
        self.respond("200 Active data connection established.")

    def ftp_STOR(self, file, mode="w"):
        if is_faulty(file):
            if OPTIONS.stall_stor:
                return None
            if OPTIONS.stor_reply:
                self.respond(OPTIONS.stor_reply)
                return None
        return super().ftp_STOR(file, mode)

    def on_file_received(self, file):
        if OPTIONS.drop_after_file and is_faulty(file):
            # Once the data channel has finished closing.
            self.ioloop.call_later(0, self.close)


def stall_connections():
    listener = socket.socket(socket.AF_INET6 if ":" in OPTIONS.address else socket.AF_INET)
    listener.bind((OPTIONS.address, 0))
    # With a backlog of zero the queue holds one connection; once that one
    # waits in it, the kernel drops further attempts and they stall.
    listener.listen(0)
    filler = socket.create_connection(listener.getsockname()[:2])
    print(listener.getsockname()[1], flush=True)
    while filler:
        time.sleep(3600)


def serve():
    authorizer = DummyAuthorizer()
    authorizer.add_user(OPTIONS.user, OPTIONS.password, OPTIONS.root, perm="elradfmwMT")
    LoggingFTPHandler.authorizer = authorizer
    server = FTPServer((OPTIONS.address, 0), LoggingFTPHandler)
    print(server.socket.getsockname()[1], flush=True)
    # A timeout makes the loop run its timers at least this often: without
    # one, a timer due at once can leave the loop blocked waiting for I/O.
    server.serve_forever(timeout=0.05, handle_exit=False)


if __name__ == "__main__":
    if OPTIONS.stall_connect:
        stall_connections()
    else:
        serve()
