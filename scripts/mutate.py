#!/usr/bin/env python3
"""Mutation run over the module's code (src/).

Each mutant is one single-point change: a comparison flipped (< and >, <= and
>=, == and !=), a constant nudged (an integer plus one, a real plus one unit
of its leading digit), a statement dropped, or two neighbouring arguments of a
call swapped. Every mutant is built and tested on its own, in a copy of the
work tree, with the whole test suite (ctest); a failing suite kills it, one
that does not compile is stillborn and counts for nothing.

    python3 scripts/mutate.py                   # every mutant (hours)
    python3 scripts/mutate.py --sample 150      # a fixed random sample
    python3 scripts/mutate.py --survivors       # again, the last run's survivors only
    python3 scripts/mutate.py --list            # the mutants, without running them
    python3 scripts/mutate.py --report          # the last run's report again

Results go to out/mutation/ (report.txt, results.json); the copy is built in
$MUTATE_DIR (default /tmp/tarsel-mutate).
"""

import argparse
import json
import os
import random
import re
import shutil
import subprocess
import sys
import time
from decimal import Decimal

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
OUT = os.path.join(ROOT, "out", "mutation")
WORK = os.environ.get("MUTATE_DIR", "/tmp/tarsel-mutate")
COPY = os.path.join(WORK, "tree")
BUILD = os.path.join(COPY, "build")

TOKEN = re.compile(
    r"""(?P<comment>//[^\n]*|/\*.*?\*/)
      | (?P<string>"(?:\\.|[^"\\\n])*"|'(?:\\.|[^'\\\n])*')
      | (?P<number>0[xX][0-9a-fA-F]+[uUlL]*|(?:\d+\.\d*|\.\d+|\d+)(?:[eE][+-]?\d+)?[uUlLfF]*)
      | (?P<ident>[A-Za-z_]\w*)
      | (?P<op>->|::|<<=|>>=|<<|>>|<=|>=|==|!=|&&|\|\||\+\+|--|[-+*/%&|^!~=<>?:;,.(){}\[\]])
      | (?P<space>\s+)
      | (?P<other>.)""",
    re.S | re.X,
)

FLIPS = {"<": ">", ">": "<", "<=": ">=", ">=": "<=", "==": "!=", "!=": "=="}
CASTS = {"static_cast", "reinterpret_cast", "const_cast", "dynamic_cast", "template"}
NOT_CALLS = {"if", "for", "while", "switch", "sizeof", "return", "catch", "alignof", "decltype"}
DECLARATION_START = {
    "return", "case", "default", "const", "constexpr", "static", "auto", "typedef", "using",
    "namespace", "class", "struct", "enum", "template", "public", "private", "extern", "inline",
    "else", "do", "break", "continue", "goto",
}


class Token:
    def __init__(self, kind, text, start):
        self.kind, self.text, self.start = kind, text, start

    @property
    def end(self):
        return self.start + len(self.text)


WINDOWS_ONLY = re.compile(r"#\s*(ifdef\s+_WIN32|if\s+defined\(_WIN32\))\b")
NOT_WINDOWS = re.compile(r"#\s*(ifndef\s+_WIN32|if\s+!\s*defined\(_WIN32\))\b")


def tokens_of(source):
    """Tokens of the code that this platform builds: no comments, spaces,
    preprocessor lines or Windows-only branches."""
    result = []
    line_start = True
    skip_line = False
    branches = []  # per open #if: (about _WIN32, active)
    for m in TOKEN.finditer(source):
        kind, text = m.lastgroup, m.group()
        if kind == "space" or kind == "comment":
            if "\n" in text:
                line_start, skip_line = True, False
            continue
        if line_start and text == "#":
            skip_line = True
            directive = source[m.start():source.find("\n", m.start())]
            if WINDOWS_ONLY.match(directive) or NOT_WINDOWS.match(directive):
                branches.append((True, NOT_WINDOWS.match(directive) is not None))
            elif re.match(r"#\s*if", directive):
                branches.append((False, True))
            elif re.match(r"#\s*else", directive) and branches and branches[-1][0]:
                branches[-1] = (True, not branches[-1][1])
            elif re.match(r"#\s*endif", directive) and branches:
                branches.pop()
        line_start = False
        if not skip_line and all(active for _, active in branches):
            result.append(Token(kind, text, m.start()))
    return result


