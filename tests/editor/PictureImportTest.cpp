// SPDX-License-Identifier: MIT
// Pictures through the image module: the file "Add Pic" writes, the shrink
// message, malformed files, and picture files that keep their bytes while
// questions are shown, moved and saved.

#include "editor/image/PictureImport.h"
#include "common/SetFile.h"
#include "editor/model/EditorTexts.h"
#include "editor/model/ImagePictureHook.h"
#include "editor/model/PictureChoice.h"
#include "tests/editor/EditorDoubles.h"
#include "tests/editor/TestPictures.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <set>
#include <sys/stat.h>

namespace qv::test {
namespace {

ino_t inodeOf(const std::filesystem::path& file) {
    struct stat status {};
    return ::stat(file.c_str(), &status) == 0 ? status.st_ino : 0;
}

class RecordingDisplay : public PictureDisplay {
public:
    void showPicture(const image::Image& picture) override {
        width = picture.width;
        height = picture.height;
        ++shows;
    }
    void clearPicture() override { width = height = 0; }
    std::uint32_t width = 0;
    std::uint32_t height = 0;
    int shows = 0;
};

class PictureImportTest : public ::testing::Test {
protected:
    PictureImportTest()
        : setsFolder(Editor::setsFolderFor(program.path())),
          editor(EditorServices{user, view, hook, profile}, setsFolder) {
        std::filesystem::create_directories(setsFolder.parent_path());
        hook.setDisplay(&display);
    }

    // Opens a set of `count` complete questions; those in `withPicture` get
    // a flat picture file of their own colour.
    void openSet(int count, const std::set<int>& withPicture = {}) {
        std::vector<SetFileRecord> records(static_cast<std::size_t>(count));
        for (int i = 0; i < count; ++i) {
            records[static_cast<std::size_t>(i)] = {
                "q" + std::to_string(i), {"a", "b", "c", "d"}, 1, 1, withPicture.count(i) ? 1 : 0};
        }
        writeFile(setsFolder / "Pics" / "Pics.txt", writeSetFile(records));
        profile.values["Previous Question Set/Name"] = "Pics";
        ASSERT_TRUE(editor.startUp());
        for (int i : withPicture) {
            show(i);
            // Textured, so that encoding it anew would change its bytes.
            editor.addPicture(
                source("q" + std::to_string(i) + ".bmp", bmp24(90, 60, [i](int x, int y) {
                           return Rgb{static_cast<std::uint8_t>(x * 37 + y * 11),
                                      static_cast<std::uint8_t>(x * y + 40 * i),
                                      static_cast<std::uint8_t>(y * 53)};
                       })));
        }
        if (!withPicture.empty()) {
            ASSERT_TRUE(editor.save());
        }
        user.messages.clear();
    }

    void show(int index) {
        editor.setCurrentIndex(index);
        editor.showQuestion();
    }

    std::filesystem::path source(const std::string& name, const std::string& bytes) {
        std::filesystem::path file = program.path() / "Chosen" / name;
        writeFile(file, bytes);
        return file;
    }

    std::filesystem::path picture(int index) const {
        return setsFolder / "Pics" / pictureFileName(index);
    }

    TempFolder program;
    std::filesystem::path setsFolder;
    RecordingUser user;
    RecordingView view;
    RecordingDisplay display;
    ImagePictureHook hook{user};
    MemoryProfile profile;
    Editor editor;
};

TEST_F(PictureImportTest, AddPicWritesTheQuestionsJpegWhateverTheSourceIsCalled) {
    openSet(5);
    show(2);
    const std::filesystem::path chosen =
        source("Holiday Snap.BMP", flatBmp(200, 100, {250, 20, 20}));
    editor.addPicture(chosen);
    EXPECT_FALSE(std::filesystem::exists(picture(2))); // not before Save
    EXPECT_FALSE(editor.currentRecord()->picturePath.empty());
    EXPECT_TRUE(editor.modified());
    ASSERT_TRUE(editor.save());

    const image::Image stored = decodePicture(picture(2));
    ASSERT_FALSE(stored.empty());
    EXPECT_EQ(readFile(picture(2)).substr(0, 2), "\xff\xd8");
    EXPECT_EQ(stored.width, 200u);
    EXPECT_EQ(stored.height, 100u);
    EXPECT_TRUE(near(pixelOf(stored, 100, 50), {250, 20, 20}));
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(setsFolder / "Pics"), {}), 2);
    EXPECT_EQ(display.width, 200u);
    EXPECT_TRUE(user.messages.empty());
    EXPECT_FALSE(editor.modified());
    // No "holiday snap.bmp" beside it, so the path is remembered as chosen.
    EXPECT_EQ(editor.previousPicturePath(), chosen);
}

