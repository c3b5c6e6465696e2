// SPDX-License-Identifier: MIT
// Setwright's command line as people run it: a copy of the program in a
// folder of its own, no display, no Qt platform named; what it prints, its
// exit codes and the sets it leaves.

#include "common/Utf16.h"
#include "tests/editor/EditorDoubles.h"
#include "tests/editor/TestPictures.h"
#include "tests/interchange/InterchangeTestFiles.h"

#include <csignal>
#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace qv::test {
namespace {

namespace fs = std::filesystem;
using ::testing::ElementsAre;
using ::testing::HasSubstr;
using ::testing::Not;
using ::testing::StartsWith;

struct Outcome {
    int code = -1;
    std::string out;
    std::string err;
};

std::string quoted(const std::string& text) {
    std::string out = "'";
    for (char c : text) {
        out += c == '\'' ? std::string("'\\''") : std::string(1, c);
    }
    return out + "'";
}

class SetwrightCommandLine : public ::testing::Test {
protected:
    SetwrightCommandLine()
        : product(folder.path() / "product"), sets(product / "Resources" / "QuestionSets") {
        fs::create_directories(sets);
        fs::copy_file(QV_SETWRIGHT, product / "Setwright");
        fs::permissions(product / "Setwright", fs::perms::owner_all, fs::perm_options::add);
    }

    // Runs Setwright in `folder` with these arguments and no display at all.
    Outcome setwright(const std::vector<std::string>& args) {
        std::string command = "cd " + quoted(folder.path().string()) +
                              " && env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM"
                              " XDG_CONFIG_HOME=" +
                              quoted((folder.path() / "config").string()) +
                              " XDG_DATA_HOME=" + quoted((folder.path() / "data").string()) + " " +
                              quoted((product / "Setwright").string());
        for (const std::string& arg : args) {
            command += ' ';
            command += quoted(arg);
        }
        command += " >out.txt 2>err.txt";
        const int status = std::system(command.c_str());
        Outcome run;
        run.code = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
        run.out = readFile(folder.path() / "out.txt");
        run.err = readFile(folder.path() / "err.txt");
        return run;
    }

    void file(const std::string& name, const std::string& bytes) {
        writeFile(folder.path() / name, bytes);
    }

    std::vector<std::string> setsFolderNames() const {
        std::vector<std::string> names;
        for (const auto& entry : fs::directory_iterator(sets)) {
            names.push_back(entry.path().filename().string());
        }
        std::sort(names.begin(), names.end());
        return names;
    }

