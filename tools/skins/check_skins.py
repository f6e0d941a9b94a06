#!/usr/bin/python3
"""Checks the generated pictures against a picture list (tab-separated: path, kind, size, ...).

Usage: check_skins.py PICTURE_LIST.tsv
Every listed picture must exist; where the list gives a size (the first WxH in its size column)
the picture must have it. Also checks the size budget and that the skin BMPs are 24-bit.
"""

import os
import re
import sys

from PIL import Image

HERE = os.path.dirname(os.path.abspath(__file__))
ASSETS = os.path.normpath(os.path.join(HERE, "..", "..", "assets"))
RESOURCES = {"bitmap 364": "res/364.bmp", "bitmap 287": "res/287.bmp", "PNG 187": "res/187.png",
             "PNG 188": "res/188.png", "icon 128": "res/128.png"}
# The second badge is 21 x 19 by decision, drawn into its 20 x 20 place.
SIZE_OVERRIDES = {"skins/mouse/serial_number2.png": (21, 19)}
EXTRA = ["res/128.ico", "skins/README.md"]
MAX_FILE = 1024 * 1024
MAX_TOTAL = 4 * 1024 * 1024


def asset_path(name):
    if name in RESOURCES:
        return RESOURCES[name]
    return name.replace("\\", "/")


def expected_size(rel, size_column):
    if rel in SIZE_OVERRIDES:
        return SIZE_OVERRIDES[rel]
    if rel == "res/128.png":
        return (256, 256)
    if size_column.startswith(("drawn at", "strip", "band", "size not given", "not stated")):
        return None
    m = re.search(r"(\d+)x(\d+)", size_column)
    if not m:
        return None
    return int(m.group(1)), int(m.group(2))


def read_list(path):
    rows = []
    with open(path, encoding="utf-8") as f:
        for line in f:
            if line.startswith("#") or line.startswith("path\t") or not line.strip():
                continue
            cols = line.rstrip("\n").split("\t")
            rows.append((asset_path(cols[0]), cols[2]))
    return rows


def check(rows):
    problems = []
    for rel, size_column in rows:
        full = os.path.join(ASSETS, rel)
        if not os.path.isfile(full):
            problems.append(f"missing: {rel}")
            continue
        with Image.open(full) as im:
            want = expected_size(rel, size_column)
            if want and im.size != want:
                problems.append(f"{rel}: {im.size[0]}x{im.size[1]}, expected {want[0]}x{want[1]}")
            if rel.startswith("skins/") and rel.endswith(".bmp") and im.mode != "RGB":
                problems.append(f"{rel}: mode {im.mode}, expected 24-bit")
    total = 0
    for root, _, files in os.walk(os.path.join(ASSETS, "skins")):
        for name in files:
            total += os.path.getsize(os.path.join(root, name))
    for rel in list(RESOURCES.values()) + EXTRA:
        full = os.path.join(ASSETS, rel)
        if not os.path.isfile(full):
            problems.append(f"missing: {rel}")
    for rel in sorted(set(RESOURCES.values()) | {"res/128.ico"}):
        full = os.path.join(ASSETS, rel)
        if os.path.isfile(full):
            total += os.path.getsize(full)
    for root, _, files in os.walk(ASSETS):
        for name in files:
            full = os.path.join(root, name)
            if os.path.getsize(full) > MAX_FILE and ("skins" in full or "res" in full):
                problems.append(f"{os.path.relpath(full, ASSETS)}: over 1 MB")
    if total > MAX_TOTAL:
        problems.append(f"pictures total {total} bytes, over 4 MB")
    return problems, total


def main():
    if len(sys.argv) != 2:
        print(__doc__.strip())
        return 2
    rows = read_list(sys.argv[1])
    problems, total = check(rows)
    for p in problems:
        print(p)
    print(f"{len(rows)} listed pictures, {total} bytes in total, {len(problems)} problems")
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main())
