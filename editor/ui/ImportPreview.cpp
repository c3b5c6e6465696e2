// SPDX-License-Identifier: MIT
#include "editor/ui/ImportPreview.h"

#include "editor/interchange/TextInput.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace qv {
namespace {

using interchange::Role;

constexpr std::array<const char*, 15> prizes = {"100",   "200",    "300",    "500",    "1000",
                                                "2000",  "4000",   "8000",   "16000",  "32000",
                                                "64000", "125000", "250000", "500000", "1000000"};

constexpr std::array<const char*, interchange::formatCount> formatLabels = {
    QT_TRANSLATE_NOOP("qv::ImportPreview", "CSV (comma-separated)"),
    QT_TRANSLATE_NOOP("qv::ImportPreview", "TSV (tab-separated)"),
    QT_TRANSLATE_NOOP("qv::ImportPreview", "Aiken"),
    QT_TRANSLATE_NOOP("qv::ImportPreview", "GIFT"),
    QT_TRANSLATE_NOOP("qv::ImportPreview", "Open Trivia Database JSON"),
    QT_TRANSLATE_NOOP("qv::ImportPreview", "Excel workbook (.xlsx)"),
    QT_TRANSLATE_NOOP("qv::ImportPreview", "OpenDocument spreadsheet (.ods)"),
    QT_TRANSLATE_NOOP("qv::ImportPreview", "Moodle XML")};

struct ColumnChoice {
    Role role;
    const char* label;
    const char* name;
};
constexpr std::array<ColumnChoice, 8> columnChoices = {{
    {Role::Question, QT_TRANSLATE_NOOP("qv::ImportPreview", "&Question:"), "columnQuestion"},
    {Role::A, QT_TRANSLATE_NOOP("qv::ImportPreview", "Answer &A:"), "columnA"},
    {Role::B, QT_TRANSLATE_NOOP("qv::ImportPreview", "Answer &B:"), "columnB"},
    {Role::C, QT_TRANSLATE_NOOP("qv::ImportPreview", "Answer &C:"), "columnC"},
    {Role::D, QT_TRANSLATE_NOOP("qv::ImportPreview", "Answer &D:"), "columnD"},
    {Role::Correct, QT_TRANSLATE_NOOP("qv::ImportPreview", "C&orrect answer:"), "columnCorrect"},
    {Role::Rung, QT_TRANSLATE_NOOP("qv::ImportPreview", "R&ung or difficulty:"), "columnRung"},
    {Role::Picture, QT_TRANSLATE_NOOP("qv::ImportPreview", "&Picture:"), "columnPicture"},
}};

bool isSheet(interchange::Format format) {
    using interchange::Format;
    return format == Format::Csv || format == Format::Tsv || format == Format::Xlsx ||
           format == Format::Ods;
}

QString storedText(const std::string& utf8) {
    return QString::fromStdString(utf8);
}

} // namespace

