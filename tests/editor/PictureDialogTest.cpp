// SPDX-License-Identifier: MIT
// "Add Pic" and "Remove Pic" in the dialog: the file dialog as the user sees
// it, the file written, and the picture drawn in the client area.

#include "editor/model/ImagePictureHook.h"
#include "editor/ui/EditorDialog.h"
#include "editor/ui/NewSetDialog.h"
#include "editor/ui/PictureArea.h"
#include "editor/ui/PictureFileFilter.h"
#include "tests/editor/EditorDoubles.h"
#include "tests/editor/TestPictures.h"

#include "common/SetFile.h"

#include <QComboBox>
#include <QFileDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

namespace qv::test {
namespace {

class PictureDialogTest : public ::testing::Test {
protected:
    PictureDialogTest() {
        setsFolder = program.path() / "Resources" / "QuestionSets";
        writeFile(setsFolder / "Three" / "Three.txt", setFileOf(3));
        profile.values["Previous Question Set/Name"] = "Three";
        dialog = std::make_unique<EditorDialog>(user, hook, profile, setsFolder);
        hook.setDisplay(dialog->pictureArea());
        EXPECT_TRUE(dialog->startUp());
        dialog->show();
    }

    void click(const char* name) {
        QTest::mouseClick(dialog->findChild<QPushButton*>(name), Qt::LeftButton);
    }

    // "Add Pic", choosing `file` in the file dialog, or cancelling it when empty.
    void addPic(const std::filesystem::path& file) {
        dialog->setFileDialogRunner([this, file](QFileDialog& chooser) {
            seen = &chooser;
            inspect(chooser);
            if (file.empty()) {
                return int(QDialog::Rejected);
            }
            chooser.selectFile(QString::fromStdString(file.string()));
            return int(QDialog::Accepted);
        });
        click("addPicture");
    }

