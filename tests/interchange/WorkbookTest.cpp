// SPDX-License-Identifier: MIT
// Workbooks as spreadsheet programs write them (made at test time by the
// writers Debian packages) and as an attacker would: every hostile one is a
// clear refusal, quickly and within the limits.

#include "editor/interchange/Workbook.h"
#include "editor/interchange/SetImport.h"
#include "tests/editor/EditorDoubles.h"
#include "tests/interchange/InterchangeTestFiles.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace qv::test {
namespace {

namespace fs = std::filesystem;
using namespace interchange;
using ::testing::ElementsAre;
using ::testing::HasSubstr;

class Workbooks : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        folder_ = new TempFolder;
        ready_ = makeWorkbooks(folder_->path());
    }
    static void TearDownTestSuite() {
        delete folder_;
        folder_ = nullptr;
    }
    void SetUp() override {
        if (!ready_) {
            GTEST_SKIP() << "python3-openpyxl and python3-odf are needed";
        }
    }

    struct Read {
        bool ok = false;
        ReadReport report;
        ImportPlan plan;
    };

    static Read read(const std::string& name, const std::string& sheet = {}) {
        Read read;
        SourceRecords records;
        ReadOptions options;
        options.sheet = sheet;
        read.ok =
            readImportFile(folder_->path() / name, std::nullopt, options, records, read.report);
        read.plan = planImport(records, {}, ".", {}, nullptr);
        return read;
    }

    static std::vector<std::string> answers(const Read& read, std::size_t index) {
        const auto& record = read.plan.questions.at(index).record;
        return {record.answers.begin(), record.answers.end()};
    }

    static TempFolder* folder_;
    static bool ready_;
};

TempFolder* Workbooks::folder_ = nullptr;
bool Workbooks::ready_ = false;

TEST_F(Workbooks, BothWritersGiveTheSameQuestionsNumbersAndDates) {
    for (const std::string name : {"questions.xlsx", "questions.ods"}) {
        const Read book = read(name);
        ASSERT_TRUE(book.ok) << name << ": " << book.report.error;
        EXPECT_EQ(book.report.format, name == "questions.xlsx" ? Format::Xlsx : Format::Ods);
        EXPECT_THAT(book.report.notes, ElementsAre("the column \"Time limit\" is not used"));
        EXPECT_THAT(questionsOf(book.plan), ElementsAre("Which city is the capital of Australia?",
                                                        "In which year did the Berlin Wall fall?",
                                                        "Which date is New Year's Day 2000?",
                                                        "What is a quarter as a decimal?",
                                                        "Caf\xC3\xA9 or th\xC3\xA9 \xE2\x80\x93 which is French?"))
            << name;
        ASSERT_GE(book.plan.questions.size(), 5u);
        EXPECT_EQ(book.plan.questions[0].record.correctAnswer, 3);
        EXPECT_THAT(answers(book, 1), ElementsAre("1987", "1989", "1990", "1991")) << name;
        EXPECT_THAT(answers(book, 2),
                    ElementsAre("2000-01-01", "1999-12-31", "2000-02-01", "2001-01-01"))
            << name;
        EXPECT_THAT(answers(book, 3), ElementsAre("0.25", "0.5", "0.75", "1.5")) << name;
        EXPECT_EQ(book.plan.questions[4].record.correctAnswer, 1);
        ASSERT_FALSE(book.plan.skipped.empty());
        // The empty row after the second question counts as rows, not records.
        EXPECT_EQ(book.plan.skipped[0].line, name == "questions.xlsx" ? 8 : 10) << name;
        EXPECT_EQ(book.plan.skipped[0].reason, "answer B is empty");
    }
}

