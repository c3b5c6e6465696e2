#pragma once
// The place in the dialog where the picture of the question shown is drawn,
// at its own size from the area's top-left corner.

#include <QImage>
#include <QWidget>

namespace qv {

class PictureArea : public QWidget {
    Q_OBJECT
public:
    explicit PictureArea(QWidget* parent = nullptr);

    void setPicture(const QImage& picture);
    void clearPicture();
    const QImage& picture() const { return picture_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QImage picture_;
};

} // namespace qv
