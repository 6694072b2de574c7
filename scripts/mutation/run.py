"""Builds each mutant and runs the tests that can see it; writes the report (see scripts/mutate.sh).

A mutant is killed when a test fails or the tests outlast three times their unmutated time;
it survives when they pass. A survivor is equivalent when its file compiles at -O2 to the same
object code as the original (nothing a test could tell apart), or when it is named in
equivalent.txt with the reason. Mutants that do not compile are left out of the score.
Results go to a journal as they come, so a stopped run resumes where it was.
"""

import argparse
import datetime
import hashlib
import json
import os
import pathlib
import re
import shlex
import shutil
import signal
import subprocess
import sys
import time

import mutants as mutation
import report

ROOT = pathlib.Path(__file__).resolve().parents[2]
HERE = pathlib.Path(__file__).resolve().parent
# The files that hold the program's guards and the values it writes.
DEFAULT_FILES = [
    "src/platform/qt/x11/selection_transfer.cpp",
    "src/platform/qt/x11/selection_writer.cpp",
    "src/platform/qt/x11/transfer_piece.h",
    "src/platform/qt/x11/clipboard_watcher.cpp",
    "src/platform/qt/wayland/wayland_clipboard.cpp",
    "src/platform/qt/wayland/offer_reading.cpp",
    "src/platform/qt/wayland/outgoing_transfers.cpp",
    "src/platform/qt/snapshot_building.cpp",
    "src/platform/qt/target_text_decoding.cpp",
    "src/platform/qt/qt_pasteboard.cpp",
    "src/platform/qt/kept_contents.cpp",
    "src/desktop/keeper_aware_clearing.cpp",
    "src/platform/qt/json_user_defaults.cpp",
    "src/textactions/text_transformer.cpp",
    "src/textactions/rewrite.cpp",
    "src/textactions/document_rewrite.cpp",
    "src/textactions/html_document.cpp",
    "src/textactions/rtf_document.cpp",
    "src/desktop/bus_service.cpp",
    "src/platform/qt/tray/dbus_menu_exporter.cpp",
    "src/platform/qt/tray/status_notifier_item.cpp",
]
LEFT_OUT_LABELS = {"soak", "package"}
# Tests that drive the whole program; they run only when the quicker ones did not kill the mutant.
END_TO_END_LABELS = {"e2e", "wayland", "fault"}


def log(message):
    print(f"[{datetime.datetime.now():%H:%M:%S}] {message}", flush=True)


def run(command, timeout=None, **options):
    """Runs a command in a process group of its own, so that a timeout ends all it started."""
    with subprocess.Popen(command, start_new_session=True, stdout=subprocess.PIPE, stderr=subprocess.STDOUT,
                          text=True, errors="replace", **options) as process:
        try:
            output, _ = process.communicate(timeout=timeout)
            return process.returncode, output
        except subprocess.TimeoutExpired:
            os.killpg(process.pid, signal.SIGKILL)
            process.communicate()
            return None, ""


class Tests:
    """The test command's suites, and which of them see which built files. A test that reads the
    sources themselves (the translation catalogs check, the include rules) sees every mutant."""

    def __init__(self, build):
        self.build = build
        listing = json.loads(run(["ctest", "--test-dir", str(build), "--show-only=json-v1"])[1])
        self.tests = []
        for number, test in enumerate(listing["tests"], 1):
            properties = {p["name"]: p["value"] for p in test.get("properties", [])}
            labels = set(properties.get("LABELS", []))
            if labels & LEFT_OUT_LABELS:
                continue
            words = test["command"] + [v.split("=", 1)[-1] for v in properties.get("ENVIRONMENT", [])]
            artefacts = {w for w in words if w.startswith(str(build)) and os.path.isfile(w)}
            folders = words + [properties.get("WORKING_DIRECTORY", "")]
            reads_sources = any(pathlib.Path(f) in (ROOT, ROOT / "src") for f in folders if f)
            self.tests.append((number, bool(labels & END_TO_END_LABELS), artefacts, reads_sources))
        self.stamps = self._stamps()

    def _stamps(self):
        return {a: os.stat(a).st_mtime_ns for _, _, artefacts, _ in self.tests for a in artefacts}

    def rebuilt_since_last_look(self):
        now = self._stamps()
        changed = {a for a, stamp in now.items() if self.stamps.get(a) != stamp}
        self.stamps = now
        return changed

    def run(self, numbers, timeout):
        """None when every test passes, else the first failing test, or "timeout"."""
        if not numbers:
            return None
        chosen = "0,0,0," + ",".join(map(str, numbers))  # by number: a pattern of hundreds of names is too long
        status, output = run(["ctest", "--test-dir", str(self.build), "-I", chosen, "--no-tests=error",
                              "--stop-on-failure", "--parallel", "2", "--output-on-failure"], timeout=timeout)
        if status is None:
            return "timeout"
        if status == 0:
            return None
        failed = re.findall(r"^\s*\d+ - (.+) \([\w ]+\)$", output, re.MULTILINE)
        return failed[0] if failed else "failed"

    def tiers(self, artefacts):
        seen = [(number, late) for number, late, used, reads_sources in self.tests if reads_sources or used & artefacts]
        return [n for n, late in seen if not late], [n for n, late in seen if late]