def matching(toks, at, opener, closer, step=1, limit=None, allowed=None):
    """Index of the bracket that closes the one at `at`, searching forwards
    (or backwards with step -1) over at most `limit` tokens; None when there
    is none, or when a token that `allowed` refuses comes first."""
    depth, j = 0, at
    while 0 <= j < len(toks) and (limit is None or abs(j - at) <= limit):
        x = toks[j].text
        if x == opener:
            depth += 1
        elif x == closer:
            depth -= 1
            if depth == 0:
                return j
        elif allowed and not allowed(toks[j]):
            return None
        j += step
    return None


def template_brackets(toks):
    """Indices of < and > that close over template arguments rather than compare."""
    found = set()
    for i, t in enumerate(toks):
        if t.text != "<" or i == 0:
            continue
        j = matching(toks, i, "<", ">", limit=12, allowed=lambda tok: tok.kind in (
            "ident", "number") or tok.text in ("*", "&", "::", ","))
        if j is None:
            continue
        before = toks[i - 1].text
        after = toks[j + 1].text if j + 1 < len(toks) else ""
        if before in CASTS or after in ("(", "{", "::", ">") or toks[j - 1].text in ("*", "&") \
                or before[:1].isupper():
            found.update((i, j))
    return found


def nudge(text):
    digits = text.rstrip("uUlLfF")
    suffix = text[len(digits):]
    if digits.lower().startswith("0x"):
        return hex(int(digits, 16) + 1) + suffix
    if re.fullmatch(r"\d+", digits):
        return str(int(digits) + 1) + suffix
    value = Decimal(digits)
    step = Decimal(1) if value == 0 else Decimal(1).scaleb(value.adjusted())
    nudged = value + step
    out = format(nudged, "f") if "e" not in digits.lower() else format(nudged, "e")
    return (out if "." in out or "e" in out else out + ".0") + suffix


def mutant(path, source, start, end, kind, replacement, note):
    line_start = source.rfind("\n", 0, start) + 1
    line_end = source.find("\n", start)
    return {"file": path, "line": source.count("\n", 0, start) + 1, "kind": kind,
            "start": start, "end": end, "replacement": replacement, "note": note,
            "text": source[line_start:line_end].strip()}


def call_arguments(toks, open_index):
    """(first token, last token) index spans of the top-level arguments of a call."""
    spans, depth, start = [], 0, open_index + 1
    for j in range(open_index + 1, len(toks)):
        x = toks[j].text
        if x in "([{":
            depth += 1
        elif x in ")]}":
            if depth == 0:
                if j > start:
                    spans.append((start, j - 1))
                return spans
            depth -= 1
        elif x == "," and depth == 0:
            spans.append((start, j - 1))
            start = j + 1
    return []


def is_call(toks, i):
    """Whether the identifier at i, followed by '(', calls rather than declares."""
    if toks[i].text in NOT_CALLS:
        return False
    k = i
    while k >= 2 and toks[k - 1].text in (".", "->", "::") and toks[k - 2].kind == "ident":
        k -= 2
    before = toks[k - 1] if k > 0 else None
    if before is None:
        return False
    if before.kind == "ident":
        return before.text in ("return", "else", "delete")
    if before.text in ("*", "&") and k > 1 and toks[k - 2].kind == "ident":
        return toks[k - 2].text == "return"
    return before.text != "~"


