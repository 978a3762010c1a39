// The graded frame of a button: the bevel's ring painter with its own colours.
#ifndef ZKTOOLS_GAUGES_QX_BUTTON_BEVEL_H
#define ZKTOOLS_GAUGES_QX_BUTTON_BEVEL_H

#include "zktools/gauges/qx_canvas.h"
#include "zktools/gauges/qx_types.h"

namespace zk::gauges {

// Setters store only a different value and then call Change.
class TQxBtnBevel : public TPersistent {
public:
    TNotifyEvent OnChange;

    TColor ShadowColFrom() const { return shadowColFrom_; }
    TColor ShadowColTo() const { return shadowColTo_; }
    TColor HighlightColFrom() const { return highlightColFrom_; }
    TColor HighlightColTo() const { return highlightColTo_; }
    int Width() const { return width_; }

    void SetShadowColFrom(TColor value);
    void SetShadowColTo(TColor value);
    void SetHighlightColFrom(TColor value);
    void SetHighlightColTo(TColor value);
    void SetWidth(int value); // a negative value is ignored

    void Change();
    // Optional fill, then Width graded rings; rect shrinks by Width.
    void PaintBevel(TCanvas& canvas, TRect& rect, bool raised, bool filled, TColor fillColor);

private:
    TColor shadowColFrom_ = clBlack;
    TColor shadowColTo_ = clGray;
    TColor highlightColFrom_ = clLightGrey;
    TColor highlightColTo_ = clWhite;
    int width_ = 2;
};

} // namespace zk::gauges

#endif
