#include "zktools/guided/progress_dial.h"

#include "zktools/gauges/qx_dial.h"

namespace diagnostics {

namespace {

using namespace zk::gauges;

constexpr TColor kSurfaceFrom = 14869218; // grey, 0xE2 each
constexpr TColor kSurfaceTo = 9408399;    // grey, 0x8F each

TFont MakeFont(const char* name, int pixels, TColor color) {
    TFont font;
    font.SetName(QString::fromLatin1(name));
    font.SetHeight(pixels);
    font.SetStyle(0);
    font.SetColor(color);
    return font;
}

void SetUpSurface(TQxSBevel& bevel) {
    TQxGradSettings& grad = bevel.SurfaceGrad();
    grad.SetColorFrom(kSurfaceFrom);
    grad.SetColorTo(kSurfaceTo);
    grad.SetVisible(false);
    grad.SetStyle(gsHorizontal1);
}

} // namespace

void SetUpProgressDial(TQxDial& dial, int windowFontPixels) {
    TSignalSettings& signal = dial.SignalSettings();
    signal.SetDigitalFrom(0);
    signal.SetDigitalTo(100);
    signal.SetValueTo(100);
    signal.SetName1(QStringLiteral("% Completed"));
    signal.SetName2(QStringLiteral(" "));
    signal.SetValueUnit(QStringLiteral("%"));
    signal.SetValueFormat(QStringLiteral("##0.0"));
    dial.SetDigit(0);

    dial.SetOptions(opBevelOuter | opUnit | opValue | opName1 | opScale | opScaleText);
    dial.SetCursorSlide(crHandSlot);
    dial.SetEnableKeyboard(false);
    // The window's font, as a control that follows its parent's.
    dial.SetFont(MakeFont("Verdana", windowFontPixels, clWindowText));

    TQxSBevel& outer = dial.BevelOuter();
    outer.SetBevelLine(blOuter);
    outer.SetWidth(5);
    outer.SetColor(clSilver);
    outer.SetColorShadowFrom(clGray);
    outer.SetColorShadowTo(clGray);
    outer.SetColorHighLightFrom(clWhite);
    outer.SetColorHighLightTo(clWhite);

    TQxSBevel& value = dial.BevelValue();
    value.SetStyle(bsLowered);
    value.SetSpacing(0);
    value.SetBevelLine(blNone);
    value.SetColor(clBlack);
    value.SetColorShadowFrom(clGray);
    value.SetColorShadowTo(clGray);
    value.SetColorHighLightFrom(clWhite);
    value.SetColorHighLightTo(clWhite);

    TQxSBevel& knob = dial.BevelDial();
    knob.SetSpacing(1);
    knob.SetBevelLine(blOuter);
    knob.SetWidth(5);
    knob.SetColor(clSilver);
    knob.SetColorShadowFrom(clWhite);
    knob.SetColorShadowTo(clGray);
    knob.SetColorHighLightFrom(clWhite);
    knob.SetColorHighLightTo(clWhite);
    knob.SetPenColor(clGray);

    for (TQxSBevel* bevel : {&outer, &value, &knob})
        SetUpSurface(*bevel);

    dial.SetFontValue(MakeFont("System", 13, clLime));

    TScaleSettings& scale = dial.ScaleSettings();
    scale.SetColor(clBlack);
    scale.SetPointerColor(clLime);
    scale.SetDrawLine(true);
    scale.SetPosLeftTop(false);
    scale.SetSteps(5);
    scale.SetSubSteps(2);
    scale.SetValueFormat(QStringLiteral("##0"));
    scale.SetFont(MakeFont("Arial", 11, clWindowText));
}

} // namespace diagnostics
