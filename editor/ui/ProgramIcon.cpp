// SPDX-License-Identifier: MIT
#include "editor/ui/ProgramIcon.h"

#include <QPainter>
#include <QPixmap>

namespace qv {
namespace {

// A card with a question mark: a question set being written.
QPixmap paintIcon(int size) {
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    const qreal inset = size / 16.0;
    const QRectF card(inset, inset, size - 2 * inset, size - 2 * inset);
    painter.setPen(QPen(QColor(20, 40, 110), size / 16.0));
    painter.setBrush(QColor(40, 90, 200));
    painter.drawRoundedRect(card, size / 6.0, size / 6.0);
    QFont font("Liberation Sans");
    font.setBold(true);
    font.setPixelSize(size * 3 / 4);
    painter.setFont(font);
    painter.setPen(QColor(255, 210, 60));
    painter.drawText(card, Qt::AlignCenter, "?");
    return pixmap;
}

} // namespace

QIcon programIcon() {
    QIcon icon;
    icon.addPixmap(paintIcon(16));
    icon.addPixmap(paintIcon(32));
    icon.addPixmap(paintIcon(48));
    return icon;
}

} // namespace qv