def mutants_of(path):
    source = open(os.path.join(ROOT, path), encoding="utf-8").read()
    toks = tokens_of(source)
    templates = template_brackets(toks)
    found = []

    def add(kind, start, end, replacement, note):
        found.append(mutant(path, source, start, end, kind, replacement, note))

    for i, t in enumerate(toks):
        if t.text in FLIPS and i not in templates:
            add("flip", t.start, t.end, FLIPS[t.text], f"{t.text} -> {FLIPS[t.text]}")
        elif t.kind == "number":
            prev = toks[i - 1].text if i else ""
            if prev == "[" and i + 1 < len(toks) and toks[i + 1].text == "]":
                continue  # array sizes: a larger array changes no behaviour
            new = nudge(t.text)
            add("nudge", t.start, t.end, new, f"{t.text} -> {new}")
        elif t.kind == "ident" and i + 1 < len(toks) and toks[i + 1].text == "(" and is_call(toks, i):
            args = call_arguments(toks, i + 1)
            for a, b in zip(args, args[1:]):
                first = source[toks[a[0]].start:toks[a[1]].end]
                second = source[toks[b[0]].start:toks[b[1]].end]
                # A text and a non-text never swap into code that compiles.
                texts = (first.startswith('"'), second.startswith('"'))
                if first == second or texts[0] != texts[1] or any(toks[x].kind == "ident" and toks[x + 1].kind == "ident"
                                          for x in range(a[0], b[1])):
                    continue
                text = source[toks[a[0]].start:toks[b[1]].end]
                swapped = second + text[len(first):len(text) - len(second)] + first
                add("swap", toks[a[0]].start, toks[b[1]].end, swapped,
                    f"{t.text}: {first} <-> {second}")
    found.extend(dropped_statements(path, source, toks))
    return found


def dropped_statements(path, source, toks):
    """Expression statements inside function bodies, each replaced by ';'."""
    found, depth_stack, i, parens = [], [], 0, 0
    starts = {"{", "}", ";"}
    while i < len(toks):
        t = toks[i]
        if t.text in ("(", ")"):
            parens += 1 if t.text == "(" else -1
        if parens > 0:
            pass  # inside a for header or a call: no statement starts here
        elif t.text == "{":
            # A body block: the brace follows ')' or 'const' or 'else'/'do' or another block.
            prev = toks[i - 1].text if i else ""
            depth_stack.append(prev in (")", "const", "else", "do", "override") or
                               bool(depth_stack and depth_stack[-1] and prev in starts | {":"}))
        elif t.text == "}":
            if depth_stack:
                depth_stack.pop()
        elif depth_stack and depth_stack[-1] and (i == 0 or toks[i - 1].text in starts or
                                                  toks[i - 1].text == ")" and is_control_end(toks, i - 1) or
                                                  toks[i - 1].text == "else"):
            end = statement_end(toks, i)
            if end is not None and droppable(toks, i, end):
                text = source[t.start:toks[end].end]
                found.append(mutant(path, source, t.start, toks[end].end, "drop", ";",
                                    "drop " + " ".join(text.split())[:60]))
        i += 1
    return found


def is_control_end(toks, close):
    """Whether the ')' at close ends the condition of if/for/while."""
    j = matching(toks, close, ")", "(", step=-1)
    return j is not None and j > 0 and toks[j - 1].text in ("if", "for", "while")


def statement_end(toks, i):
    depth = 0
    for j in range(i, len(toks)):
        x = toks[j].text
        if x in "([":
            depth += 1
        elif x in ")]":
            depth -= 1
        elif x in ("{", "}") and depth == 0:
            return None
        elif x == ";" and depth == 0:
            return j
    return None


def droppable(toks, i, end):
    first = toks[i]
    if first.text in DECLARATION_START or first.text in NOT_CALLS or first.text == ";":
        return False
    # "Type name ..." or "Type *name": a declaration, whose loss would not compile.
    j = i
    while j + 2 <= end and toks[j + 1].text == "::":
        j += 2
    nxt = toks[j + 1] if j + 1 <= end else None
    if first.kind == "ident" and nxt is not None:
        if nxt.kind == "ident" or nxt.text == "<":
            return False
        if nxt.text in ("*", "&") and j + 2 <= end and toks[j + 2].kind == "ident" and \
                j + 3 <= end and toks[j + 3].text in ("=", ";", "(", "{", "["):
            return False
    return True


