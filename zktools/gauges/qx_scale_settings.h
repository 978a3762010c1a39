// The look of an instrument scale and its drawing: round scales about a centre
// (DialScala, RoundScala) and straight ones (HorizScala, VertiScala). One
// measuring call (CalcRSize, CalcHSize or CalcSize) builds the labels and the
// tick sizes from the label font; a drawing call on the same canvas follows.
// The owner may overwrite the working fields between the two.
#ifndef ZKTOOLS_GAUGES_QX_SCALE_SETTINGS_H
#define ZKTOOLS_GAUGES_QX_SCALE_SETTINGS_H

#include "zktools/gauges/qx_canvas.h"
#include "zktools/gauges/qx_font.h"
#include "zktools/gauges/qx_scale_marks.h"
#include "zktools/gauges/qx_types.h"

#include <QString>

namespace zk::gauges {

class TScaleSettings : public TPersistent {
public:
    TScaleSettings();
    ~TScaleSettings() override;
    TScaleSettings(const TScaleSettings&) = delete;
    TScaleSettings& operator=(const TScaleSettings&) = delete;

    TColor Color() const { return color_; }
    TColor PointerColor() const { return pointerColor_; }
    bool DrawLine() const { return drawLine_; }
    // Owned; edits of its attributes notify like a property change.
    TFont& Font() { return font_; }
    const TFont& Font() const { return font_; }
    bool PosLeftTop() const { return posLeftTop_; }
    int Steps() const { return steps_; }
    int SubSteps() const { return subSteps_; }
    const QString& ValueFormat() const { return valueFormat_; }

    // Store a different value and notify; an equal one does nothing.
    void SetColor(TColor value);
    void SetPointerColor(TColor value);
    void SetPosLeftTop(bool value);
    void SetValueFormat(const QString& value);
    // Stores and notifies on every call, equal or not.
    void SetDrawLine(bool value);
    // Copies the font's attributes into the owned font; notifies once.
    void SetFont(const TFont& value);
    // 1..20 and 1..10; stored and notified even if equal; others are ignored.
    void SetSteps(int value);
    void SetSubSteps(int value);

    TNotifyEvent OnChange;

    // Calls OnChange with this settings object as sender, whatever sender is.
    void Change(TObject* sender);

    // Working fields: filled by the measuring calls, read by the drawing calls.
    int TickLength = 14;
    int SubTickLength = 7;
    TPoint ScaleCenter;
    int TickWidth = 2;
    int SubTickWidth = 1;
    int LabelGap = 4;
    QString LabelList; // each label followed by ";"
    int LabelWidth = 0;
    int LabelHeight = 0;
    int ScaleWidth = 0;
    int ScaleHeight = 0;

    // Measuring: set the canvas font and pen colour, build LabelList from the
    // lower end up (CalcRSize, CalcHSize) or from the upper end down (CalcSize),
    // and derive the sizes. Nothing is drawn.
    void CalcRSize(TCanvas& canvas, float from, float to);
    void CalcHSize(TCanvas& canvas, float from, float to);
    void CalcSize(TCanvas& canvas, float from, float to);

    // Round scale from startAngle over sweep degrees (clockwise from 12 o'clock),
    // hanging from rect's top edge; rect becomes the square inside the labels.
    void DialScala(TCanvas& canvas, TRect& rect, int startAngle, int sweep);
    // The same with main ticks of r div 8 instead of r div 7 (r the label radius)
    // and no minimum tick lengths.
    void RoundScala(TCanvas& canvas, TRect& rect, int startAngle, int sweep);
    // Straight scales along rect's width or height.
    void HorizScala(TCanvas& canvas, const TRect& rect);
    void VertiScala(TCanvas& canvas, const TRect& rect);

    // The layouts the drawing calls paint, with the same effects on rect and on
    // the working fields; the canvas is left alone.
    TScaleMarks DialScalaMarks(TRect& rect, int startAngle, int sweep);
    TScaleMarks RoundScalaMarks(TRect& rect, int startAngle, int sweep);
    TScaleMarks HorizScalaMarks(const TRect& rect) const;
    TScaleMarks VertiScalaMarks(const TRect& rect) const;

private:
    // TickLength div 2 for one-pixel ticks, else Round(TickLength / 1.4).
    static int SubTickLengthFor(int tickLength, int tickWidth);
    void PrepareCanvas(TCanvas& canvas) const;
    void MeasureLabels(TCanvas& canvas);
    TScaleMarks RoundMarks(TRect& rect, int startAngle, int sweep, int tickDivisor,
                           bool minimumTicks);
    TScaleMarks StraightMarks(const TRect& rect, bool horizontal) const;

    TColor color_ = clBlack;
    TColor pointerColor_ = clLime;
    bool drawLine_ = true;
    TFont font_;
    bool posLeftTop_ = false;
    int steps_ = 5;
    int subSteps_ = 2;
    QString valueFormat_ = QStringLiteral("##0");
};

} // namespace zk::gauges

#endif
