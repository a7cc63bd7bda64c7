#!/usr/bin/env python3
"""Mutation run: changes one line of a source file at a time, rebuilds, and runs
the tests, to find changes to the code that no test notices.

    scripts/mutate.py --files src/text/text.cpp [--max N] [--seed S] [--lines A-B]
                      [--tests REGEX] [--build build/mutate] [--report FILE] [--list]

Each mutant is one small change on one line (a comparison turned around or
loosened, && and || swapped, + 1 and - 1 swapped, true and false swapped, a
break or continue deleted, a number made one larger). Comments, preprocessor
lines and static_asserts are left alone. The file is changed in place and always
put back as it was, on success, failure, Ctrl-C or SIGTERM; a copy of the
original waits in the build folder until then, and a later run puts back any
copy a killed run left behind. The build folder is configured once from the
default preset with warnings not treated as errors, so that the tests, not the
compiler's warnings, judge each mutant; build/default is never touched.

Plain Python 3.11, no other modules. Paths are relative to the repository the
script lives in, so it works the same in any worktree.
"""

import argparse
import os
import random
import re
import shutil
import signal
import subprocess
import sys
import time
from dataclasses import dataclass
from pathlib import Path

ROOT = Path(__file__).resolve().parent.parent

# A whole test run that takes this long is stuck even though every test has its
# own 60-second limit (a mutant can make many tests slow at once).
SUITE_LIMIT_SECONDS = 1800

# Binary operators count only with a space on both sides, as the code is laid
# out; that keeps template brackets, <<, ->, and && of forwarding references out.
SWAPS = [
    (re.compile(r"(?<=\s)==(?=\s)"), "!="),
    (re.compile(r"(?<=\s)!=(?=\s)"), "=="),
    (re.compile(r"(?<=\s)<(?=\s)"), "<="),
    (re.compile(r"(?<=\s)<=(?=\s)"), "<"),
    (re.compile(r"(?<=\s)>(?=\s)"), ">="),
    (re.compile(r"(?<=\s)>=(?=\s)"), ">"),
    (re.compile(r"(?<=\s)&&(?=\s)"), "||"),
    (re.compile(r"(?<=\s)\|\|(?=\s)"), "&&"),
    (re.compile(r"(?<=\s)\+ 1\b(?![.'\w])"), "- 1"),
    (re.compile(r"(?<=\s)- 1\b(?![.'\w])"), "+ 1"),
    (re.compile(r"\btrue\b"), "false"),
    (re.compile(r"\bfalse\b"), "true"),
    (re.compile(r"\bbreak;"), ""),
    (re.compile(r"\bcontinue;"), ""),
]
# Decimal and hexadecimal integers, not parts of names, floats or versions.
NUMBER = re.compile(r"(?<![\w.'])(0[xX][0-9a-fA-F]+|\d+(?:'\d+)*)([uUlLzZ]*)(?![\w.'])")


@dataclass
class Mutant:
    path: Path  # relative to ROOT
    line: int  # 1-based
    original: str  # the whole line, without its end
    mutated: str
    what: str  # "== -> !=" and the like

    def where(self):
        return f"{self.path}:{self.line}"


def code_only(line, in_block):
    """Returns the line with comments and string and character literals blanked
    to spaces (so columns still match), and whether a /* comment runs on."""
    out = []
    i, n = 0, len(line)
    while i < n:
        if in_block:
            end = line.find("*/", i)
            if end < 0:
                out.append(" " * (n - i))
                return "".join(out), True
            out.append(" " * (end + 2 - i))
            i, in_block = end + 2, False
            continue
        c = line[i]
        if line.startswith("//", i):
            out.append(" " * (n - i))
            break
        if line.startswith("/*", i):
            out.append("  ")
            i, in_block = i + 2, True
            continue
        raw = re.match(r'R"([^(\s]*)\(', line[i:])
        if raw and (i == 0 or not (line[i - 1].isalnum() or line[i - 1] == "_")):
            close = line.find(")" + raw.group(1) + '"', i + raw.end())
            end = n if close < 0 else close + len(raw.group(1)) + 2
            out.append(" " * (end - i))
            i = end
            continue
        # A ' after a digit is a digit separator, not a character literal.
        if c == '"' or (c == "'" and not (i > 0 and line[i - 1].isalnum())):
            j = i + 1
            while j < n and line[j] != c:
                j += 2 if line[j] == "\\" else 1
            end = min(j + 1, n)
            out.append(c + " " * (end - i - 2) + (c if end - i >= 2 else ""))
            i = end
            continue
        out.append(c)
        i += 1
    return "".join(out), in_block


