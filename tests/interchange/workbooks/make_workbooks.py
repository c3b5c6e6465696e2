#!/usr/bin/python3
# SPDX-License-Identifier: MIT
"""Writes the workbooks the interchange tests read, with the spreadsheet
writers Debian packages (openpyxl for .xlsx, odfpy for .ods), and hostile
workbooks made by hand. Nothing here is committed output: the tests run this
into a temporary folder.

usage: make_workbooks.py FOLDER [rows N]
"""

import datetime
import io
import os
import sys
import zipfile

HEADER = ["Question", "Answer 1", "Answer 2", "Answer 3", "Answer 4",
          "Correct answer", "Time limit"]
ROWS = [
    ["Which city is the capital of Australia?", "Sydney", "Melbourne",
     "Canberra", "Perth", 3, 20],
    ["In which year did the Berlin Wall fall?", 1987, 1989, 1990, 1991, 2, 30],
    None,  # an empty row, skipped silently
    ["Which date is New Year's Day 2000?", datetime.date(2000, 1, 1),
     datetime.date(1999, 12, 31), datetime.date(2000, 2, 1),
     datetime.date(2001, 1, 1), 1, 20],
    ["What is a quarter as a decimal?", 0.25, 0.5, 0.75, 1.5, "A", 20],
    ["Caf\u00e9 or th\u00e9 \u2013 which is French?", "Both", "Neither",
     "Caf\u00e9", "Th\u00e9", "Both", 20],
    ["Which answer is missing?", "One", "", "Three", "Four", 1, 20],
]


def xlsx_questions(path):
    import openpyxl
    book = openpyxl.Workbook()
    sheet = book.active
    sheet.title = "Round 1"
    sheet.append(HEADER)
    for row in ROWS:
        sheet.append(row if row else [])
    second = book.create_sheet("Round 2")
    second.append(["question", "correct_answer", "incorrect_answer_1",
                   "incorrect_answer_2", "incorrect_answer_3", "difficulty"])
    second.append(["Which gas do plants take in?", "Carbon dioxide", "Oxygen",
                   "Nitrogen", "Helium", "easy"])
    book.save(path)


def ods_questions(path):
    from odf.opendocument import OpenDocumentSpreadsheet
    from odf.table import Table, TableRow, TableCell
    from odf.text import P, S

    doc = OpenDocumentSpreadsheet()

    def cell(value, repeat=1):
        attrs = {}
        if repeat > 1:
            attrs["numbercolumnsrepeated"] = repeat
        if value is None:
            return TableCell(**attrs)
        if isinstance(value, datetime.date):
            c = TableCell(valuetype="date", datevalue=value.isoformat(), **attrs)
            c.addElement(P(text=value.strftime("%d/%m/%Y")))
        elif isinstance(value, (int, float)):
            c = TableCell(valuetype="float", value=value, **attrs)
            c.addElement(P(text=str(value)))
        else:
            c = TableCell(valuetype="string", **attrs)
            c.addElement(P(text=value))
        return c

    def table(name, rows):
        t = Table(name=name)
        for row in rows:
            r = TableRow()
            if row is None:
                r = TableRow(numberrowsrepeated=3)
                r.addElement(cell(None, 1024))
            else:
                for value in row:
                    r.addElement(cell(value))
            t.addElement(r)
        # The endless empty rows every spreadsheet saves after the data.
        tail = TableRow(numberrowsrepeated=1048000)
        tail.addElement(cell(None, 1024))
        t.addElement(tail)
        return t

    first = table("Quiz", [HEADER] + ROWS)
    tail = first.lastChild
    first.removeChild(tail)
    # A text with three spaces in a row, and one written twice across
    # repeated cells.
    spaced = TableRow()
    c = TableCell(valuetype="string")
    para = P(text="Which has")
    para.addElement(S(c=3))
    para.addText("spaces?")
    c.addElement(para)
    spaced.addElement(c)
    for value in ["Yes", "No"]:
        spaced.addElement(cell(value))
    spaced.addElement(cell("Same", 2))
    spaced.addElement(cell(1))
    first.addElement(spaced)
    first.addElement(tail)
    doc.spreadsheet.addElement(first)
    doc.spreadsheet.addElement(table("Other", [["question", "a", "b", "c", "d", "correct"],
                                               ["Is this the second sheet?", "Yes", "No",
                                                "Maybe", "Never", "A"]]))
    doc.save(path)


def raw_xlsx(path, sheet_xml, shared=None, extra=None):
    """An .xlsx written part by part, for what writers never make."""
    with zipfile.ZipFile(path, "w", zipfile.ZIP_DEFLATED) as z:
        z.writestr("[Content_Types].xml", "<Types/>")
        z.writestr("xl/workbook.xml",
                   '<workbook xmlns:r="r"><sheets><sheet name="S" r:id="rId1"/></sheets></workbook>')
        z.writestr("xl/_rels/workbook.xml.rels",
                   '<Relationships><Relationship Id="rId1" Target="worksheets/sheet1.xml"/>'
                   '</Relationships>')
        if shared is not None:
            z.writestr("xl/sharedStrings.xml", shared)
        z.writestr("xl/worksheets/sheet1.xml", sheet_xml)
        for name, data in (extra or {}).items():
            z.writestr(name, data)