def all_mutants():
    files = []
    for folder, _, names in os.walk(os.path.join(ROOT, "src")):
        for name in sorted(names):
            if name.endswith((".cpp", ".h")):
                files.append(os.path.relpath(os.path.join(folder, name), ROOT))
    mutants = []
    for path in sorted(files):
        mutants.extend(sorted(mutants_of(path), key=lambda m: (m["start"], m["kind"])))
    # Ids survive edits elsewhere in the file: the line's text, not its number.
    seen = {}
    for m in mutants:
        key = f'{m["file"]} | {m["text"]} | {m["kind"]} {m["note"]}'
        seen[key] = seen.get(key, 0) + 1
        m["id"] = key if seen[key] == 1 else f"{key} | #{seen[key]}"
    return mutants


def run(cmd, timeout, cwd=None):
    try:
        return subprocess.run(cmd, cwd=cwd, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL,
                              timeout=timeout).returncode
    except subprocess.TimeoutExpired:
        return "timeout"


def prepare_copy(jobs):
    os.makedirs(COPY, exist_ok=True)
    tracked = subprocess.run(["git", "ls-files", "-z"], cwd=ROOT, capture_output=True,
                             check=True).stdout.decode().split("\0")
    for rel in filter(None, tracked):
        target = os.path.join(COPY, rel)
        os.makedirs(os.path.dirname(target), exist_ok=True)
        source = os.path.join(ROOT, rel)
        # A plain copy: the file gets a new time, so that the build sees the change.
        if not os.path.exists(target) or open(source, "rb").read() != open(target, "rb").read():
            shutil.copyfile(source, target)
    # Files the tree no longer has go from the copy too: the build globs its sources.
    kept = set(os.path.join(COPY, rel) for rel in tracked if rel)
    for folder, subfolders, files in os.walk(COPY):
        if folder == COPY and "build" in subfolders:
            subfolders.remove("build")
        for name in files:
            if os.path.join(folder, name) not in kept:
                os.remove(os.path.join(folder, name))
    # Unoptimised: the build is what costs; the suite runs in seconds either way.
    linker = ["-DCMAKE_EXE_LINKER_FLAGS=-fuse-ld=lld", "-DCMAKE_SHARED_LINKER_FLAGS=-fuse-ld=lld"] \
        if shutil.which("ld.lld") else []
    subprocess.run(["cmake", "-S", COPY, "-B", BUILD, "-DCMAKE_BUILD_TYPE=Debug",
                    "-DCMAKE_CXX_FLAGS_DEBUG=-O0", "-DTARSEL_BENCH=OFF"] + linker,
                   stdout=subprocess.DEVNULL, check=True)
    if run(["cmake", "--build", BUILD, f"-j{jobs}"], 3600) != 0:
        sys.exit("the unmutated copy does not build")
    if test_suite(jobs) != 0:
        sys.exit("the unmutated copy fails its tests")


def test_suite(jobs):
    return run(["ctest", "--test-dir", BUILD, f"-j{jobs}", "--timeout", "60", "--stop-on-failure"],
               900)


def try_mutant(m, jobs):
    path = os.path.join(COPY, m["file"])
    original = open(path, encoding="utf-8").read()
    mutated = original[:m["start"]] + m["replacement"] + original[m["end"]:]
    try:
        with open(path, "w", encoding="utf-8") as f:
            f.write(mutated)
        if run(["cmake", "--build", BUILD, f"-j{jobs}"], 900) != 0:
            return "stillborn"
        return "survived" if test_suite(jobs) == 0 else "killed"
    finally:
        with open(path, "w", encoding="utf-8") as f:
            f.write(original)