    std::function<void(QFileDialog&)> inspect = [](QFileDialog&) {};
    QFileDialog* seen = nullptr;
    TempFolder program;
    std::filesystem::path setsFolder;
    RecordingUser user;
    ImagePictureHook hook{user};
    MemoryProfile profile;
    std::unique_ptr<EditorDialog> dialog;
};

TEST_F(PictureDialogTest, AddPicOffersTheFilterAndFolderAndDrawsThePicture) {
    const std::filesystem::path shots = program.path() / "Shots";
    writeFile(shots / "Earlier.bmp", flatBmp(4, 4, {0, 0, 0}));
    profile.values["Previous Picture/Path"] = (shots / "Earlier.bmp").string();
    const std::filesystem::path chosen = shots / "Red Square.BMP";
    writeFile(chosen, flatBmp(120, 80, {230, 20, 20}));

    inspect = [&](QFileDialog& chooser) {
        EXPECT_TRUE(chooser.testOption(QFileDialog::DontUseNativeDialog));
        EXPECT_EQ(chooser.fileMode(), QFileDialog::ExistingFile);
        EXPECT_EQ(chooser.acceptMode(), QFileDialog::AcceptOpen);
        EXPECT_EQ(chooser.directory().absolutePath().toStdString(), shots.string());
        auto* types = chooser.findChild<QComboBox*>("fileTypeCombo");
        ASSERT_NE(types, nullptr);
        QStringList labels;
        for (int i = 0; i < types->count(); ++i) {
            labels.append(types->itemText(i));
        }
        // First every format the import reads, then the classic entries.
        EXPECT_EQ(labels,
                  QStringList({"All picture files (*.bmp,*.jpg,*.jpeg,*.gif,*.png,*.tif,*.tiff,"
                               "*.tga,*.pcx,*.ico,*.wbmp)",
                               "Picture files (*.bmp,*.jpg,*.gif)", "bmp files (*.bmp)",
                               "jpg files(*.jpg)", "gif files(*.gif)", "All Files (*.*)"}));
        const QStringList filters = chooser.nameFilters();
        for (const char* pattern : {"*.[pP][nN][gG]", "*.[jJ][pP][eE][gG]", "*.[wW][bB][mM][pP]"}) {
            EXPECT_TRUE(filters.front().contains(pattern)) << pattern;
        }
        EXPECT_EQ(types->currentIndex(), 0);
    };
    addPic(chosen); // the set opened on question 3
    ASSERT_NE(seen, nullptr);

    const std::filesystem::path target = setsFolder / "Three" / "pic_for_q_3.jpg";
    EXPECT_FALSE(std::filesystem::exists(target)); // the set's folder changes with Save
    EXPECT_TRUE(dialog->editor().modified());
    ASSERT_TRUE(dialog->editor().save());
    EXPECT_EQ(decodePicture(target).width, 120u);
    EXPECT_EQ(profile.values["Previous Picture/Path"], chosen.string());
    EXPECT_TRUE(user.messages.empty());
    EXPECT_EQ(dialog->pictureArea()->picture().size(), QSize(120, 80));

    // Drawn at its own size from the top-left corner of the picture area.
    const QImage shown = dialog->findChild<QWidget*>("body")->grab().toImage();
    const QPoint origin =
        dialog->pictureArea()->mapTo(dialog->findChild<QWidget*>("body"), QPoint(0, 0));
    auto colour = [&](int x, int y) {
        const QRgb p = shown.pixel(origin.x() + x - 19, origin.y() + y - 233);
        return Rgb{static_cast<std::uint8_t>(qRed(p)), static_cast<std::uint8_t>(qGreen(p)),
                   static_cast<std::uint8_t>(qBlue(p))};
    };
    EXPECT_TRUE(near(colour(19, 233), {230, 20, 20}));
    EXPECT_TRUE(near(colour(19 + 119, 233 + 79), {230, 20, 20}));
    EXPECT_FALSE(near(colour(18, 233), {230, 20, 20}, 60));
    EXPECT_FALSE(near(colour(19, 232), {230, 20, 20}, 60));
    EXPECT_FALSE(near(colour(19 + 120, 233 + 40), {230, 20, 20}, 60));
}

TEST_F(PictureDialogTest, CancelChangesNothingAndRemovePicDeletesTheFileWithSave) {
    addPic({});
    ASSERT_NE(seen, nullptr);
    EXPECT_FALSE(dialog->editor().modified());
    EXPECT_EQ(profile.writes, 0);

    writeFile(program.path() / "pic.bmp", flatBmp(30, 20, {20, 200, 20}));
    addPic(program.path() / "pic.bmp");
    const std::filesystem::path target = setsFolder / "Three" / "pic_for_q_3.jpg";
    ASSERT_TRUE(dialog->editor().save());
    ASSERT_TRUE(std::filesystem::exists(target));
    click("removePicture");
    EXPECT_TRUE(std::filesystem::exists(target));
    EXPECT_TRUE(dialog->pictureArea()->picture().isNull());
    EXPECT_TRUE(dialog->editor().modified());
    ASSERT_TRUE(dialog->editor().save());
    EXPECT_FALSE(std::filesystem::exists(target));
    EXPECT_TRUE(user.messages.empty());
}

TEST_F(PictureDialogTest, TheNameOfAnExistingSetKeepsTheNewSetDialogOpen) {
    NewSetDialog ask(
        [this](const std::string& name) { return dialog->editor().acceptSetName(name); });
    ask.show();
    QTest::keyClicks(ask.nameField(), "Three");
    QTest::mouseClick(ask.okButton(), Qt::LeftButton);
    EXPECT_TRUE(ask.isVisible());
    ASSERT_EQ(user.messages.size(), 1u);
    EXPECT_EQ(user.messages[0].title, "Invalid Name");
    EXPECT_EQ(user.messages[0].icon, MessageIcon::Information);
    ask.nameField()->setText("Four");
    QTest::mouseClick(ask.okButton(), Qt::LeftButton);
    EXPECT_FALSE(ask.isVisible());
    EXPECT_EQ(ask.name(), "Four");
}

TEST(PictureFileFilterTest, PatternsMatchAnyCaseBehindTheLabelsAsWritten) {
    EXPECT_EQ(pictureNameFilters("Picture files (*.bmp,*.jpg,*.gif)|*.bmp;*.jpg;*.gif|"
                                 "jpg files(*.jpg)|*.jpg;*.jpeg|gif files(*.gif)|*.gif;*.gif|"
                                 "All Files (*.*)|*.*|"),
              QStringList({"Picture files (*.bmp,*.jpg,*.gif) (*.[bB][mM][pP] *.[jJ][pP][gG] "
                           "*.[gG][iI][fF])",
                           "jpg files(*.jpg) (*.[jJ][pP][gG] *.[jJ][pP][eE][gG])",
                           "gif files(*.gif) (*.[gG][iI][fF])", "All Files (*.*) (*)"}));
}

} // namespace
} // namespace qv::test
