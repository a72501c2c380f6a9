#!/usr/bin/env python3
"""Refuses an include that reaches up a layer.

Every source folder under src/ belongs to a layer, and a layer may include only the layers
it names below (and itself). The platform's lower layers must not see the API's face
(<windows.h> and friends), which gathers everything up to the window layer.

    tools/check-layers.py [--root DIR] [--plant FILE:HEADER ...]

--plant adds an include to a file for this run only (the file is not touched), so that the
check can be seen refusing one.
"""
import argparse
import pathlib
import re
import sys

# layer -> the layers its files may include ("resource.h" is the resource ids).
LAYERS = {
    "platform/kernel": ["platform/kernel"],
    "platform/gdi": ["platform/kernel", "platform/gdi"],
    "platform/host": ["platform/kernel", "platform/gdi", "platform/host"],
    "platform/user": ["platform/kernel", "platform/gdi", "platform/host", "platform/user"],
    "platform/headless": ["platform/kernel", "platform/gdi", "platform/host", "platform/headless"],
    "platform/sdl": ["platform/kernel", "platform/gdi", "platform/host", "platform/sdl"],
    "platform/include": ["platform/kernel", "platform/gdi", "platform/host", "platform/user"],
    "platform/session": ["platform/kernel", "platform/gdi", "platform/user", "platform/session"],
    "platform/entry": ["platform"],
    "framework": ["framework"],
    "settings": ["settings", "resource.h"],
    # On Linux, wide file names become bytes the way the platform's file functions do it.
    "settings/posix": ["settings", "platform/kernel"],
    "skin": ["skin"],
    "pages": ["pages", "skin", "settings", "resource.h"],
    "launch": ["launch", "settings"],
    "app": ["app", "pages", "skin", "settings", "launch", "resource.h"],
}

# Layers below the API's face: they may not include it.
BELOW_THE_FACE = ["platform/kernel", "platform/gdi", "platform/host", "platform/headless",
                  "platform/sdl", "platform/session"]
FACE_HEADERS = {"windows.h", "windowsx.h", "commctrl.h", "shellapi.h", "afxwin.h", "afxext.h",
                "afxcmn.h"}

INCLUDE = re.compile(r'^\s*#\s*include\s*([<"])([^>"]+)[>"]')


def layer_of(path):
    """The layer of a path relative to src/: the longest layer name it starts with."""
    matches = [name for name in LAYERS if path == name or path.startswith(name + "/")]
    return max(matches, key=len) if matches else None


def allowed(layer, header):
    return any(header == target or header.startswith(target + "/") for target in LAYERS[layer])


def includes_of(text):
    for number, line in enumerate(text.splitlines(), 1):
        match = INCLUDE.match(line)
        if match:
            yield number, match.group(1), match.group(2)


def check(root, planted):
    src = root / "src"
    problems = []
    for file in sorted(src.rglob("*")):
        if file.suffix not in (".h", ".cpp") or not file.is_file():
            continue
        relative = file.relative_to(src).as_posix()
        if relative == "resource.h":
            continue
        layer = layer_of(relative)
        if layer is None:
            problems.append(f"src/{relative}: its folder belongs to no layer (add it to LAYERS)")
            continue
        text = file.read_text(encoding="utf-8", errors="replace")
        lines = list(includes_of(text))
        lines += [(0, '"', header) for header in planted.get(relative, [])]
        for number, kind, header in lines:
            where = f"src/{relative}:{number}"
            if kind == "<":
                if layer in BELOW_THE_FACE and header in FACE_HEADERS:
                    problems.append(f"{where}: {layer} may not include <{header}>, the API's "
                                    "face above it")
                continue
            if layer_of(header) is None and header != "resource.h":
                continue  # a header of the folder's own, found beside it
            if not allowed(layer, header):
                owner = layer_of(header) or header
                problems.append(f"{where}: {layer} may not include \"{header}\" ({owner} is not "
                                "below it)")
    return problems


def main():
    parser = argparse.ArgumentParser(description="Refuses includes that reach up a layer.")
    parser.add_argument("--root", default=pathlib.Path(__file__).resolve().parent.parent,
                        type=pathlib.Path)
    parser.add_argument("--plant", action="append", default=[], metavar="FILE:HEADER")
    arguments = parser.parse_args()
    planted = {}
    for entry in arguments.plant:
        file, header = entry.split(":", 1)
        planted.setdefault(file, []).append(header)
    problems = check(arguments.root, planted)
    for problem in problems:
        print(problem)
    if problems:
        print(f"check-layers: {len(problems)} include(s) reach up a layer")
        return 1
    print("check-layers: every include keeps to its layer")
    return 0


if __name__ == "__main__":
    sys.exit(main())