TEST_F(PictureImportTest, OneAndEightBitPicturesAreStoredAs24BitJpegs) {
    openSet(1);
    const std::vector<Rgb> palette = {{0, 0, 0}, {255, 255, 255}, {230, 30, 30}, {30, 30, 230}};
    const std::string oneBit =
        bmpIndexed(64, 32, 1, {{0, 0, 0}, {255, 255, 255}}, [](int x, int) { return x < 32; });
    const std::string eightBit =
        bmpIndexed(64, 32, 8, palette, [](int x, int) { return x < 32 ? 2 : 3; });
    struct Case {
        const char* name;
        const std::string& bytes;
        Rgb left;
        Rgb right;
    };
    for (const Case& c : {Case{"mono.bmp", oneBit, {255, 255, 255}, {0, 0, 0}},
                          Case{"palette.bmp", eightBit, {230, 30, 30}, {30, 30, 230}}}) {
        ASSERT_EQ(decodePicture(source(c.name, c.bytes)).bitsPerPixel, c.name[0] == 'm' ? 1 : 8);
        editor.addPicture(program.path() / "Chosen" / c.name);
        ASSERT_TRUE(editor.save());
        const image::Image stored = decodePicture(picture(0));
        const std::string bytes = readFile(picture(0));
        EXPECT_TRUE(image::readStoredPicture(std::span<const std::uint8_t>(
            reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size())))
            << c.name;
        EXPECT_EQ(stored.bitsPerPixel, 24) << c.name;
        EXPECT_TRUE(near(pixelOf(stored, 8, 16), c.left)) << c.name;
        EXPECT_TRUE(near(pixelOf(stored, 56, 16), c.right)) << c.name;
    }
    EXPECT_TRUE(user.messages.empty());
}

TEST_F(PictureImportTest, ALargePictureShrinksWithOneMessageAndAnExactFitWithNone) {
    openSet(1);
    editor.addPicture(source("exact.bmp", flatBmp(680, 275, {90, 90, 90})));
    ASSERT_TRUE(editor.save());
    EXPECT_TRUE(user.messages.empty());
    EXPECT_EQ(decodePicture(picture(0)).width, 680u);

    editor.addPicture(
        source("big.bmp", bmp24(1000, 600, [](int x, int y) {
                   return Rgb{static_cast<std::uint8_t>(x), static_cast<std::uint8_t>(y), 128};
               })));
    ASSERT_TRUE(editor.save());
    const image::Image stored = decodePicture(picture(0));
    EXPECT_EQ(stored.width, 458u);
    EXPECT_EQ(stored.height, 275u);
    EXPECT_EQ(display.width, 458u);
    ASSERT_EQ(user.messages.size(), 1u);
    EXPECT_EQ(user.messages[0].text, "This image's dimensions are too large for Quizvale. "
                                     "Therefore a resized version will be calculated");
    EXPECT_EQ(user.messages[0].title, "Image Too Large");
    EXPECT_EQ(user.messages[0].icon, MessageIcon::Information);
}