def mutants_of(path, lines_range):
    """Returns every one-change mutant of the file at path (relative to ROOT),
    within lines_range (first, last) when given."""
    text = (ROOT / path).read_text(encoding="utf-8", errors="surrogateescape")
    result = []
    in_block = False
    in_assert = False
    for number, line in enumerate(text.splitlines(), start=1):
        code, in_block = code_only(line, in_block)
        stripped = code.strip()
        # A static_assert may run over several lines, up to its semicolon.
        if "static_assert" in code:
            in_assert = True
        skip = in_assert or stripped.startswith("#") or not stripped
        if in_assert and ";" in code:
            in_assert = False
        if skip or (lines_range and not lines_range[0] <= number <= lines_range[1]):
            continue
        for pattern, replacement in SWAPS:
            for m in pattern.finditer(code):
                mutated = line[: m.start()] + replacement + line[m.end():]
                what = f"{m.group(0)} -> {replacement or '(deleted)'}"
                result.append(Mutant(path, number, line, mutated, what))
        for m in NUMBER.finditer(code):
            digits = m.group(1)
            value = int(digits.replace("'", ""), 16 if digits[:2] in ("0x", "0X") else 10)
            bigger = hex(value + 1) if digits[:2] in ("0x", "0X") else str(value + 1)
            mutated = line[: m.start(1)] + bigger + line[m.end(1):]
            result.append(Mutant(path, number, line, mutated, f"{digits} -> {bigger}"))
    return result


class Stop(Exception):
    """Raised from a signal handler so that the finally blocks put files back."""


STOP_SIGNALS = {signal.SIGINT, signal.SIGTERM, signal.SIGHUP}


def on_signal(signum, _frame):
    raise Stop(signal.Signals(signum).name)


def write_unstoppable(target, data):
    """Writes data to target whole: a signal that arrives meanwhile waits."""
    old = signal.pthread_sigmask(signal.SIG_BLOCK, STOP_SIGNALS)
    try:
        target.write_bytes(data)
    finally:
        signal.pthread_sigmask(signal.SIG_SETMASK, old)


running = None  # the child process of the moment, killed with its group on a stop
tests_run = "?"  # how many tests the last test run started, as ctest counts them


def run(command, limit=None):
    """Runs command from ROOT in its own process group; returns (status, output),
    status None when it ran past limit seconds."""
    global running
    running = subprocess.Popen(command, cwd=ROOT, stdout=subprocess.PIPE, stderr=subprocess.STDOUT,
                               start_new_session=True)
    try:
        output, _ = running.communicate(timeout=limit)
        return running.returncode, output.decode("utf-8", "replace")
    except subprocess.TimeoutExpired:
        return None, ""
    finally:
        if running.poll() is None:
            os.killpg(running.pid, signal.SIGKILL)
            running.wait()
        running = None


def backup_dir(build):
    return build / "mutate-originals"


def restore_leftovers(build):
    """Puts back any original that an earlier, killed run left in the build folder."""
    originals = backup_dir(build)
    if not originals.is_dir():
        return
    for saved in sorted(p for p in originals.rglob("*") if p.is_file()):
        target = ROOT / saved.relative_to(originals)
        if not target.exists() or target.read_bytes() != saved.read_bytes():
            target.write_bytes(saved.read_bytes())
            print(f"put back {target.relative_to(ROOT)} from an interrupted run")
        saved.unlink()
    shutil.rmtree(originals)


def configure(build):
    """Configures the build folder once, from the default preset."""
    if (build / "CMakeCache.txt").exists():
        return
    status, output = run(["cmake", "--preset", "default", "-B", str(build), "-DROWCARD_WERROR=OFF"])
    if status != 0:
        sys.exit(f"configuring {build} failed:\n{output}")


def test_command(build, tests):
    command = ["ctest", "--test-dir", str(build), "-j2", "--timeout", "60", "--stop-on-failure",
               "--no-tests=error"]
    return command + (["-R", tests] if tests else [])


def judge(build, tests):
    """Builds and tests the tree as it stands; returns one of "killed", "survived",
    "did not compile", "timeout", and the seconds taken. The unchanged tree must
    come out "survived"."""
    start = time.monotonic()
    status, _ = run(["cmake", "--build", str(build)])
    if status != 0:
        return "did not compile", time.monotonic() - start
    status, output = run(test_command(build, tests), SUITE_LIMIT_SECONDS)
    seconds = time.monotonic() - start
    global tests_run
    ran = re.search(r"tests failed out of (\d+)", output)
    tests_run = ran.group(1) if ran else "?"
    if status is None or "***Timeout" in output:
        return "timeout", seconds
    return ("survived" if status == 0 else "killed"), seconds


def parse_lines(text):
    m = re.fullmatch(r"(\d+)-(\d+)", text)
    if not m or int(m.group(1)) > int(m.group(2)):
        raise argparse.ArgumentTypeError("expected A-B, with A <= B")
    return int(m.group(1)), int(m.group(2))


