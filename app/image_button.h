#pragma once
// An image button without a caption: its picture is scaled to fit inside the
// button, keeping its proportions, and centred.
#include <QAbstractButton>
#include <QPixmap>

namespace tumbrix {

class ImageButton : public QAbstractButton {
    Q_OBJECT
  public:
    ImageButton(const QString& name, QWidget* parent);

    void set_picture(const QPixmap& picture);
    const QPixmap& picture() const { return picture_; }
    QSize sizeHint() const override;

  protected:
    void paintEvent(QPaintEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;

  private:
    QPixmap picture_;
    bool hovered_ = false;
};

}  // namespace tumbrix
