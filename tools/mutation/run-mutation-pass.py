#!/usr/bin/env python3
"""Mutation pass: plants each fault of mutants.py in a scratch copy and runs the suite on it.

Usage:
    tools/mutation/run-mutation-pass.py [--scratch DIR] [--labels REGEX] [--only ID ...]
                                        [--fresh] [--jobs N] [--result FILE]

The scratch folder (default /tmp/keldra-mutation) gets the tree of HEAD (git archive; files
already there are rewritten only where HEAD differs, so a second pass rebuilds little) and
one plain build (Ninja, RelWithDebInfo, no benchmarks, sanitizers or fuzzing). The test
programs of the chosen labels are built once and the suite must pass unmutated. Then, one
mutant at a time: its edits are applied (each old text must occur exactly once, or the pass
stops), ninja rebuilds, ctest runs the chosen labels without x11, the failed tests are
recorded and every file is restored byte for byte with a new time stamp, so the next build
compiles it again. The table (mutant, killed by) and the kill rate are printed and written
to <scratch>/mutation-result.txt, one line per mutant as soon as it is known.
"""

import argparse
import io
import os
import re
import shutil
import subprocess
import sys
import tarfile
import time
from pathlib import Path

HERE = Path(__file__).resolve().parent
REPO = HERE.parents[1]
sys.dont_write_bytecode = True  # nothing written next to the script in the repository
sys.path.insert(0, str(HERE))
from mutants import MUTANTS  # noqa: E402

DEFAULT_LABELS = "app|pages|skin|settings"


def run(command, cwd=None, quiet=True):
    result = subprocess.run(command, cwd=cwd, text=True, capture_output=quiet)
    return result


def sync_tree(tree: Path, fresh: bool):
    """Puts HEAD's files in tree, rewriting only those whose bytes differ."""
    if fresh and tree.exists():
        shutil.rmtree(tree)
    tree.mkdir(parents=True, exist_ok=True)
    archive = subprocess.run(["git", "archive", "--format=tar", "HEAD"], cwd=REPO,
                             capture_output=True, check=True).stdout
    changed = 0
    with tarfile.open(fileobj=io.BytesIO(archive)) as tar:
        for member in tar.getmembers():
            target = tree / member.name
            if member.isdir():
                target.mkdir(parents=True, exist_ok=True)
                continue
            if not member.isfile():
                continue
            data = tar.extractfile(member).read()
            if target.exists() and target.read_bytes() == data:
                continue
            target.parent.mkdir(parents=True, exist_ok=True)
            target.write_bytes(data)
            os.chmod(target, member.mode)
            changed += 1
    return changed


def test_targets(tree: Path, labels: str):
    """The test programs whose keldra_add_test label matches, read from tests/*/CMakeLists.txt."""
    pattern = re.compile(r"keldra_add_test\(\s*(\w+)(.*?)\)\s*$", re.S | re.M)
    wanted = re.compile(f"^({labels})$")
    targets = []
    for cmake in sorted((tree / "tests").glob("*/CMakeLists.txt")):
        for name, body in pattern.findall(cmake.read_text()):
            label = re.search(r"LABELS\s+(\w+)", body)
            label = label.group(1) if label else "unit"
            if wanted.match(label) and label != "x11":
                targets.append(name)
    return targets


def configure(tree: Path, build: Path):
    command = ["cmake", "-S", str(tree), "-B", str(build), "-G", "Ninja",
               "-DCMAKE_BUILD_TYPE=RelWithDebInfo", "-DKELDRA_BENCH=OFF",
               "-DKELDRA_SANITIZE=OFF", "-DKELDRA_FUZZ=OFF"]
    if shutil.which("ld.lld"):  # links dominate each mutant's rebuild; lld makes them short
        command += ["-DCMAKE_EXE_LINKER_FLAGS=-fuse-ld=lld", "-DCMAKE_SHARED_LINKER_FLAGS=-fuse-ld=lld"]
    result = run(command)
    if result.returncode != 0:
        sys.exit("configure failed:\n" + result.stdout[-3000:] + result.stderr[-3000:])


def build_targets(build: Path, targets, jobs: int):
    result = run(["ninja", "-C", str(build), f"-j{jobs}", *targets])
    return result.returncode == 0, result.stdout[-3000:]


FAILED_LINE = re.compile(r"^\s*\d+\s+-\s+(\S+)\s+\((.+)\)\s*$")


def run_suite(build: Path, labels: str, jobs: int):
    """Returns the failed tests as 'Name (reason)', and ctest's return code."""
    result = run(["ctest", "-L", labels, "-LE", "x11", "-E", "_NOT_BUILT", f"-j{jobs}",
                  "--timeout", "120", "--output-on-failure"], cwd=build)
    failed = []
    if "The following tests FAILED:" in result.stdout:
        tail = result.stdout.split("The following tests FAILED:", 1)[1]
        for line in tail.splitlines():
            match = FAILED_LINE.match(line)
            if match:
                failed.append(f"{match.group(1)} ({match.group(2)})")
    return failed, result.returncode


