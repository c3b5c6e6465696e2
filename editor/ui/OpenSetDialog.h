// SPDX-License-Identifier: MIT
#pragma once
// "Open Question Set": the sets in the sets folder with their question
// counts; Open (or a double click, or Return) takes the one chosen.

#include "editor/model/SetListing.h"

#include <QDialog>

#include <vector>

class QListWidget;
class QPushButton;

namespace qv {

class OpenSetDialog : public QDialog {
    Q_OBJECT
public:
    // `current` is selected when it is among the sets.
    OpenSetDialog(std::vector<SetSummary> sets, const std::string& current,
                  QWidget* parent = nullptr);

    // The set chosen (UTF-8); empty when none is.
    std::string chosen() const;

    QListWidget* list() const { return list_; }
    QPushButton* openButton() const { return openButton_; }

private:
    std::vector<SetSummary> sets_;
    QListWidget* list_ = nullptr;
    QPushButton* openButton_ = nullptr;
};

} // namespace qv
