#include "zktools/guided/progress_stand_in.h"

#include <QLocale>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace diagnostics {

TProgressStandIn::TProgressStandIn(QWidget* parent) : QWidget(parent) {}

void TProgressStandIn::SetValue(float value) {
    if (std::isnan(value))
        return;
    const float clamped = std::clamp(value, 0.0f, 100.0f);
    if (clamped == value_)
        return;
    value_ = clamped;
    update();
}

void TProgressStandIn::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QRect frame = rect().adjusted(0, 0, -1, -1);
    painter.setPen(Qt::gray);
    painter.setBrush(Qt::black);
    painter.drawRect(frame);
    painter.setPen(Qt::green);
    const QString text = QLocale::c().toString(value_, 'f', 1) + QStringLiteral(" %");
    painter.drawText(frame, Qt::AlignCenter, text + QStringLiteral("\n% Completed"));
}

} // namespace diagnostics
