#pragma once
// A hyperlink label: a caption drawn as a link that reports a click. What a
// click opens is the window's business (its target address).
#include <QLabel>

namespace tumbrix {

class HyperlinkLabel : public QLabel {
    Q_OBJECT
  public:
    HyperlinkLabel(const QString& name, QWidget* parent);

  signals:
    void clicked();

  protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
};

}  // namespace tumbrix
