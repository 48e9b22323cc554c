#pragma once
// A flat toolbar: buttons with a picture and the caption below it, laid out
// left to right and wrapped onto a new row where the next button does not
// fit. Every button has the same size: the one given, or else the largest
// button's own. Check buttons form one group:
// checking one unchecks the others, and the click is reported on every click,
// also on the button already checked. A separator takes an index but raises
// no click.
#include <QPixmap>
#include <QString>
#include <QWidget>
#include <vector>

class QButtonGroup;
class QToolButton;

namespace tumbrix {

class FlatToolbar : public QWidget {
    Q_OBJECT
  public:
    enum class Kind { check, plain, separator };
    struct Button {
        Kind kind = Kind::plain;
        QString caption;
        QPixmap picture;
        bool checked = false;
        bool hidden = false;
    };

    FlatToolbar(const QString& name, QSize picture_size, const std::vector<Button>& buttons,
                QWidget* parent, QSize button_size = {});

    // The button at `index`; nullptr for a separator or an index out of range.
    QToolButton* button(int index) const;
    int button_count() const { return static_cast<int>(items_.size()); }

  signals:
    void button_clicked(int index);

  protected:
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;

  private:
    void lay_out();

    std::vector<QWidget*> items_;  // one per index, separators included
    QButtonGroup* group_;
    QSize button_size_;
};

}  // namespace tumbrix
