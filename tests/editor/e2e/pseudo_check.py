#!/usr/bin/env python3
# SPDX-License-Identifier: MIT
"""Reads Setwright's widget dump (QV_WIDGET_DUMP) taken in the pseudo
language and lists every text still in English (two plain ASCII letters in a
row: the pseudo language accents every letter) and every text cut off.

    pseudo_check.py [--cut-only] DUMP WHAT [ALLOWED...]

ALLOWED are texts of the user's (set names, questions) that may stand as
they are. With --cut-only, only what is cut off counts (a language written
in plain letters). Exit 1 when anything is found, printing one line each.
"""
import json
import re
import sys

ENGLISH = re.compile(r"[A-Za-z]{2,}")
# Not words: file patterns, the product's version, the markup of rich text.
KEPT = re.compile(r"\*\.\w+|\d+(\.\d+)+|<[^>]*>|&\w+;")


def main():
    args = sys.argv[1:]
    cut_only = args[:1] == ["--cut-only"]
    if cut_only:
        args = args[1:]
    dump, what = args[0], args[1]
    allowed = args[2:]
    problems = []
    count = 0
    with open(dump, encoding="utf-8") as lines:
        for raw in lines:
            record = json.loads(raw)
            count += 1
            text = record["text"]
            bare = text
            for word in allowed:
                bare = bare.replace(word, "")
            bare = KEPT.sub("", bare)
            where = "%s %s '%s' in '%s'" % (record["kind"], record["name"] or record["class"],
                                             text, record["window"])
            if not cut_only and ENGLISH.search(bare):
                problems.append("English: " + where)
            if record["cut"]:
                problems.append("cut off (%dx%d): %s" % (record["width"], record["height"], where))
    if count == 0:
        problems.append("nothing was shown")
    for problem in problems:
        print("%s: %s" % (what, problem))
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main())
