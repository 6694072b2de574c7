"""Mutants of a C++ source file: one small change on one line each.

The operators are those of regexp-based mutation tools (relational, logical and arithmetic
operators swapped, conditions negated, constants moved by one, statements removed, identifier-like
string literals emptied), applied only to code: never inside comments, string contents or
preprocessor lines. Where universalmutator's `mutate` command is installed, its mutants are used
instead (see universalmutator_mutants).
"""

import dataclasses
import pathlib
import random
import re
import subprocess
import tempfile


@dataclasses.dataclass(frozen=True)
class Mutant:
    path: str  # relative to the source tree
    line: int  # 1-based
    operator: str
    original: str  # the whole line, without its line break
    mutated: str

    @property
    def name(self):
        return f"{self.path}:{self.line}:{self.operator}"

    def diff(self):
        return f"--- {self.path}:{self.line}\n-{self.original}\n+{self.mutated}\n"


def masked_lines(text):
    """Each line with comments blanked and string and character contents replaced by '_', so that
    operators are only found in code. Returns the masked lines and the string literal spans."""
    lines = text.split("\n")
    masked, strings = [], []
    in_block_comment = False
    raw_end = None  # the closing delimiter of a raw string that continues onto later lines
    for number, line in enumerate(lines):
        out = list(line)
        i = 0
        if line.lstrip().startswith("#"):
            masked.append(" " * len(line))
            continue
        while i < len(line):
            if raw_end is not None:
                end = line.find(raw_end, i)
                stop = len(line) if end < 0 else end + len(raw_end)
                out[i:stop] = "_" * (stop - i)
                i = stop
                if end >= 0:
                    raw_end = None
                continue
            if in_block_comment:
                end = line.find("*/", i)
                stop = len(line) if end < 0 else end + 2
                out[i:stop] = " " * (stop - i)
                i = stop
                in_block_comment = end < 0
                continue
            if line.startswith("//", i):
                out[i:] = " " * (len(line) - i)
                break
            if line.startswith("/*", i):
                in_block_comment = True
                continue
            raw = re.match(r'(?:u8|[uUL])?R"([^()\\ ]{0,16})\(', line[i:])
            if raw:
                raw_end = ")" + raw.group(1) + '"'
                i += raw.end()
                continue
            if line[i] in "\"'" and not (line[i] == "'" and i > 0 and line[i - 1].isalnum()):
                quote, start = line[i], i
                i += 1
                while i < len(line) and line[i] != quote:
                    i += 2 if line[i] == "\\" else 1
                out[start + 1:i] = "_" * (min(i, len(line)) - start - 1)
                if quote == '"':
                    strings.append((number, start, i))
                i += 1
                continue
            i += 1
        masked.append("".join(out))
    return lines, masked, strings


# (name, pattern over the masked line, replacement). Binary operators are matched with the spaces
# that the project's formatting puts around them, which keeps template brackets, pointers and
# stream operators out.
_SWAPS = [
    ("eq-to-ne", r" == ", " != "),
    ("ne-to-eq", r" != ", " == "),
    ("le-to-lt", r" <= ", " < "),
    ("ge-to-gt", r" >= ", " > "),
    ("lt-to-le", r" < ", " <= "),
    ("gt-to-ge", r" > ", " >= "),
    ("and-to-or", r" && ", " || "),
    ("or-to-and", r" \|\| ", " && "),
    ("plus-to-minus", r" \+ ", " - "),
    ("minus-to-plus", r" - ", " + "),
    ("add-to-subtract", r" \+= ", " -= "),
    ("subtract-to-add", r" -= ", " += "),
    ("times-to-divide", r" \* ", " / "),
    ("true-to-false", r"\btrue\b", "false"),
    ("false-to-true", r"\bfalse\b", "true"),
    ("drop-not", r"!(?=[\w(])", ""),
    ("break-to-continue", r"\bbreak;", "continue;"),
]

_STATEMENT = re.compile(r"^\s*(?:[\w:.]+(?:->|\.|\s*[-+*/|&]?=(?!=)\s*|\()|\+\+|--|break;|continue;)")


def _mutants_of_line(path, number, line, masked, strings):
    found = []

    def add(operator, start, end, replacement):
        mutated = line[:start] + replacement + line[end:]
        if mutated != line:
            found.append(Mutant(path, number + 1, f"{operator}@{start}", line, mutated))

    for operator, pattern, replacement in _SWAPS:
        for match in re.finditer(pattern, masked):
            add(operator, match.start(), match.end(), replacement)
    for match in re.finditer(r"(?<![\w.])(\d+)(?![\w.'])", masked):
        value = int(match.group(1))
        if value in (0, 1):
            add("constant-flip", match.start(), match.end(), str(1 - value))
        else:
            add("constant-up", match.start(), match.end(), str(value + 1))
            add("constant-down", match.start(), match.end(), str(value - 1))
    condition = re.search(r"\b(if|while) \((.*)\)( \{| return\b.*|)$", masked)
    # A condition that starts with "!" is already negated by drop-not.
    if condition and masked.count("(") == masked.count(")") and not condition.group(2).startswith("!"):
        start, end = condition.start(2), condition.end(2)
        add("negate-condition", start, end, "!(" + line[start:end] + ")")
    stripped = masked.strip()
    if stripped.endswith(";") and _STATEMENT.match(masked) and masked.count("(") == masked.count(")") \
            and not re.match(r"\s*(return|using|namespace|case|default)\b", masked):
        indent = len(line) - len(line.lstrip())
        add("remove-statement", indent, len(line), ";")
    for string_line, start, end in strings:
        if string_line == number and re.fullmatch(r'"[\w.:/;=+-]+"', line[start:end + 1]):
            add("empty-string", start, end + 1, '""')
    return found


def own_mutants(root, path):
    text = (root / path).read_text()
    lines, masked, strings = masked_lines(text)
    previous_ends_statement = True
    found = []
    for number, (line, masked_line) in enumerate(zip(lines, masked)):
        if masked_line.strip() and previous_ends_statement:
            found += _mutants_of_line(path, number, line, masked_line, strings)
        elif masked_line.strip():
            found += [m for m in _mutants_of_line(path, number, line, masked_line, strings)
                      if not m.operator.startswith(("remove-statement", "negate-condition"))]
        if masked_line.strip():
            previous_ends_statement = masked_line.rstrip()[-1] in ";{}:"
    return found


def universalmutator_mutants(root, path):
    """The mutants of universalmutator's `mutate`, each reduced to the one line it changes."""
    original = (root / path).read_text().split("\n")
    found = []
    with tempfile.TemporaryDirectory() as folder:
        subprocess.run(["mutate", str(root / path), "cpp", "--noCheck", "--mutantDir", folder],
                       check=True, capture_output=True)
        for number, mutant_file in enumerate(sorted(pathlib.Path(folder).iterdir())):
            changed = mutant_file.read_text().split("\n")
            if len(changed) != len(original):
                continue
            for index, (before, after) in enumerate(zip(original, changed)):
                if before != after:
                    found.append(Mutant(path, index + 1, f"universalmutator-{number}", before, after))
                    break
    return found


def sample(mutants, per_file, seed):
    """A reproducible choice of at most per_file mutants of each file, in source order."""
    by_file = {}
    for mutant in mutants:
        by_file.setdefault(mutant.path, []).append(mutant)
    chosen = []
    for path, own in by_file.items():
        if per_file and len(own) > per_file:
            own = random.Random(f"{seed}:{path}").sample(own, per_file)
        chosen += sorted(own, key=lambda m: (m.line, m.operator))
    return chosen