ImportPreview::ImportPreview(const QString& fileName, const QString& setName,
                             interchange::Format format, Planner planner, QWidget* parent)
    : QDialog(parent), planner_(std::move(planner)), fileName_(fileName), setName_(setName) {
    setObjectName("importPreview");
    setWindowTitle(tr("Import Questions"));
    auto* layout = new QVBoxLayout(this);

    auto* choices = new QFormLayout;
    formatList_ = new QComboBox(this);
    formatList_->setObjectName("formatList");
    for (const char* label : formatLabels) {
        formatList_->addItem(tr(label));
    }
    formatList_->setCurrentIndex(static_cast<int>(format));
    choices->addRow(tr("&Format:"), formatList_);
    rungList_ = new QComboBox(this);
    rungList_->setObjectName("rungList");
    rungList_->addItem(tr("As the file says, else in turn"));
    for (const char* prize : prizes) {
        rungList_->addItem(tr("All on Difficulty: %1").arg(QString::fromLatin1(prize)));
    }
    choices->addRow(tr("&Rungs:"), rungList_);
    repeats_ = new QCheckBox(tr("Also take questions the set already &has"), this);
    repeats_->setObjectName("importRepeats");
    choices->addRow(QString(), repeats_);
    layout->addLayout(choices);

    // The mapping step: shown when a spreadsheet's header names no column
    // Setwright knows, so the user says which column holds what.
    columnsBox_ = new QGroupBox(tr("Which column holds what"), this);
    columnsBox_->setObjectName("importColumns");
    auto* grid = new QGridLayout(columnsBox_);
    for (std::size_t i = 0; i < columnChoices.size(); ++i) {
        auto* list = new QComboBox(columnsBox_);
        list->setObjectName(QString::fromLatin1(columnChoices[i].name));
        list->setSizeAdjustPolicy(QComboBox::AdjustToContents);
        auto* label = new QLabel(tr(columnChoices[i].label), columnsBox_);
        label->setBuddy(list);
        const int row = static_cast<int>(i % 4);
        const int column = static_cast<int>(i / 4) * 2;
        grid->addWidget(label, row, column);
        grid->addWidget(list, row, column + 1);
        columnLists_[i] = list;
        connect(list, &QComboBox::currentIndexChanged, this, [this] { replan(); });
    }
    columnsBox_->hide();
    layout->addWidget(columnsBox_);

    summary_ = new QLabel(this);
    summary_->setObjectName("importSummary");
    summary_->setWordWrap(true);
    layout->addWidget(summary_);
    notes_ = new QLabel(this);
    notes_->setObjectName("importNotes");
    notes_->setWordWrap(true);
    layout->addWidget(notes_);
    rungs_ = new QLabel(this);
    rungs_->setObjectName("importRungs");
    rungs_->setTextFormat(Qt::RichText);
    layout->addWidget(rungs_);
    records_ = new QTreeWidget(this);
    records_->setObjectName("importRecords");
    records_->setRootIsDecorated(false);
    records_->setUniformRowHeights(true);
    records_->setAlternatingRowColors(true);
    records_->setHeaderLabels(
        {tr("Line"), tr("Rung"), tr("Question"), tr("Right answer, or why it is skipped")});
    records_->header()->setStretchLastSection(true);
    records_->setMinimumSize(720, 220);
    layout->addWidget(records_, 1);

    auto* buttons = new QDialogButtonBox(this);
    importButton_ = buttons->addButton(tr("&Import"), QDialogButtonBox::AcceptRole);
    importButton_->setObjectName("importButton");
    importButton_->setDefault(true);
    buttons->addButton(QDialogButtonBox::Cancel)->setObjectName("cancelButton");
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);

    connect(formatList_, &QComboBox::currentIndexChanged, this, [this] {
        columnsBox_->hide();
        columnsFor_.clear();
        replan();
    });
    connect(rungList_, &QComboBox::currentIndexChanged, this, [this] { replan(); });
    connect(repeats_, &QCheckBox::toggled, this, [this] { replan(); });
    replan();
}

std::optional<interchange::ColumnMap> ImportPreview::chosenColumns() const {
    if (columnsBox_->isHidden()) {
        return std::nullopt;
    }
    interchange::ColumnMap map;
    for (std::size_t i = 0; i < columnChoices.size(); ++i) {
        map[columnChoices[i].role] = columnLists_[i]->currentIndex() - 1;
    }
    if (!interchange::mapProblem(map).empty()) {
        return std::nullopt;
    }
    return map;
}

void ImportPreview::showColumns(const std::vector<std::string>& header) {
    if (!columnsBox_->isHidden() && header == columnsFor_) {
        return;
    }
    columnsFor_ = header;
    replanning_ = true;
    for (std::size_t i = 0; i < columnChoices.size(); ++i) {
        QComboBox* list = columnLists_[i];
        list->clear();
        list->addItem(tr("(none)"));
        for (std::size_t c = 0; c < header.size() && c < 200; ++c) {
            const QString cell = QString::fromStdString(interchange::quotable(header[c], 24));
            list->addItem(QStringLiteral("%1: %2").arg(c + 1).arg(cell));
        }
        // A first guess in the order most files use: question, four
        // answers, the right one.
        const int guess =
            static_cast<int>(i) < 6 && i < header.size() ? static_cast<int>(i) + 1 : 0;
        list->setCurrentIndex(guess);
    }
    replanning_ = false;
    columnsBox_->show();
}

