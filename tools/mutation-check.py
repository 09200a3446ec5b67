#!/usr/bin/env python3
"""The mutation check: proves that the tests catch the faults they are meant to.

Each fault of tools/mutation-faults.tsv is put, one at a time, into a scratch
copy of the tree (build/mutation/tree, never the working tree); only the
tests that cover it are built there (natively, under ThreadSanitizer or for
Windows, in the copy's own build folders) and run (the Windows ones under
Wine in the copy's own prefix, on a virtual display). A fault is "caught"
when one of those tests fails, "missed" when all pass, "stale" when its text
is no longer found exactly once, and "unbuildable" when the changed tree does
not compile. The file is restored after each fault, so the builds are reused
and only what the next fault touches is built again.

    tools/mutation-check.py [NAME...] [--area AREA]... [--list] [--jobs N]

NAME may hold shell wildcards. Before the faults, the same tests run on the
unchanged copy (the baseline), which must pass. Exit status: 0 when every
fault run was caught, 1 otherwise, 2 when the baseline fails.
"""

import argparse
import fnmatch
import json
import os
import re
import shutil
import signal
import subprocess
import sys
import time
from dataclasses import dataclass, field

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
DEFAULT_FAULTS = os.path.join(ROOT, "tools", "mutation-faults.tsv")
DEFAULT_SCRATCH = os.path.join(ROOT, "build", "mutation")
SIDE_ORDER = ("native", "tsan", "windows")
DISPLAY_MARK = "OSTRILEX_MUTATION_DISPLAY"
XVFB_SCREEN = "-screen 0 1280x1024x24"


def unescape(text):
    """The data file's escapes: \\n, \\t and \\\\."""
    out = []
    i = 0
    while i < len(text):
        c = text[i]
        if c == "\\" and i + 1 < len(text) and text[i + 1] in "nt\\":
            out.append({"n": "\n", "t": "\t", "\\": "\\"}[text[i + 1]])
            i += 2
            continue
        out.append(c)
        i += 1
    return "".join(out)


@dataclass(frozen=True)
class TestRun:
    side: str
    test: str
    gtest_filter: str = ""

    def label(self):
        return f"{self.side}:{self.test}" + (f":{self.gtest_filter}" if self.gtest_filter else "")


@dataclass
class Edit:
    path: str
    before: str
    after: str


@dataclass
class Fault:
    name: str
    area: str
    edits: list
    breaks: str
    test_runs: list

    @property
    def path(self):
        return self.edits[0].path


def parse_test_runs(text, where):
    test_runs = []
    for word in text.split():
        parts = word.split(":", 2)
        if len(parts) < 2 or parts[0] not in SIDE_ORDER:
            raise SystemExit(f"{where}: bad test '{word}' (side:test[:gtest filter])")
        test_runs.append(TestRun(parts[0], parts[1], parts[2] if len(parts) > 2 else ""))
    return test_runs


def load_faults(path):
    """Area lines (area, name, tests) and fault lines (name, area and maybe
    tests of its own, file, text, replacement, what it breaks),
    tab-separated. Consecutive lines of one name are one fault of several
    changes."""
    areas = {}
    faults = []
    with open(path, encoding="utf-8") as data:
        for number, raw in enumerate(data, 1):
            line = raw.rstrip("\n")
            if not line.strip() or line.lstrip().startswith("#"):
                continue
            columns = line.split("\t")
            where = f"{path}:{number}"
            if columns[0] == "area":
                if len(columns) != 3:
                    raise SystemExit(f"{where}: an area line has 3 columns")
                areas[columns[1]] = parse_test_runs(columns[2], where)
                continue
            if len(columns) != 6:
                raise SystemExit(f"{where}: a fault line has 6 tab-separated columns, not {len(columns)}")
            name, tests, file, before, after, breaks = columns
            named = [w for w in tests.split() if ":" not in w]
            if len(named) != 1 or named[0] not in areas:
                raise SystemExit(f"{where}: name one known area before any tests of the fault's own")
            area = named[0]
            test_runs = parse_test_runs(" ".join(w for w in tests.split() if ":" in w), where) or areas[area]
            edit = Edit(file, unescape(before), unescape(after))
            if faults and faults[-1].name == name:
                faults[-1].edits.append(edit)
                continue
            if any(f.name == name for f in faults):
                raise SystemExit(f"{where}: fault '{name}' is listed twice")
            faults.append(Fault(name, area, [edit], breaks, test_runs))
    return faults


