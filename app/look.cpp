#include "app/look.h"

#include <QApplication>
#include <QStyleFactory>

namespace tumbrix {

QFont ui_font() {
    // The captions were laid out for a 12-pixel CJK font.
    QFont font(QStringLiteral(u"WenQuanYi Micro Hei"));
    font.setPixelSize(12);
    return font;
}

void apply_look() {
    if (QStyle* fusion = QStyleFactory::create(QStringLiteral(u"Fusion")))
        QApplication::setStyle(fusion);
    QApplication::setFont(ui_font());
}

}  // namespace tumbrix
