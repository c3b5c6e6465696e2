// SPDX-License-Identifier: MIT
#include "editor/ui/WidgetDump.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QGroupBox>
#include <QHeaderView>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRegularExpression>
#include <QSaveFile>
#include <QStyle>
#include <QTreeWidget>
#include <QWidget>

namespace qv {
namespace {

// Where a test clicks to reach the text: its centre on the screen, in the
// screen's pixels (the scale factor applied).
QPoint centreOf(const QWidget& widget, const QRect& rect) {
    return widget.mapToGlobal(rect.center()) * widget.devicePixelRatioF();
}

void line(QByteArray& out, const QWidget& widget, const QString& kind, const QString& text,
          bool cut, const QRect& place = {}) {
    if (text.trimmed().isEmpty()) {
        return;
    }
    const QPoint centre = centreOf(widget, place.isNull() ? widget.rect() : place);
    const QWidget* window = widget.window();
    QJsonObject record{{"window", window->windowTitle()},
                       {"class", QString::fromLatin1(widget.metaObject()->className())},
                       {"name", widget.objectName()},
                       {"kind", kind},
                       {"text", text},
                       {"cut", cut},
                       {"width", widget.width()},
                       {"height", widget.height()},
                       {"x", centre.x()},
                       {"y", centre.y()}};
    out += QJsonDocument(record).toJson(QJsonDocument::Compact);
    out += '\n';
}

// Sizes are whole pixels at a fractional scale: a pixel or two of rounding
// is not a text cut off.
constexpr int slack = 2;

// The widest line of a text as drawn, mnemonic marks left out.
int textWidth(const QWidget& widget, QString text) {
    text.remove(QRegularExpression(QStringLiteral("&(?!&)")));
    int widest = 0;
    for (const QString& part : text.split('\n')) {
        widest = std::max(widest, widget.fontMetrics().horizontalAdvance(part));
    }
    return widest;
}

void describe(QByteArray& out, const QWidget& widget) {
    if (widget.isWindow()) {
        // A window smaller than its layout needs cuts something off.
        const QSize need = widget.minimumSizeHint();
        line(out, widget, QStringLiteral("caption"), widget.windowTitle(),
             need.isValid() && (need.width() > widget.width() + slack ||
                                need.height() > widget.height() + slack));
    }
    if (const auto* label = qobject_cast<const QLabel*>(&widget)) {
        const bool cut = !label->wordWrap() && label->textFormat() != Qt::RichText &&
                         !Qt::mightBeRichText(label->text()) &&
                         textWidth(*label, label->text()) > label->contentsRect().width() + slack;
        line(out, widget, QStringLiteral("label"), label->text(), cut);
    } else if (const auto* button = qobject_cast<const QAbstractButton*>(&widget)) {
        // A push button's own size hint has a minimum width beyond its
        // text's: what counts is whether the text fits between its margins.
        const int margin = button->style()->pixelMetric(QStyle::PM_ButtonMargin, nullptr, button);
        const bool cut = qobject_cast<const QPushButton*>(button) != nullptr
                             ? textWidth(*button, button->text()) + margin > button->width()
                             : button->sizeHint().width() > button->width() + slack;
        line(out, widget, QStringLiteral("button"), button->text(), cut);
        line(out, widget, QStringLiteral("tooltip"), button->toolTip(), false);
    } else if (const auto* box = qobject_cast<const QGroupBox*>(&widget)) {
        line(out, widget, QStringLiteral("group"), box->title(),
             box->minimumSizeHint().width() > box->width() + slack);
    } else if (const auto* list = qobject_cast<const QComboBox*>(&widget)) {
        // The entry shown must fit beside the arrow; the open list is as
        // wide as its longest entry.
        const int arrow = list->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, list);
        const bool cut = textWidth(*list, list->currentText()) + arrow > list->width() + slack;
        for (int i = 0; i < list->count(); ++i) {
            line(out, widget, QStringLiteral("entry"), list->itemText(i), cut);
        }
    } else if (const auto* menu = qobject_cast<const QMenu*>(&widget)) {
        for (const QAction* action : menu->actions()) {
            line(out, widget, QStringLiteral("menu entry"), action->text(), false,
                 menu->actionGeometry(const_cast<QAction*>(action)));
        }
    } else if (const auto* bar = qobject_cast<const QMenuBar*>(&widget)) {
        // A bar too narrow for its menus hides some behind an extension.
        const bool cut = bar->sizeHint().width() > bar->width() + slack;
        for (const QAction* action : bar->actions()) {
            line(out, widget, QStringLiteral("menu"), action->text(), cut,
                 bar->actionGeometry(const_cast<QAction*>(action)));
        }
    } else if (const auto* tree = qobject_cast<const QTreeWidget*>(&widget)) {
        const QTreeWidgetItem* header = tree->headerItem();
        const QHeaderView* sections = tree->header();
        const int margin = tree->style()->pixelMetric(QStyle::PM_HeaderMargin, nullptr, tree);
        for (int c = 0; header != nullptr && c < header->columnCount(); ++c) {
            const bool cut =
                !sections->isHidden() && textWidth(*sections, header->text(c)) + 2 * margin >
                                             sections->sectionSize(c) + slack;
            line(out, widget, QStringLiteral("heading"), header->text(c), cut);
        }
    }
}

} // namespace

WidgetDump::WidgetDump(QObject* parent) : QObject(parent) {
    file_ = qEnvironmentVariable("QV_WIDGET_DUMP");
    if (file_.isEmpty()) {
        return;
    }
    connect(&timer_, &QTimer::timeout, this, &WidgetDump::write);
    timer_.start(200);
}

QByteArray WidgetDump::dump() {
    QByteArray out;
    for (const QWidget* window : QApplication::topLevelWidgets()) {
        if (!window->isVisible()) {
            continue;
        }
        describe(out, *window);
        for (const QWidget* child : window->findChildren<QWidget*>()) {
            // Texts in the fields are the user's, not the program's.
            if (child->isVisible() && !child->isWindow() &&
                qobject_cast<const QLineEdit*>(child) == nullptr) {
                describe(out, *child);
            }
        }
    }
    return out;
}

void WidgetDump::write() {
    QSaveFile file(file_);
    if (file.open(QIODevice::WriteOnly)) {
        file.write(dump());
        file.commit();
    }
}

} // namespace qv
