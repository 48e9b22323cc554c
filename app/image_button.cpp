#include "app/image_button.h"

#include <QPainter>

namespace tumbrix {

ImageButton::ImageButton(const QString& name, QWidget* parent) : QAbstractButton(parent) {
    setObjectName(name);
    setCursor(Qt::PointingHandCursor);
    setFocusPolicy(Qt::NoFocus);
}

void ImageButton::set_picture(const QPixmap& picture) {
    picture_ = picture;
    update();
}

QSize ImageButton::sizeHint() const {
    return picture_.isNull() ? QSize(32, 32) : picture_.size();
}

void ImageButton::paintEvent(QPaintEvent*) {
    QPainter p(this);
    if (!picture_.isNull()) {
        const QSize size = picture_.size().scaled(this->size(), Qt::KeepAspectRatio);
        QRect target(QPoint(0, 0), size);
        target.moveCenter(rect().center());
        if (isDown()) target.translate(1, 1);
        p.setRenderHint(QPainter::SmoothPixmapTransform);
        p.drawPixmap(target, picture_);
    }
    if (hovered_) {
        p.setPen(QPen(palette().highlight().color(), 1));
        p.drawRect(rect().adjusted(0, 0, -1, -1));
    }
}

void ImageButton::enterEvent(QEnterEvent* event) {
    hovered_ = true;
    update();
    QAbstractButton::enterEvent(event);
}

void ImageButton::leaveEvent(QEvent* event) {
    hovered_ = false;
    update();
    QAbstractButton::leaveEvent(event);
}

}  // namespace tumbrix
