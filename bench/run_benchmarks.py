"""Prints the launcher's figures under Wine: the wall time of a whole launch
with instant stand-ins beside that of a program that does nothing, the CPU
the launcher uses while the client runs beside a busy-polling wait, and the
executable's size.

Environment as for the Wine tests, plus BENCH_DIR (the bench helpers) and
SHIPPED_EXE (the 32-bit launcher.exe, for its size)."""

import os
import shutil
import statistics
import subprocess
import sys
import time

sys.path.insert(0, os.path.join(os.path.dirname(__file__), "..", "tests", "wine"))
from wine_harness import session  # noqa: E402

RUNS = 7
CLIENT_SECONDS = 3


def wineserver_cpu():
    """CPU seconds used so far by the running wineservers. A wait that polls
    the system spends much of its CPU there, outside its own process."""
    total = 0.0
    tick = os.sysconf("SC_CLK_TCK")
    for pid in filter(str.isdigit, os.listdir("/proc")):
        try:
            with open("/proc/%s/stat" % pid) as f:
                fields = f.read().rsplit(")", 1)[1].split()
            with open("/proc/%s/comm" % pid) as f:
                comm = f.read().strip()
        except OSError:
            continue
        if comm.startswith("wineserver"):
            total += (int(fields[11]) + int(fields[12])) / tick
    return total


def run_timed(s, exe, name, hold_ms=0):
    """Wall seconds and CPU seconds (the program's own and the wineserver's
    on its behalf) of one run of exe copied as name."""
    folder = os.path.join(s.prefix, "drive_c", "bench")
    os.makedirs(folder, exist_ok=True)
    target = os.path.join(folder, name)
    shutil.copy(exe, target)
    env = s.env(STANDIN_HOLD_MS=str(hold_ms), WINEPATH="C:\\standins")
    server_before = wineserver_cpu()
    start = time.perf_counter()
    proc = subprocess.Popen([s.loader, "C:\\bench\\" + name], env=env, cwd=folder,
                            stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    _, status, usage = os.wait4(proc.pid, 0)
    wall = time.perf_counter() - start
    proc.returncode = os.waitstatus_to_exitcode(status)
    if proc.returncode != 0:
        raise SystemExit("%s exited with %d" % (name, proc.returncode))
    return wall, usage.ru_utime + usage.ru_stime + wineserver_cpu() - server_before


def main():
    bench_dir = os.environ["BENCH_DIR"]
    s = session()
    try:
        s.set_windows_version("win10")
        launch = "KALVORA_8$ivanov$secret$.exe"
        # Warm the prefix (wineserver, caches) before anything is timed.
        run_timed(s, s.exe, launch)
        run_timed(s, os.path.join(bench_dir, "bench_do_nothing.exe"), "nothing.exe")

        walls = [run_timed(s, s.exe, launch)[0] for _ in range(RUNS)]
        floor = [run_timed(s, os.path.join(bench_dir, "bench_do_nothing.exe"),
                           "nothing.exe")[0] for _ in range(RUNS)]
        hold = CLIENT_SECONDS * 1000
        _, launcher_cpu = run_timed(s, s.exe, launch, hold_ms=hold)
        _, idle_cpu = run_timed(s, s.exe, launch)
        _, busy_cpu = run_timed(s, os.path.join(bench_dir, "bench_busy_wait.exe"),
                                "busy.exe", hold_ms=hold)
    finally:
        s.close()

    w, f = statistics.median(walls), statistics.median(floor)
    print("machine: %s, %d cores; %s" % (os.uname().machine, os.cpu_count(),
                                        os.path.basename(s.exe) + " run as " +
                                        ("64-bit twin" if "windows64" in s.exe else "shipped 32-bit")))
    print("full launch, instant stand-ins: %.3f s median of %d" % (w, RUNS))
    print("do-nothing program:             %.3f s median of %d" % (f, RUNS))
    print("ratio launch / do-nothing:      %.2f" % (w / f))
    print("ratio per program started:      %.2f (a launch starts itself, cmdkey twice "
          "and mstsc)" % (w / (4 * f)))
    print("CPU while a %d s client runs:    launcher %.3f s (%.3f s of it start-up), "
          "busy-polling wait %.3f s" % (CLIENT_SECONDS, launcher_cpu, idle_cpu, busy_cpu))
    print("CPU during the wait:            launcher %.3f s, busy-polling %.3f s" % (
        max(0.0, launcher_cpu - idle_cpu), max(0.0, busy_cpu - idle_cpu)))
    shipped = os.environ.get("SHIPPED_EXE")
    if shipped and os.path.exists(shipped):
        size = os.path.getsize(shipped)
        print("launcher.exe size:              %d bytes (%.1f KiB of 256 KiB allowed)" % (
            size, size / 1024))


if __name__ == "__main__":
    main()
