// SPDX-License-Identifier: MIT
#pragma once
// The place in the dialog where the picture of the question shown is drawn,
// at its own size from the area's top-left corner.

#include "editor/model/PictureDisplay.h"

#include <QImage>
#include <QWidget>

namespace qv {

class PictureArea : public QWidget, public PictureDisplay {
    Q_OBJECT
public:
    explicit PictureArea(QWidget* parent = nullptr);

    void setPicture(const QImage& picture);
    const QImage& picture() const { return picture_; }

    // PictureDisplay
    void showPicture(const image::Image& picture) override;
    void clearPicture() override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QImage picture_;
};

} // namespace qv
