#!/usr/bin/env python3
"""Scriptable HTTPS server that serves a document root like nginx, or misbehaves on request.

Rules (re-read on every request) map a request path to one rule or to a list of
rules used one per request; see README.md beside this file for the fields.
"""
import argparse
import email.utils
import json
import os
import re
import socket
import socketserver
import ssl
import struct
import sys
import threading
import time
import urllib.parse
from http.server import BaseHTTPRequestHandler

CHUNK = 64 * 1024
HANDSHAKE_TIMEOUT = 10
IDLE_TIMEOUT = 30
CLOSE_NOTIFY_TIMEOUT = 1
RULE_FIELDS = {"status", "body", "body_hex", "headers", "no_content_length", "ignore_range",
               "range_offset_shift", "cut_after", "cut_mode", "delay_ms", "chunk_delay_ms",
               "chunk_size", "drop"}
TYPES = {".txt": "text/plain", ".zip": "application/zip", ".htm": "text/html",
         ".html": "text/html"}
UNSATISFIABLE = "unsatisfiable"


class BadRules(Exception):
    pass


class Rules:
    """The rules file plus how many requests each path got since the file last changed."""

    def __init__(self, path):
        self.path = path
        self.lock = threading.Lock()
        self.identity = None
        self.counts = {}

    def pick(self, target):
        with self.lock:
            identity, rules = self._load()
            if identity != self.identity:
                self.identity, self.counts = identity, {}
            key = target if target in rules else urllib.parse.urlsplit(target).path
            if key not in rules:
                return {}
            entry = rules[key]
            n = self.counts.get(key, 0)
            self.counts[key] = n + 1
        if isinstance(entry, list):
            if not entry:
                raise BadRules(f"empty rule list for {key}")
            entry = entry[min(n, len(entry) - 1)]
        if not isinstance(entry, dict) or not RULE_FIELDS.issuperset(entry):
            raise BadRules(f"bad rule for {key}: {entry!r}")
        return entry

    def _load(self):
        try:
            with open(self.path, "rb") as f:
                st = os.fstat(f.fileno())
                raw = f.read()
        except FileNotFoundError:
            return None, {}
        try:
            rules = json.loads(raw)
        except ValueError as e:
            raise BadRules(f"{self.path}: {e}") from None
        if not isinstance(rules, dict):
            raise BadRules(f"{self.path}: not a JSON object")
        # A rewrite through rename gives a new inode even within one clock tick.
        return (st.st_ino, st.st_mtime_ns, st.st_size), rules


class JsonLog:
    def __init__(self, path):
        self.file = open(path, "a", encoding="utf-8")
        self.lock = threading.Lock()

    def write(self, record):
        line = json.dumps(record, ensure_ascii=False) + "\n"
        with self.lock:
            self.file.write(line)
            self.file.flush()


class Content:
    """Bytes to send: a rule's body, a file, or an error page."""

    def __init__(self, size, opener, mtime=None):
        self.size, self.opener, self.mtime = size, opener, mtime

    @classmethod
    def of_bytes(cls, data):
        return cls(len(data), lambda: _BytesReader(data))

    @classmethod
    def of_file(cls, path):
        st = os.stat(path)
        return cls(st.st_size, lambda: open(path, "rb"), st.st_mtime)


class _BytesReader:
    def __init__(self, data):
        self.view, self.pos = memoryview(data), 0

    def seek(self, pos):
        self.pos = pos

    def read(self, n):
        piece = self.view[self.pos:self.pos + n]
        self.pos += len(piece)
        return bytes(piece)

    def __enter__(self):
        return self

    def __exit__(self, *exc):
        return False


class Reply:
    """What a request gets unless a rule says otherwise: by default the whole content."""

    def __init__(self, content, status, headers, start=0, end=None):
        self.content, self.status, self.headers = content, status, headers
        self.start = start
        self.end = content.size - 1 if end is None else end


def error_page(status, title):
    return Content.of_bytes(
        f"<html><head><title>{status} {title}</title></head>"
        f"<body><h1>{status} {title}</h1></body></html>\n".encode())