def object_code(build, path, mutated_text=None):
    """A hash of the file's object code at -O2 without debugging or sanitizer instrumentation."""
    entries = json.loads((build / "compile_commands.json").read_text())
    entry = next((e for e in entries if pathlib.Path(e["file"]).resolve() == (ROOT / path).resolve()), None)
    if entry is None:  # a header is compiled only within the files that include it
        return None
    words = [w for w in shlex.split(entry["command"])
             if not re.match(r"-(O\d|g\w*|fsanitize.*|fno-omit-frame-pointer|o)$", w)]
    output = build / "mutation-object.o"
    words = [w for w in words if w != entry.get("output", "")] + ["-O2", "-g0", "-o", str(output)]
    source = ROOT / path
    if mutated_text is not None:
        source.write_text(mutated_text)
    status, _ = run(words, cwd=entry["directory"])
    return hashlib.sha256(output.read_bytes()).hexdigest() if status == 0 else None


def tests_fingerprint():
    """Changes whenever a test does: a mutant's result holds only for the tests that judged it."""
    digest = hashlib.sha256()
    for path in sorted(p for folder in ("tests", "fuzz") for p in (ROOT / folder).rglob("*") if p.is_file()):
        digest.update(str(path.relative_to(ROOT)).encode() + b"\0" + path.read_bytes())
    return digest.hexdigest()


class Journal:
    """Each decided mutant, kept across runs while its file and the tests are unchanged."""

    def __init__(self, path):
        self.path = path
        self.results = {}
        if path.exists():
            for line in path.read_text().splitlines():
                entry = json.loads(line)
                self.results[(entry["name"], entry.get("version"))] = entry

    def get(self, mutant, version):
        return self.results.get((mutant.name, version))

    def add(self, entry):
        self.results[(entry["name"], entry["version"])] = entry
        with self.path.open("a") as journal:
            journal.write(json.dumps(entry) + "\n")


def declared_equivalents():
    equivalents = {}
    for line in (HERE / "equivalent.txt").read_text().splitlines():
        if line.strip() and not line.startswith("#"):
            name, reason = (part.strip() for part in line.split("|", 1))
            equivalents[name] = reason
    return equivalents


def judge(tests, build, timeouts):
    """Builds and tests one mutant, its file already rewritten; returns (outcome, detail)."""
    status, _ = run(["cmake", "--build", str(build), "--parallel", "2"], timeout=1800)
    if status != 0:
        return "invalid", "does not compile"
    quick, late = tests.tiers(tests.rebuilt_since_last_look())
    for names, timeout in ((quick, timeouts[0]), (late, timeouts[1])):
        failed = tests.run(names, timeout)
        if failed:
            return "killed", failed
    return "survived", f"{len(quick) + len(late)} tests passed"


