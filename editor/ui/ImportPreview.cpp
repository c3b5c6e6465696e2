// SPDX-License-Identifier: MIT
#include "editor/ui/ImportPreview.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include <array>

namespace qv {
namespace {

constexpr std::array<const char*, 15> prizes = {"100",   "200",    "300",    "500",    "1000",
                                                "2000",  "4000",   "8000",   "16000",  "32000",
                                                "64000", "125000", "250000", "500000", "1000000"};

constexpr std::array<const char*, 5> formatLabels = {"CSV (comma-separated)", "TSV (tab-separated)",
                                                     "Aiken", "GIFT", "Open Trivia Database JSON"};

} // namespace

ImportPreview::ImportPreview(const QString& fileName, const QString& setName,
                             interchange::Format format, Planner planner, QWidget* parent)
    : QDialog(parent), planner_(std::move(planner)), fileName_(fileName), setName_(setName) {
    setObjectName("importPreview");
    setWindowTitle(QStringLiteral("Import Questions"));
    auto* layout = new QVBoxLayout(this);

    auto* choices = new QFormLayout;
    formatList_ = new QComboBox(this);
    formatList_->setObjectName("formatList");
    for (const char* label : formatLabels) {
        formatList_->addItem(QString::fromLatin1(label));
    }
    formatList_->setCurrentIndex(static_cast<int>(format));
    choices->addRow(QStringLiteral("&Format:"), formatList_);
    rungList_ = new QComboBox(this);
    rungList_->setObjectName("rungList");
    rungList_->addItem(QStringLiteral("As the file says, else in turn"));
    for (const char* prize : prizes) {
        rungList_->addItem(QStringLiteral("All on Difficulty: %1").arg(QString::fromLatin1(prize)));
    }
    choices->addRow(QStringLiteral("&Rungs:"), rungList_);
    layout->addLayout(choices);

    summary_ = new QLabel(this);
    summary_->setObjectName("importSummary");
    summary_->setWordWrap(true);
    layout->addWidget(summary_);
    rungs_ = new QLabel(this);
    rungs_->setObjectName("importRungs");
    rungs_->setTextFormat(Qt::RichText);
    layout->addWidget(rungs_);
    skipped_ = new QPlainTextEdit(this);
    skipped_->setObjectName("importSkipped");
    skipped_->setReadOnly(true);
    skipped_->setMinimumSize(520, 160);
    layout->addWidget(skipped_);

    auto* buttons = new QDialogButtonBox(this);
    importButton_ = buttons->addButton(QStringLiteral("&Import"), QDialogButtonBox::AcceptRole);
    importButton_->setObjectName("importButton");
    importButton_->setDefault(true);
    buttons->addButton(QDialogButtonBox::Cancel)->setObjectName("cancelButton");
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);

    connect(formatList_, &QComboBox::currentIndexChanged, this, [this] { replan(); });
    connect(rungList_, &QComboBox::currentIndexChanged, this, [this] { replan(); });
    replan();
}

void ImportPreview::replan() {
    plan_ = planner_(static_cast<interchange::Format>(formatList_->currentIndex()),
                     rungList_->currentIndex());
    const int count = static_cast<int>(plan_.questions.size());
    summary_->setText(QStringLiteral("%1: %2 question%3 would be added to the set \"%4\"; %5 "
                                     "record%6 would be skipped.")
                          .arg(fileName_)
                          .arg(count)
                          .arg(count == 1 ? "" : "s")
                          .arg(setName_)
                          .arg(plan_.skipped.size())
                          .arg(plan_.skipped.size() == 1 ? "" : "s"));
    // Three rows of five rungs, in columns.
    const std::array<int, 16> perRung = plan_.perRung();
    QString rungs = QStringLiteral("<table cellspacing=\"0\" cellpadding=\"1\">");
    for (std::size_t rung = 1; rung <= 15; ++rung) {
        rungs += rung % 5 == 1 ? QStringLiteral("<tr>") : QString();
        rungs += QStringLiteral("<td align=\"right\">%1:</td><td width=\"48\">&nbsp;%2</td>")
                     .arg(QString::fromLatin1(prizes[rung - 1]))
                     .arg(perRung[rung]);
        rungs += rung % 5 == 0 ? QStringLiteral("</tr>") : QString();
    }
    rungs_->setText(rungs + QStringLiteral("</table>"));
    QString skipped;
    for (const interchange::Skipped& skip : plan_.skipped) {
        skipped +=
            QStringLiteral("line %1: %2\n").arg(skip.line).arg(QString::fromStdString(skip.reason));
    }
    skipped_->setPlainText(skipped.isEmpty() ? QStringLiteral("No record is skipped.") : skipped);
    importButton_->setEnabled(count > 0);
}

} // namespace qv
