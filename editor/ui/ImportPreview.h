// SPDX-License-Identifier: MIT
#pragma once
// What an import would bring in, before anything changes: how many questions,
// how they spread over the rungs, and every record that would be skipped with
// its reason. The format and a rung for records without one can be changed
// here; the plan is made again each time.

#include "editor/interchange/Format.h"
#include "editor/interchange/ImportPlan.h"

#include <QDialog>

#include <functional>

class QComboBox;
class QLabel;
class QPlainTextEdit;
class QPushButton;

namespace qv {

class ImportPreview : public QDialog {
    Q_OBJECT
public:
    // Makes the plan for a format and a fixed rung (0: rungs in turn).
    using Planner = std::function<interchange::ImportPlan(interchange::Format, int rung)>;

    ImportPreview(const QString& fileName, const QString& setName, interchange::Format format,
                  Planner planner, QWidget* parent = nullptr);

    // The plan shown now: what Import brings in.
    const interchange::ImportPlan& plan() const { return plan_; }

private:
    void replan();

    Planner planner_;
    interchange::ImportPlan plan_;
    QString fileName_;
    QString setName_;
    QComboBox* formatList_ = nullptr;
    QComboBox* rungList_ = nullptr;
    QLabel* summary_ = nullptr;
    QLabel* rungs_ = nullptr;
    QPlainTextEdit* skipped_ = nullptr;
    QPushButton* importButton_ = nullptr;
};

} // namespace qv
