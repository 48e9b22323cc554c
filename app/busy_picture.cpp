#include "app/busy_picture.h"

#include <QPainter>

namespace tumbrix {
namespace {
constexpr int kFrameMs = 80;
}

BusyPicture::BusyPicture(const QString& name, std::vector<QPixmap> frames, QWidget* parent)
    : QWidget(parent), frames_(std::move(frames)) {
    setObjectName(name);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    timer_.setInterval(kFrameMs);
    connect(&timer_, &QTimer::timeout, this, [this] {
        if (frames_.empty()) return;
        current_ = (current_ + 1) % frame_count();
        update();
    });
}

void BusyPicture::paintEvent(QPaintEvent*) {
    if (frames_.empty()) return;
    QPainter p(this);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    // The frames are a little larger than the box; scaled, nothing is cut off.
    p.drawPixmap(rect(), frames_[static_cast<size_t>(current_)]);
}

void BusyPicture::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    timer_.start();
}

void BusyPicture::hideEvent(QHideEvent* event) {
    QWidget::hideEvent(event);
    timer_.stop();
}

}  // namespace tumbrix
