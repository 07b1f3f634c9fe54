#!/usr/bin/env python3
"""Reads registry exports (reg export, UTF-16) for the installer test.

    registry_export.py diff <before.reg> <after.reg> [key prefix...]
        every key and value that differs, one line each (+ added, - removed); with
        prefixes only keys below one of them (case-insensitive)
    registry_export.py products <uninstall.reg> <display name prefix>
        "DisplayName|DisplayVersion" of every installed product whose name starts so
"""
import sys


def read(path):
    """{key: {value name: data}}; a key without values maps to {}."""
    with open(path, "rb") as stream:
        raw = stream.read()
    text = raw.decode("utf-16") if raw[:2] in (b"\xff\xfe", b"\xfe\xff") else raw.decode("utf-8")
    keys = {}
    current = None
    pending = ""
    for line in text.splitlines():
        if pending:
            line = pending + line.lstrip()
            pending = ""
        if line.endswith("\\") and current is not None and not line.startswith("["):
            pending = line[:-1]
            continue
        if line.startswith("[") and line.endswith("]"):
            current = line[1:-1]
            keys.setdefault(current, {})
        elif current is not None and "=" in line:
            if line.startswith("@="):
                name, data = "@", line[2:]
            else:
                # "name"=data; a name may hold an escaped quote
                end = 1
                while True:
                    end = line.index('"', end)
                    if line[end - 1] != "\\":
                        break
                    end += 1
                name, data = line[1:end], line[end + 2:]
            keys[current][name] = data
    return keys


def entries(keys, prefixes):
    result = set()
    lowered = [p.lower() for p in prefixes]
    for key, values in keys.items():
        if lowered and not any(key.lower().startswith(p) for p in lowered):
            continue
        result.add("[%s]" % key)
        for name, data in values.items():
            result.add("[%s] %s=%s" % (key, name, data))
    return result


def main():
    command = sys.argv[1]
    if command == "diff":
        before = entries(read(sys.argv[2]), sys.argv[4:])
        after = entries(read(sys.argv[3]), sys.argv[4:])
        for line in sorted(after - before):
            print("+ " + line)
        for line in sorted(before - after):
            print("- " + line)
    elif command == "products":
        for key, values in read(sys.argv[2]).items():
            name = values.get("DisplayName", "").strip('"')
            if name.startswith(sys.argv[3]):
                print("%s|%s" % (name, values.get("DisplayVersion", "").strip('"')))
    else:
        sys.exit(__doc__)


if __name__ == "__main__":
    main()