    TempFolder folder;
    fs::path product;
    fs::path sets;
};

TEST_F(SetwrightCommandLine, ExportThenImportGivesTheSameSetFileAndPicturesByteForByte) {
    file("pics/wide.bmp", flatBmp(1024, 768, {30, 90, 200}));
    file("pics/small.bmp", bmpIndexed(40, 40, 8, {{0, 0, 0}, {250, 250, 0}},
                                      [](int x, int y) { return (x / 8 + y / 8) % 2; }));
    std::string rows = "\xEF\xBB\xBFQuestion,A,B,C,D,Correct,Rung,Picture\r\n";
    rows += "\"Which colour, of these?\",Blue,Red,\"\"\"Green\"\"\",Grey,A,3,pics/wide.bmp\r\n";
    rows += "Caf\xC3\xA9 or th\xC3\xA9 \xE2\x80\x93 which is French?,Both,Neither,Caf\xC3\xA9,"
            "Th\xC3\xA9,A,hard,\r\n";
    rows += "Which pattern is shown?,Stripes,Checks,Dots,Plain,B,,pics/small.bmp\r\n";
    for (int i = 0; i < 12; ++i) {
        rows += "Question number " + std::to_string(i) + "?,a,b,c,d," + "ABCD"[i % 4] + ",,\r\n";
    }
    file("original.csv", rows);
    const Outcome imported = setwright({"--import", "original.csv", "--set", "Original"});
    EXPECT_EQ(imported.code, 0) << imported.err;
    EXPECT_EQ(imported.out, "imported 15 questions, skipped 0 (read as csv)\n");
    EXPECT_EQ(imported.err, "");

    fs::create_directories(folder.path() / "shared");
    const Outcome exported = setwright({"--export", "Original", "--to", "shared/night.csv"});
    EXPECT_EQ(exported.code, 0) << exported.err;
    EXPECT_EQ(exported.out, "exported 15 questions to shared/night.csv\n");
    const Outcome again = setwright({"--import", "shared/night.csv", "--set", "Copy"});
    EXPECT_EQ(again.code, 0) << again.err;

    const std::string original = readFile(sets / "Original" / "Original.txt");
    EXPECT_EQ(readFile(sets / "Copy" / "Copy.txt"), original);
    EXPECT_THAT(original, HasSubstr("\r\nCaf\xE9 or th\xE9 \x96 which is French?\r\n"));
    for (const char* picture : {"pic_for_q_1.jpg", "pic_for_q_3.jpg"}) {
        const std::string bytes = readFile(sets / "Original" / picture);
        EXPECT_FALSE(bytes.empty());
        EXPECT_EQ(readFile(sets / "Copy" / picture), bytes) << picture;
    }
    EXPECT_EQ(decodePicture(sets / "Copy" / "pic_for_q_1.jpg").width, 366u);
    EXPECT_FALSE(fs::exists(sets / "Copy" / "pic_for_q_2.jpg"));
    EXPECT_THAT(setsFolderNames(), ElementsAre("Copy", "Original"));
}

// "Ελληνικά": a set named in Greek.
const std::string greekName = "\xCE\x95\xCE\xBB\xCE\xBB\xCE\xB7\xCE\xBD\xCE\xB9\xCE\xBA\xCE\xAC";
const std::string athens = "\xCE\x91\xCE\xB8\xCE\xAE\xCE\xBD\xCE\xB1";
const std::string julia = "\xD0\xAE\xD0\xBB\xD0\xB8\xD1\x8F";

// UTF-16 of the byte order asked, with its byte-order mark.
std::string utf16Of(const std::string& utf8, bool bigEndian) {
    std::u16string text;
    EXPECT_TRUE(utf16FromUtf8(utf8, text));
    std::string bytes = bigEndian ? "\xFE\xFF" : "\xFF\xFE";
    for (char16_t unit : text) {
        const char high = static_cast<char>(unit >> 8);
        const char low = static_cast<char>(unit & 0xFF);
        bytes += bigEndian ? std::string{high, low} : std::string{low, high};
    }
    return bytes;
}

TEST_F(SetwrightCommandLine, AnyScriptRoundTripsThroughImportAndExport) {
    // Greek, Cyrillic, Polish, Chinese and an emoji, 32 characters of Greek in
    // one answer (64 bytes), from UTF-8 and from UTF-16 of either byte order.
    std::string greek32;
    for (int i = 0; i < 32; ++i) {
        greek32 += "\xCE\xB1";
    }
    std::string rows = "question,a,b,c,d,correct,rung\r\n";
    rows += athens + ";," + julia +
            ",\xC5\x81\xC3\xB3"
            "d\xC5\xBA,\xE4\xB8\xAD,\xF0\x9F\x98\x80,A,1\r\n";
    rows += "Long?," + greek32 + ",b,c,d,B,2\r\n";
    rows += "Too long?," + greek32 + "\xCE\xB1,b,c,d,B,2\r\n";
    file("any.csv", "\xEF\xBB\xBF" + rows);
    file("little.txt", utf16Of(rows, false));
    file("big.txt", utf16Of(rows, true));

    const Outcome imported = setwright({"--import", "any.csv", "--set", greekName});
    EXPECT_EQ(imported.code, 1) << imported.err;
    EXPECT_EQ(imported.out, "imported 2 questions, skipped 1 (read as csv)\n");
    EXPECT_EQ(imported.err, "any.csv:4: answer A has 33 characters, more than 32\n");
    const std::string setFile = readFile(sets / greekName / (greekName + ".txt"));
    EXPECT_EQ(setFile.substr(0, 3), "\xEF\xBB\xBF") << "a set beyond Windows-1252 is UTF-8";
    EXPECT_THAT(setFile, HasSubstr("\r\n" + athens + ";\r\n" + julia + "\r\n"));

    for (const char* source : {"little.txt", "big.txt"}) {
        const Outcome wide = setwright(
            {"--import", source, "--format", "csv", "--set", std::string("From ") + source});
        EXPECT_EQ(wide.code, 1) << source << wide.err;
        EXPECT_EQ(readFile(sets / (std::string("From ") + source) /
                           (std::string("From ") + source + ".txt")),
                  setFile)
            << source;
    }

    const Outcome exported = setwright({"--export", greekName, "--to", "out.csv"});
    EXPECT_EQ(exported.code, 0) << exported.err;
    const std::string csv = readFile(folder.path() / "out.csv");
    EXPECT_EQ(csv.substr(0, 3), "\xEF\xBB\xBF");
    EXPECT_THAT(csv, HasSubstr(athens + ";," + julia));
    const Outcome again = setwright({"--import", "out.csv", "--set", "Copy"});
    EXPECT_EQ(again.code, 0) << again.err;
    EXPECT_EQ(readFile(sets / "Copy" / "Copy.txt"), setFile);
    const Outcome check = setwright({"--check", greekName});
    EXPECT_THAT(check.out, HasSubstr("total: 2\n"));
    EXPECT_THAT(check.out, Not(HasSubstr("characters, more than")));
}

TEST_F(SetwrightCommandLine, DamagedTextIsNamedByFileAndLineAndBrokenEncodingsAreRefused) {
    fs::create_directories(sets / "Damaged");
    const fs::path damaged = sets / "Damaged" / "Damaged.txt";
    writeFile(damaged, "\xEF\xBB\xBF"
                       "2\r\n\r\nq\xFF\r\na\r\nb\r\nc\r\nd\r\n1\r\n1\r\n0\r\n"
                       "\r\nfine\r\na\r\nb\r\nc\r\nd\xC3\r\n1\r\n1\r\n0\r\n");
    const Outcome check = setwright({"--check", "Damaged"});
    EXPECT_EQ(check.code, 1);
    EXPECT_THAT(check.out, HasSubstr("total: 2\n"));
    EXPECT_THAT(check.out,
                HasSubstr(damaged.string() + ":3: bytes that are not UTF-8, read as U+FFFD\n" +
                          damaged.string() + ":16: bytes that are not UTF-8"));

    fs::create_directories(sets / "Mark");
    writeFile(sets / "Mark" / "Mark.txt", "\xEF\xBB\xBF");
    const Outcome mark = setwright({"--check", "Mark"});
    EXPECT_EQ(mark.code, 2);
    EXPECT_THAT(mark.err, HasSubstr("holds only a byte-order mark"));

    file("odd.csv", std::string("\xFF\xFEq\0,\0a", 7));
    file("bom.csv", "\xEF\xBB\xBF");
    file("bad.csv", "\xEF\xBB\xBFq,a,b,c,d,A\r\nq\xE9,a,b,c,d,A\r\n");
    const std::vector<std::pair<const char*, const char*>> refused = {
        {"odd.csv", "odd.csv: the file is UTF-16 (little-endian, by its byte-order mark) but has "
                    "an odd number of bytes"},
        {"bom.csv", "bom.csv: the file holds only a byte-order mark and no text"},
        {"bad.csv", "bad.csv: the file starts with a UTF-8 byte-order mark but line 2 holds bytes "
                    "that are not UTF-8"},
    };
    for (const auto& [name, reason] : refused) {
        const Outcome run = setwright({"--import", name, "--set", "Refused"});
        EXPECT_EQ(run.code, 2) << name;
        EXPECT_THAT(run.err, HasSubstr(reason)) << name;
    }
    EXPECT_FALSE(fs::exists(sets / "Refused"));
}

TEST_F(SetwrightCommandLine, SkippedRecordsAreNamedByFileAndLineAndSetTheExitCode) {
    file("mixed.csv", "question,a,b,c,d,correct\r\nGood?,a,b,c,d,A\r\nBad?,a,b,c,,A\r\n"
                      "Worse?,a,b,c,d,F\r\n");
    const Outcome mixed = setwright({"--import", "mixed.csv", "--set", "Mixed"});
    EXPECT_EQ(mixed.code, 1);
    EXPECT_EQ(mixed.out, "imported 1 questions, skipped 2 (read as csv)\n");
    EXPECT_EQ(mixed.err, "mixed.csv:3: answer D is empty\n"
                         "mixed.csv:4: the correct answer \"F\" is not A to D, 1 to 4 or the text "
                         "of one of the answers\n");

    // Nothing importable: nothing written, and the set does not exist.
    file("none.csv", "question,a,b,c,d,correct\r\nBad?,a,b,c,,A\r\n");
    const Outcome none = setwright({"--import", "none.csv", "--set", "None"});
    EXPECT_EQ(none.code, 2);
    EXPECT_EQ(none.out,
              "imported 0 questions, skipped 1: none.csv holds no question that can be imported\n");
    EXPECT_FALSE(fs::exists(sets / "None"));

    // The set exists: refused without --append, added to with it.
    file("more.csv", "question,a,b,c,d,correct,rung\r\nMore?,a,b,c,d,B,7\r\n");
    const Outcome taken = setwright({"--import", "more.csv", "--set", "Mixed"});
    EXPECT_EQ(taken.code, 2);
    EXPECT_THAT(taken.err, HasSubstr("exists already"));
    EXPECT_EQ(taken.out, "imported 0 questions, skipped 0: a question set named \"Mixed\" exists "
                         "already (--append adds to it)\n");
    const Outcome appended = setwright({"--import", "more.csv", "--set=Mixed", "--append"});
    EXPECT_EQ(appended.code, 0) << appended.err;
    EXPECT_THAT(readFile(sets / "Mixed" / "Mixed.txt"), StartsWith("2\r\n\r\nGood?\r\n"));

    // --rung and --format.
    file("aiken.dat", "One?\nA) a\nB) b\nC) c\nD) d\nANSWER: D\n");
    const Outcome aiken =
        setwright({"--import", "aiken.dat", "--set", "Fixed", "--format", "AIKEN", "--rung", "9"});
    EXPECT_EQ(aiken.code, 0) << aiken.err;
    EXPECT_EQ(readFile(sets / "Fixed" / "Fixed.txt"),
              "1\r\n\r\nOne?\r\na\r\nb\r\nc\r\nd\r\n4\r\n9\r\n0\r\n");
}

TEST_F(SetwrightCommandLine, UsageAndRefusalsWriteNothingAndExitWithTwo) {
    file("q.csv", "question,a,b,c,d,correct\r\nQ?,a,b,c,d,A\r\n");
    const std::vector<std::vector<std::string>> refused = {
        {"--import", "q.csv"},
        {"--import", "q.csv", "--set", "S", "--format", "xls"},
        {"--import", "q.csv", "--set", "S", "--rung", "16"},
        {"--import", "q.csv", "--set", "S", "--check", "S"},
        {"--import", "q.csv", "--set", "S", "--colour"},
        {"--import", "q.doc", "--set", "S"},
        {"--import", "missing.csv", "--set", "S"},
        {"--import", "q.csv", "--set", "../S"},
        {"--import", "q.csv", "--set", "A name far too long for any question set"},
        {"--export", "S"},
        {"--export", "Nothing", "--to", "x.csv"},
        {"--check", "Nothing"},
        {"--set", "S"},
    };
    for (const auto& args : refused) {
        const Outcome run = setwright(args);
        std::string line;
        for (const std::string& arg : args) {
            line += arg + " ";
        }
        EXPECT_EQ(run.code, 2) << line << run.err;
        EXPECT_THAT(run.err, StartsWith("Setwright: ")) << line;
    }
    EXPECT_TRUE(setsFolderNames().empty());
    EXPECT_FALSE(fs::exists(folder.path() / "x.csv"));
}

TEST_F(SetwrightCommandLine, CheckCountsEachRungAndListsEveryProblem) {
    std::string rows = "question,a,b,c,d,correct,rung\r\n";
    for (int rung = 1; rung <= 15; ++rung) {
        for (int n = 0; n < 9; ++n) {
            if (rung != 4) {
                rows += "Rung " + std::to_string(rung) + " question " + std::to_string(n) +
                        "?,a,b,c,d,A," + std::to_string(rung) + "\r\n";
            }
        }
    }
    file("gap.csv", rows);
    ASSERT_EQ(setwright({"--import", "gap.csv", "--set", "Gap"}).code, 0);
    const Outcome gap = setwright({"--check", "Gap"});
    EXPECT_EQ(gap.code, 1);
    EXPECT_THAT(gap.out, HasSubstr("rung 3 (300): 9\nrung 4 (500): 0\nrung 5 (1000): 9\n"));
    EXPECT_THAT(gap.out, HasSubstr("total: 126\n1 problem:\nrung 4 (500): no questions\n"));

    file(
        "fill.csv", "question,a,b,c,d,correct,rung\r\n" + [] {
            std::string more;
            for (int n = 0; n < 9; ++n) {
                more += "Filler " + std::to_string(n) + "?,a,b,c,d,B,500\r\n";
            }
            return more;
        }());
    ASSERT_EQ(setwright({"--import", "fill.csv", "--set", "Gap", "--append"}).code, 0);
    const Outcome full = setwright({"--check", "Gap"});
    EXPECT_EQ(full.code, 0) << full.out;
    EXPECT_THAT(full.out, HasSubstr("total: 135\nno problems\n"));

    // A picture flag whose file is gone.
    fs::remove(sets / "Gap" / "Gap.txt");
    writeFile(sets / "Gap" / "Gap.txt", "1\r\n\r\nQ\r\na\r\nb\r\nc\r\nd\r\n1\r\n1\r\n1\r\n");
    const Outcome picture = setwright({"--check", "Gap"});
    EXPECT_EQ(picture.code, 1);
    EXPECT_THAT(picture.out, HasSubstr("question 1: marked as having a picture, but "
                                       "pic_for_q_1.jpg is missing or not a readable picture\n"));
}

TEST_F(SetwrightCommandLine, HostileFilesGiveReasonsAndLeaveNoSetBehind) {
    std::string garbage(65536, '\0');
    unsigned state = 7;
    for (char& c : garbage) {
        state = state * 1103515245u + 12345u;
        c = static_cast<char>(state >> 24);
    }
    file("garbage.csv", garbage);
    file("garbage.gift", garbage);
    file("deep.json", std::string(10000, '[') + std::string(10000, ']'));
    file("open.csv", "question,a,b,c,d,correct\r\n\"" + std::string(100000, 'x') + "\r\n");
    {
        const int fd = ::open((folder.path() / "huge.txt").c_str(), O_CREAT | O_WRONLY, 0600);
        ASSERT_GE(fd, 0);
        ASSERT_EQ(::ftruncate(fd, off_t{1} << 30), 0);
        ::close(fd);
    }
    for (const char* name : {"garbage.csv", "garbage.gift", "deep.json", "open.csv", "huge.txt"}) {
        const Outcome run = setwright({"--import", name, "--set", "Hostile"});
        EXPECT_EQ(run.code, 2) << name << run.err;
        EXPECT_THAT(run.err, HasSubstr(name)) << name;
    }
    EXPECT_THAT(setwright({"--import", "deep.json", "--set", "Hostile"}).err,
                HasSubstr("deep.json:1: not readable as JSON: nested deeper than 64 levels"));
    EXPECT_THAT(setwright({"--import", "huge.txt", "--set", "Hostile"}).err,
                HasSubstr("the file is larger than 16 MB"));
    EXPECT_TRUE(setsFolderNames().empty());
}

TEST_F(SetwrightCommandLine, HelpListsTheCommands) {
    const Outcome help = setwright({"--help"});
    EXPECT_EQ(help.code, 0);
    for (const char* option : {"  --import FILE --set NAME ", "  --format FORMAT ",
                               "  --sheet NAME|N ", "  --columns LIST ", "  --rung N ",
                               "  --append ", "  --export NAME --to FILE ", "  --check NAME "}) {
        EXPECT_THAT(help.out, HasSubstr(option));
    }
}

TEST_F(SetwrightCommandLine, EachFormatIsKnownByItsFileName) {
    for (const char* name :
         {"questions.tsv", "aiken.txt", "every-type.gift", "opentdb.json", "windows-1252.csv"}) {
        fs::copy_file(interchangeData() / name, folder.path() / name);
        const std::string set = fs::path(name).stem().string();
        const Outcome run = setwright({"--import", name, "--set", set});
        EXPECT_LE(run.code, 1) << name << run.err;
        EXPECT_TRUE(fs::exists(sets / set / (set + ".txt"))) << name;
    }
}

TEST_F(SetwrightCommandLine, WorkbooksSheetsChosenColumnsAndTheFormatUsed) {
    if (!makeWorkbooks(folder.path())) {
        GTEST_SKIP() << "python3-openpyxl and python3-odf are needed";
    }
    const Outcome xlsx = setwright({"--import", "questions.xlsx", "--set", "Book"});
    EXPECT_EQ(xlsx.code, 1);
    EXPECT_EQ(xlsx.out, "imported 5 questions, skipped 1 (read as xlsx)\n");
    EXPECT_EQ(xlsx.err, "questions.xlsx: the column \"Time limit\" is not used\n"
                        "questions.xlsx:8: answer B is empty\n");
    const Outcome second =
        setwright({"--import", "questions.ods", "--set", "Other", "--sheet", "Other"});
    EXPECT_EQ(second.code, 0) << second.err;
    EXPECT_EQ(second.out, "imported 1 questions, skipped 0 (read as ods)\n");
    const Outcome noSheet =
        setwright({"--import", "questions.ods", "--set", "None", "--sheet", "Round 9"});
    EXPECT_EQ(noSheet.code, 2);
    EXPECT_THAT(noSheet.out, StartsWith("imported 0 questions, skipped 0: questions.ods: the "
                                        "workbook has no sheet \"Round 9\""));
    EXPECT_FALSE(fs::exists(sets / "None"));
    const Outcome bomb = setwright({"--import", "bomb.xlsx", "--set", "Bomb"});
    EXPECT_EQ(bomb.code, 2);
    EXPECT_THAT(bomb.out, HasSubstr("unpacks to more than 48 MB"));

    // Columns nothing recognises, chosen on the command line.
    file("fragen.txt", "Frage;Eins;Zwei;Drei;Vier;Richtig\r\nWie viel ist 2+2?;3;4;5;6;2\r\n");
    const Outcome unknown = setwright({"--import", "fragen.txt", "--set", "F", "--format", "csv"});
    EXPECT_EQ(unknown.code, 2);
    EXPECT_THAT(unknown.err, HasSubstr("--columns can say which columns hold them"));
    const Outcome chosen = setwright({"--import", "fragen.txt", "--set", "F", "--format", "csv",
                                      "--columns", "question=1,a=2,b=3,c=4,d=5,correct=6"});
    EXPECT_EQ(chosen.code, 0) << chosen.err;
    EXPECT_EQ(readFile(sets / "F" / "F.txt"),
              "1\r\n\r\nWie viel ist 2+2?\r\n3\r\n4\r\n5\r\n6\r\n2\r\n1\r\n0\r\n");
    const Outcome badColumns = setwright(
        {"--import", "fragen.txt", "--set", "G", "--columns", "question=1,a=2,b=3,c=4,d=5"});
    EXPECT_EQ(badColumns.code, 2);
    EXPECT_THAT(badColumns.err, HasSubstr("--columns lacks correct"));

    // GIFT saved as .txt is read as GIFT; a one-line trivia file names records.
    file("gift.txt", "::One:: Which is red? {=Ruby ~Sapphire ~Emerald ~Pearl}\n");
    const Outcome gift = setwright({"--import", "gift.txt", "--set", "Gift"});
    EXPECT_EQ(gift.out, "imported 1 questions, skipped 0 (read as gift)\n");
    file("trivia.json", "{\"response_code\":0,\"results\":[{\"type\":\"boolean\"},"
                        "{\"type\":\"multiple\",\"question\":\"Q?\",\"correct_answer\":\"a\","
                        "\"incorrect_answers\":[\"b\",\"c\"]}]}");
    const Outcome trivia = setwright({"--import", "trivia.json", "--set", "Trivia"});
    EXPECT_EQ(trivia.err, "trivia.json:record 1: a true/false question\n"
                          "trivia.json:record 2: the question has 2 wrong answers; a question "
                          "here needs three\n"
                          "Setwright: trivia.json holds no question that can be imported\n");
}

} // namespace
} // namespace qv::test