def relative_to_root(name):
    """Returns the file's path relative to ROOT, whether given from the current
    folder or from the root; exits if it is not a file of this repository."""
    for candidate in (Path(name), ROOT / name):
        if candidate.is_file():
            try:
                return candidate.resolve().relative_to(ROOT)
            except ValueError:
                break
    sys.exit(f"{name}: not a file of {ROOT}")


def main():
    parser = argparse.ArgumentParser(description="Mutation run: one-line changes, each rebuilt and tested.")
    parser.add_argument("--files", nargs="+", required=True, help="source files to mutate")
    parser.add_argument("--build", default="build/mutate", help="build folder of its own (default build/mutate)")
    parser.add_argument("--max", type=int, help="try at most N mutants, picked at random")
    parser.add_argument("--seed", type=int, default=0, help="seed of that pick (default 0)")
    parser.add_argument("--lines", type=parse_lines, help="mutate only lines A-B of each file")
    parser.add_argument("--tests", help="run only the tests matching REGEX (ctest -R)")
    parser.add_argument("--report", help="where to write the survivors (default BUILD/survivors.txt)")
    parser.add_argument("--list", action="store_true", help="list the mutants and stop")
    args = parser.parse_args()

    files = [relative_to_root(name) for name in args.files]
    mutants = [m for path in files for m in mutants_of(path, args.lines)]
    if args.max is not None and args.max < len(mutants):
        picked = set(random.Random(args.seed).sample(range(len(mutants)), args.max))
        mutants = [m for i, m in enumerate(mutants) if i in picked]
    if args.list:
        for m in mutants:
            print(f"{m.where()}: {m.what}\n    {m.mutated.strip()}")
        print(f"{len(mutants)} mutants")
        return 0
    if not mutants:
        sys.exit("no mutants: nothing to change in those lines")

    build = (ROOT / args.build).resolve()
    report = Path(args.report).resolve() if args.report else build / "survivors.txt"
    for signum in STOP_SIGNALS:
        signal.signal(signum, on_signal)

    results = []
    stopped = False
    try:
        build.mkdir(parents=True, exist_ok=True)
        restore_leftovers(build)
        configure(build)
        verdict, seconds = judge(build, args.tests)
        if verdict != "survived":
            sys.exit(f"the unchanged tree does not pass its tests ({verdict}); fix that first")
        print(f"{len(mutants)} mutants; the unchanged tree builds and passes {tests_run} tests in {seconds:.0f} s")
        for index, m in enumerate(mutants, start=1):
            target = ROOT / m.path
            original = target.read_bytes()
            saved = backup_dir(build) / m.path
            saved.parent.mkdir(parents=True, exist_ok=True)
            saved.write_bytes(original)
            try:
                lines = original.decode("utf-8", "surrogateescape").split("\n")
                lines[m.line - 1] = m.mutated + ("\r" if lines[m.line - 1].endswith("\r") else "")
                write_unstoppable(target, "\n".join(lines).encode("utf-8", "surrogateescape"))
                verdict, seconds = judge(build, args.tests)
            finally:
                write_unstoppable(target, original)
                saved.unlink()
            results.append((m, verdict))
            ran = f"{tests_run} tests, " if verdict == "survived" else ""
            print(f"[{index}/{len(mutants)}] {m.where()}  {m.what}  {verdict} ({ran}{seconds:.0f} s)", flush=True)
    except Stop as stop:
        print(f"\nstopped by {stop}; every file is as it was", file=sys.stderr)
        stopped = True
    finally:
        if running is not None and running.poll() is None:
            os.killpg(running.pid, signal.SIGKILL)
        shutil.rmtree(backup_dir(build), ignore_errors=True)

    summarize(files, results, report)
    return 130 if stopped else 0


def summarize(files, results, report):
    """Prints the counts per file and writes the survivors to report."""
    kinds = ["killed", "survived", "did not compile", "timeout"]
    print()
    print(f"{'file':40} " + " ".join(f"{k:>15}" for k in kinds) + "   caught")
    for path in files:
        counts = {k: sum(1 for m, v in results if m.path == path and v == k) for k in kinds}
        judged = counts["killed"] + counts["survived"] + counts["timeout"]
        caught = f"{100 * (judged - counts['survived']) / judged:.0f}%" if judged else "-"
        print(f"{str(path):40} " + " ".join(f"{counts[k]:>15}" for k in kinds) + f"   {caught:>6}")
    survivors = [m for m, v in results if v == "survived"]
    report.parent.mkdir(parents=True, exist_ok=True)
    with open(report, "w", encoding="utf-8", errors="surrogateescape") as out:
        for m in survivors:
            out.write(f"{m.where()}: {m.what}\n  - {m.original.strip()}\n  + {m.mutated.strip()}\n")
    print(f"\n{len(survivors)} survivors written to {report}")


if __name__ == "__main__":
    sys.exit(main())