def report(results, equivalent):
    lines, areas = [], {}
    for m in results:
        area = m["file"].split("/")[1]
        a = areas.setdefault(area, {"killed": 0, "survived": 0, "stillborn": 0, "equivalent": 0})
        outcome = "equivalent" if m["outcome"] == "survived" and m["id"] in equivalent else m["outcome"]
        a[outcome] += 1
    total = {k: sum(a[k] for a in areas.values()) for k in ("killed", "survived", "stillborn",
                                                            "equivalent")}

    def row(name, a):
        changing = a["killed"] + a["survived"]
        rate = 100.0 * a["killed"] / changing if changing else 100.0
        return (f"{name:10} mutants {sum(a.values()):4}  stillborn {a['stillborn']:3}  "
                f"equivalent {a['equivalent']:3}  killed {a['killed']:4} of {changing:4} "
                f"behaviour-changing ({rate:.1f}%)")

    for area in sorted(areas):
        lines.append(row(area, areas[area]))
    lines.append(row("all", total))
    lines.append("")
    for m in results:
        if m["outcome"] == "survived":
            tag = "equivalent" if m["id"] in equivalent else "SURVIVED"
            lines.append(f'{tag:10} {m["file"]}:{m["line"]}  {m["kind"]:5} {m["note"]}')
    return "\n".join(lines)


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n")[0])
    parser.add_argument("--list", action="store_true", help="list the mutants and stop")
    parser.add_argument("--sample", type=int, help="run a fixed random sample of this many")
    parser.add_argument("--seed", type=int, default=1, help="seed of the sample (default 1)")
    parser.add_argument("--survivors", action="store_true",
                        help="run only the survivors of the last run, keeping its other results")
    parser.add_argument("--file", action="append", help="only mutants of this file (repeatable)")
    parser.add_argument("--report", action="store_true",
                        help="only write the report of the last run again (after equivalents change)")
    parser.add_argument("--jobs", type=int, default=2)
    args = parser.parse_args()

    mutants = all_mutants()
    if args.file:
        mutants = [m for m in mutants if m["file"] in args.file]
    if args.sample and args.sample < len(mutants):
        mutants = sorted(random.Random(args.seed).sample(mutants, args.sample),
                         key=lambda m: (m["file"], m["start"]))
    if args.list:
        for m in mutants:
            print(f'{m["file"]}:{m["line"]}  {m["kind"]:5} {m["note"]}')
        print(f"{len(mutants)} mutants")
        return

    os.makedirs(OUT, exist_ok=True)
    results_path = os.path.join(OUT, "results.json")
    previous = {}
    if args.survivors and os.path.exists(results_path):
        previous = {m["id"]: m for m in json.load(open(results_path))}
        mutants = [previous[m["id"]] for m in mutants if m["id"] in previous]
    equivalent_path = os.path.join(ROOT, "scripts", "mutate-equivalent.txt")
    equivalent = set()
    if os.path.exists(equivalent_path):
        # One mutant id a line; lines starting with '#' give the reasons.
        equivalent = {l.strip() for l in open(equivalent_path) if not l.startswith("#")} - {""}

    if args.report:
        text = report(json.load(open(results_path)), equivalent)
        open(os.path.join(OUT, "report.txt"), "w").write(text + "\n")
        print(text)
        return

    prepare_copy(args.jobs)
    started = time.time()
    results = []
    for n, m in enumerate(mutants, 1):
        if args.survivors and m.get("outcome") != "survived":
            results.append(m)
            continue
        m = dict(m, outcome=try_mutant(m, args.jobs))
        results.append(m)
        print(f'[{n}/{len(mutants)} {time.time() - started:5.0f}s] {m["outcome"]:9} '
              f'{m["file"]}:{m["line"]} {m["kind"]} {m["note"]}', flush=True)
        json.dump(results, open(results_path, "w"), indent=1)
    text = report(results, equivalent)
    open(os.path.join(OUT, "report.txt"), "w").write(text + "\n")
    print(text)


if __name__ == "__main__":
    main()
