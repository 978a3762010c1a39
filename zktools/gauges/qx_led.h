// A small lamp with an on and an off colour in one of six shapes.
#ifndef ZKTOOLS_GAUGES_QX_LED_H
#define ZKTOOLS_GAUGES_QX_LED_H

#include "zktools/gauges/qx_canvas.h"
#include "zktools/gauges/qx_types.h"

namespace zk::gauges {

enum TLEDShape { sRound, sArrowLeft, sArrowRight, sArrowUp, sArrowDown, sRectangle };

// Setters store only a different value (Width and Height only within 4..30) and
// then call Change.
class TLED : public TPersistent {
public:
    TLEDShape Shape() const { return shape_; }
    TColor ColorOn() const { return colorOn_; }
    TColor ColorOff() const { return colorOff_; }
    int Width() const { return width_; }
    int Height() const { return height_; }

    void SetShape(TLEDShape value);
    void SetColorOn(TColor value);
    void SetColorOff(TColor value);
    void SetWidth(int value);
    void SetHeight(int value);

    TNotifyEvent OnChange;
    // Where Draw paints; the owner fills it.
    TRect LEDRect;

    void Change();
    // Grey outline, filled with ColorOn or ColorOff.
    void Draw(TCanvas& canvas, bool on);

    static constexpr int kMinSize = 4;
    static constexpr int kMaxSize = 30;

private:
    TLEDShape shape_ = sRound;
    TColor colorOn_ = clLime;
    TColor colorOff_ = clSilver;
    int width_ = 13;
    int height_ = 13;
};

// Pen penColor width 1, brush colour fillColor (brush style as the canvas has it).
// Leaves the pen as it last set it (white, width W div 8, after sRound).
void QxDrawLED(TCanvas& canvas, const TRect& rect, TLEDShape shape, TColor penColor,
               TColor fillColor);

} // namespace zk::gauges

#endif
