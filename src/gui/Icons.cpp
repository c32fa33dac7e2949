#include "gui/Icons.h"

#include <QIconEngine>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

#include <functional>

namespace Icons {

namespace {

using Drawing = std::function<void(QPainter&)>;

const QColor kInk(0x30, 0x3a, 0x48);
const QColor kPaper(0xfc, 0xfc, 0xfa);
const QColor kAccent(0xe0, 0x8a, 0x1e);

// Draws on a 24 x 24 grid scaled to whatever size and density is asked for.
class DrawnIconEngine final : public QIconEngine {
public:
    explicit DrawnIconEngine(Drawing drawing) : drawing_(std::move(drawing)) {}
    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State) override {
        painter->save();
        painter->setRenderHint(QPainter::Antialiasing);
        painter->translate(rect.topLeft());
        painter->scale(rect.width() / 24.0, rect.height() / 24.0);
        if (mode == QIcon::Disabled) painter->setOpacity(0.4);
        drawing_(*painter);
        painter->restore();
    }
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        return scaledPixmap(size, mode, state, 1.0);
    }
    QPixmap scaledPixmap(const QSize& size, QIcon::Mode mode, QIcon::State state,
                         qreal scale) override {
        QPixmap pixmap(size * scale);
        pixmap.fill(Qt::transparent);
        {
            QPainter painter(&pixmap);
            paint(&painter, QRect(QPoint(0, 0), size * scale), mode, state);
        }
        pixmap.setDevicePixelRatio(scale);
        return pixmap;
    }
    QIconEngine* clone() const override { return new DrawnIconEngine(drawing_); }

private:
    Drawing drawing_;
};

QIcon Drawn(Drawing drawing) {
    return QIcon(new DrawnIconEngine(std::move(drawing)));
}

QPen Pen(const QColor& colour, double width = 1.5) {
    return QPen(colour, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

void Printer(QPainter& p) {
    p.setPen(Pen(kInk));
    p.setBrush(kPaper);
    p.drawRect(QRectF(7, 3, 10, 7)); // paper going in
    p.setBrush(QColor(0xb8, 0xc2, 0xcc));
    p.drawRoundedRect(QRectF(3, 9, 18, 9), 2, 2); // body
    p.setBrush(kPaper);
    p.drawRect(QRectF(7, 15, 10, 6)); // paper coming out
    p.setPen(Pen(kInk, 1));
    p.drawLine(QLineF(9, 17.5, 15, 17.5));
    p.setPen(Qt::NoPen);
    p.setBrush(kAccent);
    p.drawEllipse(QPointF(18, 12), 1.2, 1.2);
}

void Page(QPainter& p) {
    p.setPen(Pen(kInk));
    p.setBrush(kPaper);
    QPainterPath sheet;
    sheet.moveTo(5, 2);
    sheet.lineTo(14, 2);
    sheet.lineTo(19, 7);
    sheet.lineTo(19, 22);
    sheet.lineTo(5, 22);
    sheet.closeSubpath();
    p.drawPath(sheet);
    p.drawLine(QLineF(14, 2, 14, 7));
    p.drawLine(QLineF(14, 7, 19, 7));
}

} // namespace

QIcon Application() {
    return Drawn([](QPainter& p) {
        p.setPen(Qt::NoPen);
        p.setBrush(kInk);
        p.drawRoundedRect(QRectF(1, 1, 22, 22), 4, 4);
        // A lamp shedding light on a page: the report printer of a lighting suite.
        p.setBrush(QColor(0xff, 0xd8, 0x6a, 170));
        QPainterPath beam;
        beam.moveTo(10, 7);
        beam.lineTo(14, 7);
        beam.lineTo(20, 20);
        beam.lineTo(4, 20);
        beam.closeSubpath();
        p.drawPath(beam);
        p.setBrush(kAccent);
        p.drawRoundedRect(QRectF(8, 4, 8, 4), 1.5, 1.5);
        p.setPen(Pen(Qt::white, 2));
        p.drawLine(QLineF(7, 12, 17, 12));
        p.drawLine(QLineF(17, 12, 7, 19));
        p.drawLine(QLineF(7, 19, 17, 19));
    });
}

QIcon Customize() {
    return Drawn([](QPainter& p) {
        Page(p);
        p.setPen(Pen(kInk, 1.2));
        for (int i = 0; i < 3; ++i)
            p.drawLine(QLineF(8, 10 + 3.5 * i, 16, 10 + 3.5 * i));
        p.setPen(Pen(kAccent, 2.2));
        p.drawLine(QLineF(12, 20, 21, 11)); // a pen over the lines
        p.setPen(Pen(kInk, 1));
        p.drawLine(QLineF(11, 21, 12, 20));
    });
}

QIcon PrintSetup() {
    return Drawn([](QPainter& p) {
        Printer(p);
        p.setPen(Pen(kAccent, 1.6));
        p.setBrush(kPaper);
        p.drawEllipse(QPointF(19, 19), 3.5, 3.5);
        p.drawEllipse(QPointF(19, 19), 1.2, 1.2);
    });
}

QIcon PrintPreview() {
    return Drawn([](QPainter& p) {
        Page(p);
        p.setPen(Pen(kInk, 1));
        for (int i = 0; i < 3; ++i)
            p.drawLine(QLineF(8, 10 + 3 * i, 13, 10 + 3 * i));
        p.setPen(Pen(kAccent, 2));
        p.setBrush(QColor(255, 255, 255, 200));
        p.drawEllipse(QPointF(14, 14), 4, 4);
        p.drawLine(QLineF(17, 17, 21.5, 21.5));
    });
}

QIcon Print() {
    return Drawn(Printer);
}

QIcon About() {
    return Drawn([](QPainter& p) {
        p.setPen(Pen(kInk));
        p.setBrush(QColor(0x3d, 0x7e, 0xc8));
        p.drawEllipse(QPointF(12, 12), 10, 10);
        p.setPen(Qt::NoPen);
        p.setBrush(Qt::white);
        p.drawEllipse(QPointF(12, 7), 1.6, 1.6);
        p.drawRoundedRect(QRectF(10.6, 10, 2.8, 8), 1, 1);
    });
}

} // namespace Icons
