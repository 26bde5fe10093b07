"""Checks that a client trusting only the test CA rejects the fault server's untrusted certificate."""
import os

from testkit import curl


def run(t, env):
    url = f"https://localhost:{env['UPDATEHOST_FAULT_PORT']}/svn/wiki/down/banben.txt"
    r = curl(url, ca=env["UPDATEHOST_CA"])
    t.equal("the untrusted certificate fails validation", (r.rc, r.status), (60, None))
    # The same request trusting that very certificate proves the server itself was fine.
    untrusted = os.path.join(os.path.dirname(env["UPDATEHOST_CA"]), "untrusted.pem")
    t.equal("the untrusted certificate is the one served", curl(url, ca=untrusted).status, 200)
