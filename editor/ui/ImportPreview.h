// SPDX-License-Identifier: MIT
#pragma once
// What an import would bring in, before anything changes: how many questions,
// how they spread over the rungs, and every record of the file in order: the
// questions that come in (rung, question, right answer) and the skipped ones
// with their reasons. The format, a rung for records without one, whether
// questions the set has already may come in again and, for a spreadsheet
// whose header names no known column, which column holds what can be chosen
// here; the plan is made again each time.

#include "editor/interchange/Format.h"
#include "editor/interchange/ImportPlan.h"

#include <QDialog>

#include <array>
#include <functional>
#include <optional>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QTreeWidget;
class QPushButton;

namespace qv {

class ImportPreview : public QDialog {
    Q_OBJECT
public:
    struct Choice {
        interchange::Format format = interchange::Format::Csv;
        // 1 to 15, or 0: rungs in turn.
        int rung = 0;
        bool allowRepeats = false;
        std::optional<interchange::ColumnMap> columns;
    };
    struct Outcome {
        interchange::ImportPlan plan;
        interchange::ReadReport report;
    };
    // Makes the plan for the user's choices.
    using Planner = std::function<Outcome(const Choice&)>;

    ImportPreview(const QString& fileName, const QString& setName, interchange::Format format,
                  Planner planner, QWidget* parent = nullptr);

    // The plan shown now: what Import brings in.
    const interchange::ImportPlan& plan() const { return shown_.plan; }

private:
    void replan();
    void showColumns(const std::vector<std::string>& header);
    std::optional<interchange::ColumnMap> chosenColumns() const;
    void listRecords();

    Planner planner_;
    Outcome shown_;
    QString fileName_;
    QString setName_;
    QComboBox* formatList_ = nullptr;
    QComboBox* rungList_ = nullptr;
    QCheckBox* repeats_ = nullptr;
    QGroupBox* columnsBox_ = nullptr;
    // Question, A to D, correct, rung, picture.
    std::array<QComboBox*, 8> columnLists_{};
    std::vector<std::string> columnsFor_;
    QLabel* summary_ = nullptr;
    QLabel* notes_ = nullptr;
    QLabel* rungs_ = nullptr;
    QTreeWidget* records_ = nullptr;
    QPushButton* importButton_ = nullptr;
    bool replanning_ = false;
};

} // namespace qv
