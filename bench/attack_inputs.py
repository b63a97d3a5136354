#!/usr/bin/env python3
"""Feeds corvane-remux damaged copies of real media and checks how it ends.

Each good file is cut short at several points and has random bytes garbled
(several seeds). For every damaged copy the remux must end with status 0 and
an output mkvmerge reads, or status 1 with a message; never a signal, a
sanitizer report or a time-out, and the damaged source must stay unchanged.

Usage: bench/attack_inputs.py REMUX_BINARY WORK_DIR GOOD_FILE...
Prints one line per case and a summary; exits 1 when any case went wrong.
"""
import hashlib
import json
import os
import random
import subprocess
import sys

CUTS = [("1B", lambda n: 1), ("100B", lambda n: 100), ("1pct", lambda n: n // 100),
        ("10pct", lambda n: n // 10), ("50pct", lambda n: n // 2), ("99pct", lambda n: n * 99 // 100)]
SEEDS = [1, 2, 3, 4, 5]
TIMEOUT_SECONDS = 60


def truncated(data, cut):
    return data[:cut]


def garbled(data, seed, head_only):
    """Overwrites a few bytes: across the file, or only in its first 4 KiB
    where the headers live and parsers are most easily led astray."""
    rng = random.Random(seed)
    out = bytearray(data)
    span = min(len(out), 4096) if head_only else len(out)
    for _ in range(max(8, span // 500)):
        out[rng.randrange(span)] = rng.randrange(256)
    return bytes(out)


def damaged_copies(path):
    data = open(path, "rb").read()
    for name, cut in CUTS:
        yield "cut-" + name, truncated(data, cut(len(data)))
    for seed in SEEDS:
        yield "flip-s%d" % seed, garbled(data, seed, False)
        yield "head-s%d" % seed, garbled(data, seed, True)


def mkvmerge_reads(output):
    result = subprocess.run(["mkvmerge", "-J", output], capture_output=True, text=True)
    if result.returncode == 2:
        return False
    try:
        return json.loads(result.stdout).get("container", {}).get("recognized", False)
    except ValueError:
        return False


def verdict(remux, source, output):
    before = hashlib.sha256(open(source, "rb").read()).hexdigest()
    try:
        run = subprocess.run([remux, "--overwrite", source, output], capture_output=True, text=True, errors="replace",
                             timeout=TIMEOUT_SECONDS)
    except subprocess.TimeoutExpired:
        return False, "TIMEOUT"
    changed = hashlib.sha256(open(source, "rb").read()).hexdigest() != before
    sanitizer = "Sanitizer" in run.stderr or "runtime error:" in run.stderr
    if run.returncode < 0:
        return False, "SIGNAL %d" % -run.returncode
    if sanitizer:
        return False, "SANITIZER " + run.stderr.strip().splitlines()[0][:120]
    if changed:
        return False, "SOURCE CHANGED"
    if run.returncode == 0:
        return (True, "0 mkv ok") if mkvmerge_reads(output) else (False, "0 but mkvmerge refuses output")
    if run.returncode == 1 and run.stderr.strip():
        return True, "1 " + run.stderr.strip().splitlines()[-1][-60:]
    return False, "status %d stderr=%r" % (run.returncode, run.stderr[-200:])


def main():
    if len(sys.argv) < 4:
        sys.exit(__doc__)
    remux, work, goods = sys.argv[1], sys.argv[2], sys.argv[3:]
    os.makedirs(work, exist_ok=True)
    bad = 0
    for good in goods:
        base = os.path.basename(good)
        for label, data in damaged_copies(good):
            source = os.path.join(work, label + "." + base)
            with open(source, "wb") as f:
                f.write(data)
            ok, what = verdict(remux, source, os.path.join(work, "out.mkv"))
            bad += not ok
            print("%-5s %-22s %-9s %s" % ("ok" if ok else "FAULT", base, label, what), flush=True)
            if ok:
                os.remove(source)
    print("%d fault(s)" % bad)
    sys.exit(1 if bad else 0)


if __name__ == "__main__":
    main()
