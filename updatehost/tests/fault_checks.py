"""Checks the fault server: nginx-like file serving, its log, and every rule kind."""
import os
import pathlib
import sys

from testkit import curl, curl_together, log_entries, raw_request, wait_log

sys.path.insert(0, str(pathlib.Path(__file__).resolve().parents[1]))
from rules import write_rules  # noqa: E402

ZIP = "/svn/wiki/down/lumox.zip"
TXT = "/svn/wiki/down/banben.txt"


class Fault:
    def __init__(self, env):
        self.port = int(env["UPDATEHOST_FAULT_PORT"])
        self.base = f"https://localhost:{self.port}"
        self.ca, self.log, self.rules = env["UPDATEHOST_CA"], env["UPDATEHOST_FAULT_LOG"], env["UPDATEHOST_RULES"]
        root = pathlib.Path(env["UPDATEHOST_ROOT"])
        self.zip, self.txt = (root / ZIP[1:]).read_bytes(), (root / TXT[1:]).read_bytes()
        self.requests = 0  # so the log can be checked for one line per request

    def get(self, path, *args):
        self.requests += 1
        return curl(self.base + path, *args, ca=self.ca)

    def together(self, paths, user_agent):
        self.requests += len(paths)
        curl_together([self.base + p for p in paths], user_agent, self.ca)

    def raw(self, request):
        self.requests += 1
        return raw_request(self.port, self.ca, request.encode())

    def rule(self, path, rule):
        write_rules(self.rules, {path: rule})


def run(t, env):
    f = Fault(env)
    check_defaults(t, f)
    check_raw_headers(t, f)
    check_body_rules(t, f)
    check_range_rules(t, f)
    check_cut_rules(t, f)
    check_timing_rules(t, f)
    check_bad_rules(t, f)
    t.equal("fault logs each request once", len(log_entries(f.log)), f.requests)


def check_defaults(t, f):
    size = len(f.zip)
    r = f.get(ZIP)
    t.equal("fault serves a file", (r.rc, r.status, r.header("Content-Length"), r.body == f.zip),
            (0, 200, str(size), True))
    t.equal("fault Content-Type", [f.get(TXT).header("Content-Type"), r.header("Content-Type")],
            ["text/plain", "application/zip"])
    r = f.get(ZIP, "-r", "100-199")
    t.equal("fault closed range", (r.status, r.header("Content-Range"), r.body),
            (206, f"bytes 100-199/{size}", f.zip[100:200]))
    r = f.get(ZIP, "-r", f"{size - 70000}-")
    t.equal("fault open range", (r.status, r.header("Content-Length"), r.body),
            (206, "70000", f.zip[-70000:]))
    r = f.get(ZIP, "-r", f"{size}-")
    t.equal("fault unsatisfiable range", (r.status, r.header("Content-Range")), (416, f"bytes */{size}"))
    r = f.get("/svn/wiki/down/missing.zip")
    t.check("fault 404 for a missing file", r.status == 404 and b"404" in r.body, r.status)
    answer = f.raw(f"HEAD {ZIP} HTTP/1.1\r\nHost: localhost\r\nConnection: close\r\n\r\n")
    head, _, body = answer.partition(b"\r\n\r\n")
    t.check("fault HEAD sends the length but no body",
            f"Content-Length: {size}\r\n".encode() in head + b"\r\n" and body == b"", answer[:300])

    r = f.get(TXT, "--http1.0", "-A", "selftest-fault-http10")
    entries = wait_log(f.log, lambda e: ["User-Agent", "selftest-fault-http10"] in e["headers"])
    t.equal("fault answers HTTP/1.0 and logs it", (r.body, [e["protocol"] for e in entries]),
            (f.txt, ["HTTP/1.0"]))

    ua = "selftest-fault-keepalive"
    f.together([TXT, ZIP], ua)
    entries = wait_log(f.log, lambda e: ["User-Agent", ua] in e["headers"], count=2)
    t.check("fault keeps the connection alive",
            len(entries) == 2 and entries[0]["client_port"] == entries[1]["client_port"], entries)


def check_raw_headers(t, f):
    headers = [["Host", "localhost"], ["X-Zeta", "1"], ["range", "bytes=5-"],
               ["User-Agent", "selftest-raw"], ["x-ALPHA", "two words"], ["Connection", "close"]]
    # "range:bytes=5-" exactly as some clients send it: no space after the colon.
    request = "GET {} HTTP/1.1\r\n{}\r\n\r\n".format(
        ZIP, "".join(f"{n}:{v}\r\n" if n == "range" else f"{n}: {v}\r\n" for n, v in headers))
    answer = f.raw(request)
    head, _, body = answer.partition(b"\r\n\r\n")
    t.check("fault takes a Range without a space",
            head.startswith(b"HTTP/1.1 206") and body == f.zip[5:], head[:60])
    entries = wait_log(f.log, lambda e: ["User-Agent", "selftest-raw"] in e["headers"])
    t.equal("fault logs every header in order and spelling",
            [e["headers"] for e in entries], [headers])


