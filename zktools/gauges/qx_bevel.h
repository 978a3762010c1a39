// A graded frame of a gauge: rectangular (PaintFilledBevel, PaintBevel) or round
// (PaintRoundBevel). Each painter shrinks the caller's rect to the free inside.
#ifndef ZKTOOLS_GAUGES_QX_BEVEL_H
#define ZKTOOLS_GAUGES_QX_BEVEL_H

#include "zktools/gauges/qx_canvas.h"
#include "zktools/gauges/qx_grad.h"
#include "zktools/gauges/qx_types.h"

#include <memory>

namespace zk::gauges {

enum TBevelStyle { bsLowered, bsRaised };
enum TBevelLine { blNone, blOuter, blInner, blBoth };

// The four colours graded rings run between.
struct TRingColors {
    TColor ShadowFrom = clGray;
    TColor ShadowTo = clGray;
    TColor HighlightFrom = clWhite;
    TColor HighlightTo = clWhite;
};

// Optional fill of rect in fillColor, then width one-pixel rings from the outside
// in; ring i runs i/width of the way from the From to the To colours. Raised puts
// the highlight top-left and the shadow bottom-right; lowered swaps the sides and
// runs each pair backwards. rect shrinks by width.
void QxPaintGradRings(TCanvas& canvas, TRect& rect, const TRingColors& colors, int width,
                      bool raised, bool filled, TColor fillColor);

class TQxSBevel : public TPersistent {
public:
    TQxSBevel();
    ~TQxSBevel() override;
    TQxSBevel(const TQxSBevel&) = delete;
    TQxSBevel& operator=(const TQxSBevel&) = delete;

    TNotifyEvent OnChange;

    TBevelStyle Style() const { return style_; }
    int Spacing() const { return spacing_; }
    TBevelLine BevelLine() const { return bevelLine_; }
    int Width() const { return width_; }
    TColor Color() const { return color_; }
    TColor ColorShadowFrom() const { return colorShadowFrom_; }
    TColor ColorShadowTo() const { return colorShadowTo_; }
    TColor ColorHighLightFrom() const { return colorHighLightFrom_; }
    TColor ColorHighLightTo() const { return colorHighLightTo_; }
    TColor PenColor() const { return penColor_; }
    // Owned; its changes reach OnChange through ParamChange.
    TQxGradSettings& SurfaceGrad() { return *surfaceGrad_; }
    const TQxGradSettings& SurfaceGrad() const { return *surfaceGrad_; }

    // Each stores without comparing and calls Change (so every call notifies).
    void SetStyle(TBevelStyle value);
    void SetSpacing(int value);
    void SetBevelLine(TBevelLine value);
    void SetWidth(int value); // a negative value is ignored
    void SetColor(TColor value);
    void SetColorShadowFrom(TColor value);
    void SetColorShadowTo(TColor value);
    void SetColorHighLightFrom(TColor value);
    void SetColorHighLightTo(TColor value);
    void SetPenColor(TColor value);

    // Spacing + Width + border lines; 0 until the first Change.
    int BorderWidth = 0;
    // Set by the owner, before the first change, on a bevel painted round.
    bool RoundBevel = false;

    void ParamChange(TObject* sender);
    // Recomputes BorderWidth, notifies the owner, refreshes the ring image.
    void Change();

    // The graded rings alone; rect shrinks by Width.
    void PaintGradBevel(TCanvas& canvas, TRect& rect, bool raised, bool filled, TColor fillColor);
    // Fill, rings, surface gradient and lines; rect shrinks by BorderWidth.
    void PaintFilledBevel(TCanvas& canvas, TRect& rect);
    // Rings only; rect shrinks by Width + Spacing.
    void PaintBevel(TCanvas& canvas, TRect& rect);
    // Round bevel; offsets are the canvas origin's position on the device, added
    // to every clip region. Nothing happens for a rect narrower than 5 pixels or
    // before the ring image exists.
    void PaintRoundBevel(TCanvas& canvas, TRect& rect, int offsetX, int offsetY);

    // The 30 x 30 ring image (nullptr until built).
    const TBitmap* RingBitmap() const { return ringBitmap_.get(); }
    // A copy of its picture (a null image until built).
    QImage RingImage() const { return ringBitmap_ ? ringBitmap_->Image() : QImage(); }

private:
    TBevelStyle style_ = bsRaised;
    int spacing_ = 5;
    TBevelLine bevelLine_ = blNone;
    int width_ = 2;
    TColor color_ = clSilver;
    TColor colorShadowFrom_ = clGray;
    TColor colorShadowTo_ = clGray;
    TColor colorHighLightFrom_ = clWhite;
    TColor colorHighLightTo_ = clWhite;
    TColor penColor_ = clBlack;
    std::unique_ptr<TQxGradSettings> surfaceGrad_;
    std::unique_ptr<TBitmap> ringBitmap_;
};

} // namespace zk::gauges

#endif
