// A control without a window of its own: it takes no focus and paints on its
// parent's background, through a canvas valid only while Paint runs.
#ifndef ZKTOOLS_GAUGES_QX_GRAPHIC_CONTROL_H
#define ZKTOOLS_GAUGES_QX_GRAPHIC_CONTROL_H

#include "zktools/gauges/qx_canvas.h"
#include "zktools/gauges/qx_control.h"

namespace zk::gauges {

class TQxGraphicControl : public TQxControl {
    Q_OBJECT
public:
    explicit TQxGraphicControl(QWidget* parent = nullptr);
    ~TQxGraphicControl() override;

protected:
    virtual void Paint(TCanvas& /*canvas*/) {}
    void paintEvent(QPaintEvent* event) override;
};

} // namespace zk::gauges

#endif
