"""Checks nginx's serving of the update host paths and its JSON access log."""
import email.utils
import pathlib
import time

from testkit import curl, curl_together, wait_log

DOWN = "/svn/wiki/down/"
PATHS = {DOWN + "banben.txt": "text/plain", DOWN + "ceshi.txt": "text/plain",
         DOWN + "lumox.zip": "application/zip", "/svn/wiki/cmp/index.htm": "text/html"}


def run(t, env):
    base = f"https://localhost:{env['UPDATEHOST_NGINX_PORT']}"
    ca, log = env["UPDATEHOST_CA"], env["UPDATEHOST_NGINX_LOG"]
    root = pathlib.Path(env["UPDATEHOST_ROOT"])
    files = {p: (root / p.lstrip("/")).read_bytes() for p in PATHS}
    zip_data = files[DOWN + "lumox.zip"]

    for path, ctype in PATHS.items():
        r = curl(base + path, ca=ca)
        t.check(f"nginx serves {path}", r.rc == 0 and r.status == 200 and r.body == files[path],
                f"rc={r.rc} status={r.status} {len(r.body)} bytes")
        t.equal(f"nginx Content-Type of {path}", r.header("Content-Type"), ctype)

    for name in ("banben.txt", "ceshi.txt"):
        r = curl(base + DOWN + name, ca=ca)
        t.equal(f"nginx {name} has one no-cache, no-store Cache-Control",
                r.all("Cache-Control"), ["no-cache, no-store"])
        expires = r.header("Expires")
        t.check(f"nginx {name} is already expired",
                expires is not None and email.utils.parsedate_to_datetime(expires).timestamp() < time.time(),
                expires)
        # nginx would answer 304 to an exact Last-Modified match unless told not to.
        r = curl(base + DOWN + name, "-H", f"If-Modified-Since: {r.header('Last-Modified')}", ca=ca)
        t.equal(f"nginx {name} ignores If-Modified-Since", (r.status, r.body), (200, files[DOWN + name]))

    r = curl(base + DOWN + "lumox.zip", "--compressed", ca=ca)
    t.check("nginx never compresses the zip",
            r.header("Content-Encoding") is None and r.body == zip_data, r.headers)

    r = curl(base + DOWN + "lumox.zip", "-r", "1000-1999", ca=ca)
    t.equal("nginx closed range", (r.status, r.header("Content-Range"), r.body),
            (206, f"bytes 1000-1999/{len(zip_data)}", zip_data[1000:2000]))
    r = curl(base + DOWN + "lumox.zip", "-r", "70000-", ca=ca)
    t.equal("nginx open range", (r.status, r.header("Content-Length"), r.body),
            (206, str(len(zip_data) - 70000), zip_data[70000:]))

    check_log_line(t, base, ca, log, files[DOWN + "ceshi.txt"])
    check_keepalive(t, base, ca, log)


def check_log_line(t, base, ca, log, ceshi):
    ua = "selftest-nginx-log"
    r = curl(base + DOWN + "ceshi.txt?v=1", "--http1.0", "-A", ua, "-H", "Range:bytes=3-",
             "-H", "Accept-Language: zh-cn", ca=ca)
    t.equal("nginx honours a Range sent without a space", (r.status, r.body), (206, ceshi[3:]))
    entries = wait_log(log, lambda e: e["headers"]["user-agent"] == ua)
    e = entries[0] if entries else {"headers": {}}
    t.equal("nginx log has method, target, protocol and status",
            [e.get(k) for k in ("method", "path", "protocol", "status", "body_bytes_sent")],
            ["GET", DOWN + "ceshi.txt?v=1", "HTTP/1.0", 206, len(ceshi) - 3])
    t.equal("nginx log has the request headers",
            [e["headers"].get(k) for k in ("range", "accept-language", "host", "accept-encoding")],
            ["bytes=3-", "zh-cn", base.split("//")[1], ""])


def check_keepalive(t, base, ca, log):
    ua = "selftest-nginx-keepalive"
    curl_together([base + DOWN + "banben.txt", base + DOWN + "ceshi.txt"], ua, ca)
    entries = wait_log(log, lambda e: e["headers"]["user-agent"] == ua, count=2)
    t.equal("nginx keeps the connection alive",
            [(e["connection"], e["connection_requests"]) for e in entries],
            [(entries[0]["connection"], 1), (entries[0]["connection"], 2)] if entries else [1])
