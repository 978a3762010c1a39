// Two-colour gradients: the settings a bevel carries as its surface, one colour
// step between two colours, and the fills in fourteen styles.
#ifndef ZKTOOLS_GAUGES_QX_GRAD_H
#define ZKTOOLS_GAUGES_QX_GRAD_H

#include "zktools/gauges/qx_canvas.h"
#include "zktools/gauges/qx_types.h"

namespace zk::gauges {

enum TGradientStyle {
    gsHorizontal1,
    gsHorizontal2,
    gsHorizontal3,
    gsVertical1,
    gsVertical2,
    gsVertical3,
    gsElliptic1,
    gsElliptic2,
    gsElliptic3,
    gsRectangle,
    gsDiamond1,
    gsDiamond2,
    gsTopLeft,
    gsTopRight
};

// Exported for the library's interface; nothing reads it.
extern int gradSteps;

// Starts with both colours 0, invisible, gsHorizontal1, no OnChange. Each setter
// stores a different value and then calls OnChange (sender: this).
class TQxGradSettings : public TPersistent {
public:
    TColor ColorFrom() const { return colorFrom_; }
    TColor ColorTo() const { return colorTo_; }
    bool Visible() const { return visible_; }
    TGradientStyle Style() const { return style_; }

    void SetColorFrom(TColor value);
    void SetColorTo(TColor value);
    void SetVisible(bool value);
    void SetStyle(TGradientStyle value);

    TNotifyEvent OnChange;

private:
    void Change();

    TColor colorFrom_ = 0;
    TColor colorTo_ = 0;
    bool visible_ = false;
    TGradientStyle style_ = gsHorizontal1;
};

// Per channel from + rounded((to - from) / count * index); count 0 gives from.
TColor QxCalcColor(TColor from, TColor to, int count, int index);
// Fills rect with the gradient through an off-screen bitmap stretched onto it.
void QxGradFill(TCanvas& canvas, const TRect& rect, TColor from, TColor to, TGradientStyle style);
// 45-degree lines across the square of side rect's width, drawn straight onto the
// canvas (meant for a canvas clipped to a circle).
void QxCircleGradFill(TCanvas& canvas, const TRect& rect, TColor from, TColor to);

} // namespace zk::gauges

#endif
