#pragma once
// The busy picture: an animation of 12 frames, played only while shown.
#include <QTimer>
#include <QWidget>
#include <vector>

namespace tumbrix {

class BusyPicture : public QWidget {
    Q_OBJECT
  public:
    BusyPicture(const QString& name, std::vector<QPixmap> frames, QWidget* parent);

    int frame_count() const { return static_cast<int>(frames_.size()); }
    int current_frame() const { return current_; }
    bool playing() const { return timer_.isActive(); }

  protected:
    void paintEvent(QPaintEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

  private:
    std::vector<QPixmap> frames_;
    int current_ = 0;
    QTimer timer_;
};

}  // namespace tumbrix
