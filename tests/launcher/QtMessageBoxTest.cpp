// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QRegularExpression>

#include <cstdlib>

#include "common/qt/QtLanguage.h"
#include "launcher/Launcher.h"
#include "launcher/QtMessageBox.h"

namespace qv {
namespace {

class QtMessageBoxTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        if (QApplication::instance() == nullptr) {
            static int argc = 1;
            static char name[] = "launcher_test";
            static char* argv[] = {name, nullptr};
            static QApplication application(argc, argv);
        }
    }
};

TEST_F(QtMessageBoxTest, BoxCarriesTitleTextAndIcon) {
    MessageRequest request;
    request.title = "DirectX9 Installation";
    request.text = "line one\n<b>line two</b>";
    request.icon = MessageIcon::Information;
    auto box = QtMessageBox::makeBox(request);
    EXPECT_EQ(box->windowTitle().toStdString(), request.title);
    // Shown as written, never read as markup.
    EXPECT_EQ(box->text().toStdString(), request.text);
    EXPECT_EQ(box->textFormat(), Qt::PlainText);
    EXPECT_EQ(box->icon(), QMessageBox::Information);
    EXPECT_EQ(box->buttons().size(), 1);
    EXPECT_EQ(QtMessageBox::answerOf(*box, box->button(QMessageBox::Ok)), MessageAnswer::Ok);

    request.icon = MessageIcon::Stop;
    EXPECT_EQ(QtMessageBox::makeBox(request)->icon(), QMessageBox::Critical);
}

TEST_F(QtMessageBoxTest, EachButtonAnswersForItself) {
    MessageRequest request;
    request.buttons = MessageButtons::YesNoDontShow;
    auto box = QtMessageBox::makeBox(request);
    ASSERT_EQ(box->buttons().size(), 3);
    EXPECT_EQ(QtMessageBox::answerOf(*box, box->button(QMessageBox::Yes)), MessageAnswer::Yes);
    EXPECT_EQ(QtMessageBox::answerOf(*box, box->button(QMessageBox::No)), MessageAnswer::No);
    int dontShow = 0;
    for (QAbstractButton* button : box->buttons()) {
        if (box->standardButton(button) == QMessageBox::NoButton) {
            EXPECT_EQ(QtMessageBox::answerOf(*box, button), MessageAnswer::DontShowAgain);
            ++dontShow;
        }
    }
    EXPECT_EQ(dontShow, 1);
    EXPECT_EQ(QtMessageBox::answerOf(*box, nullptr), MessageAnswer::Closed);

    request.buttons = MessageButtons::YesNoCancel;
    box = QtMessageBox::makeBox(request);
    ASSERT_EQ(box->buttons().size(), 3);
    EXPECT_EQ(QtMessageBox::answerOf(*box, box->button(QMessageBox::Cancel)),
              MessageAnswer::Cancel);
    EXPECT_EQ(box->escapeButton(), box->button(QMessageBox::Cancel));
}

#ifdef QV_TEST_TRANSLATIONS
// The launcher's message in the pseudo language (every letter accented): its
// title, its text and all three buttons, Qt's own Yes and No among them.
TEST_F(QtMessageBoxTest, BoxSpeaksTheSessionsLanguage) {
    ::setenv("LC_ALL", "C.UTF-8", 1);
    ::setenv("LANGUAGE", "qps", 1);
    {
        QtLanguage language("porchlight", QV_TEST_TRANSLATIONS);
        ASSERT_EQ(language.language(), "qps");
        language.install();
        MessageRequest request;
        request.title = std::string(Launcher::messageTitle);
        request.text = std::string(Launcher::missingLibraryText);
        request.buttons = MessageButtons::YesNoDontShow;
        auto box = QtMessageBox::makeBox(request);
        const QRegularExpression english(QStringLiteral("[A-Za-z]{2,}"));
        QStringList texts{box->windowTitle(), box->text()};
        for (const QAbstractButton* button : box->buttons()) {
            texts << button->text();
        }
        ASSERT_EQ(texts.size(), 5);
        for (const QString& text : texts) {
            EXPECT_TRUE(text.startsWith('[')) << text.toStdString();
            EXPECT_FALSE(english.match(text).hasMatch()) << text.toStdString();
        }
    }
    // The first language of the list that has a catalogue, unless English
    // comes first.
    ::setenv("LANGUAGE", "xx:qps", 1);
    EXPECT_EQ(QtLanguage("porchlight", QV_TEST_TRANSLATIONS).language(), "qps");
    ::setenv("LANGUAGE", "en_GB:qps", 1);
    EXPECT_EQ(QtLanguage("porchlight", QV_TEST_TRANSLATIONS).language(), "");
    // Without a catalogue for the language, the box is English as written.
    ::setenv("LANGUAGE", "xx", 1);
    {
        QtLanguage language("porchlight", QV_TEST_TRANSLATIONS);
        EXPECT_EQ(language.language(), "");
        language.install();
        MessageRequest request;
        request.title = std::string(Launcher::messageTitle);
        EXPECT_EQ(QtMessageBox::makeBox(request)->windowTitle().toStdString(),
                  "DirectX9 Installation");
    }
    ::unsetenv("LANGUAGE");
    ::unsetenv("LC_ALL");
}
#endif

} // namespace
} // namespace qv
