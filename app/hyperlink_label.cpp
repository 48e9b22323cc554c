#include "app/hyperlink_label.h"

#include <QMouseEvent>

namespace tumbrix {

HyperlinkLabel::HyperlinkLabel(const QString& name, QWidget* parent) : QLabel(parent) {
    setObjectName(name);
    setCursor(Qt::PointingHandCursor);
    setTextFormat(Qt::PlainText);  // captions come from web pages: never markup
    QFont f = font();
    f.setUnderline(true);
    setFont(f);
    QPalette pal = palette();
    pal.setColor(QPalette::WindowText, QColor(0, 0, 238));
    setPalette(pal);
}

void HyperlinkLabel::mouseReleaseEvent(QMouseEvent* event) {
    QLabel::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
}

}  // namespace tumbrix