def tree_files(source):
    listed = subprocess.run(["git", "ls-files", "-z", "--cached", "--others", "--exclude-standard"],
                            cwd=source, check=True, capture_output=True).stdout
    return [p for p in listed.decode().split("\0") if p and os.path.isfile(os.path.join(source, p))]


def sync_tree(source, target):
    """Copies the source tree (tracked and new files) into the scratch tree,
    writing only files that differ, so unchanged files keep their times and
    the scratch builds stay incremental."""
    wanted = set(tree_files(source))
    for rel in wanted:
        src = os.path.join(source, rel)
        dst = os.path.join(target, rel)
        with open(src, "rb") as f:
            content = f.read()
        if os.path.isfile(dst):
            with open(dst, "rb") as f:
                if f.read() == content:
                    continue
        os.makedirs(os.path.dirname(dst), exist_ok=True)
        with open(dst, "wb") as f:
            f.write(content)
        shutil.copymode(src, dst)
    for folder, subfolders, files in os.walk(target):
        rel_folder = os.path.relpath(folder, target)
        if rel_folder == ".":
            subfolders[:] = [s for s in subfolders if s != "build"]
        for name in files:
            rel = os.path.normpath(os.path.join(rel_folder, name))
            if rel not in wanted:
                os.remove(os.path.join(folder, name))


@dataclass
class TestEntry:
    name: str
    command: list
    environment: dict
    timeout: float
    workdir: str
    requires: list = field(default_factory=list)
    sets_up: list = field(default_factory=list)
    cleans_up: list = field(default_factory=list)


