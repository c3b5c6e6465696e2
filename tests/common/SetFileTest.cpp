// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include "common/SetFile.h"

namespace qv {
namespace {

SetFileRecord record(std::string text, int correct, int value, int picture) {
    SetFileRecord r;
    r.text = std::move(text);
    r.answers = {"Alpha", "Beta", "Gamma", "Delta"};
    r.correctAnswer = correct;
    r.value = value;
    r.pictureFlag = picture;
    return r;
}

TEST(SetFileWriter, EmptySetIsOneLine) {
    EXPECT_EQ(writeSetFile({}), "0\r\n");
    SetFileContents read = readSetFile("0\r\n", LineEnds::CrOnly, 255);
    EXPECT_EQ(read.declaredCount, 0);
    EXPECT_TRUE(read.records.empty());
    EXPECT_FALSE(read.truncated);
}

TEST(SetFileWriter, OneBareQuestionIsTenLines) {
    SetFileRecord bare;
    EXPECT_EQ(writeSetFile({bare}), "1\r\n\r\n\r\n\r\n\r\n\r\n\r\n0\r\n0\r\n0\r\n");
}

TEST(SetFileWriter, WrittenReadAndWrittenAgainIsIdentical) {
    std::vector<SetFileRecord> records = {
        record("What is 2 + 2?", 3, 1, 0),
        record("Caf\xC3\xA9 \xE2\x82\xAC \xE2\x80\x99quoted\xE2\x80\x99", 4, 15, 1),
        record("", 0, 0, 0), record("Negative?", -3, -128, 0)};
    std::string first = writeSetFile(records);
    for (LineEnds ends : {LineEnds::CrOnly, LineEnds::CrOrLf}) {
        SetFileContents read = readSetFile(first, ends, 0);
        ASSERT_EQ(read.records.size(), records.size());
        EXPECT_EQ(writeSetFile(read.records), first);
    }
}

TEST(SetFileReader, ForeignFileComesBackInPlainForm) {
    // Separator text is ignored; numbers are read as atoi reads them.
    std::string foreign = "  002junk\r\n--\r\nQ1\r\na\r\nb\r\nc\r\nd\r\n007\r\n+3\r\n 1 \r\n"
                          "x\r\nQ2\r\na\r\nb\r\nc\r\nd\r\n2\r\nabc\r\n-0\r\n";
    SetFileContents read = readSetFile(foreign, LineEnds::CrOnly, 255);
    ASSERT_EQ(read.records.size(), 2u);
    EXPECT_EQ(read.records[0].correctAnswer, 7);
    EXPECT_EQ(read.records[0].value, 3);
    EXPECT_EQ(read.records[0].pictureFlag, 1);
    EXPECT_EQ(read.records[1].value, 0);
    EXPECT_EQ(writeSetFile(read.records), "2\r\n\r\nQ1\r\na\r\nb\r\nc\r\nd\r\n7\r\n3\r\n1\r\n"
                                          "\r\nQ2\r\na\r\nb\r\nc\r\nd\r\n2\r\n0\r\n0\r\n");
}

TEST(SetFileReader, CrEatsTheNextByteAndOnlyTheEditorSplitsAtBareLf) {
    // The game's reader ends a line at CR and swallows whatever byte follows.
    std::string data = "1\r\n\r\nWhat\rXA\r\nB\r\nC\r\nD\r\n1\r\n2\r\n0";
    SetFileContents game = readSetFile(data, LineEnds::CrOnly, 255);
    ASSERT_EQ(game.records.size(), 1u);
    EXPECT_EQ(game.records[0].text, "What");
    EXPECT_EQ(game.records[0].answers[0], "A"); // the "X" after the CR was eaten
    EXPECT_EQ(game.records[0].pictureFlag, 0);
    std::string lfOnly = "1\n\nQuestion\nA\nB\nC\nD\n2\n3\n0\n";
    EXPECT_TRUE(readSetFile(lfOnly, LineEnds::CrOnly, 255).records.empty());
    SetFileContents editor = readSetFile(lfOnly, LineEnds::CrOrLf, 0);
    ASSERT_EQ(editor.records.size(), 1u);
    EXPECT_EQ(editor.records[0].text, "Question");
    EXPECT_EQ(editor.records[0].value, 3);
}

TEST(SetFileReader, HostileCountsAndTruncationYieldOnlyCompleteBlocks) {
    std::string one = writeSetFile({record("Q", 1, 1, 0)});
    std::string body = one.substr(3); // the block without its count line
    SetFileContents claimed = readSetFile("2000000000\r\n" + body, LineEnds::CrOnly, 255);
    EXPECT_EQ(claimed.declaredCount, 2000000000);
    EXPECT_EQ(claimed.records.size(), 1u);
    EXPECT_TRUE(claimed.truncated);

    EXPECT_TRUE(readSetFile("-5\r\n" + body, LineEnds::CrOnly, 255).records.empty());
    EXPECT_TRUE(readSetFile("99999999999999999999\r\n", LineEnds::CrOnly, 255).records.empty());

    // Cut in the middle of the second block: the first one stays.
    std::string two = writeSetFile({record("Q1", 1, 1, 0), record("Q2", 2, 2, 0)});
    for (std::size_t cut = 0; cut < two.size(); ++cut) {
        SetFileContents part = readSetFile(two.substr(0, cut), LineEnds::CrOnly, 255);
        EXPECT_LE(part.records.size(), 2u);
        if (!part.records.empty()) {
            EXPECT_EQ(part.records[0].text, "Q1");
        }
    }
    // The last line may lack its CR LF.
    EXPECT_EQ(readSetFile(two.substr(0, two.size() - 2), LineEnds::CrOnly, 255).records.size(), 2u);
}

TEST(SetFileReader, LongLinesAreCutToTheLimit) {
    std::string longText(100000, 'x');
    SetFileRecord r = record(longText, 1, 1, 0);
    r.answers[2] = std::string(300, 'y');
    SetFileContents read = readSetFile(writeSetFile({r}), LineEnds::CrOnly, 255);
    ASSERT_EQ(read.records.size(), 1u);
    EXPECT_EQ(read.records[0].text.size(), 255u);
    EXPECT_EQ(read.records[0].answers[2].size(), 255u);
    EXPECT_EQ(read.records[0].answers[3], "Delta");
}

// The file of a set whose every text fits Windows-1252: every byte a text
// line can hold (all but CR and LF), and the texts as UTF-8 inside.
std::string cp1252SetOfEveryByte() {
    std::string text;
    for (int b = 1; b < 256; ++b) {
        if (b != '\r' && b != '\n') {
            text += static_cast<char>(b);
        }
    }
    return "2\r\n\r\n" + text.substr(0, 120) +
           "\r\n\x80\r\n\x81\x8D\x8F\x90\x9D\r\n\xFF\r\nd\r\n1\r\n15\r\n0\r\n"
           "\r\n" +
           text.substr(120) + "\r\na\r\nb\r\nc\r\n\xE9\r\n4\r\n1\r\n1\r\n";
}

TEST(SetFileEncodings, Windows1252SetsKeepTheirBytesAndOthersBecomeUtf8AfterTheMark) {
    const std::string old = cp1252SetOfEveryByte();
    for (LineEnds ends : {LineEnds::CrOnly, LineEnds::CrOrLf}) {
        const SetFileContents read = readSetFile(old, ends, 0);
        ASSERT_EQ(read.records.size(), 2u);
        EXPECT_EQ(read.encoding, SetEncoding::Cp1252);
        EXPECT_EQ(read.records[0].answers[0], "\xE2\x82\xAC"); // the euro sign
        EXPECT_EQ(read.records[0].answers[2], "\xC3\xBF");
        EXPECT_EQ(writeSetFile(read.records), old) << "a Windows-1252 set is written byte for byte";
    }

    // One text beyond the code page makes the whole file UTF-8.
    std::vector<SetFileRecord> records = {
        record("Caf\xC3\xA9?", 1, 1, 0),
        record("\xCE\x91\xCE\xB8\xCE\xAE\xCE\xBD\xCE\xB1?", 2, 2, 1)};
    records[1].answers[3] = "\xD0\xAE\xD0\xBB\xD0\xB8\xD1\x8F \xF0\x9F\x98\x80 \xE4\xB8\xAD";
    const std::string written = writeSetFile(records);
    EXPECT_EQ(written.substr(0, 6), "\xEF\xBB\xBF"
                                    "2\r\n");
    EXPECT_NE(written.find("\r\nCaf\xC3\xA9?\r\n"), std::string::npos);
    for (LineEnds ends : {LineEnds::CrOnly, LineEnds::CrOrLf}) {
        const SetFileContents read = readSetFile(written, ends, 0);
        EXPECT_EQ(read.encoding, SetEncoding::Utf8);
        ASSERT_EQ(read.records.size(), 2u);
        EXPECT_EQ(read.records[1].text, records[1].text);
        EXPECT_EQ(read.records[1].answers[3], records[1].answers[3]);
        EXPECT_TRUE(read.damagedLines.empty());
        EXPECT_EQ(writeSetFile(read.records), written);
    }
    // Back within the code page, the set is Windows-1252 again.
    records.pop_back();
    EXPECT_EQ(writeSetFile(records).substr(0, 17), "1\r\n\r\nCaf\xE9?\r\nAlpha");
}

TEST(SetFileEncodings, BadUtf8ReadsAsReplacementsInPlaceAndNamesItsLines) {
    // The second record's question (line 12) and answer C (line 15) are damaged.
    const std::string data = "\xEF\xBB\xBF"
                             "2\r\n\r\nOK\r\na\r\nb\r\nc\r\nd\r\n1\r\n1\r\n1\r\n"
                             "\r\nBad \xE9t\xC3\r\na\r\nb\r\n\xFF\xFE\r\nd\r\n2\r\n2\r\n1\r\n";
    const SetFileContents read = readSetFile(data, LineEnds::CrOrLf, 0);
    ASSERT_EQ(read.records.size(), 2u) << "the damaged record keeps its place";
    EXPECT_EQ(read.records[1].text, "Bad \xEF\xBF\xBDt\xEF\xBF\xBD");
    EXPECT_EQ(read.records[1].answers[2], "\xEF\xBF\xBD\xEF\xBF\xBD");
    EXPECT_EQ(read.records[1].pictureFlag, 1);
    EXPECT_EQ(read.damagedLines, (std::vector<int>{12, 15}));

    const SetFileContents mark = readSetFile("\xEF\xBB\xBF", LineEnds::CrOrLf, 0);
    EXPECT_TRUE(mark.onlyByteOrderMark);
    EXPECT_TRUE(mark.records.empty());
    EXPECT_FALSE(readSetFile("0\r\n", LineEnds::CrOrLf, 0).onlyByteOrderMark);
}

TEST(SetFileEncodings, TheLimitCountsCharactersAndNeverCutsOneInTwo) {
    SetFileRecord r = record("\xCE\x91\xCE\xB8\xCE\xAE\xCE\xBD\xCE\xB1", 1, 1, 0); // 5 letters
    r.answers[0] = "ab\xF0\x9F\x98\x80\xF0\x9F\x98\x80";
    const SetFileContents read = readSetFile(writeSetFile({r}), LineEnds::CrOnly, 3);
    ASSERT_EQ(read.records.size(), 1u);
    EXPECT_EQ(read.records[0].text, "\xCE\x91\xCE\xB8\xCE\xAE");
    EXPECT_EQ(read.records[0].answers[0], "ab\xF0\x9F\x98\x80");
    EXPECT_EQ(read.records[0].answers[1], "Bet");
}

TEST(AtoiLike, FollowsTheCLibraryAndSaturates) {
    EXPECT_EQ(atoiLike(""), 0);
    EXPECT_EQ(atoiLike("abc"), 0);
    EXPECT_EQ(atoiLike(" \t 42xyz"), 42);
    EXPECT_EQ(atoiLike("-17"), -17);
    EXPECT_EQ(atoiLike("+8"), 8);
    EXPECT_EQ(atoiLike("- 8"), 0);
    EXPECT_EQ(atoiLike("2147483647"), 2147483647);
    EXPECT_EQ(atoiLike("2147483648000"), 2147483647);
    EXPECT_EQ(atoiLike("-2147483648"), -2147483647 - 1);
    EXPECT_EQ(atoiLike("-99999999999999"), -2147483647 - 1);
}

TEST(SetFilePictures, FileNameCountsFromOne) {
    EXPECT_EQ(pictureFileName(0), "pic_for_q_1.jpg");
    EXPECT_EQ(pictureFileName(9), "pic_for_q_10.jpg");
}

} // namespace
} // namespace qv
