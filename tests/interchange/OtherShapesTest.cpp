// SPDX-License-Identifier: MIT
// Files in the shapes other tools give them: spreadsheets with their own
// column names, trivia dumps in every encoding, a learning platform's XML
// export, quiz text saved under any name; and the CSV export read back.

#include "editor/interchange/Columns.h"
#include "editor/interchange/CsvExport.h"
#include "editor/interchange/Format.h"
#include "editor/interchange/ImportPlan.h"
#include "tests/interchange/InterchangeTestFiles.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace qv::test {
namespace {

using namespace interchange;
using ::testing::ElementsAre;
using ::testing::HasSubstr;

struct Read {
    ImportPlan plan;
    ReadReport report;
};

Read readText(Format format, const std::string& bytes, const ReadOptions& options = {}) {
    Read read;
    const SourceRecords records = readRecords(format, bytes, options, read.report);
    read.plan = planImport(records, {}, ".", {}, nullptr);
    return read;
}

std::vector<std::string> answersOf(const PlannedQuestion& question) {
    return {question.record.answers.begin(), question.record.answers.end()};
}

TEST(ColumnNames, TheCommonTemplatesComeInWithOneNoteForColumnsNotUsed) {
    // The quiz-platform template: numbered answers, the right one by number.
    const Read platform =
        readText(Format::Csv, "Question,Answer 1,Answer 2,Answer 3,Answer 4,Time limit,"
                              "Correct answer,Category\r\n"
                              "Largest ocean?,Atlantic,Pacific,Indian,Arctic,20,2,Geo\r\n"
                              "Smallest prime?,1,2,3,5,10,2,Maths\r\n");
    ASSERT_EQ(platform.plan.questions.size(), 2u);
    EXPECT_EQ(platform.plan.questions[0].record.correctAnswer, 2);
    EXPECT_THAT(platform.report.notes,
                ElementsAre("the columns \"Time limit\", \"Category\" are not used"));

    // Lettered options with the answer as its text, and a difficulty.
    const Read options =
        readText(Format::Csv, "option_a;OPTION B;Option-C;Option D;Question;"
                              "Answer;Difficulty\r\n"
                              "Red;Green;Blue;Gold;Colour of grass?;Green;hard\r\n");
    ASSERT_EQ(options.plan.questions.size(), 1u);
    EXPECT_EQ(options.plan.questions[0].record.correctAnswer, 2);
    EXPECT_EQ(options.plan.questions[0].record.value, 11);
    EXPECT_TRUE(options.report.notes.empty());

    // The trivia dump's shape: the right answer and three wrong ones, placed
    // as the trivia reader places them (slot k mod 4).
    const Read trivia = readText(Format::Csv, "question,correct_answer,incorrect_answer_1,"
                                              "incorrect_answer_2,incorrect_answer_3\r\n"
                                              "One?,right,w1,w2,w3\r\nTwo?,right,w1,w2,w3\r\n");
    ASSERT_EQ(trivia.plan.questions.size(), 2u);
    EXPECT_THAT(answersOf(trivia.plan.questions[1]), ElementsAre("w1", "right", "w2", "w3"));
    EXPECT_EQ(trivia.plan.questions[1].record.correctAnswer, 2);
    const Read wrongs =
        readText(Format::Tsv, "Question\tAnswer\tWrong1\tWrong2\tWrong3\nQ?\tyes\tno\tnah\tnope\n");
    ASSERT_EQ(wrongs.plan.questions.size(), 1u);
    EXPECT_EQ(wrongs.plan.questions[0].record.answers[0], "yes");

    // All four answers in one cell.
    const Read choices = readText(Format::Csv, "question,choices,answer\r\n"
                                               "Which is even?,one|three|four|five,four\r\n"
                                               "\"Which is odd?\",\"2\n4\n6\n7\",D\r\n"
                                               "Which two?,a|b,a\r\n");
    ASSERT_EQ(choices.plan.questions.size(), 2u);
    EXPECT_EQ(choices.plan.questions[0].record.correctAnswer, 3);
    EXPECT_THAT(answersOf(choices.plan.questions[1]), ElementsAre("2", "4", "6", "7"));
    ASSERT_EQ(choices.plan.skipped.size(), 1u);
    EXPECT_THAT(choices.plan.skipped[0].reason, HasSubstr("are not four answers"));

    // A file that names no known column is refused as one record.
    const Read unknown =
        readText(Format::Csv, "Frage,Eins,Zwei,Drei,Vier,Richtig\r\nF?,a,b,c,d,1\r\n");
    EXPECT_TRUE(unknown.plan.questions.empty());
    ASSERT_EQ(unknown.plan.skipped.size(), 1u);
    EXPECT_THAT(unknown.plan.skipped[0].reason, HasSubstr("--columns"));
    EXPECT_THAT(unknown.report.header,
                ElementsAre("Frage", "Eins", "Zwei", "Drei", "Vier", "Richtig"));
}

TEST(ColumnNames, ChosenColumnsTakeTheHeaderOrTheFirstQuestion) {
    ColumnMap map;
    std::string error;
    ASSERT_TRUE(parseColumnMap("question=1, a=2,b=3,c=4,d=5,correct=F", map, error)) << error;
    EXPECT_EQ(map[Role::Correct], 5);
    ReadOptions options;
    options.columns = map;
    const std::string rows = "F?,a,b,c,d,1\r\nG?,a,b,c,d,B\r\n";
    EXPECT_EQ(readText(Format::Csv, "Frage,Eins,Zwei,Drei,Vier,Richtig\r\n" + rows, options)
                  .plan.questions.size(),
              2u);
    EXPECT_EQ(readText(Format::Csv, rows, options).plan.questions.size(), 2u);

    for (const auto& [text, message] : std::vector<std::pair<std::string, std::string>>{
             {"question=1,a=2,b=3,c=4,d=5", "--columns lacks correct"},
             {"question=1,a=2,b=3,c=4,d=5,correct=0", "needs a column number from 1"},
             {"question=1,a=2,b=3,c=4,d=5,correct=6,correct=7", "names correct twice"},
             {"question=1,answer=2", "is none of question"},
             {"question=1,correct=2,wrong1=3,wrong2=4", "--columns lacks wrong3"}}) {
        EXPECT_FALSE(parseColumnMap(text, map, error)) << text;
        EXPECT_THAT(error, HasSubstr(message)) << text;
    }
}

TEST(ColumnNames, TheExportGuardsFormulasAndTheReaderTakesOffExactlyThatGuard) {
    EXPECT_EQ(guardFormula("=1+1"), "'=1+1");
    EXPECT_EQ(guardFormula("+44 20"), "'+44 20");
    EXPECT_EQ(guardFormula("@home"), "'@home");
    EXPECT_EQ(guardFormula("'Tis"), "''Tis");
    EXPECT_EQ(guardFormula("-cmd"), "'-cmd");
    EXPECT_EQ(guardFormula("-40"), "-40");
    EXPECT_EQ(guardFormula("-0.5"), "-0.5");
    EXPECT_EQ(unguardFormula("'Tis"), "'Tis"); // no guard: kept
    EXPECT_EQ(unguardFormula("'-40"), "'-40"); // the export never writes this
    EXPECT_EQ(unguardFormula("''Tis"), "'Tis");

    SetFileRecord tricky;
    tricky.text = "=HYPERLINK(\"x\")";
    tricky.answers = {"-40", "+1", "@a", "'b"};
    tricky.correctAnswer = 1;
    tricky.value = 3;
    SetFileRecord plain = tricky;
    plain.text = "'Tis the season?";
    plain.answers = {"-cmd", "-1,5", "x", "y"};
    const std::string csv = csvOfSet({tricky, plain}, {});
    EXPECT_THAT(csv, HasSubstr("'=HYPERLINK"));
    EXPECT_THAT(csv, HasSubstr(",-40,'+1,'@a,''b,"));
    const ImportPlan again = planImport(readRecords(Format::Csv, csv), {}, ".", {}, nullptr);
    ASSERT_EQ(again.questions.size(), 2u) << csv;
    EXPECT_EQ(again.questions[0].record.text, tricky.text);
    EXPECT_EQ(again.questions[0].record.answers, tricky.answers);
    EXPECT_EQ(again.questions[1].record.text, plain.text);
    EXPECT_EQ(again.questions[1].record.answers, plain.answers);
}

// ------------------------------------------------------------ trivia dumps

std::string urlEncoded(std::string_view text, bool legacy) {
    std::string out;
    for (unsigned char c : text) {
        if (std::isalnum(c) || c == '-' || c == '_' || c == '.' || c == '~') {
            out += static_cast<char>(c);
        } else if (c == ' ' && legacy) {
            out += '+';
        } else {
            char escape[4];
            std::snprintf(escape, sizeof escape, "%%%02X", c);
            out += escape;
        }
    }
    return out;
}

std::string base64(std::string_view text) {
    static constexpr char digits[] =
        "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
    std::string out;
    std::uint32_t bits = 0;
    int count = 0;
    for (unsigned char c : text) {
        bits = (bits << 8) | c;
        count += 8;
        while (count >= 6) {
            count -= 6;
            out += digits[(bits >> count) & 63];
        }
    }
    if (count > 0) {
        out += digits[(bits << (6 - count)) & 63];
    }
    while (out.size() % 4 != 0) {
        out += '=';
    }
    return out;
}

// One line, as the database sends it: a good question, then one whose
// right answer is 31 characters (fits) and one whose wrong answer does not.
std::string triviaResponse(const std::function<std::string(std::string_view)>& encode) {
    std::string out = "{\"response_code\":0,\"results\":[";
    const std::vector<std::vector<std::string>> items = {
        {"multiple", "easy", "What is 2 + 2?", "4", "3", "5", "22"},
        {"multiple", "hard", "Which is long?", "A thirty-one character answer!!", "short", "brief",
         "terse"},
        {"multiple", "hard", "Which is longer?", "right", "A thirty-three character answer!!", "b",
         "c"},
        {"boolean", "easy", "Is this true?", "True", "False"}};
    for (std::size_t i = 0; i < items.size(); ++i) {
        const auto& item = items[i];
        out += std::string(i == 0 ? "" : ",") + "{\"type\":\"" + encode(item[0]) +
               "\",\"difficulty\":\"" + encode(item[1]) + "\",\"category\":\"" +
               encode("General Knowledge") + "\",\"question\":\"" + encode(item[2]) +
               "\",\"correct_answer\":\"" + encode(item[3]) + "\",\"incorrect_answers\":[";
        for (std::size_t k = 4; k < item.size(); ++k) {
            out += std::string(k == 4 ? "" : ",") + "\"" + encode(item[k]) + "\"";
        }
        out += "]}";
    }
    return out + "]}";
}

TEST(TriviaEncodings, EveryEncodingGivesTheSameQuestionsAndSkipsNameTheRecord) {
    const std::vector<std::pair<std::string, std::function<std::string(std::string_view)>>>
        encodings = {
            {"plain", [](std::string_view t) { return std::string(t); }},
            {"url3986", [](std::string_view t) { return urlEncoded(t, false); }},
            {"urlLegacy", [](std::string_view t) { return urlEncoded(t, true); }},
            {"base64", [](std::string_view t) { return base64(t); }},
        };
    for (const auto& [name, encode] : encodings) {
        const Read read = readText(Format::OpenTdb, triviaResponse(encode));
        ASSERT_EQ(read.plan.questions.size(), 2u) << name;
        EXPECT_EQ(read.plan.questions[0].record.text, "What is 2 + 2?") << name;
        EXPECT_EQ(read.plan.questions[0].record.answers[0], "4") << name;
        EXPECT_EQ(read.plan.questions[1].record.answers[1], "A thirty-one character answer!!")
            << name;
        std::vector<std::string> skips;
        for (const Skipped& skipped : read.plan.skipped) {
            skips.push_back(skipped.where() + ": " + skipped.reason);
        }
        EXPECT_THAT(skips, ElementsAre("record 3: answer B has 33 characters, more than 32",
                                       "record 4: a true/false question"))
            << name;
    }
    // Spread over lines, a file's skips keep their line numbers.
    const Read lines = readText(Format::OpenTdb, "[\n{\"type\": \"boolean\"}\n]\n");
    ASSERT_EQ(lines.plan.skipped.size(), 1u);
    EXPECT_EQ(lines.plan.skipped[0].where(), "2");
}

// ------------------------------------------------------------ Moodle XML

TEST(MoodleXml, MultipleChoiceComesInAsPlainTextAndOtherTypesSayWhatTheyAre) {
    const std::string xml = R"(<?xml version="1.0" encoding="UTF-8"?>
<quiz>
  <question type="category"><category><text>$course$/Top/Geography</text></category></question>
  <question type="multichoice">
    <name><text>Capital</text></name>
    <questiontext format="html"><text><![CDATA[<p>Which is the capital of <b>Peru</b>?</p>]]></text></questiontext>
    <answer fraction="0" format="html"><text>Quito</text><feedback><text>No</text></feedback></answer>
    <answer fraction="100" format="html"><text>Lima</text></answer>
    <answer fraction="0"><text>Bogot&amp;aacute;</text></answer>
    <answer fraction="0" format="plain_text"><text>La &lt;Paz&gt;</text></answer>
  </question>
  <question type="truefalse"><questiontext><text>Sky is blue</text></questiontext></question>
  <question type="multichoice">
    <questiontext><text>Three?</text></questiontext>
    <answer fraction="100"><text>a</text></answer><answer fraction="0"><text>b</text></answer>
    <answer fraction="0"><text>c</text></answer>
  </question>
  <question type="multichoice">
    <questiontext><text>Two right?</text></questiontext>
    <answer fraction="100"><text>a</text></answer><answer fraction="100.0000000"><text>b</text></answer>
    <answer fraction="0"><text>c</text></answer><answer fraction="0"><text>d</text></answer>
  </question>
</quiz>
)";
    const Read read = readText(Format::Moodle, xml);
    ASSERT_EQ(read.plan.questions.size(), 1u);
    EXPECT_EQ(read.plan.questions[0].record.text, "Which is the capital of Peru?");
    EXPECT_THAT(answersOf(read.plan.questions[0]),
                ElementsAre("Quito", "Lima", "Bogot\xC3\xA1", "La <Paz>"));
    EXPECT_EQ(read.plan.questions[0].record.correctAnswer, 2);
    EXPECT_THAT(skipsOf(read.plan),
                ElementsAre("12: a question of type \"truefalse\"; only multiple-choice "
                            "questions are imported",
                            "13: the question has 3 answers; a question here needs four",
                            "18: more than one answer is worth 100%"));