class Side:
    """One build of the scratch tree and its ctest entries, run directly so a
    fault can narrow a test executable to some of its cases."""

    def __init__(self, name, tree, jobs, log):
        self.name = name
        self.tree = tree
        self.jobs = jobs
        self.log = log
        self.build_dir = os.path.join(tree, "build", name)
        self.configured = False
        self.entries = {}
        self.fixtures_up = set()
        self.cleanups = []

    def configure_args(self):
        args = ["-DCMAKE_C_COMPILER=clang", "-DCMAKE_CXX_COMPILER=clang++"]
        if self.name == "tsan":
            args.append("-DOSTRILEX_SANITIZER=thread")
        if self.name == "windows":
            tool = os.path.join(self.tree, "build", "native", "tools", "make_recording")
            args = ["-DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake", f"-DOSTRILEX_RECORDING_TOOL={tool}"]
        return args

    def configure(self):
        if self.configured:
            return
        self.log(f"configuring the {self.name} build of the scratch tree")
        os.makedirs(self.build_dir, exist_ok=True)
        log_path = os.path.join(self.build_dir, "configure.log")
        with open(log_path, "w") as out:
            done = subprocess.run(["cmake", "-S", self.tree, "-B", self.build_dir, "-G", "Ninja"] +
                                  self.configure_args(), cwd=self.tree, stdout=out, stderr=subprocess.STDOUT)
        if done.returncode != 0:
            raise SystemExit(f"the {self.name} build of the scratch tree does not configure (see {log_path})")
        listing = subprocess.run(["ctest", "--test-dir", self.build_dir, "--show-only=json-v1"],
                                 check=True, capture_output=True, text=True).stdout
        commands = self.written_commands()
        for test in json.loads(listing)["tests"]:
            props = {p["name"]: p["value"] for p in test.get("properties", [])}
            env = dict(item.split("=", 1) for item in props.get("ENVIRONMENT", []))
            self.entries[test["name"]] = TestEntry(
                test["name"], test.get("command") or commands[test["name"]], env, float(props.get("TIMEOUT", 1500)),
                props.get("WORKING_DIRECTORY", self.build_dir), props.get("FIXTURES_REQUIRED", []),
                props.get("FIXTURES_SETUP", []), props.get("FIXTURES_CLEANUP", []))
        self.configured = True

    def written_commands(self):
        """Each test's command as CMake wrote it: ctest leaves the command
        out of its listing while the program is not built yet."""
        commands = {}
        folders = [self.build_dir]
        while folders:
            folder = folders.pop()
            path = os.path.join(folder, "CTestTestfile.cmake")
            if not os.path.isfile(path):
                continue
            with open(path, encoding="utf-8") as f:
                for line in f:
                    test = re.match(r"add_test\(\[=\[(.+?)\]=\] (.*)\)\s*$", line)
                    if test:
                        words = re.findall(r'"((?:[^"\\]|\\.)*)"', test.group(2))
                        commands[test.group(1)] = [re.sub(r"\\(.)", r"\1", w) for w in words]
                    sub = re.match(r'subdirs\("(.+)"\)', line)
                    if sub:
                        folders.append(os.path.join(folder, sub.group(1)))
        return commands

    def entry(self, test):
        self.configure()
        if test not in self.entries:
            raise SystemExit(f"no ctest entry '{test}' in the {self.name} build")
        return self.entries[test]

    def target_of(self, entry):
        """The build target whose executable the entry runs: a Windows
        program it names, or a program of this build folder it starts; "all"
        for a script of the source tree; None for a program of another build
        (the Windows build's recordings come from the native builder)."""
        if self.name == "windows":
            programs = [a for a in entry.command if a.endswith(".exe")]
            if programs:
                return os.path.basename(programs[0])[:-4]
        elif entry.command[0].startswith(self.build_dir + os.sep):
            return os.path.basename(entry.command[0])
        if entry.command[0].startswith(self.tree + os.sep + "build" + os.sep):
            return None
        return "all"

    def build(self, tests, log_path):
        targets = sorted({self.target_of(self.entry(t)) for t in tests} - {None})
        if not targets:
            return True
        with open(log_path, "a") as out:
            done = subprocess.run(["cmake", "--build", self.build_dir, "-j", str(self.jobs), "--target"] + targets,
                                  stdout=out, stderr=subprocess.STDOUT)
        return done.returncode == 0

    def fixture_tests(self, fixture, kind):
        return [e for e in self.entries.values() if fixture in (e.sets_up if kind == "setup" else e.cleans_up)]

    def bring_up(self, entry, log_path):
        for fixture in entry.requires:
            if fixture in self.fixtures_up:
                continue
            for setup in self.fixture_tests(fixture, "setup"):
                if not self.build([setup.name], log_path):
                    raise SystemExit(f"cannot build the set-up '{setup.name}' (see {log_path})")
                ok, _ = self.execute(setup, "", log_path)
                if not ok:
                    raise SystemExit(f"set-up '{setup.name}' failed (see {log_path})")
            for cleanup in self.fixture_tests(fixture, "cleanup"):
                if cleanup not in self.cleanups:
                    self.cleanups.append(cleanup)
            self.fixtures_up.add(fixture)

    def take_down(self, log_path):
        for cleanup in self.cleanups:
            self.execute(cleanup, "", log_path)
        self.cleanups = []
        self.fixtures_up = set()

    def restart_fixtures(self, log_path):
        """After a test was killed: Wine's server may hold its remains."""
        if self.name == "windows":
            self.take_down(log_path)

    def execute(self, entry, gtest_filter, log_path, timeout_cap=None):
        command = list(entry.command)
        if gtest_filter:
            command = [a for a in command if not a.startswith("--gtest_filter=")]
            command.append(f"--gtest_filter={gtest_filter}")
        env = dict(os.environ)
        env.update(entry.environment)
        timeout = entry.timeout if timeout_cap is None else min(entry.timeout, timeout_cap)
        with open(log_path, "a") as out:
            out.write(f"\n$ {' '.join(command)}\n")
            out.flush()
            process = subprocess.Popen(command, cwd=entry.workdir, env=env, stdout=out, stderr=subprocess.STDOUT,
                                       stdin=subprocess.DEVNULL, start_new_session=True)
            try:
                code = process.wait(timeout=timeout)
            except subprocess.TimeoutExpired:
                os.killpg(process.pid, signal.SIGKILL)
                process.wait()
                out.write(f"\n(timed out after {timeout:.0f} s)\n")
                return False, "timed out"
        return code == 0, f"exit {code}"

    def run(self, test_run, log_path, timeout_cap=None):
        entry = self.entry(test_run.test)
        self.bring_up(entry, log_path)
        ok, how = self.execute(entry, test_run.gtest_filter, log_path, timeout_cap)
        if how == "timed out":
            self.restart_fixtures(log_path)
        return ok, how