def parse_range(value, size):
    """(start, end) inclusive, UNSATISFIABLE, or None when the header is to be ignored."""
    m = re.fullmatch(r"\s*bytes\s*=\s*(\d*)\s*-\s*(\d*)\s*", value, re.IGNORECASE)
    if not m or m[1] == m[2] == "":
        return None  # malformed or several ranges: nginx-like full answer
    if m[1] == "":
        suffix = int(m[2])
        return (max(0, size - suffix), size - 1) if suffix and size else UNSATISFIABLE
    start = int(m[1])
    end = int(m[2]) if m[2] else size - 1
    if start >= size or end < start:
        return UNSATISFIABLE
    return start, min(end, size - 1)


def rule_body(rule):
    if "body" in rule and "body_hex" in rule:
        raise BadRules("a rule has both body and body_hex")
    if "body_hex" in rule:
        return bytes.fromhex(rule["body_hex"])
    if "body" in rule:
        return rule["body"].encode("utf-8")
    return None


class Handler(BaseHTTPRequestHandler):
    protocol_version = "HTTP/1.1"
    server_version = "faultserver"
    sys_version = ""
    timeout = IDLE_TIMEOUT

    def setup(self):
        # The handshake runs here, in the connection's thread, so a stuck client blocks no one.
        self.request.settimeout(HANDSHAKE_TIMEOUT)
        self.request = self.server.tls.wrap_socket(self.request, server_side=True)
        self.reset_done = False
        super().setup()

    def handle(self):
        try:
            super().handle()
        except (OSError, ValueError):
            pass  # the client went away; nothing to answer

    def finish(self):
        try:
            super().finish()
        except OSError:
            pass
        if not self.reset_done:
            self._close_cleanly()

    def log_message(self, format, *args):
        pass  # requests go to the JSON log instead

    def do_GET(self):
        self._respond(send_body=True)

    def do_HEAD(self):
        self._respond(send_body=False)

    def _respond(self, send_body):
        try:
            rule = self.server.rules.pick(self.path)
            reply = self._select(rule, rule_body(rule))
        except (BadRules, ValueError) as e:
            print(f"faultserver: bad rules: {e}", file=sys.stderr, flush=True)
            rule, reply = {}, Reply(Content.of_bytes(f"bad rules: {e}\n".encode()), 500,
                                    [("Content-Type", "text/plain")])
        status = rule.get("status", reply.status)
        self._log(None if rule.get("drop") else status)
        if rule.get("delay_ms"):
            time.sleep(rule["delay_ms"] / 1000)
        if rule.get("drop"):
            self.close_connection = True
            return
        try:
            self._send(rule, status, reply, send_body)
        except OSError:
            self.close_connection = True  # client aborted mid-response

    def _select(self, rule, body):
        path = urllib.parse.unquote(urllib.parse.urlsplit(self.path).path)
        if body is not None:
            content = Content.of_bytes(body)
        else:
            file = self._file_for(path)
            if file is None:
                return Reply(error_page(404, "Not Found"), 404, [("Content-Type", "text/html")])
            content = Content.of_file(file)
        headers = [("Content-Type", TYPES.get(os.path.splitext(path)[1].lower(),
                                              "application/octet-stream"))]
        if content.mtime is not None:
            headers.append(("Last-Modified", email.utils.formatdate(content.mtime, usegmt=True)))
        value = self.headers.get("Range")
        if value is None or rule.get("ignore_range") or "status" in rule:
            return Reply(content, 200, headers)
        span = parse_range(value, content.size)
        if span is None:
            return Reply(content, 200, headers)
        if span == UNSATISFIABLE:
            return Reply(error_page(416, "Requested Range Not Satisfiable"), 416, [
                ("Content-Type", "text/html"), ("Content-Range", f"bytes */{content.size}")])
        start, end = span
        start = min(max(0, start + rule.get("range_offset_shift", 0)), end)
        headers.append(("Content-Range", f"bytes {start}-{end}/{content.size}"))
        return Reply(content, 206, headers, start, end)

    def _file_for(self, path):
        root = self.server.root
        full = os.path.realpath(os.path.join(root, path.lstrip("/")))
        inside = full == root or full.startswith(root + os.sep)
        return full if inside and os.path.isfile(full) else None

    def _send(self, rule, status, reply, send_body):
        length = reply.end - reply.start + 1
        closing = self.close_connection or bool(rule.get("no_content_length")) \
            or "cut_after" in rule
        headers = [("Server", self.server_version), ("Date", self.date_time_string())]
        headers += reply.headers + [("Accept-Ranges", "bytes")]
        if not rule.get("no_content_length"):
            headers.append(("Content-Length", str(length)))
        if closing:
            headers.append(("Connection", "close"))
        elif self.request_version == "HTTP/1.0":
            headers.append(("Connection", "keep-alive"))
        headers = merge_headers(headers, rule.get("headers", {}))
        self.send_response_only(status)
        for name, value in headers:
            self.send_header(name, value)
        self.end_headers()
        self.close_connection = self.close_connection or closing
        if send_body:
            self._send_body(rule, reply.content, reply.start, length)

    def _send_body(self, rule, content, start, length):
        limit = min(length, rule.get("cut_after", length))
        size = rule.get("chunk_size", CHUNK)
        delay = rule.get("chunk_delay_ms", 0) / 1000
        sent = 0
        with content.opener() as source:
            source.seek(start)
            while sent < limit:
                piece = source.read(min(size, limit - sent))
                if not piece:
                    break  # the file shrank under us
                self.wfile.write(piece)
                sent += len(piece)
                if delay and sent < limit:
                    time.sleep(delay)
        if rule.get("cut_mode") == "reset":
            self._reset()

    def _reset(self):
        # SO_LINGER 0 turns close() into a TCP RST; detach keeps the object from closing the fd twice.
        self.connection.setsockopt(socket.SOL_SOCKET, socket.SO_LINGER, struct.pack("ii", 1, 0))
        os.close(self.connection.detach())
        self.reset_done = True

    def _close_cleanly(self):
        # close_notify first, so TLS clients see a clean end of stream rather than a truncation.
        conn = self.connection
        try:
            conn.settimeout(CLOSE_NOTIFY_TIMEOUT)
            conn.unwrap()
        except (OSError, ValueError):
            pass
        try:
            conn.shutdown(socket.SHUT_RDWR)
        except OSError:
            pass
        conn.close()

    def _log(self, status):
        self.server.log.write({
            "time": time.time(), "method": self.command, "path": self.path,
            "protocol": self.request_version, "headers": [list(h) for h in self.headers.items()],
            "status": status, "port": self.server.server_address[1],
            "client_port": self.client_address[1]})