def hostile(folder):
    # Inline strings, rich text runs, a phonetic run, a boolean.
    raw_xlsx(os.path.join(folder, "inline.xlsx"),
             '<worksheet><sheetData>'
             '<row r="1"><c r="A1" t="inlineStr"><is><t>question</t></is></c>'
             '<c r="B1" t="inlineStr"><is><t>a</t></is></c><c r="C1" t="inlineStr"><is><t>b</t></is></c>'
             '<c r="D1" t="inlineStr"><is><t>c</t></is></c><c r="E1" t="inlineStr"><is><t>d</t></is></c>'
             '<c r="F1" t="s"><v>0</v></c></row>'
             '<row r="4"><c r="A4" t="inlineStr"><is><r><t>Is this </t></r><r><t>true?</t></r>'
             '<rPh><t>IGNORED</t></rPh></is></c>'
             '<c r="B4" t="b"><v>1</v></c><c r="C4" t="b"><v>0</v></c>'
             '<c r="D4" t="inlineStr"><is><t>Maybe</t></is></c><c r="E4" t="e"><v>#N/A</v></c>'
             '<c r="F4"><v>1</v></c></row>'
             '</sheetData></worksheet>',
             shared='<sst><si><t>correct</t></si></sst>')
    # A zip bomb: one sheet part that unpacks to far more than any limit.
    with zipfile.ZipFile(os.path.join(folder, "bomb.xlsx"), "w", zipfile.ZIP_DEFLATED) as z:
        z.writestr("xl/workbook.xml",
                   '<workbook><sheets><sheet name="S" id="rId1"/></sheets></workbook>')
        with z.open("xl/worksheets/sheet1.xml", "w", force_zip64=True) as part:
            part.write(b"<worksheet><sheetData>")
            block = b" " * (1 << 20)
            for _ in range(100):  # 100 MB of blanks
                part.write(block)
            part.write(b"</sheetData></worksheet>")
    # A million empty rows and a few with questions: read in a moment.
    rows = ['<row r="1"><c t="inlineStr"><is><t>question</t></is></c>'
            '<c t="inlineStr"><is><t>a</t></is></c><c t="inlineStr"><is><t>b</t></is></c>'
            '<c t="inlineStr"><is><t>c</t></is></c><c t="inlineStr"><is><t>d</t></is></c>'
            '<c t="inlineStr"><is><t>correct</t></is></c></row>']
    rows.append("".join('<row r="%d"/>' % n for n in range(2, 1000002)))
    rows.append('<row r="1000002"><c t="inlineStr"><is><t>Far down?</t></is></c>'
                '<c t="inlineStr"><is><t>Yes</t></is></c><c t="inlineStr"><is><t>No</t></is></c>'
                '<c t="inlineStr"><is><t>Up</t></is></c><c t="inlineStr"><is><t>Down</t></is></c>'
                '<c t="inlineStr"><is><t>A</t></is></c></row>')
    raw_xlsx(os.path.join(folder, "empty-rows.xlsx"),
             "<worksheet><sheetData>" + "".join(rows) + "</sheetData></worksheet>")
    # A table of two million empty shared texts.
    raw_xlsx(os.path.join(folder, "many-strings.xlsx"),
             "<worksheet><sheetData/></worksheet>",
             shared="<sst>" + "<si/>" * 2000000 + "</sst>")
    # A cell of 10 MB, referred to by a row that is otherwise a question.
    raw_xlsx(os.path.join(folder, "huge-cell.xlsx"),
             '<worksheet><sheetData>'
             '<row r="1"><c t="s"><v>1</v></c><c t="s"><v>2</v></c><c t="s"><v>3</v></c>'
             '<c t="s"><v>4</v></c><c t="s"><v>5</v></c><c t="s"><v>6</v></c></row>'
             '<row r="2"><c t="s"><v>0</v></c><c t="s"><v>2</v></c><c t="s"><v>3</v></c>'
             '<c t="s"><v>4</v></c><c t="s"><v>5</v></c><c t="s"><v>2</v></c></row>'
             '</sheetData></worksheet>',
             shared="<sst><si><t>" + "x" * (10 << 20) + "</t></si><si><t>question</t></si>"
                    "<si><t>a</t></si><si><t>b</t></si><si><t>c</t></si><si><t>d</t></si>"
                    "<si><t>correct</t></si></sst>")
    # XML nested 100,000 levels deep, and entities that would expand.
    raw_xlsx(os.path.join(folder, "deep.xlsx"),
             "<worksheet>" + "<x>" * 100000 + "</x>" * 100000 + "</worksheet>")
    raw_xlsx(os.path.join(folder, "entities.xlsx"),
             '<?xml version="1.0"?><!DOCTYPE w [<!ENTITY a "aaaaaaaaaa">'
             '<!ENTITY b "&a;&a;&a;&a;&a;&a;&a;&a;&a;&a;">]><worksheet><sheetData>'
             '<row><c t="inlineStr"><is><t>&b;</t></is></c></row></sheetData></worksheet>')
    with open(os.path.join(folder, "not-a-zip.xlsx"), "wb") as f:
        f.write(b"PK\x03\x04 but nothing after")


def bench(path, count):
    import openpyxl
    book = openpyxl.Workbook(write_only=True)
    sheet = book.create_sheet("Questions")
    sheet.append(["question", "a", "b", "c", "d", "correct", "rung"])
    for i in range(count):
        sheet.append(["Bench question number %d, which answer?" % i, "Alpha %d" % i,
                      "Beta %d" % i, "Gamma %d" % i, "Delta %d" % i, "ABCD"[i % 4],
                      i % 15 + 1])
    book.save(path)


def main():
    folder = sys.argv[1]
    os.makedirs(folder, exist_ok=True)
    if len(sys.argv) > 3 and sys.argv[2] == "rows":
        bench(os.path.join(folder, "bench.xlsx"), int(sys.argv[3]))
        return
    xlsx_questions(os.path.join(folder, "questions.xlsx"))
    ods_questions(os.path.join(folder, "questions.ods"))
    hostile(folder)


if __name__ == "__main__":
    main()