void ImportPreview::replan() {
    if (replanning_) {
        return;
    }
    replanning_ = true;
    Choice choice;
    choice.format = static_cast<interchange::Format>(formatList_->currentIndex());
    choice.rung = rungList_->currentIndex();
    choice.allowRepeats = repeats_->isChecked();
    choice.columns = chosenColumns();
    shown_ = planner_(choice);
    replanning_ = false;
    if (!choice.columns && isSheet(choice.format) && !shown_.report.header.empty() &&
        shown_.report.error.empty()) {
        std::string problem;
        interchange::mapOfHeader(shown_.report.header, problem);
        if (!problem.empty() && shown_.plan.questions.empty()) {
            showColumns(shown_.report.header);
            if (chosenColumns()) {
                replan();
                return;
            }
        }
    }

    const interchange::ImportPlan& plan = shown_.plan;
    const int count = static_cast<int>(plan.questions.size());
    // One of each count has a text of its own; every other count takes the
    // language's plural forms.
    const int skipped = static_cast<int>(plan.skipped.size());
    const QString added =
        count == 1
            ? tr("1 question would be added to the set \"%1\"").arg(setName_)
            : tr("%n questions would be added to the set \"%1\"", nullptr, count).arg(setName_);
    const QString left = skipped == 1 ? tr("1 record would be skipped")
                                      : tr("%n records would be skipped", nullptr, skipped);
    //: The import's summary: %1 is the file's name, %2 what would be added, %3 what skipped.
    QString summary = tr("%1: %2; %3.").arg(fileName_, added, left);
    if (!shown_.report.error.empty()) {
        summary +=
            tr(" The file cannot be read: %1.").arg(QString::fromStdString(shown_.report.error));
    }
    summary_->setText(summary);
    QStringList notes;
    for (const std::string& note : shown_.report.notes) {
        notes << QString::fromStdString(note).replace(
            0, 1, QString::fromStdString(note).left(1).toUpper());
    }
    notes_->setText(notes.join(QStringLiteral(". ")) + (notes.isEmpty() ? "" : "."));
    notes_->setVisible(!notes.isEmpty());
    // Three rows of five rungs, in columns.
    const std::array<int, 16> perRung = plan.perRung();
    QString rungs = QStringLiteral("<table cellspacing=\"0\" cellpadding=\"1\">");
    for (std::size_t rung = 1; rung <= 15; ++rung) {
        rungs += rung % 5 == 1 ? QStringLiteral("<tr>") : QString();
        rungs += QStringLiteral("<td align=\"right\">%1:</td><td width=\"48\">&nbsp;%2</td>")
                     .arg(QString::fromLatin1(prizes[rung - 1]))
                     .arg(perRung[rung]);
        rungs += rung % 5 == 0 ? QStringLiteral("</tr>") : QString();
    }
    rungs_->setText(rungs + QStringLiteral("</table>"));
    listRecords();
    importButton_->setEnabled(count > 0);
}

void ImportPreview::listRecords() {
    const interchange::ImportPlan& plan = shown_.plan;
    records_->clear();
    QList<QTreeWidgetItem*> items;
    items.reserve(static_cast<qsizetype>(plan.questions.size() + plan.skipped.size()));
    // Both lists are in file order: merged, they give the file's order.
    auto place = [](int line, int record) { return std::pair(line, record); };
    std::size_t q = 0;
    std::size_t s = 0;
    while (q < plan.questions.size() || s < plan.skipped.size()) {
        const bool takeQuestion = s >= plan.skipped.size() ||
                                  (q < plan.questions.size() &&
                                   place(plan.questions[q].line, plan.questions[q].recordIndex) <
                                       place(plan.skipped[s].line, plan.skipped[s].recordIndex));
        auto* item = new QTreeWidgetItem;
        if (takeQuestion) {
            const interchange::PlannedQuestion& question = plan.questions[q++];
            const int right = std::clamp(question.record.correctAnswer, 1, 4) - 1;
            item->setText(0, question.recordIndex > 0 ? tr("record %1").arg(question.recordIndex)
                                                      : QString::number(question.line));
            item->setText(1, QString::fromLatin1(prizes[static_cast<std::size_t>(
                                 std::clamp(question.record.value, 1, 15) - 1)]));
            item->setText(2, storedText(question.record.text));
            item->setText(
                3, QStringLiteral("%1: %2")
                       .arg(QChar('A' + right))
                       .arg(storedText(question.record.answers[static_cast<std::size_t>(right)])));
        } else {
            const interchange::Skipped& skipped = plan.skipped[s++];
            item->setText(0, QString::fromStdString(skipped.recordIndex > 0
                                                        ? skipped.where()
                                                        : std::to_string(skipped.line)));
            item->setText(1, tr("skipped"));
            item->setText(2, QString::fromStdString(skipped.question));
            item->setText(3, QString::fromStdString(skipped.reason));
            item->setForeground(1, palette().color(QPalette::Disabled, QPalette::Text));
            item->setToolTip(3, QString::fromStdString(skipped.reason));
        }
        items.append(item);
    }
    records_->addTopLevelItems(items);
    records_->resizeColumnToContents(0);
    records_->resizeColumnToContents(1);
    records_->setColumnWidth(2, std::max(records_->columnWidth(2), 340));
    // Wide enough for every heading, however long the language writes them.
    int wanted = 2 * records_->frameWidth();
    for (int c = 0; c < records_->columnCount(); ++c) {
        wanted += c + 1 < records_->columnCount() ? records_->columnWidth(c)
                                                  : records_->header()->sectionSizeHint(c);
    }
    records_->setMinimumWidth(std::max(720, wanted));
}

} // namespace qv