def ran_any_test(log_path):
    """gtest passes a filter that matches nothing: the baseline must see cases run."""
    with open(log_path, errors="replace") as f:
        text = f.read()
    marker = text.rfind("\n$ ")
    tail = text[marker:] if marker >= 0 else text
    for line in tail.splitlines():
        if line.startswith("[==========]") and " ran." in line:
            return not line.split()[1] == "0"
    return True  # not a gtest program (a script), which reports for itself


class Check:
    def __init__(self, args):
        self.args = args
        self.scratch = os.path.abspath(args.scratch)
        self.tree = os.path.join(self.scratch, "tree")
        self.logs = os.path.join(self.scratch, "logs")
        self.sides = {}
        self.report_lines = []

    def log(self, text):
        print(text, flush=True)

    def side(self, name):
        if name not in self.sides:
            self.sides[name] = Side(name, self.tree, self.args.jobs, self.log)
        return self.sides[name]

    def runs_by_side(self, test_runs):
        ordered = sorted(test_runs, key=lambda s: SIDE_ORDER.index(s.side))
        return [(name, [s for s in ordered if s.side == name]) for name in SIDE_ORDER
                if any(s.side == name for s in ordered)]

    def prepare(self, faults):
        os.makedirs(self.tree, exist_ok=True)
        if os.path.isdir(self.logs):
            shutil.rmtree(self.logs)
        os.makedirs(self.logs)
        self.log(f"scratch tree: {self.tree}")
        sync_tree(ROOT, self.tree)
        needed = {s.side for f in faults for s in f.test_runs}
        if "windows" in needed or "native" in needed:
            native = self.side("native")
            native.configure()
            if not native.build(["make_recordings"], os.path.join(self.logs, "build-native.log")):
                raise SystemExit("the scratch tree's native builder does not build")

    def baseline(self, faults):
        test_runs = []
        for fault in faults:
            for test_run in fault.test_runs:
                if test_run not in test_runs:
                    test_runs.append(test_run)
        log_path = os.path.join(self.logs, "baseline.log")
        self.log(f"baseline: {len(test_runs)} test runs on the unchanged tree")
        for side_name, side_runs in self.runs_by_side(test_runs):
            side = self.side(side_name)
            if not side.build([s.test for s in side_runs], log_path):
                self.log(f"baseline: the {side_name} build fails (see {log_path})")
                return False
            for test_run in side_runs:
                ok, how = side.run(test_run, log_path)
                if not ok or not ran_any_test(log_path):
                    self.log(f"baseline: {test_run.label()} {'ran no test' if ok else 'fails: ' + how} (see {log_path})")
                    return False
        return True

    def try_fault(self, fault, log_path):
        """(status, detail) with the fault in place; its files are restored."""
        originals = {}
        for edit in fault.edits:
            path = os.path.join(self.tree, edit.path)
            if path not in originals:
                if not os.path.isfile(path):
                    return "stale", f"{edit.path} is gone"
                with open(path, encoding="utf-8", newline="") as f:
                    originals[path] = f.read()
        changed = dict(originals)
        for edit in fault.edits:
            path = os.path.join(self.tree, edit.path)
            count = changed[path].count(edit.before)
            if count != 1:
                return "stale", f"{edit.path}: text " + ("not found" if count == 0 else f"found {count} times")
            changed[path] = changed[path].replace(edit.before, edit.after, 1)
        try:
            for path, text in changed.items():
                with open(path, "w", encoding="utf-8", newline="") as f:
                    f.write(text)
            for side_name, side_runs in self.runs_by_side(fault.test_runs):
                side = self.side(side_name)
                if not side.build([s.test for s in side_runs], log_path):
                    return "unbuildable", f"the {side_name} build fails"
                for test_run in side_runs:
                    ok, how = side.run(test_run, log_path, self.args.timeout)
                    if not ok:
                        return "caught", f"{test_run.label()} ({how})"
            return "missed", "every test passes"
        finally:
            for path, text in originals.items():
                with open(path, "w", encoding="utf-8", newline="") as f:
                    f.write(text)

    def run(self, faults):
        self.prepare(faults)
        counts = {"caught": 0, "missed": 0, "stale": 0, "unbuildable": 0}
        try:
            if not self.args.no_baseline and not self.baseline(faults):
                return 2
            started = time.monotonic()
            for number, fault in enumerate(faults, 1):
                log_path = os.path.join(self.logs, f"{fault.name}.log")
                status, detail = self.try_fault(fault, log_path)
                counts[status] += 1
                line = f"[{number}/{len(faults)}] {status:<11} {fault.name}: {detail}"
                if status != "caught":
                    line += f"\n{'':14}{fault.path}: {fault.breaks}"
                self.log(line)
                self.report_lines.append(line)
        finally:
            for side in self.sides.values():
                side.take_down(os.path.join(self.logs, "take-down.log"))
        minutes = (time.monotonic() - started) / 60
        total = (f"total: {counts['caught']} caught, {counts['missed']} missed, {counts['stale']} stale, "
                 f"{counts['unbuildable']} unbuildable, of {len(faults)} faults ({minutes:.0f} min)")
        self.log(total)
        with open(os.path.join(self.scratch, "report.txt"), "w") as report:
            report.write("\n".join(self.report_lines + [total]) + "\n")
        return 0 if counts["caught"] == len(faults) else 1


