"""Two clean builds of the same sources in different folders must give a
bit-identical launcher.exe, and the same as the build under test: no
timestamps and no build paths in the executable.

Usage: check_reproducible.py SOURCE_DIR launcher.exe|none [-DVAR=VALUE ...]
(the cache settings that change the program, such as the host names; "none"
compares the two rebuilds only)"""

import hashlib
import os
import shutil
import subprocess
import sys
import tempfile


def digest(path):
    with open(path, "rb") as f:
        return hashlib.sha256(f.read()).hexdigest()


def build(source, where, settings):
    tree = os.path.join(where, "src")
    shutil.copytree(source, tree, ignore=shutil.ignore_patterns("build", ".git"))
    subprocess.run(["cmake", "--preset", "windows"] + settings, cwd=tree, check=True,
                   stdout=subprocess.DEVNULL)
    subprocess.run(["cmake", "--build", "--preset", "windows", "--target", "launcher"],
                   cwd=tree, check=True, stdout=subprocess.DEVNULL)
    return os.path.join(tree, "build", "windows", "launcher.exe")


def main():
    source, exe, settings = sys.argv[1], sys.argv[2], sys.argv[3:]
    with tempfile.TemporaryDirectory(prefix="first-") as a, \
            tempfile.TemporaryDirectory(prefix="second-build-") as b:
        builds = {exe: digest(exe)} if exe != "none" else {}
        for where in (a, b):
            built = build(source, where, settings)
            builds[built] = digest(built)
        for path, sha in builds.items():
            print("%s  %s" % (sha, path))
        if len(set(builds.values())) != 1:
            print("FAIL: the builds differ")
            sys.exit(1)
    print("ok: identical")


if __name__ == "__main__":
    main()
