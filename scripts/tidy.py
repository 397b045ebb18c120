#!/usr/bin/env python3
"""Runs clang-tidy over the program sources of a build's compile commands, in parallel, and
remembers the files it found clean.

A file is checked again only when what clang-tidy would see changes: its preprocessed text (so
every header it includes), its compile command, the checks of .clang-tidy and clang-tidy's
version. The remembered keys live in $XDG_CACHE_HOME/rs232comm/tidy (COMM_TIDY_CACHE=0 turns
the memory off). The checkout's folder is taken out of the key, so clones at other places share
it. Prints the findings and exits 1 when a file has any.

usage: tidy.py BUILD_DIR FILE_PATTERN
"""
import concurrent.futures
import hashlib
import json
import os
import pathlib
import re
import shlex
import subprocess
import sys

ROOT = pathlib.Path(__file__).resolve().parent.parent


def cache_dir():
    if os.environ.get("COMM_TIDY_CACHE", "1") == "0":
        return None
    base = os.environ.get("XDG_CACHE_HOME") or os.path.join(os.path.expanduser("~"), ".cache")
    folder = pathlib.Path(base) / "rs232comm" / "tidy"
    try:
        folder.mkdir(parents=True, exist_ok=True)
    except OSError:
        return None
    return folder


def preprocess_command(entry):
    """The entry's compile command, made to print the preprocessed text instead of an object."""
    args = entry["arguments"] if "arguments" in entry else shlex.split(entry["command"])
    out, skip = [], False
    for arg in args:
        if skip:
            skip = False
            continue
        if arg == "-o":
            skip = True
            continue
        if arg in ("-c",) or arg.startswith("-o"):
            continue
        out.append(arg)
    return out + ["-E"]


def key_of(entry, common):
    """The file's key, or None when it cannot be preprocessed (clang-tidy then decides)."""
    try:
        text = subprocess.run(preprocess_command(entry), cwd=entry["directory"],
                              capture_output=True, check=True).stdout
    except (OSError, subprocess.CalledProcessError):
        return None
    root = str(ROOT).encode()
    digest = hashlib.sha256(common)
    digest.update(entry.get("command", " ".join(entry.get("arguments", []))).encode()
                  .replace(root, b"@"))
    digest.update(text.replace(root, b"@"))
    return digest.hexdigest()


def check(entry, build, common, cache):
    key = key_of(entry, common) if cache else None
    if key and (cache / key).exists():
        return entry["file"], True, "", True
    result = subprocess.run(["clang-tidy", "-quiet", "-p", build, entry["file"]],
                            capture_output=True, text=True)
    findings = [line for line in result.stdout.splitlines() if re.search(r": (warning|error):", line)]
    clean = result.returncode == 0 and not findings
    if clean and key:
        (cache / key).touch()
    report = result.stdout if not clean else ""
    if not clean and result.stderr:
        report += result.stderr
    return entry["file"], clean, report, False


def main():
    if len(sys.argv) != 3:
        print(__doc__.strip().splitlines()[-1], file=sys.stderr)
        return 2
    build, pattern = sys.argv[1], re.compile(sys.argv[2])
    entries = [e for e in json.loads((pathlib.Path(build) / "compile_commands.json").read_text())
               if pattern.search(e["file"])]
    version = subprocess.run(["clang-tidy", "--version"], capture_output=True).stdout
    common = version + (ROOT / ".clang-tidy").read_bytes()
    cache = cache_dir()
    failed = remembered = 0
    workers = os.cpu_count() or 2
    with concurrent.futures.ThreadPoolExecutor(max_workers=workers) as pool:
        jobs = [pool.submit(check, e, build, common, cache) for e in entries]
        for job in concurrent.futures.as_completed(jobs):
            name, clean, report, known = job.result()
            remembered += known
            if not clean:
                failed += 1
                print(f"== {name}\n{report}", flush=True)
    print(f"tidy: {len(entries)} files, {remembered} unchanged since a clean check, "
          f"{failed} with findings")
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main())
