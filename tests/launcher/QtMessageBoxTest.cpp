// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>

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

} // namespace
} // namespace qv
