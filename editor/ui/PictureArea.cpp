// SPDX-License-Identifier: MIT
#include "editor/ui/PictureArea.h"

#include "editor/image/Image.h"

#include <QPainter>

#include <limits>

namespace qv {

PictureArea::PictureArea(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void PictureArea::setPicture(const QImage& picture) {
    picture_ = picture;
    update();
}

void PictureArea::showPicture(const image::Image& picture) {
    constexpr auto most = static_cast<std::uint32_t>(std::numeric_limits<int>::max());
    if (picture.empty() || picture.width > most || picture.height > most ||
        picture.stride() > most || picture.pixels.size() < picture.stride() * picture.height) {
        clearPicture();
        return;
    }
    const QImage::Format format = picture.format == image::PixelFormat::Rgba8
                                      ? QImage::Format_RGBA8888
                                      : QImage::Format_RGB888;
    // Wraps the pixels only for as long as the copy takes.
    const QImage view(picture.pixels.data(), static_cast<int>(picture.width),
                      static_cast<int>(picture.height), static_cast<qsizetype>(picture.stride()),
                      format);
    setPicture(view.copy());
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