namespace qv::test {
namespace {

// Two real processes: a Setwright window (on Qt's offscreen platform, so no
// display is needed) holds a set; an import from the command line into that
// set is refused until the window is gone, and then takes over its lock.
TEST_F(SetwrightCommandLine, AnImportRefusesASetAWindowHoldsAndTakesOverAStaleLock) {
    file("two.csv", "question,a,b,c,d,correct\r\nOne?,a,b,c,d,A\r\nTwo?,a,b,c,d,B\r\n");
    file("more.csv", "question,a,b,c,d,correct\r\nThree?,a,b,c,d,C\r\nFour?,a,b,c,d,D\r\n");
    ASSERT_EQ(setwright({"--import", "two.csv", "--set", "Held"}).code, 0);
    writeFile(folder.path() / "config" / "Quizvale" / "Setwright.INI",
              "[Previous Question Set]\r\nName=Held\r\n");
    const std::string before = readFile(sets / "Held" / "Held.txt");

    const pid_t window = fork();
    ASSERT_GE(window, 0);
    if (window == 0) {
        const int null = ::open("/dev/null", O_WRONLY);
        ::dup2(null, 1);
        ::dup2(null, 2);
        ::setenv("QT_QPA_PLATFORM", "offscreen", 1);
        ::setenv("XDG_CONFIG_HOME", (folder.path() / "config").c_str(), 1);
        ::setenv("XDG_DATA_HOME", (folder.path() / "data").c_str(), 1);
        const std::string program = (product / "Setwright").string();
        ::execl(program.c_str(), program.c_str(), static_cast<char*>(nullptr));
        ::_exit(127);
    }
    const fs::path lockFile = sets / ".Held.lock";
    for (int i = 0; i < 200 && !fs::exists(lockFile); ++i) {
        ::usleep(50 * 1000);
    }
    ASSERT_TRUE(fs::exists(lockFile)) << "the window did not take the set's lock";

    const Outcome refused = setwright({"--import", "more.csv", "--set", "Held", "--append"});
    EXPECT_EQ(refused.code, 2);
    EXPECT_THAT(refused.err, HasSubstr("the set \"Held\" is open in a Setwright window (process " +
                                       std::to_string(window)));
    EXPECT_EQ(readFile(sets / "Held" / "Held.txt"), before);
    // Reading the set is no writing: export and check still work.
    EXPECT_NE(setwright({"--check", "Held"}).code, 2);

    // The window dies without giving the lock up; the next import takes it over.
    ::kill(window, SIGKILL);
    int status = 0;
    ::waitpid(window, &status, 0);
    EXPECT_TRUE(fs::exists(lockFile));
    const Outcome taken = setwright({"--import", "more.csv", "--set", "Held", "--append"});
    EXPECT_EQ(taken.code, 0) << taken.err;
    EXPECT_THAT(readFile(sets / "Held" / "Held.txt"), StartsWith("4\r\n"));
    EXPECT_FALSE(fs::exists(lockFile)) << "the import gives its lock up when it ends";
}

TEST_F(SetwrightCommandLine, AnExportIntoAMissingFolderNamesTheFolder) {
    file("one.csv", "question,a,b,c,d,correct\r\nOne?,a,b,c,d,A\r\n");
    ASSERT_EQ(setwright({"--import", "one.csv", "--set", "Lone"}).code, 0);
    const Outcome missing = setwright({"--export", "Lone", "--to", "nowhere/lone.csv"});
    EXPECT_EQ(missing.code, 2);
    EXPECT_THAT(missing.err, HasSubstr("the folder nowhere does not exist"));
    EXPECT_FALSE(fs::exists(folder.path() / "nowhere"));
}

} // namespace
} // namespace qv::test
