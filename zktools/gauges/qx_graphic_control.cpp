#include "zktools/gauges/qx_graphic_control.h"

#include <QPainter>

namespace zk::gauges {

TQxGraphicControl::TQxGraphicControl(QWidget* parent) : TQxControl(parent) {
    setFocusPolicy(Qt::NoFocus);
}

TQxGraphicControl::~TQxGraphicControl() = default;

void TQxGraphicControl::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    TCanvas canvas(&painter);
    Paint(canvas);
}

} // namespace zk::gauges
