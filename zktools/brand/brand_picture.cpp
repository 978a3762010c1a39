#include "zktools/brand/brand_picture.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace {

// Drawn on a 400 x 150 design grid and scaled to the target.
constexpr qreal kDesignWidth = TBrandPicture::kWidth;
constexpr qreal kDesignHeight = TBrandPicture::kHeight;

void PaintBackground(QPainter& p) {
    QLinearGradient sky(0, 0, 0, kDesignHeight);
    sky.setColorAt(0.0, QColor(0x22, 0x36, 0x48));
    sky.setColorAt(1.0, QColor(0x0c, 0x16, 0x20));
    p.setPen(Qt::NoPen);
    p.setBrush(sky);
    p.drawRoundedRect(QRectF(0, 0, kDesignWidth, kDesignHeight), 8, 8);
    // A teal rule under the title ties the picture to the window around it.
    p.setBrush(QColor(0x2a, 0xb0, 0xa8));
    p.drawRect(QRectF(110, 47, 180, 2));
}

void PaintTitle(QPainter& p) {
    QFont title(QStringLiteral("Verdana"));
    title.setPixelSize(26);
    title.setBold(true);
    p.setFont(title);
    p.setPen(QColor(0xf2, 0xf6, 0xf8));
    p.drawText(QRectF(0, 8, kDesignWidth, 36), Qt::AlignCenter, QStringLiteral("Vantor Tools"));
}

void PaintDrive(QPainter& p) {
    // Cooling fins above the case.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x6c, 0x7a, 0x88));
    for (int i = 0; i < 8; ++i)
        p.drawRect(QRectF(36 + i * 11, 58, 6, 10));

    const QRectF body(30, 66, 96, 74);
    QLinearGradient metal(body.topLeft(), body.topRight());
    metal.setColorAt(0.0, QColor(0xd9, 0xe1, 0xe8));
    metal.setColorAt(1.0, QColor(0x8e, 0x9c, 0xaa));
    p.setBrush(metal);
    p.setPen(QPen(QColor(0x3c, 0x48, 0x54), 1.2));
    p.drawRoundedRect(body, 4, 4);

    // Front panel: a two-digit display and the status lights.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x14, 0x1e, 0x26));
    p.drawRoundedRect(QRectF(40, 76, 48, 22), 3, 3);
    QFont digits(QStringLiteral("DejaVu Sans Mono"));
    digits.setPixelSize(16);
    digits.setBold(true);
    p.setFont(digits);
    p.setPen(QColor(0x4c, 0xf0, 0x9a));
    p.drawText(QRectF(40, 76, 48, 22), Qt::AlignCenter, QStringLiteral("50"));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x3c, 0xe0, 0x6a));
    p.drawEllipse(QPointF(100, 82), 4, 4);
    p.setBrush(QColor(0xf0, 0xa0, 0x30));
    p.drawEllipse(QPointF(100, 94), 4, 4);

    // Terminal block on the right-hand side.
    p.setBrush(QColor(0x2e, 0x8a, 0x4e));
    p.drawRect(QRectF(126, 100, 8, 30));
    p.setBrush(QColor(0xb8, 0xc4, 0xcc));
    for (int i = 0; i < 3; ++i)
        p.drawRect(QRectF(128, 104 + i * 9, 4, 4));

    // Grille of the lower panel.
    p.setPen(QPen(QColor(0x5a, 0x68, 0x76), 1.5));
    for (int i = 0; i < 5; ++i)
        p.drawLine(QPointF(42, 110 + i * 6), QPointF(86, 110 + i * 6));
}

void PaintCable(QPainter& p) {
    QPainterPath cable(QPointF(134, 112));
    cable.cubicTo(QPointF(190, 112), QPointF(200, 70), QPointF(268, 76));
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(0x10, 0x10, 0x10), 6, Qt::SolidLine, Qt::RoundCap));
    p.drawPath(cable);
    p.setPen(QPen(QColor(0xf0, 0x94, 0x2c), 3.5, Qt::SolidLine, Qt::RoundCap));
    p.drawPath(cable);
}

void PaintMotor(QPainter& p) {
    // Connector box on the motor's back end.
    p.setPen(QPen(QColor(0x20, 0x28, 0x30), 1));
    p.setBrush(QColor(0x44, 0x50, 0x5c));
    p.drawRect(QRectF(262, 70, 18, 14));

    const QRectF body(256, 84, 86, 50);
    QLinearGradient shade(body.topLeft(), body.bottomLeft());
    shade.setColorAt(0.0, QColor(0x9a, 0xa8, 0xb6));
    shade.setColorAt(0.45, QColor(0xe6, 0xec, 0xf0));
    shade.setColorAt(1.0, QColor(0x56, 0x64, 0x72));
    p.setBrush(shade);
    p.setPen(QPen(QColor(0x2c, 0x36, 0x40), 1.2));
    p.drawRoundedRect(body, 6, 6);
    // Rings of the housing.
    p.setPen(QPen(QColor(0x5c, 0x6a, 0x78), 1.2));
    for (int i = 1; i < 5; ++i)
        p.drawLine(QPointF(256 + i * 16, 86), QPointF(256 + i * 16, 132));

    // Flange and shaft.
    QLinearGradient flangeShade(0, 78, 0, 140);
    flangeShade.setColorAt(0.0, QColor(0x7a, 0x88, 0x96));
    flangeShade.setColorAt(0.5, QColor(0xd0, 0xd8, 0xe0));
    flangeShade.setColorAt(1.0, QColor(0x48, 0x54, 0x60));
    p.setBrush(flangeShade);
    p.setPen(QPen(QColor(0x2c, 0x36, 0x40), 1.2));
    p.drawRect(QRectF(342, 78, 10, 62));
    p.setBrush(QColor(0xc8, 0xd0, 0xd8));
    p.drawRect(QRectF(352, 104, 26, 10));
    // Key on the shaft, turned a little to suggest motion.
    p.setPen(QPen(QColor(0x2a, 0xb0, 0xa8), 2, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(370, 94, 24, 30), -60 * 16, 120 * 16);
}

} // namespace

void PaintBrandPicture(QPainter& painter, const QRectF& area) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.translate(area.topLeft());
    painter.scale(area.width() / kDesignWidth, area.height() / kDesignHeight);
    PaintBackground(painter);
    PaintTitle(painter);
    PaintCable(painter);
    PaintDrive(painter);
    PaintMotor(painter);
    painter.restore();
}

TBrandPicture::TBrandPicture(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("imgPicture"));
    setFixedSize(kWidth, kHeight);
}

void TBrandPicture::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    PaintBrandPicture(painter, QRectF(rect()));
}
