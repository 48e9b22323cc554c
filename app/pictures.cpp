#include "app/pictures.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <cmath>
#include <numbers>

namespace tumbrix::pictures {
namespace {

const QColor kBlue(47, 111, 208);
const QColor kDeepBlue(24, 62, 140);
const QColor kSky(140, 196, 250);
const QColor kOrange(245, 146, 32);
const QColor kGreen(46, 160, 90);

QPixmap blank(int w, int h) {
    QPixmap pm(w, h);
    pm.fill(Qt::transparent);
    return pm;
}

void smooth(QPainter& p) {
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
}

// A cloud whose base line runs along the bottom of `r`.
QPainterPath cloud_path(const QRectF& r) {
    const qreal w = r.width();
    const qreal h = r.height();
    QPainterPath path;
    path.addRoundedRect(QRectF(r.left(), r.top() + h * 0.45, w, h * 0.55), h * 0.27, h * 0.27);
    path.addEllipse(QRectF(r.left() + w * 0.12, r.top() + h * 0.25, w * 0.40, h * 0.60));
    path.addEllipse(QRectF(r.left() + w * 0.35, r.top(), w * 0.50, h * 0.80));
    return path.simplified();
}

void draw_cloud(QPainter& p, const QRectF& r, const QColor& top, const QColor& bottom,
                const QColor& outline) {
    QLinearGradient g(r.topLeft(), r.bottomLeft());
    g.setColorAt(0, top);
    g.setColorAt(1, bottom);
    p.setPen(QPen(outline, std::max<qreal>(1.0, r.width() / 30.0)));
    p.setBrush(g);
    p.drawPath(cloud_path(r));
}

// A magnifier: the lens centred at `c` with radius `r`, the handle to the lower right.
void draw_magnifier(QPainter& p, QPointF c, qreal r, const QColor& rim) {
    const qreal d = r * 0.7071;
    QPen handle(kDeepBlue, r * 0.55, Qt::SolidLine, Qt::RoundCap);
    p.setPen(handle);
    p.drawLine(c + QPointF(d, d), c + QPointF(d * 2.3, d * 2.3));
    QRadialGradient glass(c - QPointF(r * 0.3, r * 0.3), r * 1.2);
    glass.setColorAt(0, QColor(255, 255, 255, 235));
    glass.setColorAt(1, QColor(205, 230, 255, 200));
    p.setBrush(glass);
    p.setPen(QPen(rim, r * 0.3));
    p.drawEllipse(c, r, r);
}

void draw_app_mark(QPainter& p, const QRectF& r) {
    const qreal s = r.width();
    QLinearGradient bg(r.topLeft(), r.bottomLeft());
    bg.setColorAt(0, kBlue.lighter(125));
    bg.setColorAt(1, kDeepBlue);
    p.setPen(Qt::NoPen);
    p.setBrush(bg);
    p.drawRoundedRect(r, s * 0.2, s * 0.2);
    draw_cloud(p, QRectF(r.left() + s * 0.1, r.top() + s * 0.2, s * 0.62, s * 0.42), Qt::white,
               QColor(225, 238, 255), Qt::white);
    draw_magnifier(p, QPointF(r.left() + s * 0.6, r.top() + s * 0.58), s * 0.15, kOrange);
}

}  // namespace

QIcon window_icon() {
    QIcon icon;
    for (int size : {16, 24, 32, 48, 64, 128}) {
        QPixmap pm = blank(size, size);
        QPainter p(&pm);
        smooth(p);
        draw_app_mark(p, QRectF(0.5, 0.5, size - 1.0, size - 1.0));
        p.end();
        icon.addPixmap(pm);
    }
    return icon;
}

QPixmap cloud_search() {
    QPixmap pm = blank(48, 48);
    QPainter p(&pm);
    smooth(p);
    draw_cloud(p, QRectF(2, 8, 38, 26), kSky.lighter(115), kBlue, kDeepBlue);
    draw_magnifier(p, QPointF(30, 29), 8, kOrange);
    return pm;
}

QPixmap seed_search() {
    QPixmap pm = blank(48, 48);
    QPainter p(&pm);
    smooth(p);
    // A swarm: one seed shared with the peers around it.
    const QPointF centre(24, 24);
    std::vector<QPointF> peers;
    for (int i = 0; i < 6; ++i) {
        const double a = (i * 60.0 - 90.0) * std::numbers::pi / 180.0;
        peers.emplace_back(centre.x() + 17 * std::cos(a), centre.y() + 17 * std::sin(a));
    }
    p.setPen(QPen(kGreen.darker(130), 2));
    for (size_t i = 0; i < peers.size(); ++i) {
        p.drawLine(centre, peers[i]);
        p.drawLine(peers[i], peers[(i + 1) % peers.size()]);
    }
    p.setPen(QPen(Qt::white, 1.5));
    for (const QPointF& peer : peers) {
        QRadialGradient g(peer - QPointF(1.5, 1.5), 6);
        g.setColorAt(0, kSky.lighter(120));
        g.setColorAt(1, kBlue);
        p.setBrush(g);
        p.drawEllipse(peer, 5, 5);
    }
    QRadialGradient seed(centre - QPointF(3, 3), 12);
    seed.setColorAt(0, QColor(150, 230, 150));
    seed.setColorAt(1, kGreen.darker(120));
    p.setBrush(seed);
    p.setPen(QPen(Qt::white, 2));
    p.drawEllipse(centre, 9, 9);
    // A down arrow on the seed.
    p.setPen(QPen(Qt::white, 2.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawLine(QPointF(24, 19), QPointF(24, 28));
    p.drawPolyline(QPolygonF({QPointF(20.5, 25), QPointF(24, 28.5), QPointF(27.5, 25)}));
    return pm;
}

QPixmap author_blog() {
    QPixmap pm = blank(48, 48);
    QPainter p(&pm);
    smooth(p);
    // A sheet with a folded corner and lines of writing.
    QPainterPath sheet;
    sheet.moveTo(8, 4);
    sheet.lineTo(30, 4);
    sheet.lineTo(39, 13);
    sheet.lineTo(39, 44);
    sheet.lineTo(8, 44);
    sheet.closeSubpath();
    QLinearGradient paper(0, 4, 0, 44);
    paper.setColorAt(0, Qt::white);
    paper.setColorAt(1, QColor(226, 234, 246));
    p.setBrush(paper);
    p.setPen(QPen(kDeepBlue, 1.5));
    p.drawPath(sheet);
    p.setBrush(kSky);
    p.drawPolygon(QPolygonF({QPointF(30, 4), QPointF(30, 13), QPointF(39, 13)}));
    p.setPen(QPen(kBlue, 2, Qt::SolidLine, Qt::RoundCap));
    for (int y : {19, 25, 31, 37}) p.drawLine(QPointF(13, y), QPointF(y == 37 ? 24 : 33, y));
    // A pencil across the lower right corner.
    p.save();
    p.translate(36, 34);
    p.rotate(-45);
    p.setPen(QPen(kDeepBlue, 1));
    p.setBrush(kOrange);
    p.drawRect(QRectF(-3, -14, 6, 18));
    p.setBrush(QColor(250, 222, 170));
    p.drawPolygon(QPolygonF({QPointF(-3, 4), QPointF(3, 4), QPointF(0, 10)}));
    p.setBrush(QColor(230, 120, 130));
    p.drawRect(QRectF(-3, -17, 6, 3));
    p.restore();
    return pm;
}

QPixmap source() {
    QPixmap pm = blank(15, 15);
    QPainter p(&pm);
    smooth(p);
    // A small globe: sources are places on the web.
    QRadialGradient g(QPointF(5.5, 5.5), 8);
    g.setColorAt(0, kSky.lighter(120));
    g.setColorAt(1, kBlue);
    p.setBrush(g);
    p.setPen(QPen(kDeepBlue, 1));
    p.drawEllipse(QRectF(1, 1, 13, 13));
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(255, 255, 255, 200), 0.9));
    p.drawEllipse(QRectF(4.5, 1.5, 6, 12));
    p.drawLine(QPointF(1.5, 7.5), QPointF(13.5, 7.5));
    return pm;
}

QPixmap about() {
    QPixmap pm = blank(40, 40);
    QPainter p(&pm);
    smooth(p);
    QLinearGradient body(0, 20, 0, 38);
    body.setColorAt(0, kBlue.lighter(120));
    body.setColorAt(1, kDeepBlue);
    p.setPen(Qt::NoPen);
    p.setBrush(body);
    p.drawRoundedRect(QRectF(5, 23, 26, 16), 10, 10);
    QRadialGradient head(QPointF(15, 11), 10);
    head.setColorAt(0, QColor(255, 228, 196));
    head.setColorAt(1, QColor(232, 180, 140));
    p.setBrush(head);
    p.setPen(QPen(kDeepBlue, 1));
    p.drawEllipse(QPointF(18, 13), 8, 8);
    // A badge with an "i": who made this.
    p.setBrush(kOrange);
    p.setPen(QPen(Qt::white, 1.5));
    p.drawEllipse(QPointF(31, 29), 7.5, 7.5);
    p.setPen(QPen(Qt::white, 2.2, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(31, 28), QPointF(31, 33));
    p.drawPoint(QPointF(31, 25));
    return pm;
}

QPixmap advert_placeholder() {
    QPixmap pm = blank(223, 84);
    QPainter p(&pm);
    smooth(p);
    const QRectF r(0.5, 0.5, 222, 83);
    QLinearGradient bg(r.topLeft(), r.bottomRight());
    bg.setColorAt(0, QColor(234, 243, 255));
    bg.setColorAt(1, QColor(200, 222, 250));
    p.setBrush(bg);
    p.setPen(QPen(kBlue, 1, Qt::DashLine));
    p.drawRoundedRect(r.adjusted(1, 1, -1, -1), 8, 8);
    draw_app_mark(p, QRectF(12, 18, 48, 48));
    QFont big = p.font();
    big.setPixelSize(22);
    big.setBold(true);
    p.setFont(big);
    p.setPen(kDeepBlue);
    p.drawText(QRectF(70, 14, 146, 32), Qt::AlignLeft | Qt::AlignVCenter,
               QStringLiteral(u"广告位招租"));
    QFont small = p.font();
    small.setPixelSize(12);
    small.setBold(false);
    p.setFont(small);
    p.setPen(kBlue);
    p.drawText(QRectF(70, 46, 146, 22), Qt::AlignLeft | Qt::AlignVCenter,
               QStringLiteral(u"Tumbrix 2.3 · 虚位以待"));
    return pm;
}

std::vector<QPixmap> busy_frames() {
    constexpr int kFrames = 12;
    std::vector<QPixmap> frames;
    for (int frame = 0; frame < kFrames; ++frame) {
        QPixmap pm = blank(100, 100);
        QPainter p(&pm);
        smooth(p);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(255, 255, 255, 215));
        p.drawEllipse(QRectF(4, 4, 92, 92));
        p.translate(50, 50);
        // Twelve spokes; the one of this frame is darkest and the ones behind
        // it fade, so the ring seems to turn clockwise.
        for (int spoke = 0; spoke < kFrames; ++spoke) {
            const int age = (frame - spoke + kFrames) % kFrames;
            QColor c = kBlue;
            c.setAlpha(255 - age * 18);
            p.save();
            p.rotate(spoke * 30.0);
            p.setPen(QPen(c, 7, Qt::SolidLine, Qt::RoundCap));
            p.drawLine(QPointF(0, -22), QPointF(0, -38));
            p.restore();
        }
        p.end();
        frames.push_back(pm);
    }
    return frames;
}

}  // namespace tumbrix::pictures
