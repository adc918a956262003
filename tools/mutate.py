#!/usr/bin/env python3
"""Mutation testing of one source file against the tests that cover it.

    tools/mutate.py [--build DIR] [--only N,N...] [--list] FILE TARGET... [-- BINARY...]

Applies simple mutants to FILE one at a time, inside function bodies: a
relational or equality operator swapped (< <=, > >=, == !=), + and -
swapped (also ++ --, += -=), && and || swapped, an integer constant made one
larger, an if or while condition negated (where that is not just == made
!=), a one-line statement deleted. Each mutant is built (`cmake --build DIR
--target TARGET...`; DIR is the Release build by default, and ccache keeps
the rest of the build cheap) and each BINARY (default: the TARGETs, found in
DIR) is run with the environment ctest gives the tests. A mutant is killed
when a binary fails or runs past five times its unmutated time (at least 30
s), survives when all pass, and is stillborn when it does not compile (not
counted). The file is restored after every mutant, and on any exit.

Prints one line per mutant and the tally; `--list` only lists the mutants
and `--only` runs the ones named by their numbers. Equivalent mutants (no
input can tell them apart) are for a person to judge from the survivors.
"""
import argparse
import os
import re
import signal
import subprocess
import sys
import time

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))

# Binary operators stand between blanks in this code base, which tells them
# from template brackets, unary signs and pointer arrows.
SWAPS = [r"(?<= )(<=|>=|<|>|==|!=|&&|\|\||\+=|-=|\+|-)(?= )", r"\+\+|--"]
REPLACEMENT = {"<=": "<", ">=": ">", "<": "<=", ">": ">=", "==": "!=", "!=": "==", "&&": "||", "||": "&&",
               "++": "--", "--": "++", "+=": "-=", "-=": "+=", "+": "-", "-": "+"}


def code_spans(line):
    """The parts of a line that are code: no string or char literals, no comment."""
    spans, start, i, quote = [], 0, 0, None
    while i < len(line):
        c = line[i]
        if quote:
            if c == "\\":
                i += 2
                continue
            if c == quote:
                quote, start = None, i + 1
        elif line.startswith("//", i):
            break
        elif c in "\"'" and not (c == "'" and i > 0 and line[i - 1].isalnum() and i + 1 < len(line) and line[i + 1].isalnum()):
            spans.append((start, i))
            quote = c
        i += 1
    if not quote:
        spans.append((start, i))
    return spans


def mutants(lines):
    """(line index, new line, description) for every mutant of the file."""
    found = []
    depth = 0
    in_block_comment = False
    previous = ""
    for n, line in enumerate(lines):
        stripped = line.strip()
        follows_statement = previous.endswith((";", "{", "}", ")")) or previous.startswith(("//", "#"))
        if stripped:
            previous = stripped
        body = depth > 0
        depth += line.count("{") - line.count("}")
        if in_block_comment:
            if "*/" in line:
                in_block_comment = False
            continue
        if stripped.startswith("/*"):
            in_block_comment = "*/" not in stripped
            continue
        if not body or stripped.startswith(("#", "//", "static_assert", "template")):
            continue
        for start, end in code_spans(line):
            segment = line[start:end]
            for pattern in SWAPS:
                for m in re.finditer(pattern, segment):
                    op, at = m.group(0), start + m.start()
                    if op in ("+", "-") and '"' in line:
                        continue  # strings joined: a - would not compile
                    new = line[:at] + REPLACEMENT[op] + line[at + len(op):]
                    found.append((n, new, f"{op} -> {REPLACEMENT[op]}"))
            for m in re.finditer(r"(?<![\w.'])(0x[0-9A-Fa-f]+|\d+)(u|U|l|L|ul|UL|ull|ULL|ll|LL)?(?![\w.'])", segment):
                at, text = start + m.start(1), m.group(1)
                base = 16 if text.startswith("0x") else 8 if len(text) > 1 and text.startswith("0") else 10
                value = int(text, base)
                for moved in (value + 1,):
                    written = hex(moved) if base == 16 else "0" + oct(moved)[2:] if base == 8 else str(moved)
                    new = line[:at] + written + line[at + len(text):]
                    found.append((n, new, f"{text} -> {written}"))
        m = re.match(r"^(\s*(?:\}\s*else\s+)?(?:if|while)\s*)\((.*)\)(\s*\{?\s*)$", line.rstrip("\n"))
        single_equality = m and re.fullmatch(r"[^&|]* (==|!=) [^&|]*", m.group(2)) and m.group(2).count(" ==") + m.group(2).count(" !=") == 1
        if m and m.group(2).count("(") == m.group(2).count(")") and not single_equality:
            found.append((n, f"{m.group(1)}(!({m.group(2)})){m.group(3)}\n", "condition negated"))
        if (body and stripped.endswith(";") and not stripped.startswith(("return", "}", "case", "default"))
                and "(" in stripped or stripped in ("continue;", "break;") or re.match(r"^[\w.\[\]>-]+\s*(=|\+=|-=|\+\+|--)", stripped)):
            if body and follows_statement and not re.match(r"^(const|constexpr|static|auto|std::|struct|char|int|bool|unsigned|double|"
                                     r"long|off_t|ssize_t|mode_t|Result|Status|Error|FileDescriptor|"
                                     r"tervok::|formats::)\b", stripped):
                indent = line[:len(line) - len(line.lstrip())]
                found.append((n, f"{indent}{{}}  // deleted\n", "statement deleted"))
    unique, seen = [], set()
    for n, new, what in found:
        if (n, new) not in seen:
            seen.add((n, new))
            unique.append((n, new, what))
    return unique