TEST_F(Workbooks, OdsSpacesRepeatedCellsAndTheEndlessEmptyTail) {
    const Read book = read("questions.ods");
    ASSERT_EQ(book.plan.skipped.size(), 2u);
    // "Same" is one cell repeated over C and D.
    EXPECT_EQ(book.plan.skipped[1].line, 11);
    EXPECT_EQ(book.plan.skipped[1].reason, "answers C and D are the same");
    std::vector<TableRow> rows;
    std::string error;
    ASSERT_TRUE(readOdsContent(
        "<document-content><body><spreadsheet><table name=\"T\"><table-row>"
        "<table-cell value-type=\"string\"><p>Which has<s c=\"3\"/>spaces?</p><p>Two</p>"
        "<annotation><p>a comment</p></annotation></table-cell>"
        "<table-cell number-columns-repeated=\"2\" value-type=\"float\" value=\"1990.0\">"
        "<p>1,990</p></table-cell><covered-table-cell/><table-cell value-type=\"boolean\" "
        "boolean-value=\"true\"/></table-row></table></spreadsheet></body></document-content>",
        "", rows, error))
        << error;
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_THAT(rows[0].cells, ElementsAre("Which has   spaces?\nTwo", "1990", "1990", "", "TRUE"));
}

TEST_F(Workbooks, SheetsByNameOrNumberAndTheTriviaShape) {
    const Read second = read("questions.xlsx", "round 2");
    ASSERT_EQ(second.plan.questions.size(), 1u) << second.report.error;
    EXPECT_EQ(second.plan.questions[0].record.answers[0], "Carbon dioxide");
    EXPECT_EQ(second.plan.questions[0].record.value, 1); // easy
    EXPECT_EQ(read("questions.xlsx", "2").plan.questions.size(), 1u);
    EXPECT_EQ(read("questions.ods", "Other").plan.questions.size(), 1u);
    EXPECT_EQ(read("questions.ods", "2").plan.questions.size(), 1u);
    const Read missing = read("questions.xlsx", "Round 3");
    EXPECT_FALSE(missing.ok);
    EXPECT_EQ(missing.report.error,
              "the workbook has no sheet \"Round 3\" (its sheets: \"Round 1\", \"Round 2\")");
    EXPECT_THAT(read("questions.ods", "9").report.error,
                HasSubstr("(its sheets: \"Quiz\", \"Other\")"));
}

TEST_F(Workbooks, InlineTextRichRunsAndBooleans) {
    const Read book = read("inline.xlsx");
    ASSERT_EQ(book.plan.questions.size(), 1u) << book.report.error;
    EXPECT_EQ(book.plan.questions[0].line, 4);
    EXPECT_EQ(book.plan.questions[0].record.text, "Is this true?");
    EXPECT_THAT(answers(book, 0), ElementsAre("TRUE", "FALSE", "Maybe", "#N/A"));
}

