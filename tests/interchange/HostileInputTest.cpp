// SPDX-License-Identifier: MIT
// Files that are broken, huge or made to hurt: each gives reasons, never a
// crash, a hang or questions made up from the damage.

#include "editor/interchange/Format.h"
#include "editor/interchange/ImportPlan.h"
#include "editor/interchange/SetImport.h"
#include "editor/interchange/TextInput.h"
#include "tests/editor/EditorDoubles.h"

#include <fcntl.h>
#include <unistd.h>

#include <random>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace qv::test {
namespace {

namespace fs = std::filesystem;
using ::testing::HasSubstr;
using namespace interchange;

ImportPlan planText(Format format, const std::string& bytes) {
    return planImport(readRecords(format, decodeInput(bytes)), {}, ".", {}, nullptr);
}

constexpr std::string_view header = "question,a,b,c,d,correct\r\n";

TEST(HostileInput, AnUnclosedQuoteCostsOnlyItsOwnRow) {
    const std::string csv = std::string(header) + "Fine?,a,b,c,d,A\r\n" +
                            "\"Broken?,a,b,c,d,A\r\n" + "Also fine?,a,b,c,d,B\r\n" +
                            "Last?,a,b,c,d,C\r\n";
    const ImportPlan plan = planText(Format::Csv, csv);
    EXPECT_EQ(plan.questions.size(), 3u);
    ASSERT_EQ(plan.skipped.size(), 1u);
    EXPECT_EQ(plan.skipped[0].line, 3);
    EXPECT_EQ(plan.skipped[0].reason, "a quoted field opened on this row is never closed");

    // Quotes inside an unquoted field are text, as spreadsheets read them.
    const ImportPlan inner =
        planText(Format::Csv, std::string(header) + "He said \"hi\"?,a,b,c,d,A\n");
    ASSERT_EQ(inner.questions.size(), 1u);
    EXPECT_EQ(inner.questions[0].record.text, "He said \"hi\"?");
}

TEST(HostileInput, HugeFieldsAndRowsWithTooManyFieldsAreRefusedWithTheirSize) {
    const std::string huge(100000, 'x');
    const ImportPlan plan =
        planText(Format::Csv, std::string(header) + "\"" + huge + "\",a,b,c,d,A\r\nQ?," + huge +
                                  ",b,c,d,A\r\nWhat is 1,000?,a,b,c,d,A\r\n");
    EXPECT_TRUE(plan.questions.empty());
    ASSERT_EQ(plan.skipped.size(), 3u);
    EXPECT_EQ(plan.skipped[0].reason, "the question has 100000 characters, more than 128");
    EXPECT_EQ(plan.skipped[1].reason, "answer A has 100000 characters, more than 32");
    EXPECT_THAT(plan.skipped[2].reason, HasSubstr("the row has 7 fields but the header names 6"));

    const ImportPlan noHeader = planText(Format::Csv, "What?,x,y,z,w,B\r\n");
    ASSERT_EQ(noHeader.skipped.size(), 1u);
    EXPECT_THAT(noHeader.skipped[0].reason, HasSubstr("must name the columns"));
}

TEST(HostileInput, DeeplyNestedOrBrokenJsonIsOneReason) {
    const std::string deep = std::string(10000, '[') + std::string(10000, ']');
    const ImportPlan nested = planText(Format::OpenTdb, deep);
    EXPECT_TRUE(nested.questions.empty());
    ASSERT_EQ(nested.skipped.size(), 1u);
    EXPECT_THAT(nested.skipped[0].reason, HasSubstr("nested deeper than 64 levels"));

    for (const char* broken :
         {"{\"results\": [", "{\"results\": [{\"type\": \"multiple\"}", "\"\\ud800\"", "{\"a\" 1}",
          "[1, 2,]", "nul", "{\"results\": 5}", "{\"response_code\": 1, \"results\": []}", "42"}) {
        const ImportPlan plan = planText(Format::OpenTdb, broken);
        EXPECT_TRUE(plan.questions.empty()) << broken;
        EXPECT_EQ(plan.skipped.size(), 1u) << broken;
    }
}

TEST(HostileInput, RandomBytesInEveryFormatGiveNoQuestions) {
    std::mt19937 generator(17);
    for (Format format : {Format::Csv, Format::Tsv, Format::Aiken, Format::Gift, Format::OpenTdb,
                          Format::Moodle, Format::Xlsx, Format::Ods}) {
        for (int round = 0; round < 20; ++round) {
            std::string bytes(4096, '\0');
            for (char& c : bytes) {
                c = static_cast<char>(generator() & 0xFF);
            }
            const ImportPlan plan = planText(format, bytes);
            EXPECT_TRUE(plan.questions.empty()) << formatName(format);
        }
    }
}

TEST(HostileInput, ReasonsQuoteTheFileOnOneLineWithoutControlCharacters) {
    const ImportPlan plan = planText(
        Format::Csv, std::string(header) + "Q?,a,b,c,d,\"\x1b[2J\r\nE\"\r\n" + "R?,a,b,c,d,A\r\n" +
                         "S?,a,b,c,d,\"" + std::string(300, 'z') + "\"\r\n");
    ASSERT_EQ(plan.skipped.size(), 2u);
    EXPECT_EQ(plan.skipped[0].reason,
              "the correct answer \" [2J  E\" is not A to D, 1 to 4 or the text of one of the "
              "answers");
    EXPECT_THAT(plan.skipped[1].reason, HasSubstr("\"" + std::string(40, 'z') + "...\""));
}

TEST(HostileInput, FilesPastTheLimitAreNotRead) {
    TempFolder folder;
    const fs::path file = folder.path() / "huge.csv";
    {
        // A sparse gigabyte: nothing is read, so nothing is allocated.
        const int fd = ::open(file.c_str(), O_CREAT | O_WRONLY, 0600);
        ASSERT_GE(fd, 0);
        ASSERT_EQ(::ftruncate(fd, off_t{1} << 30), 0);
        ::close(fd);
    }
    SourceRecords records;
    std::string error;
    EXPECT_FALSE(readImportFile(file, std::nullopt, records, error));
    EXPECT_EQ(error, "the file is larger than 16 MB");
    EXPECT_FALSE(readImportFile(folder.path(), Format::Csv, records, error));
    EXPECT_FALSE(readImportFile(folder.path() / "none.csv", std::nullopt, records, error));
    EXPECT_FALSE(readImportFile(folder.path() / "notes.doc", std::nullopt, records, error));
    EXPECT_EQ(error, "the file cannot be read"); // any name: the content decides
}

} // namespace
} // namespace qv::test