    const Read broken = readText(Format::Moodle, "<quiz><question type=\"multichoice\">");
    ASSERT_EQ(broken.plan.skipped.size(), 1u);
    EXPECT_THAT(broken.plan.skipped[0].reason, HasSubstr("not readable as Moodle XML"));
    const Read doctype =
        readText(Format::Moodle, "<!DOCTYPE q [<!ENTITY a \"aaaa\">]><quiz>&a;</quiz>");
    ASSERT_EQ(doctype.plan.skipped.size(), 1u);
    EXPECT_THAT(doctype.plan.skipped[0].reason, HasSubstr("document type"));
}

// ------------------------------------------------------------ detection

TEST(FormatDetection, TheExtensionDecidesWhereItCanElseTheContent) {
    EXPECT_EQ(detectFormat("q.csv", "question\ta"), Format::Csv);
    EXPECT_EQ(detectFormat("q.XLSX", ""), Format::Xlsx);
    EXPECT_EQ(detectFormat("q.xml", ""), Format::Moodle);
    EXPECT_EQ(detectFormat("q.gift", ""), Format::Gift);
    EXPECT_EQ(detectFormat("q.txt", "PK\x03\x04rest"), Format::Xlsx);
    EXPECT_EQ(detectFormat("q.bin", std::string("PK\x03\x04", 4) +
                                        "........mimetypeapplication/vnd.oasis.opendocument."
                                        "spreadsheet"),
              Format::Ods);
    EXPECT_EQ(detectFormat("q.txt", "\xEF\xBB\xBF  [{\"type\":\"multiple\"}]"), Format::OpenTdb);
    EXPECT_EQ(detectFormat("q.txt", "\n<?xml version=\"1.0\"?><quiz/>"), Format::Moodle);
    EXPECT_EQ(detectFormat("q.txt", "\nQuestion\tAnswer 1\tAnswer 2\tAnswer 3\tAnswer 4\tCorrect "
                                    "answer\nQ?\ta\tb\tc\td\t1\n"),
              Format::Tsv);
    EXPECT_EQ(detectFormat("q.txt", "// a comment\n::Q1:: What? {\n=Yes\n~No\n}\n"), Format::Gift);
    EXPECT_EQ(detectFormat("q.txt", "What?{~no =yes}"), Format::Gift);
    EXPECT_EQ(detectFormat("q.txt", "What is 1 {+} 1?\nA) 2\nB) 3\nC) 4\nD) 5\nANSWER: A\n"),
              Format::Aiken);
    EXPECT_EQ(detectFormat("notes", "Tabs\tbut no header\n"), Format::Aiken);
    EXPECT_EQ(formatNamed("XML"), Format::Moodle);
    EXPECT_EQ(formatNamed("ods"), Format::Ods);
}

} // namespace
} // namespace qv::test