def merge_headers(headers, overrides):
    """Overrides replace same-named headers (any case); a null value removes the header."""
    wanted = {name.lower(): (name, value) for name, value in overrides.items()}
    merged = [(n, v) for n, v in headers if n.lower() not in wanted]
    return merged + [(n, str(v)) for n, v in wanted.values() if v is not None]


class Server(socketserver.ThreadingMixIn, socketserver.TCPServer):
    daemon_threads = True
    allow_reuse_address = True

    def handle_error(self, request, client_address):
        print(f"faultserver: {client_address}: {sys.exc_info()[1]}", file=sys.stderr, flush=True)


def tls_context(cert, key):
    ctx = ssl.create_default_context(ssl.Purpose.CLIENT_AUTH)
    ctx.minimum_version = ssl.TLSVersion.TLSv1_2
    # nginx's default list, which Wine's GnuTLS-backed schannel negotiates.
    ctx.set_ciphers("HIGH:!aNULL:!MD5")
    ctx.load_cert_chain(cert, key)
    return ctx


def main():
    ap = argparse.ArgumentParser(description=__doc__)
    ap.add_argument("--port", type=int, required=True)
    ap.add_argument("--cert", required=True)
    ap.add_argument("--key", required=True)
    ap.add_argument("--root", required=True)
    ap.add_argument("--rules", required=True)
    ap.add_argument("--log", required=True)
    ap.add_argument("--ready-file")
    args = ap.parse_args()

    server = Server(("127.0.0.1", args.port), Handler)
    server.tls = tls_context(args.cert, args.key)
    server.root = os.path.realpath(args.root)
    server.rules = Rules(args.rules)
    server.log = JsonLog(args.log)
    if args.ready_file:
        tmp = args.ready_file + ".tmp"
        with open(tmp, "w") as f:
            f.write(f"{os.getpid()} {args.port}\n")
        os.replace(tmp, args.ready_file)
    server.serve_forever()


if __name__ == "__main__":
    main()
