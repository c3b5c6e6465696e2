# SPDX-License-Identifier: MIT
"""Reads and writes gettext catalogues (.po, .pot) for the catalogue scripts.

Only what the project's catalogues use: translator and reference comments,
flags, msgctxt, msgid, msgid_plural and msgstr / msgstr[N]; obsolete entries
(#~) are read and marked so that checks can leave them out.
"""

import re

_ESCAPES = {"n": "\n", "t": "\t", '"': '"', "\\": "\\", "a": "\a", "b": "\b",
            "f": "\f", "r": "\r", "v": "\v"}


def _unquote(text, path, number):
    text = text.strip()
    if len(text) < 2 or text[0] != '"' or text[-1] != '"':
        raise ValueError(f"{path}:{number}: a quoted string was expected")
    out = []
    i = 1
    while i < len(text) - 1:
        c = text[i]
        if c == "\\" and i + 1 < len(text) - 1:
            out.append(_ESCAPES.get(text[i + 1], text[i + 1]))
            i += 2
            continue
        out.append(c)
        i += 1
    return "".join(out)


def quote(text):
    """A PO string literal for `text`, split after each newline as tools do."""
    escaped = (text.replace("\\", "\\\\").replace('"', '\\"').replace("\t", "\\t"))
    parts = escaped.split("\n")
    if len(parts) == 1:
        return '"' + escaped + '"'
    pieces = [p + "\\n" for p in parts[:-1]]
    if parts[-1]:
        pieces.append(parts[-1])
    return '""\n' + "\n".join('"' + p + '"' for p in pieces)


class Entry:
    def __init__(self):
        self.comments = []     # "#." and "#:" lines, as read
        self.flags = set()
        self.context = None
        self.msgid = None
        self.plural = None
        self.strings = {}      # index -> text; index 0 for a plain msgstr
        self.obsolete = False

    @property
    def key(self):
        """What identifies the entry: its context and its id."""
        return (self.context, self.msgid)

    @property
    def translated(self):
        return bool(self.strings) and all(self.strings.values())

    @property
    def fuzzy(self):
        return "fuzzy" in self.flags


def read(path):
    """The entries of a catalogue, the header (msgid "") first."""
    entries = []
    entry = Entry()
    field = None
    index = 0

    def finish():
        nonlocal entry
        if entry.msgid is not None:
            entries.append(entry)
        entry = Entry()

    with open(path, encoding="utf-8") as f:
        for number, raw in enumerate(f, 1):
            line = raw.rstrip("\n")
            obsolete = line.startswith("#~")
            if obsolete:
                line = line[2:].lstrip()
            if not line.strip():
                finish()
                field = None
                continue
            if line.startswith("#"):
                if field is not None and entry.msgid is not None and not obsolete:
                    finish()
                    field = None
                if line.startswith("#,"):
                    entry.flags.update(f.strip() for f in line[2:].split(","))
                elif line.startswith("#.") or line.startswith("#:"):
                    entry.comments.append(line)
                continue
            keyword, _, rest = line.partition(" ")
            if line.startswith('"'):
                if field is None:
                    raise ValueError(f"{path}:{number}: a string outside an entry")
                text = _unquote(line, path, number)
            else:
                if keyword in ("msgctxt", "msgid") and entry.msgid is not None and \
                        (keyword == "msgctxt" or field != "msgctxt"):
                    finish()
                text = _unquote(rest, path, number)
                field = keyword
                match = re.fullmatch(r"msgstr\[(\d+)\]", keyword)
                if match:
                    field, index = "msgstr", int(match.group(1))
                elif keyword == "msgstr":
                    index = 0
                elif keyword not in ("msgctxt", "msgid", "msgid_plural"):
                    raise ValueError(f"{path}:{number}: unknown keyword {keyword!r}")
                entry.obsolete = entry.obsolete or obsolete
                if field == "msgstr":
                    entry.strings[index] = ""
                elif field == "msgctxt":
                    entry.context = ""
                elif field == "msgid":
                    entry.msgid = ""
                else:
                    entry.plural = ""
            if field == "msgctxt":
                entry.context += text
            elif field == "msgid":
                entry.msgid += text
            elif field == "msgid_plural":
                entry.plural += text
            elif field == "msgstr":
                entry.strings[index] += text
    finish()
    return entries


def write(path, entries):
    """Writes `entries` (the header first) as a catalogue."""
    with open(path, "w", encoding="utf-8") as f:
        for n, e in enumerate(entries):
            if n:
                f.write("\n")
            for comment in e.comments:
                f.write(comment + "\n")
            if e.flags:
                f.write("#, " + ", ".join(sorted(e.flags)) + "\n")
            if e.context is not None:
                f.write("msgctxt " + quote(e.context) + "\n")
            f.write("msgid " + quote(e.msgid) + "\n")
            if e.plural is not None:
                f.write("msgid_plural " + quote(e.plural) + "\n")
                for i in sorted(e.strings):
                    f.write(f"msgstr[{i}] " + quote(e.strings[i]) + "\n")
            else:
                f.write("msgstr " + quote(e.strings.get(0, "")) + "\n")
