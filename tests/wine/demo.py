"""One launch of the real executable under Wine, told step by step."""

import sys

from wine_harness import session


def show(data):
    return data.decode("cp1251").replace("\r", "\\r").replace("\n", "\\n")


def main():
    name = sys.argv[1]
    s = session()
    try:
        print("launch name: %s" % name)
        r = s.run(name, hold_ms=500)
    finally:
        s.close()
    print("\nmessage boxes shown: %d" % len(r.boxes))
    for box in r.boxes:
        print("  %s caption=%r style=0x%x language=%s" % (
            box.api, show(box.caption), box.style, box.language))
        print("    text: %s" % show(box.text))
    print("\nprograms started: %d" % len(r.standins))
    for run in r.standins:
        print("  %-10s hidden=%s held %d ms: %s" % (
            run.name, run.show == 0, run.end_ms - run.start_ms,
            show(run.parameters)))
    print("\nfiles on the desktop: %d" % len(r.desktop))
    for file_name, data in r.desktop.items():
        if data is None:
            continue
        lines = data.split(b"\r\n")
        print("  %s: %d bytes, %d lines" % (file_name, len(data), len(lines) - 1))
        for line in lines[:-1]:
            print("    " + show(line))
    print("\nexit code: %d" % r.exit_code)
    last_client = max((x.end_ms for x in r.standins if x.name == "mstsc.exe"), default=None)
    if last_client:
        print("the launcher ended %d ms after the client ended" % (r.ended_ms - last_client))


if __name__ == "__main__":
    main()
