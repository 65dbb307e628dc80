#!/usr/bin/env python3
"""Prints deb-src entries (deb822 format) for the apt sources that serve a given binary package.

Usage: apt-deb-src.py PACKAGE

The entries are copies of the machine's own enabled "deb" sources (URIs, suites, components and keyring, in
sources.list or sources.list.d, one-line or deb822 format) whose address appears in `apt-cache policy PACKAGE`,
so they follow whatever mirror and release the machine uses. Exits 1 with a reason when none is found.
"""

import glob
import re
import subprocess
import sys

APT = "/etc/apt"


def one_line_entries(path):
    """Yields the deb entries of a one-line sources file as dicts of deb822 fields."""
    for line in open(path, encoding="utf-8", errors="replace"):
        line = line.split("#", 1)[0].strip()
        match = re.match(r"deb\s+(?:\[([^\]]*)\]\s+)?(\S+)\s+(\S+)\s*(.*)$", line)
        if not match:
            continue
        options, uri, suite, components = match.groups()
        entry = {"URIs": uri, "Suites": suite, "Components": components.strip()}
        for option in (options or "").split():
            key, _, value = option.partition("=")
            if key == "signed-by":
                entry["Signed-By"] = value
        yield entry


def deb822_entries(path):
    """Yields the enabled stanzas of a deb822 sources file that include the deb type."""
    text = open(path, encoding="utf-8", errors="replace").read()
    for stanza in re.split(r"\n\s*\n", text):
        fields, key = {}, None
        for line in stanza.splitlines():
            if line.startswith("#"):
                continue
            if line[:1] in (" ", "\t") and key:
                fields[key] += "\n" + line
                continue
            key, sep, value = line.partition(":")
            if not sep:
                key = None
                continue
            key = key.strip()
            fields[key] = value.strip()
        if "deb" in fields.get("Types", "").split() and fields.get("Enabled", "yes").lower() != "no":
            del fields["Types"]
            fields.pop("Architectures", None)
            yield fields


def all_entries():
    lists = [f"{APT}/sources.list"] + sorted(glob.glob(f"{APT}/sources.list.d/*.list"))
    for path in lists:
        try:
            yield from one_line_entries(path)
        except OSError:
            pass
    for path in sorted(glob.glob(f"{APT}/sources.list.d/*.sources")):
        yield from deb822_entries(path)


def serving_uris(package):
    policy = subprocess.run(["apt-cache", "policy", package], capture_output=True, text=True).stdout
    return {m.rstrip("/") for m in re.findall(r"^\s+\d+\s+(\S+://\S+)\s", policy, re.M)}


def main(argv):
    if len(argv) != 2:
        print(__doc__.strip().splitlines()[2], file=sys.stderr)
        return 2
    uris = serving_uris(argv[1])
    chosen = [e for e in all_entries() if {u.rstrip("/") for u in e["URIs"].split()} & uris]
    if not chosen:
        print(f"apt-deb-src: no enabled apt source serves {argv[1]} (apt-cache policy {argv[1]})", file=sys.stderr)
        return 1
    stanzas = ["Types: deb-src\n" + "".join(f"{k}: {v}\n" for k, v in e.items()) for e in chosen]
    sys.stdout.write("\n".join(stanzas))
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
