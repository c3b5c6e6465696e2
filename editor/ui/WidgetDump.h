// SPDX-License-Identifier: MIT
#pragma once
// For the window tests: while the program runs with QV_WIDGET_DUMP=FILE, the
// texts of every visible window (labels, buttons, menus, lists, captions) are
// written to FILE five times a second, one JSON object a line, each with whether
// the text is cut off (its widget narrower than the text needs). A test reads
// them to find texts left untranslated or too long for their place.

#include <QObject>
#include <QString>
#include <QTimer>

class QWidget;

namespace qv {

class WidgetDump : public QObject {
    Q_OBJECT
public:
    // Starts when the environment names a file; otherwise does nothing.
    explicit WidgetDump(QObject* parent = nullptr);

    // The lines for every visible window, as written.
    static QByteArray dump();

private:
    void write();

    QString file_;
    QTimer timer_;
};

} // namespace qv