def write_file(path: Path, data: bytes):
    path.write_bytes(data)
    now = time.time()
    os.utime(path, (now, now))  # a fresh stamp, so ninja rebuilds even within one second


def apply_mutant(tree: Path, mutant):
    """Applies the edits; returns the original bytes of every file touched."""
    originals, texts = {}, {}
    for file, old, new in mutant.edits:
        path = tree / file
        if file not in originals:
            originals[file] = path.read_bytes()
            texts[file] = originals[file].decode("latin-1")
        count = texts[file].count(old)
        if count != 1:
            restore(tree, originals)
            sys.exit(f"{mutant.id}: the old text occurs {count} times in {file}, not once:\n{old}")
        texts[file] = texts[file].replace(old, new, 1)
    for file, text in texts.items():
        write_file(tree / file, text.encode("latin-1"))
    return originals


def restore(tree: Path, originals):
    for file, data in originals.items():
        write_file(tree / file, data)
        if (tree / file).read_bytes() != data:
            sys.exit(f"could not restore {file}")


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n")[0])
    parser.add_argument("--scratch", default="/tmp/keldra-mutation")
    parser.add_argument("--labels", default=DEFAULT_LABELS, help="ctest label regex")
    parser.add_argument("--only", nargs="*", default=[], help="mutant ids to run")
    parser.add_argument("--fresh", action="store_true", help="start from an empty scratch")
    parser.add_argument("--jobs", type=int, default=2)
    parser.add_argument("--result", help="result file (default <scratch>/mutation-result.txt)")
    args = parser.parse_args()

    mutants = [m for m in MUTANTS if not args.only or m.id in args.only]
    unknown = set(args.only) - {m.id for m in MUTANTS}
    if unknown:
        sys.exit(f"unknown mutant ids: {sorted(unknown)}")
    scratch = Path(args.scratch)
    tree, build = scratch / "tree", scratch / "build"
    report = Path(args.result) if args.result else scratch / "mutation-result.txt"
    started = time.time()

    print(f"tree: {sync_tree(tree, args.fresh)} files written from HEAD", flush=True)
    configure(tree, build)
    targets = test_targets(tree, args.labels)
    built, log = build_targets(build, targets, args.jobs)
    if not built:
        sys.exit("the unmutated tree does not build:\n" + log)
    baseline, _ = run_suite(build, args.labels, args.jobs)
    if baseline:
        sys.exit("the unmutated suite fails, so no mutant can be judged:\n  " + "\n  ".join(baseline))
    print(f"baseline passes ({time.time() - started:.0f} s); {len(mutants)} mutants", flush=True)

    rows = []
    with report.open("w") as out:
        out.write(f"# mutation pass of {run(['git', 'rev-parse', '--short', 'HEAD'], cwd=REPO).stdout.strip()}"
                  f", labels {args.labels}, without x11\n")
        for number, mutant in enumerate(mutants, 1):
            began = time.time()
            originals = apply_mutant(tree, mutant)
            try:
                built, log = build_targets(build, targets, args.jobs)
                failed = run_suite(build, args.labels, args.jobs)[0] if built else []
            finally:
                restore(tree, originals)
            if not built:
                errors = [line for line in log.splitlines() if "error" in line]
                verdict, by = "NOT BUILT", (errors or log.strip().splitlines() or ["?"])[:1]
            elif failed:
                verdict, by = "killed", failed
            else:
                verdict = "survived (expected)" if mutant.survives else "SURVIVED"
                by = [mutant.survives] if mutant.survives else []
            rows.append((mutant, verdict, by))
            line = f"{mutant.id:40} {verdict:20} {'; '.join(by)}"
            print(f"[{number}/{len(mutants)} {time.time() - began:.0f} s] {line}", flush=True)
            out.write(line + "\n")
            out.flush()

        judged = [r for r in rows if r[1] != "NOT BUILT"]
        killed = sum(1 for r in judged if r[1] == "killed")
        rate = 100.0 * killed / len(judged) if judged else 0.0
        summary = (f"\nkilled {killed} of {len(judged)} built mutants ({rate:.0f}%); "
                   f"{len(rows) - len(judged)} did not build; {time.time() - started:.0f} s in all\n")
        out.write(summary)
        for mutant, verdict, by in rows:
            if verdict != "killed":
                out.write(f"  {verdict}: {mutant.id}: {mutant.means}\n")
    print(summary)
    print(f"written to {report}")
    build_targets(build, targets, args.jobs)  # leaves the build matching the restored tree


if __name__ == "__main__":
    main()
