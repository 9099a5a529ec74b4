"""A build given a code-signing certificate signs launcher.exe: made with a
throwaway self-signed certificate, verified with osslsigncode.

Usage: check_signing.py SOURCE_DIR"""

import os
import subprocess
import sys
import tempfile

from check_reproducible import build


def main():
    source = sys.argv[1]
    with tempfile.TemporaryDirectory(prefix="signing-") as tmp:
        cert, key = os.path.join(tmp, "cert.pem"), os.path.join(tmp, "key.pem")
        subprocess.run(["openssl", "req", "-x509", "-newkey", "rsa:2048", "-nodes",
                        "-keyout", key, "-out", cert, "-days", "2", "-subj",
                        "/CN=Throwaway launcher test signer",
                        "-addext", "extendedKeyUsage=codeSigning"],
                       check=True, capture_output=True)
        exe = build(source, tmp, ["-DLAUNCHER_SIGN_CERT=" + cert,
                                  "-DLAUNCHER_SIGN_KEY=" + key])
        verify = subprocess.run(["osslsigncode", "verify", "-CAfile", cert, "-in", exe],
                                capture_output=True, text=True)
        print(verify.stdout.strip())
        if verify.returncode != 0 or "Signature verification: ok" not in verify.stdout:
            print("FAIL: the signed build does not verify\n" + verify.stderr)
            sys.exit(1)
    print("ok: signed and verified")


if __name__ == "__main__":
    main()