TEST_F(PictureImportTest, MalformedFilesGiveImageNotUsedAndNothingElse) {
    const char* sourceDir = std::getenv("QV_SOURCE_DIR");
    ASSERT_NE(sourceDir, nullptr);
    const std::filesystem::path crashers = std::filesystem::path(sourceDir) / "tests/data/crashers";
    openSet(2, {0});
    show(1);
    int tried = 0;
    for (const auto& entry : std::filesystem::directory_iterator(crashers)) {
        if (entry.path().extension() == ".md") {
            continue;
        }
        ++tried;
        user.messages.clear();
        editor.addPicture(entry.path());
        ASSERT_EQ(user.titles(), std::vector<std::string>{"Image Not Used"}) << entry.path();
        EXPECT_EQ(user.messages[0].text, "Error. Image could not be used");
        EXPECT_FALSE(std::filesystem::exists(picture(1))) << entry.path();
        EXPECT_TRUE(editor.currentRecord()->picturePath.empty());
        EXPECT_TRUE(hook.shownPicture().empty());
        EXPECT_EQ(display.width, 0u);
    }
    EXPECT_GE(tried, 20);
    // The other question's picture came to no harm.
    EXPECT_FALSE(decodePicture(picture(0)).empty());
}

TEST_F(PictureImportTest, AQuestionShownTenTimesKeepsItsPictureFile) {
    openSet(3, {0, 2});
    // A picture file written by another program is shown, and kept as it is.
    std::filesystem::remove(picture(2));
    writeFile(picture(2), flatBmp(50, 40, {10, 90, 200}));
    ASSERT_TRUE(editor.loadSet());
    const std::string first = readFile(picture(0));
    const ino_t firstInode = inodeOf(picture(0));
    show(1);
    for (int i = 0; i < 10; ++i) {
        show(0);
        EXPECT_TRUE(hook.keptSourceBytes());
        show(2);
        EXPECT_EQ(display.width, 50u);
        QuestionFields fields = editor.fields();
        fields.text = "edit " + std::to_string(i);
        editor.storeFields(fields);
        ASSERT_TRUE(editor.save());
    }
    EXPECT_EQ(readFile(picture(0)), first);
    EXPECT_EQ(inodeOf(picture(0)), firstInode); // not even copied
    EXPECT_EQ(readFile(picture(2)), flatBmp(50, 40, {10, 90, 200}));
    EXPECT_TRUE(user.messages.empty());
}

TEST_F(PictureImportTest, DeletingAQuestionMovesLaterPicturesBytesUnchanged) {
    openSet(4, {0, 1, 3});
    const std::string second = readFile(picture(1));
    const std::string fourth = readFile(picture(3));
    const std::string first = readFile(picture(0));
    show(0);
    editor.deleteQuestion();
    // Nothing moves before Save.
    EXPECT_EQ(readFile(picture(0)), first);
    EXPECT_EQ(readFile(picture(1)), second);
    ASSERT_TRUE(editor.save());
    EXPECT_FALSE(std::filesystem::exists(picture(1)));
    EXPECT_FALSE(std::filesystem::exists(picture(3)));
    EXPECT_EQ(readFile(picture(0)), second);
    EXPECT_EQ(readFile(picture(2)), fourth);
    SetFileContents saved =
        readSetFile(readFile(setsFolder / "Pics" / "Pics.txt"), LineEnds::CrOnly, 0);
    ASSERT_EQ(saved.records.size(), 3u);
    EXPECT_EQ(saved.records[0].pictureFlag, 1);
    EXPECT_EQ(saved.records[1].pictureFlag, 0);
    EXPECT_EQ(saved.records[2].pictureFlag, 1);
    EXPECT_TRUE(user.messages.empty());
}

TEST(PictureChoiceTest, TheLowerCasedPathIsKeptOnlyWhereItNamesTheSameFile) {
    TempFolder folder;
    const std::filesystem::path chosen = folder.path() / "Trips" / "Beach.JPG";
    writeFile(chosen, "photo");
    EXPECT_EQ(lowerCasedPictureChoice(chosen), chosen);
    // Another file under the lower-cased name is not the one chosen.
    writeFile(folder.path() / "Trips" / "beach.jpg", "another photo");
    EXPECT_EQ(lowerCasedPictureChoice(chosen), chosen);
    // The same file under both names (a folder link) may be remembered in lower case.
    std::filesystem::create_directory_symlink(folder.path() / "Trips", folder.path() / "trips");
    std::filesystem::remove(folder.path() / "Trips" / "beach.jpg");
    std::filesystem::create_hard_link(chosen, folder.path() / "Trips" / "beach.jpg");
    EXPECT_EQ(lowerCasedPictureChoice(chosen), folder.path() / "trips" / "beach.jpg");
}

} // namespace
} // namespace qv::test
