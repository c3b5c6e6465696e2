// SPDX-License-Identifier: MIT
// The real dialog over hostile set files and pictures: it shows what a file
// holds, walks it with every navigation button, takes typing and saves, and
// never crashes. Each question claims a picture, and the pictures are
// garbage, empty, a folder, a header that claims a huge image, or cut short.

#include "common/SetFile.h"
#include "editor/image/JpegWriter.h"
#include "editor/model/FilePictureHook.h"
#include "editor/ui/EditorDialog.h"
#include "tests/editor/EditorDoubles.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

#include <filesystem>
#include <random>
#include <string>
#include <vector>

namespace qv::test {
namespace {

namespace fs = std::filesystem;

// `count` whole questions, each claiming a picture.
std::string setWithPictures(int count) {
    std::vector<SetFileRecord> records;
    for (int i = 0; i < count; ++i) {
        SetFileRecord r;
        r.text = numbered("Q", i + 1) + "?";
        r.answers = {"a", "b", "c", "d"};
        r.correctAnswer = 1 + i % 4;
        r.value = 1 + i % 15;
        r.pictureFlag = 1;
        records.push_back(r);
    }
    return writeSetFile(records);
}

void writeHostilePictures(const fs::path& folder) {
    std::mt19937 random(9);
    std::string garbage(5000, '\0');
    for (char& c : garbage) {
        c = static_cast<char>(random() & 0xFF);
    }
    writeFile(folder / pictureFileName(1), garbage);
    writeFile(folder / pictureFileName(2), "");
    fs::create_directories(folder / pictureFileName(3));
    // A bitmap header of 60000 x 60000 pixels over a handful of bytes.
    std::string huge = "BM" + std::string(52, '\0');
    huge[10] = 54;
    huge[14] = 40;
    huge[18] = huge[22] = static_cast<char>(0x60);
    huge[19] = huge[23] = static_cast<char>(0xEA);
    huge[26] = 1;
    huge[28] = 24;
    writeFile(folder / pictureFileName(4), huge);
    // A real JPEG cut in the middle of its data.
    image::Image photo;
    photo.width = 200;
    photo.height = 100;
    photo.pixels.assign(std::size_t{200} * 100 * 3, 0x80);
    std::vector<std::uint8_t> jpeg;
    ASSERT_EQ(image::encodeJpeg(photo, jpeg), image::ImageError::None);
    writeFile(
        folder / pictureFileName(5),
        std::string(jpeg.begin(), jpeg.begin() + static_cast<std::ptrdiff_t>(jpeg.size() / 2)));
}

TEST(EditorDialogBadInput, ShowsWalksAndSavesWhatBrokenFilesHold) {
    const std::string good = setWithPictures(15);
    std::string longLines = good;
    longLines.insert(longLines.find("Q1?"), std::string(100000, 'x'));
    std::string nuls = good;
    for (std::size_t i = 5; i < nuls.size(); i += 11) {
        nuls[i] = '\0';
    }
    std::string lf;
    for (char c : good) {
        if (c != '\r') {
            lf += c;
        }
    }
    std::string random(8192, '\0');
    std::mt19937 generator(4);
    for (char& c : random) {
        c = static_cast<char>(generator() & 0xFF);
    }
    struct Case {
        const char* name;
        std::string bytes;
        int whole; // questions that must open, or -1 when any number may
    };
    const Case cases[] = {
        {"truncated", good.substr(0, good.size() / 2 + 3), -1},
        {"count of two billion", "2000000000" + good.substr(good.find("\r\n")), 15},
        {"lines of 100000 characters", longLines, 15},
        {"NUL bytes", nuls, -1},
        {"only LF line ends", lf, 15},
        {"random bytes", random, -1},
        {"empty", "", 0},
    };
    const char* walk[] = {"firstQuestion", "nextQuestion", "nextQuestion",
                          "nextQuestion",  "nextQuestion", "tenOn",
                          "tenBack",       "lastQuestion", "previousQuestion"};
    for (const auto& [name, bytes, whole] : cases) {
        SCOPED_TRACE(name);
        TempFolder program;
        const fs::path sets = program.path() / "Resources" / "QuestionSets";
        writeFile(sets / "Bad" / "Bad.txt", bytes);
        ASSERT_NO_FATAL_FAILURE(writeHostilePictures(sets / "Bad"));
        RecordingUser user;
        FilePictureHook pictures;
        MemoryProfile profile;
        profile.values["Previous Question Set/Name"] = "Bad";
        EditorDialog dialog(user, pictures, profile, sets);
        ASSERT_TRUE(dialog.startUp());
        dialog.show();
        if (whole >= 0) {
            EXPECT_EQ(dialog.editor().questionCount(), whole);
        }
        for (const char* button : walk) {
            auto* b = dialog.findChild<QPushButton*>(button);
            ASSERT_NE(b, nullptr) << button;
            if (b->isEnabled()) {
                QTest::mouseClick(b, Qt::LeftButton);
            }
            dialog.repaint();
        }
        auto* question = dialog.findChild<QLineEdit*>("questionField");
        ASSERT_NE(question, nullptr);
        EXPECT_LE(question->text().size(), 128);
        if (dialog.editor().questionCount() > 0) {
            QTest::keyClicks(question, "typed");
        }
        const int opened = dialog.editor().questionCount();
        QTest::mouseClick(dialog.findChild<QPushButton*>("save"), Qt::LeftButton);
        // What was shown is what was saved: it opens again the same.
        EditorDialog again(user, pictures, profile, sets);
        ASSERT_TRUE(again.startUp());
        again.show();
        EXPECT_EQ(again.editor().questionCount(), opened);
    }
}

} // namespace
} // namespace qv::test
