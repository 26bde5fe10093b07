"""Small helpers shared by the update host's self-test: results, curl, logs, raw TLS."""
import json
import os
import socket
import ssl
import subprocess
import tempfile
import time

CURL_SECONDS = 10


class Results:
    """Appends one line per check to a file, so several processes add to one tally."""

    def __init__(self, path):
        self.path = path

    def check(self, name, ok, detail=""):
        print(f"ok   {name}" if ok else f"FAIL {name}: {detail}", flush=True)
        with open(self.path, "a", encoding="utf-8") as f:
            f.write(f"{'pass' if ok else 'fail'}\t{name}\n")
        return ok

    def equal(self, name, got, want):
        return self.check(name, got == want, f"got {got!r}, want {want!r}")

    def tally(self):
        try:
            with open(self.path, encoding="utf-8") as f:
                kinds = [line.split("\t", 1)[0] for line in f]
        except FileNotFoundError:
            kinds = []
        return kinds.count("pass"), kinds.count("fail")


class Response:
    def __init__(self, rc, head, body, elapsed, stderr):
        self.rc, self.body, self.elapsed, self.stderr = rc, body, elapsed, stderr
        # -D keeps every response of a transfer; only the last one matters here.
        blocks = [b for b in head.split("\r\n\r\n") if b.startswith("HTTP/")]
        lines = blocks[-1].split("\r\n") if blocks else []
        self.status = int(lines[0].split()[1]) if lines else None
        self.headers = [tuple(x.strip() for x in line.split(":", 1)) for line in lines[1:] if ":" in line]

    def header(self, name):
        values = self.all(name)
        return values[0] if values else None

    def all(self, name):
        return [v for n, v in self.headers if n.lower() == name.lower()]


def curl(url, *args, ca):
    """One curl transfer; the body is saved even when the transfer fails midway."""
    with tempfile.TemporaryDirectory() as tmp:
        head, body = os.path.join(tmp, "head"), os.path.join(tmp, "body")
        start = time.monotonic()
        proc = subprocess.run(
            ["curl", "-sS", "--max-time", str(CURL_SECONDS), "--cacert", ca,
             "-D", head, "-o", body, *args, url],
            capture_output=True, text=True, timeout=CURL_SECONDS + 5)
        elapsed = time.monotonic() - start
        return Response(proc.returncode, read(head, "latin-1"), read(body), elapsed, proc.stderr)


def curl_together(urls, user_agent, ca):
    """Fetches urls in one curl run, which reuses its connection where the server allows."""
    subprocess.run(["curl", "-sS", "--max-time", str(CURL_SECONDS), "--cacert", ca, "-A", user_agent,
                    *["-o", os.devnull] * len(urls), *urls], timeout=CURL_SECONDS + 5, check=False)


def read(path, encoding=None):
    try:
        with open(path, "rb") as f:
            data = f.read()
    except FileNotFoundError:
        data = b""
    return data.decode(encoding) if encoding else data


def log_entries(path):
    with open(path, encoding="utf-8") as f:
        return [json.loads(line) for line in f if line.strip()]


def wait_log(path, match, count=1, seconds=5):
    """Entries matching `match`, once there are `count` of them (nginx logs after replying)."""
    deadline = time.monotonic() + seconds
    while True:
        found = [e for e in log_entries(path) if match(e)]
        if len(found) >= count or time.monotonic() > deadline:
            return found
        time.sleep(0.02)


def raw_request(port, ca, request):
    """Sends bytes exactly as given over TLS and returns everything the server answers.

    Strict about the end: a close without TLS close_notify raises ssl.SSLEOFError.
    """
    ctx = ssl.create_default_context(cafile=ca)
    with socket.create_connection(("127.0.0.1", port), timeout=CURL_SECONDS) as sock:
        with ctx.wrap_socket(sock, server_hostname="localhost", suppress_ragged_eofs=False) as tls:
            tls.sendall(request)
            chunks = []
            while chunk := tls.recv(65536):
                chunks.append(chunk)
    return b"".join(chunks)


def port_open(port):
    try:
        socket.create_connection(("127.0.0.1", port), timeout=2).close()
        return True
    except OSError:
        return False