def test_every_mutant(chosen, originals, versions, journal, build):
    """Runs each mutant not yet in the journal; the files are put back whatever happens."""
    # A run that was killed outright left a mutant in place: put its file back first.
    backup = build / "originals"
    for saved in backup.iterdir():
        (ROOT / saved.name.replace("%", "/")).write_text(saved.read_text())
        saved.unlink()
    for path, text in originals.items():
        (backup / path.replace("/", "%")).write_text(text)
    signal.signal(signal.SIGTERM, lambda *_: sys.exit(143))
    try:
        status, output = run(["cmake", "--build", str(build), "--parallel", "2"])
        if status != 0:
            sys.exit("the unmutated build fails:\n" + output)
        tests = Tests(build)
        timeouts = []
        for tier in tests.tiers({a for _, _, used, _ in tests.tests for a in used}):
            started = time.monotonic()
            failed = tests.run(tier, timeout=3600)
            if failed:
                sys.exit(f"the unmutated tests fail ({failed}): fix them first")
            timeouts.append(max(120.0, 3 * (time.monotonic() - started)))
        log(f"unmutated tests pass; timeouts {timeouts[0]:.0f} s and {timeouts[1]:.0f} s")
        clean_objects = {}
        for number, mutant in enumerate(chosen, 1):
            if journal.get(mutant, versions[mutant.path]):
                continue
            text = originals[mutant.path].split("\n")
            text[mutant.line - 1] = mutant.mutated
            mutated_text = "\n".join(text)
            (ROOT / mutant.path).write_text(mutated_text)
            started = time.monotonic()
            outcome, detail = judge(tests, build, timeouts)
            if outcome == "survived":
                if mutant.path not in clean_objects:
                    clean_objects[mutant.path] = object_code(build, mutant.path, originals[mutant.path])
                mutated_object = object_code(build, mutant.path, mutated_text)
                if mutated_object and mutated_object == clean_objects[mutant.path]:
                    outcome, detail = "equivalent", "compiles to the same object code at -O2"
            (ROOT / mutant.path).write_text(originals[mutant.path])
            journal.add({"name": mutant.name, "version": versions[mutant.path], "outcome": outcome,
                         "detail": detail, "seconds": round(time.monotonic() - started)})
            log(f"{number}/{len(chosen)} {outcome:10} {mutant.name} ({detail})")
    finally:
        for path, text in originals.items():
            if (ROOT / path).read_text() != text:
                (ROOT / path).write_text(text)
        for saved in backup.iterdir():
            saved.unlink()
        run(["cmake", "--build", str(build), "--parallel", "2"])


def main():
    parser = argparse.ArgumentParser(description=__doc__)
    parser.add_argument("files", nargs="*", default=DEFAULT_FILES)
    parser.add_argument("--per-file", type=int, default=0, help="mutants sampled per file (0: all)")
    parser.add_argument("--seed", default="nimbrel")
    parser.add_argument("--build", type=pathlib.Path, default=ROOT / "build/mutate")
    parser.add_argument("--report", type=pathlib.Path, default=ROOT / "docs/mutation.md")
    parser.add_argument("--report-only", action="store_true", help="write the report from the journal alone")
    options = parser.parse_args()
    options.command = " ".join(["scripts/mutate.sh"] + [a for a in sys.argv[1:] if a != "--report-only"])
    build = options.build.resolve()
    (build / "originals").mkdir(parents=True, exist_ok=True)

    # universalmutator where it is installed (it is not packaged for Debian), else the same operators of our own.
    generator, generate = ("universalmutator", mutation.universalmutator_mutants) if shutil.which("mutate") \
        else ("scripts/mutation/mutants.py", mutation.own_mutants)
    chosen = mutation.sample([m for f in options.files for m in generate(ROOT, f)], options.per_file, options.seed)
    log(f"{len(chosen)} mutants over {len(options.files)} files, from {generator}")
    originals = {f: (ROOT / f).read_text() for f in options.files}
    tests = tests_fingerprint()
    versions = {f: hashlib.sha256((t + tests).encode()).hexdigest() for f, t in originals.items()}
    journal = Journal(build / "journal.jsonl")
    if not options.report_only:
        test_every_mutant(chosen, originals, versions, journal, build)
    report.write(options, chosen, journal, versions, generator, declared_equivalents(), build / "survivors")


if __name__ == "__main__":
    main()