def run(command, timeout=None, env=None):
    try:
        done = subprocess.run(command, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, timeout=timeout,
                              env=env, start_new_session=True)
        return done.returncode
    except subprocess.TimeoutExpired:
        return "timeout"


def main():
    parser = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("--build", default=os.path.join(ROOT, "build", "release"))
    parser.add_argument("--only", default="", help="mutant numbers to run, comma-separated")
    parser.add_argument("--list", action="store_true")
    parser.add_argument("file")
    parser.add_argument("targets", nargs="+")
    args, binaries = parser.parse_known_args()
    if "--" in sys.argv:
        binaries = sys.argv[sys.argv.index("--") + 1:]
        args.targets = [t for t in args.targets if t not in binaries]
    path = os.path.join(ROOT, args.file) if not os.path.isabs(args.file) else args.file
    original = open(path).read()
    lines = original.splitlines(keepends=True)
    found = mutants(lines)
    if args.list:
        for i, (n, new, what) in enumerate(found, 1):
            print(f"{i:3} {args.file}:{n + 1}: {what}: {new.strip()}")
        return 0
    only = {int(x) for x in args.only.split(",") if x}
    env = dict(os.environ, QT_QPA_PLATFORM="offscreen", TERVOK_SAMPLE_DIR=os.path.join(args.build, "sample-data"))
    build = ["cmake", "--build", args.build, "--target", *args.targets]
    if not binaries:
        binaries = [subprocess.check_output(["find", args.build, "-type", "f", "-name", t]).decode().split()[0]
                    for t in args.targets]

    def restore(*_):
        open(path, "w").write(original)
        if _:
            sys.exit(1)

    signal.signal(signal.SIGINT, restore)
    signal.signal(signal.SIGTERM, restore)
    if run(build) != 0:
        print("the unchanged build fails", file=sys.stderr)
        return 2
    limits = []
    for binary in binaries:
        start = time.time()
        if run([binary], env=env) != 0:
            print(f"{binary} fails before any mutant", file=sys.stderr)
            return 2
        limits.append(max(30.0, 5 * (time.time() - start)))
    tally = {"killed": 0, "survived": 0, "stillborn": 0}
    try:
        for i, (n, new, what) in enumerate(found, 1):
            if only and i not in only:
                continue
            mutated = lines[:n] + [new] + lines[n + 1:]
            open(path, "w").write("".join(mutated))
            if run(build) != 0:
                outcome = "stillborn"
            else:
                outcome = "survived"
                for binary, limit in zip(binaries, limits):
                    if run([binary], timeout=limit, env=env) != 0:
                        outcome = "killed"
                        break
            tally[outcome] += 1
            print(f"{i:3} {outcome:9} {args.file}:{n + 1}: {what}: {new.strip()}", flush=True)
    finally:
        restore()
        run(build)
    print(f"{args.file}: {tally['killed']} killed, {tally['survived']} survived, {tally['stillborn']} stillborn")
    return 0


if __name__ == "__main__":
    sys.exit(main())
