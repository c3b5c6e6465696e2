#include "editor/ui/PictureArea.h"

#include <QPainter>

namespace qv {

PictureArea::PictureArea(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void PictureArea::setPicture(const QImage& picture) {
    picture_ = picture;
    update();
}

void PictureArea::clearPicture() {
    picture_ = QImage();
    update();
}

void PictureArea::paintEvent(QPaintEvent* /*event*/) {
    if (picture_.isNull()) {
        return;
    }
    QPainter painter(this);
    painter.drawImage(QPoint(0, 0), picture_);
}

} // namespace qv
