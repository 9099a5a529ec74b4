"""Runs the real launcher under Wine and reports what it did.

One WineSession per test program: a scratch Wine prefix (made once per build
folder and reused), its own Xvfb display, and stand-ins for cmdkey and mstsc
on the path. Each run copies the executable under a launch name into a folder
of the prefix, starts it, dismisses every message box it shows (reading the
box's exact bytes from Wine's relay trace), and returns a RunResult: the exit
code, the boxes, the stand-in runs and the files on the desktop.

Environment (set by CTest): LAUNCHER_EXE, STANDIN_DIR, WINE_TEST_PREFIX.
"""

import os
import re
import shutil
import subprocess
import sys
import tempfile
import time
import unittest
from dataclasses import dataclass

SKIP = 77  # CTest's skip code for a machine that cannot run the executable

WINE32 = "/usr/lib/wine/wine"
WINE64 = "/usr/lib/wine/wine64"
PREFIX_STAMP = "launcher-test-prefix-v2"


def pe_is_64bit(path):
    with open(path, "rb") as f:
        data = f.read(4096)
    pe = int.from_bytes(data[0x3C:0x40], "little")
    return int.from_bytes(data[pe + 4:pe + 6], "little") == 0x8664


def wine_loader_for(exe):
    """The Wine loader that runs exe here, or None with the reason."""
    loader = WINE64 if pe_is_64bit(exe) else WINE32
    try:
        subprocess.run([loader, "--version"], check=True,
                       stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    except (OSError, subprocess.CalledProcessError) as e:
        return None, "%s cannot run on this machine (%s)" % (loader, e)
    return loader, None


@dataclass
class MessageBox:
    api: str           # MessageBoxExA or MessageBoxA
    text: bytes        # exact bytes the launcher passed
    caption: bytes
    style: int
    language: int = None


@dataclass
class StandinRun:
    name: str          # cmdkey.exe or mstsc.exe
    start_ms: int
    end_ms: int
    show: int          # STARTUPINFO window state, -1 when none was given
    console_visible: bool
    cwd: str
    command_line: bytes

    @property
    def parameters(self):
        """What follows the program's own name and the one blank the shell
        puts after it on the command line."""
        cmd = self.command_line
        if cmd.startswith(b'"'):
            end = cmd.index(b'"', 1) + 1
        else:
            end = cmd.find(b" ")
            end = len(cmd) if end < 0 else end
        rest = cmd[end:]
        return rest[1:] if rest.startswith(b" ") else rest


@dataclass
class RunResult:
    exit_code: int
    boxes: list
    window_titles: list       # every visible window seen, in order (UTF-8)
    standins: list
    desktop: dict             # file name (UTF-8) -> bytes
    started_ms: int
    ended_ms: int


def decode_relay_string(s):
    """Bytes of a string as Wine's relay trace prints it (debugstr_a)."""
    out = bytearray()
    i = 0
    simple = {"n": 10, "r": 13, "t": 9, "\\": 92, '"': 34, "a": 7, "b": 8,
              "f": 12, "v": 11, "0": 0}
    while i < len(s):
        c = s[i]
        if c == "\\":
            n = s[i + 1]
            if n == "x":
                out.append(int(s[i + 2:i + 4], 16))
                i += 4
                continue
            if n in "01234567" and i + 3 < len(s) and re.match(r"[0-7]{3}", s[i + 1:i + 4]):
                out.append(int(s[i + 1:i + 4], 8))
                i += 4
                continue
            out.append(simple[n])
            i += 2
            continue
        out += c.encode("latin-1")
        i += 1
    return bytes(out)


RELAY_CALL = re.compile(
    r'Call user32\.(MessageBoxExA|MessageBoxA)\(([0-9a-f]+),[0-9a-f]+ '
    r'"((?:[^"\\]|\\.)*)",[0-9a-f]+ "((?:[^"\\]|\\.)*)",([0-9a-f]+)(?:,([0-9a-f]+))?\)')


def parse_boxes(relay):
    boxes = []
    for m in RELAY_CALL.finditer(relay):
        boxes.append(MessageBox(
            api=m.group(1), text=decode_relay_string(m.group(3)),
            caption=decode_relay_string(m.group(4)),
            # A 64-bit trace prints whole registers: keep the UINT and WORD.
            style=int(m.group(5), 16) & 0xFFFFFFFF,
            language=int(m.group(6), 16) & 0xFFFF if m.group(6) else None))
    return boxes


def now_ms():
    return int(time.time() * 1000)


class WineSession:
    """A Wine prefix and an X display shared by the runs of one test file."""

    def __init__(self):
        self.exe = os.environ["LAUNCHER_EXE"]
        self.standin_dir = os.environ["STANDIN_DIR"]
        self.prefix = os.environ["WINE_TEST_PREFIX"]
        self.loader, why = wine_loader_for(self.exe)
        if not self.loader:
            print("SKIP: " + why)
            sys.exit(SKIP)
        self.xvfb = None
        self._start_display()
        self._version = None
        self._prepare_prefix()

    # -- set-up -----------------------------------------------------------

    def _start_display(self):
        read_fd, write_fd = os.pipe()
        self.xvfb = subprocess.Popen(
            ["Xvfb", "-displayfd", str(write_fd), "-screen", "0", "1024x768x24",
             "-nolisten", "tcp"], pass_fds=(write_fd,),
            stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        os.close(write_fd)
        with os.fdopen(read_fd) as f:
            number = f.readline().strip()
        if not number:
            raise RuntimeError("Xvfb did not start")
        self.display = ":" + number

    def env(self, **extra):
        env = dict(os.environ)
        env.update(WINEPREFIX=self.prefix, WINELOADER=self.loader,
                   LANG="ru_RU.UTF-8", LC_ALL="ru_RU.UTF-8", DISPLAY=self.display,
                   # No Mono or Gecko installers, no menu entries in the home folder.
                   WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d",
                   WINEDEBUG="-all")
        env.update(extra)
        return env

    def wine(self, *args, check=True):
        return subprocess.run([self.loader] + list(args), env=self.env(),
                              stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL,
                              check=check, timeout=300)

    def _regedit(self, text):
        with tempfile.NamedTemporaryFile("w", suffix=".reg", delete=False,
                                         encoding="utf-16") as f:
            f.write("\ufeffWindows Registry Editor Version 5.00\r\n\r\n" + text)
        try:
            self.wine("regedit", "/S", "Z:" + f.name.replace("/", "\\"))
        finally:
            os.unlink(f.name)

    def _prepare_prefix(self):
        stamp = os.path.join(self.prefix, PREFIX_STAMP)
        if not os.path.exists(stamp):
            shutil.rmtree(self.prefix, ignore_errors=True)
            self.wine("wineboot", "-i")
            self.wait_server()
            # The desktop must be a folder of the prefix, not the home folder
            # Wine links it to.
            desktop = self.desktop_dir()
            if os.path.islink(desktop):
                os.unlink(desktop)
            os.makedirs(desktop, exist_ok=True)
            # No debugger for UnhandledExceptionFilter to start (without a
            # Debugger value Wine falls back to winedbg, so name one that does
            # not exist); a relay trace of the message-box calls only.
            self._regedit(
                "[HKEY_LOCAL_MACHINE\\Software\\Microsoft\\Windows NT\\"
                "CurrentVersion\\AeDebug]\r\n"
                "\"Debugger\"=\"no-debugger-in-this-prefix.exe\"\r\n"
                "\"Auto\"=\"1\"\r\n\r\n"
                "[HKEY_CURRENT_USER\\Software\\Wine\\Debug]\r\n"
                "\"RelayInclude\"=\"user32.MessageBoxExA;user32.MessageBoxA\"\r\n")
            self.wait_server()
            with open(stamp, "w") as f:
                f.write("ready\n")
        tools = os.path.join(self.prefix, "drive_c", "standins")
        os.makedirs(tools, exist_ok=True)
        for name in os.listdir(self.standin_dir):
            shutil.copy(os.path.join(self.standin_dir, name), tools)

    def wait_server(self):
        subprocess.run([os.path.join(os.path.dirname(WINE64), "wineserver"), "-w"],
                       env=self.env(), check=False, timeout=120)

    def set_desktop_folder(self, windows_path):
        """Points the user's desktop at another folder (None: the usual one)."""
        value = windows_path or "%USERPROFILE%\\Desktop"
        self._regedit("[HKEY_CURRENT_USER\\Software\\Microsoft\\Windows\\CurrentVersion\\"
                      "Explorer\\User Shell Folders]\r\n\"Desktop\"=hex(2):%s\r\n" %
                      ",".join("%02x" % b for b in (value + "\0").encode("utf-16-le")))

    def set_windows_version(self, version):
        """Which Windows Wine reports: 'winxp', 'win7', 'win10', ..."""
        if version != self._version:
            self._regedit("[HKEY_CURRENT_USER\\Software\\Wine]\r\n"
                          "\"Version\"=\"%s\"\r\n" % version)
            self._version = version

    def desktop_dir(self):
        users = os.path.join(self.prefix, "drive_c", "users")
        user = os.environ.get("USER") or "root"
        if not os.path.isdir(os.path.join(users, user)):
            user = [u for u in os.listdir(users) if u != "Public"][0]
        return os.path.join(users, user, "Desktop")

    def desktop_windows_path(self):
        """The desktop folder as the launcher sees it, in Windows-1251."""
        user = os.path.basename(os.path.dirname(self.desktop_dir()))
        return ("C:\\users\\%s\\Desktop" % user).encode("cp1251")

    def clear_desktop(self):
        desktop = self.desktop_dir()
        for name in os.listdir(desktop):
            path = os.path.join(desktop, name)
            if os.path.isdir(path) and not os.path.islink(path):
                shutil.rmtree(path)
            else:
                os.unlink(path)

    def close(self):
        self.wait_server()
        if self.xvfb:
            self.xvfb.terminate()
            self.xvfb.wait()

    # -- one run ----------------------------------------------------------

    def visible_windows(self):
        out = subprocess.run(["xdotool", "search", "--onlyvisible", "--name", "."],
                             env=self.env(), capture_output=True, text=True)
        return out.stdout.split()

    def window_name(self, window):
        out = subprocess.run(["xdotool", "getwindowname", window], env=self.env(),
                             capture_output=True)
        return out.stdout.decode("utf-8", "replace").strip()

    def run(self, launch_name, folder="launch", version="win10", hold_ms=0,
            standin_exit=0, path_tools=True, clear_desktop=True, timeout=90,
            on_window=None, source=None):
        """Runs the launcher (or the file source) copied as folder/launch_name
        (UTF-8 on disk).

        Every visible window is dismissed with Return, unless on_window
        (called with its title) returns False."""
        self.set_windows_version(version)
        if clear_desktop:
            self.clear_desktop()
        run_dir = os.path.join(self.prefix, "drive_c", folder)
        shutil.rmtree(run_dir, ignore_errors=True)
        os.makedirs(run_dir)
        exe = os.path.join(run_dir, launch_name)
        shutil.copy(source or self.exe, exe)
        log = os.path.join(self.prefix, "drive_c", "standin.log")
        if os.path.exists(log):
            os.unlink(log)
        windows_exe = "C:\\" + folder.replace("/", "\\") + "\\" + launch_name

        relay_file = tempfile.TemporaryFile()
        env = self.env(WINEDEBUG="+relay", STANDIN_LOG="C:\\standin.log",
                       STANDIN_HOLD_MS=str(hold_ms), STANDIN_EXIT=str(standin_exit),
                       WINEPATH="C:\\standins" if path_tools else "")
        started = now_ms()
        proc = subprocess.Popen([self.loader, windows_exe], env=env,
                                cwd=run_dir, stdout=subprocess.DEVNULL,
                                stderr=relay_file)
        titles, handled = [], set()
        deadline = time.time() + timeout
        while proc.poll() is None:
            if time.time() > deadline:
                proc.kill()
                raise AssertionError("launcher still running after %ds; windows: %r"
                                     % (timeout, titles))
            for w in self.visible_windows():
                if w in handled:
                    continue
                title = self.window_name(w)
                titles.append(title)
                handled.add(w)
                if on_window is None or on_window(title) is not False:
                    subprocess.run(["xdotool", "key", "--window", w, "Return"],
                                   env=self.env(), check=False)
            time.sleep(0.15)
        ended = now_ms()
        relay_file.seek(0)
        relay = relay_file.read().decode("latin-1")
        relay_file.close()

        standins = []
        if os.path.exists(log):
            with open(log, "rb") as f:
                for line in f.read().decode("latin-1").splitlines():
                    name, start, end, show, visible, cwd, cmd = line.split("\t")
                    standins.append(StandinRun(name.lower(), int(start), int(end),
                                               int(show), visible == "1", cwd,
                                               bytes.fromhex(cmd)))
        desktop = {}
        for name in sorted(os.listdir(self.desktop_dir())):
            path = os.path.join(self.desktop_dir(), name)
            desktop[name] = open(path, "rb").read() if os.path.isfile(path) else None
        return RunResult(proc.returncode, parse_boxes(relay), titles, standins,
                         desktop, started, ended)


_session = None


def session():
    global _session
    if _session is None:
        _session = WineSession()
    return _session


def main():
    """unittest's main, with one Wine session for the whole file."""
    session()
    try:
        unittest.main(verbosity=2)
    finally:
        _session.close()


def cp1251(text):
    return text.encode("cp1251")


INFO_CAPTION = cp1251("Удаленное подключение")
INVALID_NAME_TEXT = (cp1251("Пожалуйста не переименовывайте файл!") + b"\n\r" +
                     cp1251("Скачайте файл заново."))
