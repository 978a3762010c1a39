#include "zktools/gauges/qx_button_bevel.h"

#include "zktools/gauges/qx_bevel.h"

namespace zk::gauges {

void TQxBtnBevel::SetShadowColFrom(TColor value) {
    if (value == shadowColFrom_)
        return;
    shadowColFrom_ = value;
    Change();
}

void TQxBtnBevel::SetShadowColTo(TColor value) {
    if (value == shadowColTo_)
        return;
    shadowColTo_ = value;
    Change();
}

void TQxBtnBevel::SetHighlightColFrom(TColor value) {
    if (value == highlightColFrom_)
        return;
    highlightColFrom_ = value;
    Change();
}

void TQxBtnBevel::SetHighlightColTo(TColor value) {
    if (value == highlightColTo_)
        return;
    highlightColTo_ = value;
    Change();
}

void TQxBtnBevel::SetWidth(int value) {
    if (value == width_ || value < 0)
        return;
    width_ = value;
    Change();
}

void TQxBtnBevel::Change() {
    if (OnChange)
        OnChange(this);
}

void TQxBtnBevel::PaintBevel(TCanvas& canvas, TRect& rect, bool raised, bool filled,
                             TColor fillColor) {
    const TRingColors colors{shadowColFrom_, shadowColTo_, highlightColFrom_, highlightColTo_};
    QxPaintGradRings(canvas, rect, colors, width_, raised, filled, fillColor);
}

} // namespace zk::gauges