TEST_F(Workbooks, HostileWorkbooksAreClearRefusals) {
    const std::vector<std::pair<std::string, std::string>> refused = {
        {"bomb.xlsx",
         "the part xl/worksheets/sheet1.xml of the workbook unpacks to more than 48 MB"},
        {"many-strings.xlsx", "table of texts holds more than 1000000 entries"},
        {"deep.xlsx", "nested deeper than 256 levels"},
        {"entities.xlsx", "declares a document type"},
        {"not-a-zip.xlsx", "not a workbook: the zip file cannot be opened"},
    };
    for (const auto& [name, reason] : refused) {
        const Read book = read(name);
        EXPECT_FALSE(book.ok) << name;
        EXPECT_THAT(book.report.error, HasSubstr(reason)) << name;
        EXPECT_TRUE(book.plan.questions.empty() && book.plan.skipped.empty()) << name;
    }
    // A million empty rows take no memory; the question after them comes in.
    const Read far = read("empty-rows.xlsx");
    ASSERT_EQ(far.plan.questions.size(), 1u) << far.report.error;
    EXPECT_EQ(far.plan.questions[0].line, 1000002);
    // A 10 MB cell refuses its row only.
    const Read huge = read("huge-cell.xlsx");
    EXPECT_TRUE(huge.ok);
    EXPECT_THAT(skipsOf(huge.plan),
                ElementsAre("2: a cell in column 1 holds more than 32767 characters"));

    // Rows of text past the limit, each a question.
    std::string sheet = "<worksheet><sheetData>";
    for (int row = 1; row <= 12; ++row) {
        sheet += "<row><c t=\"inlineStr\"><is><t>x</t></is></c></row>";
    }
    sheet += "</sheetData></worksheet>";
    std::vector<TableRow> rows;
    std::string error;
    WorkbookLimits limits;
    limits.maxRows = 10;
    EXPECT_FALSE(readXlsxSheet(sheet, {}, rows, error, limits));
    EXPECT_EQ(error, "the sheet holds more than 10 rows with text");

    // Short XML that points many cells at one long text, or fills far-right
    // cells, stops at the budget instead of multiplying the text.
    XlsxContext longText;
    longText.sharedStrings = {std::string(30000, 'y')};
    longText.sharedTooLong = {false};
    std::string pointers = "<worksheet><sheetData>";
    for (int row = 1; row <= 3000; ++row) {
        pointers += "<row><c t=\"s\"><v>0</v></c><c r=\"ALL" + std::to_string(row) +
                    "\" t=\"s\"><v>0</v></c></row>";
    }
    pointers += "</sheetData></worksheet>";
    EXPECT_FALSE(readXlsxSheet(pointers, longText, rows, error));
    EXPECT_EQ(error, "the sheet holds more than 64 MB of text");
    WorkbookLimits fewCells;
    fewCells.maxCells = 100000;
    EXPECT_FALSE(readXlsxSheet(pointers, longText, rows, error, fewCells));
    EXPECT_EQ(error, "the sheet holds more than 100000 cells");
}

TEST(WorkbookValues, NumbersAsTheShortestDecimalAndSerialDatesAsIsoDates) {
    EXPECT_EQ(shortestNumber("1990"), "1990");
    EXPECT_EQ(shortestNumber("1990.0"), "1990");
    EXPECT_EQ(shortestNumber("0.30000000000000004"), "0.30000000000000004");
    EXPECT_EQ(shortestNumber("3.1400000000000001"), "3.14");
    EXPECT_EQ(shortestNumber("-0"), "0");
    EXPECT_EQ(shortestNumber("1E3"), "1000");
    EXPECT_EQ(shortestNumber("not a number"), "not a number");
    EXPECT_EQ(isoDateOfSerial(36526, false), "2000-01-01");
    EXPECT_EQ(isoDateOfSerial(1, false), "1900-01-01");
    EXPECT_EQ(isoDateOfSerial(59, false), "1900-02-28");
    EXPECT_EQ(isoDateOfSerial(60, false), "1900-02-29");
    EXPECT_EQ(isoDateOfSerial(61, false), "1900-03-01");
    EXPECT_EQ(isoDateOfSerial(45000.75, false), "2023-03-15");
    EXPECT_EQ(isoDateOfSerial(0, true), "1904-01-01");

    XlsxContext context;
    context.sharedStrings = {"Q?"};
    context.sharedTooLong = {false};
    context.dateStyles = {false, true};
    std::vector<TableRow> rows;
    std::string error;
    ASSERT_TRUE(
        readXlsxSheet("<x:worksheet xmlns:x=\"ns\"><x:sheetData><x:row r=\"3\">"
                      "<x:c r=\"B3\" t=\"s\"><x:v>0</x:v></x:c><x:c s=\"1\"><x:v>36526</x:v>"
                      "</x:c><x:c><x:v>2.5E-1</x:v></x:c><x:c t=\"s\"><x:v>7</x:v></x:c>"
                      "<x:c r=\"ZZZZZZ3\" t=\"str\"><x:v>far right</x:v></x:c></x:row>"
                      "</x:sheetData></x:worksheet>",
                      context, rows, error))
        << error;
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(rows[0].line, 3);
    EXPECT_THAT(rows[0].cells, ElementsAre("", "Q?", "2000-01-01", "0.25"));
}

} // namespace
} // namespace qv::test
