#!/usr/bin/env python3
# SPDX-License-Identifier: MIT
"""Checks the catalogues of Setwright, Porchlight and the desktop files.

    catalogues.py ids SOURCE_DIR           the message ids in the code (lupdate,
                                           xgettext run afresh into a temporary
                                           folder) equal those of every catalogue
    catalogues.py complete SOURCE_DIR      no catalogue has an unfinished, empty
                                           or fuzzy entry; msgfmt --check is clean
    catalogues.py placeholders SOURCE_DIR  every translation has the placeholders
                                           (%1, %2, %n) of its source text

Ids are compared, not files, whose line numbers change with every edit.
Exit 1 with one line per fault.
"""
import glob
import os
import re
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ET

LANGUAGES = ["de", "fr", "es", "pl", "ru"]
QT = [("editor/ui/translations", "setwright"), ("launcher/translations", "porchlight")]
PLACEHOLDER = re.compile(r"%L?\d+|%n")


def ts_messages(path):
    """{(context, source): message element}"""
    messages = {}
    for context in ET.parse(path).getroot().iter("context"):
        name = context.findtext("name") or ""
        for message in context.iter("message"):
            messages[(name, message.findtext("source") or "")] = message
    return messages


def po_entries(path):
    """{(msgctxt, msgid): (msgstr list, fuzzy)} of a .po or .pot file, header left out."""
    entries = {}
    current = {}
    field = None
    fuzzy = False

    def flush():
        nonlocal current, fuzzy
        if "msgid" in current and current["msgid"] != "":
            strs = [v for k, v in sorted(current.items()) if k.startswith("msgstr")]
            entries[(current.get("msgctxt"), current["msgid"])] = (strs, fuzzy)
        current = {}
        fuzzy = False

    with open(path, encoding="utf-8") as lines:
        for raw in lines:
            line = raw.strip()
            if not line:
                flush()
                field = None
                continue
            if line.startswith("#,") and "fuzzy" in line:
                fuzzy = True
                continue
            if line.startswith("#"):
                continue
            match = re.match(r'^(msgctxt|msgid_plural|msgid|msgstr(?:\[\d+\])?)\s+"(.*)"$', line)
            if match:
                field = match.group(1)
                if field == "msgid" and "msgid" in current:
                    flush()
                current[field] = unescape(match.group(2))
            elif line.startswith('"') and field:
                current[field] += unescape(line[1:-1])
    flush()
    return entries


def unescape(text):
    return text.encode("utf-8").decode("unicode_escape").encode("latin-1").decode("utf-8")


def check_ids(root):
    faults = []
    with tempfile.TemporaryDirectory() as work:
        subprocess.run([os.path.join(root, "scripts/update-qt-catalogues"), "--to", work], check=True)
        for folder, catalogue in QT:
            fresh = set(ts_messages(os.path.join(work, catalogue + ".ts")))
            for code in LANGUAGES:
                path = os.path.join(root, folder, "%s_%s.ts" % (catalogue, code))
                if not os.path.exists(path):
                    faults.append("%s: missing" % path)
                    continue
                have = set(ts_messages(path))
                for context, source in sorted(fresh - have):
                    faults.append("%s: lacks [%s] %r" % (path, context, source))
                for context, source in sorted(have - fresh):
                    faults.append("%s: holds [%s] %r, which the code no longer has"
                                  % (path, context, source))
        pot = os.path.join(work, "desktop.pot")
        subprocess.run([os.path.join(root, "scripts/update-desktop-catalogue"), "--to", pot],
                       check=True)
        fresh = set(po_entries(pot))
        po = os.path.join(root, "packaging/po")
        for path in [os.path.join(po, "quizvale-desktop.pot")] + \
                [os.path.join(po, code + ".po") for code in LANGUAGES]:
            if not os.path.exists(path):
                faults.append("%s: missing" % path)
                continue
            have = set(po_entries(path))
            for key in sorted(fresh - have, key=str):
                faults.append("%s: lacks %r" % (path, key[1]))
            for key in sorted(have - fresh, key=str):
                faults.append("%s: holds %r, which the files no longer have" % (path, key[1]))
    return faults


def translations_of(message):
    translation = message.find("translation")
    if translation is None:
        return None, []
    forms = translation.findall("numerusform")
    texts = [form.text or "" for form in forms] if forms else [translation.text or ""]
    return translation.get("type"), texts


def check_complete(root):
    faults = []
    for folder, catalogue in QT:
        for code in LANGUAGES:
            path = os.path.join(root, folder, "%s_%s.ts" % (catalogue, code))
            for (context, source), message in sorted(ts_messages(path).items()):
                kind, texts = translations_of(message)
                if kind in ("unfinished", "vanished", "obsolete") or not texts or \
                        any(not t for t in texts):
                    faults.append("%s: [%s] %r is not translated" % (path, context, source))
    po = os.path.join(root, "packaging/po")
    for code in LANGUAGES:
        path = os.path.join(po, code + ".po")
        result = subprocess.run(["msgfmt", "--check", "--statistics", "-o", os.devnull, path],
                                capture_output=True, text=True)
        if result.returncode != 0:
            faults.append("%s: msgfmt --check: %s" % (path, result.stderr.strip()))
        for (_, msgid), (strs, fuzzy) in sorted(po_entries(path).items(), key=str):
            if fuzzy or not strs or any(not s for s in strs):
                faults.append("%s: %r is not translated" % (path, msgid))
    return faults


def check_placeholders(root):
    faults = []
    for folder, catalogue in QT:
        for code in LANGUAGES:
            path = os.path.join(root, folder, "%s_%s.ts" % (catalogue, code))
            for (context, source), message in sorted(ts_messages(path).items()):
                kind, texts = translations_of(message)
                wanted = sorted(set(PLACEHOLDER.findall(source)))
                for text in texts:
                    if not text:
                        continue  # not translated yet: the completeness check says so
                    got = sorted(set(PLACEHOLDER.findall(text)))
                    # A form for exactly one may write the number out instead of %n.
                    if got != wanted and not (message.get("numerus") == "yes" and
                                              sorted(set(wanted) - {"%n"}) == got):
                        faults.append("%s: [%s] %r has %s, its translation %r has %s"
                                      % (path, context, source, wanted, text, got))
    return faults


def main():
    if len(sys.argv) != 3 or sys.argv[1] not in ("ids", "complete", "placeholders"):
        sys.stderr.write(__doc__)
        return 2
    check = {"ids": check_ids, "complete": check_complete,
             "placeholders": check_placeholders}[sys.argv[1]]
    faults = check(sys.argv[2])
    for fault in faults:
        print(fault)
    print("%s: %d fault(s)" % (sys.argv[1], len(faults)))
    return 1 if faults else 0


if __name__ == "__main__":
    sys.exit(main())
