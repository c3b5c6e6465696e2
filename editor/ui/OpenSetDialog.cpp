// SPDX-License-Identifier: MIT
#include "editor/ui/OpenSetDialog.h"

#include "editor/ui/FieldTextValidator.h"
#include <QGridLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace qv {

OpenSetDialog::OpenSetDialog(std::vector<SetSummary> sets, const std::string& current,
                             QWidget* parent)
    : QDialog(parent), sets_(std::move(sets)) {
    setWindowTitle(tr("Open Question Set"));
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowCloseButtonHint);
    auto* prompt = new QLabel(tr("Choose the question set to open:"), this);
    list_ = new QListWidget(this);
    list_->setObjectName("setList");
    list_->setMinimumSize(list_->fontMetrics().averageCharWidth() * 40,
                          list_->fontMetrics().height() * 12);
    for (const SetSummary& set : sets_) {
        const QString count = set.questionCount == 1
                                  ? tr("1 question")
                                  : tr("%n questions", nullptr, set.questionCount);
        //: A set in the list: %1 is its name, %2 its count of questions.
        list_->addItem(tr("%1  (%2)").arg(fieldOfUtf8(set.name), count));
        if (set.name == current) {
            list_->setCurrentRow(list_->count() - 1);
        }
    }
    if (list_->currentRow() < 0 && list_->count() > 0) {
        list_->setCurrentRow(0);
    }

    openButton_ = new QPushButton(tr("Open"), this);
    openButton_->setObjectName("openButton");
    openButton_->setDefault(true);
    openButton_->setEnabled(list_->count() > 0);
    auto* cancel = new QPushButton(tr("Cancel"), this);
    cancel->setObjectName("cancelButton");
    cancel->setAutoDefault(false);

    // The list with its prompt on the left, Open and Cancel at its top right.
    auto* layout = new QGridLayout(this);
    layout->addWidget(prompt, 0, 0);
    layout->addWidget(list_, 1, 0);
    auto* buttons = new QVBoxLayout;
    buttons->addWidget(openButton_);
    buttons->addWidget(cancel);
    buttons->addStretch(1);
    layout->addLayout(buttons, 1, 1);

    connect(openButton_, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(list_, &QListWidget::itemActivated, this, &QDialog::accept);
    list_->setFocus();
}

std::string OpenSetDialog::chosen() const {
    const int row = list_->currentRow();
    if (row < 0 || row >= static_cast<int>(sets_.size())) {
        return {};
    }
    return sets_[static_cast<std::size_t>(row)].name;
}

} // namespace qv
