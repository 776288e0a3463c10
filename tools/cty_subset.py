#!/usr/bin/env python3
"""Writes the part of a country file (CTY.DAT form) that the given logs need.

    python3 tools/cty_subset.py /usr/share/hamradio-files/cty.dat LOG... > out.dat

The sample replays resolve their calls with a country file of their own, so
that they do not change with the installed country data. This keeps, of every
entity, the aliases that can match a call of the logs (any alias that begins
one of the calls' parts or their area-digit variants, and the whole-call
entries equal to one of them), in the file's own order, and drops entities
left without one: every call of the logs resolves as with the whole file.
"""
import re
import sys


def calls_of(paths):
    calls = set()
    for path in paths:
        with open(path, encoding="latin-1") as log:
            for line in log:
                fields = line.split()
                if not fields:
                    continue
                tag = fields[0].upper()
                if tag == "CALLSIGN:" and len(fields) > 1:
                    calls.add(fields[1].upper())
                elif tag == "QSO:" and len(fields) >= 10:
                    calls.update((fields[5].upper(), fields[8].upper()))
    return calls


def lookups(call):
    """Every text the resolver may look up for the call, and some more."""
    parts = [p for p in call.split("/") if p]
    out = {call}
    for k in range(1, len(parts) + 1):
        out.add("/".join(parts[:k]))
    for part in parts:
        out.add(part)
        for i, c in enumerate(part):
            if c.isdigit():
                out.update(part[:i] + d + part[i + 1:] for d in "0123456789")
    return out


def main():
    cty_path, log_paths = sys.argv[1], sys.argv[2:]
    texts = set()
    for call in calls_of(log_paths):
        texts |= lookups(call)
    with open(cty_path, encoding="latin-1") as f:
        records = f.read().split(";")
    out = []
    for record in records:
        if not record.strip():
            continue
        header, _, aliases = record.strip().partition("\n")
        kept = []
        for token in aliases.replace("\n", " ").split(","):
            token = token.strip()
            name = re.split(r"[(\[<{~]", token.lstrip("="), maxsplit=1)[0].upper()
            if not name:
                continue
            if token.startswith("="):
                if name in texts:
                    kept.append(token)
            elif any(t.startswith(name) for t in texts):
                kept.append(token)
        if kept:
            out.append(header.rstrip() + "\n    " + ",".join(kept) + ";\n")
    sys.stdout.write("".join(out))


if __name__ == "__main__":
    main()