def text_count(path, text):
    if not os.path.isfile(path):
        return 0
    with open(path, encoding="utf-8", newline="") as f:
        return f.read().count(text)


def select(faults, names, areas):
    if not names and not areas:
        return faults
    chosen = [f for f in faults if any(fnmatch.fnmatchcase(f.name, n) for n in names) or f.area in areas]
    for area in areas:
        if not any(f.area == area for f in faults):
            raise SystemExit(f"no fault of area '{area}'")
    for name in names:
        if not any(fnmatch.fnmatchcase(f.name, name) for f in faults):
            raise SystemExit(f"no fault named '{name}'")
    return chosen


def under_virtual_display(argv):
    """Wine's windows need a display: the whole check runs on one Xvfb."""
    if os.environ.get(DISPLAY_MARK):
        return
    env = dict(os.environ)
    env[DISPLAY_MARK] = "1"
    os.execvpe("xvfb-run", ["xvfb-run", "-a", "-s", XVFB_SCREEN, sys.executable] + argv, env)


def main():
    parser = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("names", nargs="*", help="faults to run, by name (wildcards allowed); all by default")
    parser.add_argument("--area", action="append", default=[], help="run only the faults of this area")
    parser.add_argument("--list", action="store_true", help="list the chosen faults and stop")
    parser.add_argument("--faults", default=DEFAULT_FAULTS, help="the fault list")
    parser.add_argument("--scratch", default=DEFAULT_SCRATCH, help="where the scratch tree and its builds live")
    parser.add_argument("--jobs", type=int, default=2, help="build jobs (default 2)")
    parser.add_argument("--timeout", type=float, default=120,
                        help="seconds a test run may take, at most its ctest limit (default 120); "
                             "a run stopped then counts as failed")
    parser.add_argument("--no-baseline", action="store_true", help="skip the run on the unchanged tree")
    args = parser.parse_args()

    faults = select(load_faults(args.faults), args.names, set(args.area))
    if args.list:
        stale = 0
        for f in faults:
            found = [text_count(os.path.join(ROOT, e.path), e.before) for e in f.edits]
            mark = "" if found == [1] * len(found) else f"  [stale: texts found {found} times]"
            stale += bool(mark)
            print(f"{f.name:<40} {f.area or '-':<12} {f.path}{mark}\n{'':53}{f.breaks}")
        print(f"{len(faults)} faults, {stale} stale")
        return 0
    if not faults:
        raise SystemExit("no fault chosen")
    if any(s.side == "windows" for f in faults for s in f.test_runs):
        under_virtual_display([os.path.abspath(__file__)] + sys.argv[1:])
    return Check(args).run(faults)


if __name__ == "__main__":
    sys.exit(main())