def check_body_rules(t, f):
    f.rule(TXT, {"status": 503, "body_hex": "d6d0cec400ff",
                 "headers": {"content-type": "text/plain; charset=GBK", "Retry-After": "7",
                             "Accept-Ranges": None}})
    r = f.get(TXT)
    t.equal("rule status and body_hex", (r.status, r.body), (503, bytes.fromhex("d6d0cec400ff")))
    t.equal("rule headers replace, add and remove",
            (r.all("Content-Type"), r.header("Retry-After"), r.header("Accept-Ranges")),
            (["text/plain; charset=GBK"], "7", None))

    sequence = [{"status": 500}, {"body": "second"}, {"status": 404, "body": "gone"}]
    f.rule(TXT, sequence)
    got = [(r.status, r.body) for r in (f.get(TXT) for _ in range(4))]
    t.equal("rule lists are used in turn, the last repeating", got[1:],
            [(200, b"second"), (404, b"gone"), (404, b"gone")])
    t.equal("rule list starts with its first rule", got[0][0], 500)
    f.rule(TXT, sequence)
    t.equal("rewriting the rules restarts the count", f.get(TXT + "?again=1").status, 500)

    f.rule(ZIP, {"no_content_length": True})
    r = f.get(ZIP)
    t.equal("rule no_content_length ends the body by closing",
            (r.rc, r.header("Content-Length"), r.header("Connection"), r.body == f.zip),
            (0, None, "close", True))

    f.rule(ZIP, {"drop": True})
    r = f.get(ZIP, "-A", "selftest-drop")
    entries = wait_log(f.log, lambda e: ["User-Agent", "selftest-drop"] in e["headers"])
    t.equal("rule drop closes without an answer", (r.rc, r.status, [e["status"] for e in entries]),
            (52, None, [None]))


def check_range_rules(t, f):
    size = len(f.zip)
    f.rule(ZIP, {"ignore_range": True})
    r = f.get(ZIP, "-r", "100-199")
    t.equal("rule ignore_range", (r.status, r.header("Content-Range"), r.body == f.zip), (200, None, True))

    f.rule(ZIP, {"range_offset_shift": 7})
    r = f.get(ZIP, "-r", "100-199")
    t.equal("rule range_offset_shift", (r.status, r.header("Content-Range"), r.body),
            (206, f"bytes 107-199/{size}", f.zip[107:200]))
    r = f.get(ZIP)
    t.equal("range_offset_shift leaves plain requests alone", (r.status, r.body == f.zip), (200, True))


def check_cut_rules(t, f):
    f.rule(ZIP, {"cut_after": 1000})
    r = f.get(ZIP)
    t.equal("rule cut_after gives a clean short body", (r.rc, r.header("Content-Length"), r.body),
            (18, str(len(f.zip)), f.zip[:1000]))

    answer = f.raw(f"GET {ZIP} HTTP/1.1\r\nHost: localhost\r\n\r\n")
    t.equal("rule cut_after ends with a TLS close_notify", len(answer.partition(b"\r\n\r\n")[2]), 1000)

    f.rule(ZIP, {"cut_after": 1000, "cut_mode": "reset"})
    r = f.get(ZIP)
    t.check("rule cut_mode reset is a connection reset",
            r.rc == 56 and "reset" in r.stderr.lower() and len(r.body) <= 1000, (r.rc, r.stderr))


def check_timing_rules(t, f):
    body = bytes(range(256)) * 20
    f.rule(ZIP, {"body_hex": body.hex(), "chunk_size": 1024, "chunk_delay_ms": 80})
    r = f.get(ZIP)
    # 5 chunks, so 4 pauses between them.
    t.check("rule chunk_delay_ms slows the body", r.body == body and r.elapsed >= 0.32, r.elapsed)

    f.rule(TXT, {"delay_ms": 400})
    r = f.get(TXT)
    t.check("rule delay_ms delays the answer", r.body == f.txt and r.elapsed >= 0.4, r.elapsed)

    # The client gives up while the server is still writing the slow body.
    f.rule(ZIP, {"chunk_size": 1000, "chunk_delay_ms": 20})
    aborted = f.get(ZIP, "--max-time", "0.3")
    os.remove(f.rules)
    r = f.get(ZIP)
    t.check("fault survives a client that aborts mid-body",
            aborted.rc == 28 and r.body == f.zip, (aborted.rc, r.rc))


def check_bad_rules(t, f):
    f.rule(TXT, {"cut_afterr": 1})
    t.equal("a misspelt rule field is an error", f.get(TXT).status, 500)
    with open(f.rules, "w") as out:
        out.write("{ not json")
    t.equal("an unreadable rules file is an error", f.get(TXT).status, 500)
    os.remove(f.rules)
    r = f.get(TXT)
    t.equal("no rules file means plain serving", (r.status, r.body), (200, f.txt))
