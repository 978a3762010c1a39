// Shape number and colours of an arrow pointer with its two markers CP1 and CP2;
// held for the owner, drawn by nothing here.
#ifndef ZKTOOLS_GAUGES_QX_ARROW_SETTINGS_H
#define ZKTOOLS_GAUGES_QX_ARROW_SETTINGS_H

#include "zktools/gauges/qx_types.h"

namespace zk::gauges {

// Setters store only a different value and then call Change.
class TArrowSettings : public TPersistent {
public:
    int Shape() const { return shape_; }
    TColor ColorPen() const { return colorPen_; }
    TColor ColorBrush() const { return colorBrush_; }
    TColor ColorCP1Pen() const { return colorCP1Pen_; }
    TColor ColorCP1Brush() const { return colorCP1Brush_; }
    TColor ColorCP2Pen() const { return colorCP2Pen_; }
    TColor ColorCP2Brush() const { return colorCP2Brush_; }

    void SetShape(int value);
    void SetColorPen(TColor value);
    void SetColorBrush(TColor value);
    void SetColorCP1Pen(TColor value);
    void SetColorCP1Brush(TColor value);
    void SetColorCP2Pen(TColor value);
    void SetColorCP2Brush(TColor value);

    TNotifyEvent OnChange;
    void Change();

private:
    int shape_ = 0;
    TColor colorPen_ = clBlack;
    TColor colorBrush_ = clLime;
    TColor colorCP1Pen_ = clBlack;
    TColor colorCP1Brush_ = clBlack;
    TColor colorCP2Pen_ = clBlack;
    TColor colorCP2Brush_ = clSilver;
};

} // namespace zk::gauges

#endif
