#include "app/flat_toolbar.h"

#include <QButtonGroup>
#include <QEvent>
#include <QFrame>
#include <QToolButton>
#include <algorithm>

namespace tumbrix {
namespace {
constexpr int kSeparatorWidth = 8;
}

FlatToolbar::FlatToolbar(const QString& name, QSize picture_size,
                         const std::vector<Button>& buttons, QWidget* parent, QSize button_size)
    : QWidget(parent), group_(new QButtonGroup(this)), button_size_(button_size) {
    setObjectName(name);
    group_->setExclusive(true);
    for (const Button& button : buttons) {
        const int index = static_cast<int>(items_.size());
        if (button.kind == Kind::separator) {
            auto* line = new QFrame(this);
            line->setFrameShape(QFrame::VLine);
            line->setFrameShadow(QFrame::Sunken);
            items_.push_back(line);
            continue;
        }
        auto* b = new QToolButton(this);
        b->setAutoRaise(true);
        b->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
        b->setIconSize(picture_size);
        b->setIcon(QIcon(button.picture));
        b->setText(button.caption);
        b->setFocusPolicy(Qt::NoFocus);
        if (button.kind == Kind::check) {
            b->setCheckable(true);
            b->setChecked(button.checked);
            group_->addButton(b);
        }
        b->setHidden(button.hidden);
        connect(b, &QToolButton::clicked, this, [this, index] { emit button_clicked(index); });
        items_.push_back(b);
    }
    lay_out();
}

QToolButton* FlatToolbar::button(int index) const {
    if (index < 0 || index >= button_count()) return nullptr;
    return qobject_cast<QToolButton*>(items_[static_cast<size_t>(index)]);
}

void FlatToolbar::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    lay_out();
}

void FlatToolbar::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::StyleChange || event->type() == QEvent::FontChange) lay_out();
}

void FlatToolbar::lay_out() {
    QSize cell = button_size_;
    if (!cell.isValid()) {
        cell = QSize(0, 0);
        for (QWidget* item : items_) {
            if (qobject_cast<QToolButton*>(item)) cell = cell.expandedTo(item->sizeHint());
        }
    }
    cell.setHeight(std::min(cell.height(), std::max(height(), 1)));
    int x = 0;
    int y = 0;
    for (QWidget* item : items_) {
        if (item->isHidden() && qobject_cast<QToolButton*>(item)) continue;
        const int w = qobject_cast<QToolButton*>(item) ? cell.width() : kSeparatorWidth;
        if (x > 0 && x + w > width()) {
            x = 0;
            y += cell.height();
        }
        item->setGeometry(x, y, w, cell.height());
        x += w;
    }
}

}  // namespace tumbrix
