// What every gauge class looks like before anyone sets a property: colours, sizes,
// styles, fonts and format texts, written out in one table, so that no default can
// change unseen. Each row reads one value of a freshly built object.
#include "zktools/gauges/qx_analog_c_control.h"
#include "zktools/gauges/qx_analog_g_control.h"
#include "zktools/gauges/qx_arrow_settings.h"
#include "zktools/gauges/qx_bar_settings.h"
#include "zktools/gauges/qx_bevel.h"
#include "zktools/gauges/qx_button_bevel.h"
#include "zktools/gauges/qx_dial.h"
#include "zktools/gauges/qx_font.h"
#include "zktools/gauges/qx_grad.h"
#include "zktools/gauges/qx_ini_settings.h"
#include "zktools/gauges/qx_led.h"
#include "zktools/gauges/qx_min_max.h"
#include "zktools/gauges/qx_scale_settings.h"
#include "zktools/gauges/qx_sector_settings.h"
#include "zktools/gauges/qx_signal_settings.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <functional>
#include <initializer_list>
#include <string>
#include <utility>
#include <vector>

namespace zk::gauges {
namespace {

// --- One text per value, so that a row reads as the documentation does ----------------

std::string Hex(TColor c) {
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, c > 0xFFFFFFu ? "0x%08X" : "0x%06X",
                  static_cast<unsigned>(c));
    return buffer;
}
std::string Int(int v) {
    return std::to_string(v);
}
std::string Bool(bool v) {
    return v ? "true" : "false";
}
std::string Num(float v) {
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%g", static_cast<double>(v));
    return buffer;
}
std::string Text(const QString& s) {
    return '"' + s.toStdString() + '"';
}
std::string Size(const QWidget& w) {
    return Int(w.width()) + " x " + Int(w.height());
}
std::string Font(const TFont& f) {
    return Text(f.Name()) + " " + Int(f.Size()) + " " + Hex(f.Color()) + " style " +
           Int(static_cast<int>(f.Style()));
}
std::string Style(TBevelStyle s) {
    return s == bsRaised ? "bsRaised" : s == bsLowered ? "bsLowered" : "?";
}
std::string Line(TBevelLine l) {
    const char* names[] = {"blNone", "blOuter", "blInner", "blBoth"};
    return l >= blNone && l <= blBoth ? names[l] : "?";
}
std::string Grad(TGradientStyle s) {
    const char* names[] = {"gsHorizontal1", "gsHorizontal2", "gsHorizontal3", "gsVertical1",
                           "gsVertical2",   "gsVertical3",   "gsElliptic1",   "gsElliptic2",
                           "gsElliptic3",   "gsRectangle",   "gsDiamond1",    "gsDiamond2",
                           "gsTopLeft",     "gsTopRight"};
    return s >= gsHorizontal1 && s <= gsTopRight ? names[s] : "?";
}
std::string Shape(TLEDShape s) {
    const char* names[] = {"sRound",   "sArrowLeft", "sArrowRight",
                           "sArrowUp", "sArrowDown", "sRectangle"};
    return s >= sRound && s <= sRectangle ? names[s] : "?";
}
std::string Bar(TBarStyle s) {
    const char* names[] = {"bsBar", "bsLED_Bar", "bsPoint"};
    return s >= bsBar && s <= bsPoint ? names[s] : "?";
}
// The names of the set bits, in declaration order.
std::string Set(unsigned bits, std::initializer_list<const char*> names) {
    std::string text = "[";
    unsigned bit = 1;
    for (const char* name : names) {
        if ((bits & bit) != 0)
            text += (text.size() > 1 ? ", " : "") + std::string(name);
        bits &= ~bit;
        bit <<= 1;
    }
    return text + (bits != 0 ? ", ?" : "") + "]";
}
std::string BarOptions(TOptions o) {
    unsigned bits = 0;
    for (TOption option : {TOption::opValue, TOption::opUnit, TOption::opUseSectorCol})
        bits |= o.Contains(option) ? 1u << option : 0u;
    return Set(bits, {"opValue", "opUnit", "opUseSectorCol"});
}

// The protected working fields the documentation gives initial values for.
class CControlProbe : public TQxAnalogCControl {
public:
    using TQxAnalogCControl::NormalCursor;
    using TQxAnalogCControl::SlideAreaRound;
};
class DialProbe : public TQxDial {
public:
    using TQxDial::SlideAreaRound;
};

// One of each, built as an owner builds it.
struct Fresh {
    TQxGradSettings grad;
    TIniSettings ini;
    TFont font;
    TQxSBevel bevel;
    TQxBtnBevel button;
    TLED led;
    TArrowSettings arrow;
    TBarSettings bar;
    TSignalSettings signal;
    TChSettings channel;
    TSectorSettings sectors;
    TMinMax minMax;
    TQxAnalogGControl gControl;
    TScaleSettings scale;
    CControlProbe cControl;
    DialProbe dial;
};

struct Row {
    const char* object;
    const char* property;
    std::string expected;
    std::function<std::string(Fresh&)> actual;
};

// clang-format off
const std::vector<Row>& Rows() {
    static const std::vector<Row> rows = {
        {"TQxGradSettings", "ColorFrom", "0x000000", [](Fresh& f) { return Hex(f.grad.ColorFrom()); }},
        {"TQxGradSettings", "ColorTo", "0x000000", [](Fresh& f) { return Hex(f.grad.ColorTo()); }},
        {"TQxGradSettings", "Visible", "false", [](Fresh& f) { return Bool(f.grad.Visible()); }},
        {"TQxGradSettings", "Style", "gsHorizontal1", [](Fresh& f) { return Grad(f.grad.Style()); }},
        {"gradient unit", "gradSteps", "0", [](Fresh&) { return Int(gradSteps); }},

        {"TIniSettings", "FileName", "\"\"", [](Fresh& f) { return Text(f.ini.FileName); }},
        {"TIniSettings", "Section", "\"\"", [](Fresh& f) { return Text(f.ini.Section); }},
        {"TIniSettings", "UseAppDir", "true", [](Fresh& f) { return Bool(f.ini.UseAppDir); }},
        {"TIniSettings", "AutoLoadSave", "true", [](Fresh& f) { return Bool(f.ini.AutoLoadSave); }},
        {"TIniSettings", "HasError", "false", [](Fresh& f) { return Bool(f.ini.HasError()); }},
        {"TIniSettings", "ErrorText", "\"\"", [](Fresh& f) { return Text(f.ini.ErrorText()); }},

        {"TFont", "the library's default font", "\"MS Sans Serif\" 8 0x80000008 style 0",
         [](Fresh& f) { return Font(f.font); }},

        {"TQxSBevel", "Style", "bsRaised", [](Fresh& f) { return Style(f.bevel.Style()); }},
        {"TQxSBevel", "Spacing", "5", [](Fresh& f) { return Int(f.bevel.Spacing()); }},
        {"TQxSBevel", "BevelLine", "blNone", [](Fresh& f) { return Line(f.bevel.BevelLine()); }},
        {"TQxSBevel", "Width", "2", [](Fresh& f) { return Int(f.bevel.Width()); }},
        {"TQxSBevel", "Color", "0xC0C0C0", [](Fresh& f) { return Hex(f.bevel.Color()); }},
        {"TQxSBevel", "ColorShadowFrom", "0x808080", [](Fresh& f) { return Hex(f.bevel.ColorShadowFrom()); }},
        {"TQxSBevel", "ColorShadowTo", "0x808080", [](Fresh& f) { return Hex(f.bevel.ColorShadowTo()); }},
        {"TQxSBevel", "ColorHighLightFrom", "0xFFFFFF", [](Fresh& f) { return Hex(f.bevel.ColorHighLightFrom()); }},
        {"TQxSBevel", "ColorHighLightTo", "0xFFFFFF", [](Fresh& f) { return Hex(f.bevel.ColorHighLightTo()); }},
        {"TQxSBevel", "PenColor", "0x000000", [](Fresh& f) { return Hex(f.bevel.PenColor()); }},
        {"TQxSBevel", "SurfaceGrad.ColorFrom", "0xE2E2E2", [](Fresh& f) { return Hex(f.bevel.SurfaceGrad().ColorFrom()); }},
        {"TQxSBevel", "SurfaceGrad.ColorTo", "0x8F8F8F", [](Fresh& f) { return Hex(f.bevel.SurfaceGrad().ColorTo()); }},
        {"TQxSBevel", "SurfaceGrad.Style", "gsHorizontal1", [](Fresh& f) { return Grad(f.bevel.SurfaceGrad().Style()); }},
        {"TQxSBevel", "SurfaceGrad.Visible", "false", [](Fresh& f) { return Bool(f.bevel.SurfaceGrad().Visible()); }},
        {"TQxSBevel", "BorderWidth", "0", [](Fresh& f) { return Int(f.bevel.BorderWidth); }},
        {"TQxSBevel", "RoundBevel", "false", [](Fresh& f) { return Bool(f.bevel.RoundBevel); }},
        {"TQxSBevel", "ring image built", "false", [](Fresh& f) { return Bool(f.bevel.RingBitmap() != nullptr); }},

        {"TQxBtnBevel", "ShadowColFrom", "0x000000", [](Fresh& f) { return Hex(f.button.ShadowColFrom()); }},
        {"TQxBtnBevel", "ShadowColTo", "0x808080", [](Fresh& f) { return Hex(f.button.ShadowColTo()); }},
        {"TQxBtnBevel", "HighlightColFrom", "0xD2D2D2", [](Fresh& f) { return Hex(f.button.HighlightColFrom()); }},
        {"TQxBtnBevel", "HighlightColTo", "0xFFFFFF", [](Fresh& f) { return Hex(f.button.HighlightColTo()); }},
        {"TQxBtnBevel", "Width", "2", [](Fresh& f) { return Int(f.button.Width()); }},

        {"TLED", "Shape", "sRound", [](Fresh& f) { return Shape(f.led.Shape()); }},
        {"TLED", "ColorOn", "0x00FF00", [](Fresh& f) { return Hex(f.led.ColorOn()); }},
        {"TLED", "ColorOff", "0xC0C0C0", [](Fresh& f) { return Hex(f.led.ColorOff()); }},
        {"TLED", "Width", "13", [](Fresh& f) { return Int(f.led.Width()); }},
        {"TLED", "Height", "13", [](Fresh& f) { return Int(f.led.Height()); }},

        {"TArrowSettings", "Shape", "0", [](Fresh& f) { return Int(f.arrow.Shape()); }},
        {"TArrowSettings", "ColorPen", "0x000000", [](Fresh& f) { return Hex(f.arrow.ColorPen()); }},
        {"TArrowSettings", "ColorBrush", "0x00FF00", [](Fresh& f) { return Hex(f.arrow.ColorBrush()); }},
        {"TArrowSettings", "ColorCP1Pen", "0x000000", [](Fresh& f) { return Hex(f.arrow.ColorCP1Pen()); }},
        {"TArrowSettings", "ColorCP1Brush", "0x000000", [](Fresh& f) { return Hex(f.arrow.ColorCP1Brush()); }},
        {"TArrowSettings", "ColorCP2Pen", "0x000000", [](Fresh& f) { return Hex(f.arrow.ColorCP2Pen()); }},
        {"TArrowSettings", "ColorCP2Brush", "0xC0C0C0", [](Fresh& f) { return Hex(f.arrow.ColorCP2Brush()); }},

        {"TBarSettings", "Style", "bsBar", [](Fresh& f) { return Bar(f.bar.Style()); }},
        {"TBarSettings", "Font", "\"MS Sans Serif\" 8 0xFFFFFF style 0", [](Fresh& f) { return Font(f.bar.Font()); }},
        {"TBarSettings", "Options", "[opUnit]", [](Fresh& f) { return BarOptions(f.bar.Options()); }},
        {"TBarSettings", "Color", "0x00FF00", [](Fresh& f) { return Hex(f.bar.Color()); }},
        {"TBarSettings", "BkColor", "0x000000", [](Fresh& f) { return Hex(f.bar.BkColor()); }},
        {"TBarSettings", "Bevel.Style", "bsLowered", [](Fresh& f) { return Style(f.bar.Bevel().Style()); }},
        {"TBarSettings", "Bevel.Spacing", "0", [](Fresh& f) { return Int(f.bar.Bevel().Spacing()); }},
        {"TBarSettings", "Bevel.BevelLine", "blNone", [](Fresh& f) { return Line(f.bar.Bevel().BevelLine()); }},
        {"TBarSettings", "Bevel.Width", "1", [](Fresh& f) { return Int(f.bar.Bevel().Width()); }},
        {"TBarSettings", "Bevel.Color", "0xC0C0C0", [](Fresh& f) { return Hex(f.bar.Bevel().Color()); }},
        {"TBarSettings", "minHeight", "5", [](Fresh& f) { return Int(f.bar.minHeight()); }},
        {"TBarSettings", "minWidth", "5", [](Fresh& f) { return Int(f.bar.minWidth()); }},

        {"TSignalSettings", "DigitalFrom", "0", [](Fresh& f) { return Int(f.signal.DigitalFrom()); }},
        {"TSignalSettings", "DigitalTo", "1000", [](Fresh& f) { return Int(f.signal.DigitalTo()); }},
        {"TSignalSettings", "Name1", "\"SignalName1\"", [](Fresh& f) { return Text(f.signal.Name1()); }},
        {"TSignalSettings", "Name2", "\"SignalName2\"", [](Fresh& f) { return Text(f.signal.Name2()); }},
        {"TSignalSettings", "ValueFormat", "\"##0.0\"", [](Fresh& f) { return Text(f.signal.ValueFormat()); }},
        {"TSignalSettings", "ValueFrom", "0", [](Fresh& f) { return Num(f.signal.ValueFrom()); }},
        {"TSignalSettings", "ValueTo", "100", [](Fresh& f) { return Num(f.signal.ValueTo()); }},
        {"TSignalSettings", "ValueUnit", "\"%\"", [](Fresh& f) { return Text(f.signal.ValueUnit()); }},
        {"TSignalSettings", "ValueSpan", "100", [](Fresh& f) { return Num(f.signal.ValueSpan); }},
        {"TSignalSettings", "DigitSpan", "1000", [](Fresh& f) { return Int(f.signal.DigitSpan); }},
        {"TSignalSettings", "ValuePerDigit", "0.1", [](Fresh& f) { return Num(f.signal.ValuePerDigit); }},
        {"TSignalSettings", "DigitsPerValue", "10", [](Fresh& f) { return Num(f.signal.DigitsPerValue); }},
        {"TSignalSettings", "PPTFactor", "10", [](Fresh& f) { return Num(f.signal.PPTFactor); }},
        {"TSignalSettings", "MaxValueFormat", "\"##0.0\"", [](Fresh& f) { return Text(f.signal.MaxValueFormat); }},

        {"TChSettings", "Value", "0", [](Fresh& f) { return Num(f.channel.Value()); }},
        {"TChSettings", "Digit", "0", [](Fresh& f) { return Int(f.channel.Digit()); }},
        {"TChSettings", "Color", "0x000000", [](Fresh& f) { return Hex(f.channel.Color()); }},
        {"TChSettings", "Visible", "true", [](Fresh& f) { return Bool(f.channel.Visible()); }},

        {"TSectorSettings", "Sector1Color", "0x00FFFF", [](Fresh& f) { return Hex(f.sectors.Sector1Color()); }},
        {"TSectorSettings", "Sector1From", "0", [](Fresh& f) { return Int(f.sectors.Sector1From()); }},
        {"TSectorSettings", "Sector1To", "333", [](Fresh& f) { return Int(f.sectors.Sector1To()); }},
        {"TSectorSettings", "Sector2Color", "0x008000", [](Fresh& f) { return Hex(f.sectors.Sector2Color()); }},
        {"TSectorSettings", "Sector2From", "334", [](Fresh& f) { return Int(f.sectors.Sector2From()); }},
        {"TSectorSettings", "Sector2To", "666", [](Fresh& f) { return Int(f.sectors.Sector2To()); }},
        {"TSectorSettings", "Sector3Color", "0x0000FF", [](Fresh& f) { return Hex(f.sectors.Sector3Color()); }},
        {"TSectorSettings", "Sector3From", "667", [](Fresh& f) { return Int(f.sectors.Sector3From()); }},
        {"TSectorSettings", "Sector3To", "1000", [](Fresh& f) { return Int(f.sectors.Sector3To()); }},

        {"TMinMax", "Min", "0", [](Fresh& f) { return Num(f.minMax.Min()); }},
        {"TMinMax", "Max", "0", [](Fresh& f) { return Num(f.minMax.Max()); }},

        {"TQxAnalogGControl", "size", "50 x 50", [](Fresh& f) { return Size(f.gControl); }},
        {"TQxAnalogGControl", "Font", "\"Arial\" 8 0x80000008 style 0", [](Fresh& f) { return Font(f.gControl.Font()); }},
        {"TQxAnalogGControl", "Digit", "0", [](Fresh& f) { return Int(f.gControl.Digit()); }},
        {"TQxAnalogGControl", "Value", "0", [](Fresh& f) { return Num(f.gControl.Value()); }},
        {"TQxAnalogGControl", "LimitUpper", "90", [](Fresh& f) { return Num(f.gControl.LimitUpper()); }},
        {"TQxAnalogGControl", "LimitLower", "10", [](Fresh& f) { return Num(f.gControl.LimitLower()); }},
        {"TQxAnalogGControl", "HintOptions",
         "[hoAutoHint, hoValue, hoName1, hoName2, hoMin, hoMax, hoMinMaxDate, hoMinMaxTime]",
         [](Fresh& f) {
             return Set(f.gControl.HintOptions(), {"hoAutoHint", "hoValue", "hoName1", "hoName2",
                                                   "hoMin", "hoMax", "hoMinMaxDate", "hoMinMaxTime"});
         }},
        {"TQxAnalogGControl", "PPT", "0", [](Fresh& f) { return Int(f.gControl.PPT); }},
        {"TQxAnalogGControl", "InSector1/2/3", "false false false", [](Fresh& f) {
             return Bool(f.gControl.InSector1) + " " + Bool(f.gControl.InSector2) + " " +
                    Bool(f.gControl.InSector3);
         }},
        {"TQxAnalogGControl", "SectorColor", "0x000000", [](Fresh& f) { return Hex(f.gControl.SectorColor); }},
        {"TQxAnalogGControl", "UnderRange/OverRange", "false false", [](Fresh& f) {
             return Bool(f.gControl.UnderRange) + " " + Bool(f.gControl.OverRange);
         }},
        // Value 0 lies below LimitLower 10 after the constructor's own check.
        {"TQxAnalogGControl", "BelowLimit/AboveLimit", "true false", [](Fresh& f) {
             return Bool(f.gControl.BelowLimit) + " " + Bool(f.gControl.AboveLimit);
         }},

        {"TScaleSettings", "Color", "0x000000", [](Fresh& f) { return Hex(f.scale.Color()); }},
        {"TScaleSettings", "PointerColor", "0x00FF00", [](Fresh& f) { return Hex(f.scale.PointerColor()); }},
        {"TScaleSettings", "DrawLine", "true", [](Fresh& f) { return Bool(f.scale.DrawLine()); }},
        {"TScaleSettings", "Font", "\"Arial\" 14 0x80000008 style 0", [](Fresh& f) { return Font(f.scale.Font()); }},
        {"TScaleSettings", "PosLeftTop", "false", [](Fresh& f) { return Bool(f.scale.PosLeftTop()); }},
        {"TScaleSettings", "Steps", "5", [](Fresh& f) { return Int(f.scale.Steps()); }},
        {"TScaleSettings", "SubSteps", "2", [](Fresh& f) { return Int(f.scale.SubSteps()); }},
        {"TScaleSettings", "ValueFormat", "\"##0\"", [](Fresh& f) { return Text(f.scale.ValueFormat()); }},
        {"TScaleSettings", "TickLength", "14", [](Fresh& f) { return Int(f.scale.TickLength); }},
        {"TScaleSettings", "SubTickLength", "7", [](Fresh& f) { return Int(f.scale.SubTickLength); }},
        {"TScaleSettings", "ScaleCenter", "0, 0", [](Fresh& f) {
             return Int(f.scale.ScaleCenter.X) + ", " + Int(f.scale.ScaleCenter.Y);
         }},
        {"TScaleSettings", "TickWidth", "2", [](Fresh& f) { return Int(f.scale.TickWidth); }},
        {"TScaleSettings", "SubTickWidth", "1", [](Fresh& f) { return Int(f.scale.SubTickWidth); }},
        {"TScaleSettings", "LabelGap", "4", [](Fresh& f) { return Int(f.scale.LabelGap); }},
        {"TScaleSettings", "LabelList", "\"\"", [](Fresh& f) { return Text(f.scale.LabelList); }},
        {"TScaleSettings", "LabelWidth, LabelHeight", "0, 0", [](Fresh& f) {
             return Int(f.scale.LabelWidth) + ", " + Int(f.scale.LabelHeight);
         }},
        {"TScaleSettings", "ScaleWidth, ScaleHeight", "0, 0", [](Fresh& f) {
             return Int(f.scale.ScaleWidth) + ", " + Int(f.scale.ScaleHeight);
         }},

        {"TQxAnalogCControl", "size", "100 x 100", [](Fresh& f) { return Size(f.cControl); }},
        {"TQxAnalogCControl", "Font", "\"MS Sans Serif\" 10 0x80000008 style 0", [](Fresh& f) { return Font(f.cControl.Font()); }},
        {"TQxAnalogCControl", "Digit", "0", [](Fresh& f) { return Int(f.cControl.Digit()); }},
        {"TQxAnalogCControl", "Value", "0", [](Fresh& f) { return Num(f.cControl.Value()); }},
        {"TQxAnalogCControl", "ChangeLarge", "10", [](Fresh& f) { return Int(f.cControl.ChangeLarge()); }},
        {"TQxAnalogCControl", "ChangeSmall", "1", [](Fresh& f) { return Int(f.cControl.ChangeSmall()); }},
        {"TQxAnalogCControl", "ColorFocus", "0x00FF00", [](Fresh& f) { return Hex(f.cControl.ColorFocus()); }},
        {"TQxAnalogCControl", "ColorNonFocus", "0x008000", [](Fresh& f) { return Hex(f.cControl.ColorNonFocus()); }},
        {"TQxAnalogCControl", "CursorSlide", "5", [](Fresh& f) { return Int(f.cControl.CursorSlide()); }},
        {"TQxAnalogCControl", "EnableKeyboard", "true", [](Fresh& f) { return Bool(f.cControl.EnableKeyboard()); }},
        {"TQxAnalogCControl", "Enabled", "true", [](Fresh& f) { return Bool(f.cControl.isEnabled()); }},
        {"TQxAnalogCControl", "TabStop", "true", [](Fresh& f) { return Bool(f.cControl.TabStop()); }},
        {"TQxAnalogCControl", "SlideAreaRound", "false", [](Fresh& f) { return Bool(f.cControl.SlideAreaRound); }},
        {"TQxAnalogCControl", "NormalCursor", "0", [](Fresh& f) { return Int(f.cControl.NormalCursor); }},

        {"TQxDial", "size", "113 x 161", [](Fresh& f) { return Size(f.dial); }},
        {"TQxDial", "Font", "\"MS Sans Serif\" 10 0x80000008 style 0", [](Fresh& f) { return Font(f.dial.Font()); }},
        {"TQxDial", "Options",
         "[opBevelOuter, opUnit, opValue, opName1, opName2, opScale, opScaleText]",
         [](Fresh& f) {
             return Set(f.dial.Options(), {"opBevelOuter", "opUnit", "opValue", "opName1",
                                           "opName2", "opScale", "opScaleText"});
         }},
        {"TQxDial", "Digit, Value", "100, 10", [](Fresh& f) {
             return Int(f.dial.Digit()) + ", " + Num(f.dial.Value());
         }},
        {"TQxDial", "SlideAreaRound", "true", [](Fresh& f) { return Bool(f.dial.SlideAreaRound); }},
        {"TQxDial", "FaceCached", "false", [](Fresh& f) { return Bool(f.dial.FaceCached()); }},
        {"TQxDial", "FontValue", "\"System\" 10 0x00FF00 style 0", [](Fresh& f) { return Font(f.dial.FontValue()); }},
        {"TQxDial", "ScaleSettings.Font", "\"Arial\" 8 0x80000008 style 0", [](Fresh& f) { return Font(f.dial.ScaleSettings().Font()); }},
        {"TQxDial", "BevelOuter.Style", "bsRaised", [](Fresh& f) { return Style(f.dial.BevelOuter().Style()); }},
        {"TQxDial", "BevelOuter.Spacing", "5", [](Fresh& f) { return Int(f.dial.BevelOuter().Spacing()); }},
        {"TQxDial", "BevelOuter.BevelLine", "blOuter", [](Fresh& f) { return Line(f.dial.BevelOuter().BevelLine()); }},
        {"TQxDial", "BevelOuter.Width", "2", [](Fresh& f) { return Int(f.dial.BevelOuter().Width()); }},
        {"TQxDial", "BevelOuter.Color", "0xC0C0C0", [](Fresh& f) { return Hex(f.dial.BevelOuter().Color()); }},
        {"TQxDial", "BevelOuter.BorderWidth", "8", [](Fresh& f) { return Int(f.dial.BevelOuter().BorderWidth); }},
        {"TQxDial", "BevelValue.Style", "bsLowered", [](Fresh& f) { return Style(f.dial.BevelValue().Style()); }},
        {"TQxDial", "BevelValue.Width", "2", [](Fresh& f) { return Int(f.dial.BevelValue().Width()); }},
        {"TQxDial", "BevelValue.Color", "0x000000", [](Fresh& f) { return Hex(f.dial.BevelValue().Color()); }},
        {"TQxDial", "BevelValue.Spacing", "0", [](Fresh& f) { return Int(f.dial.BevelValue().Spacing()); }},
        {"TQxDial", "BevelValue.BevelLine", "blNone", [](Fresh& f) { return Line(f.dial.BevelValue().BevelLine()); }},
        {"TQxDial", "BevelValue.BorderWidth", "2", [](Fresh& f) { return Int(f.dial.BevelValue().BorderWidth); }},
        {"TQxDial", "BevelDial.ColorShadowFrom", "0xFFFFFF", [](Fresh& f) { return Hex(f.dial.BevelDial().ColorShadowFrom()); }},
        {"TQxDial", "BevelDial.ColorShadowTo", "0x808080", [](Fresh& f) { return Hex(f.dial.BevelDial().ColorShadowTo()); }},
        {"TQxDial", "BevelDial.RoundBevel", "true", [](Fresh& f) { return Bool(f.dial.BevelDial().RoundBevel); }},
        {"TQxDial", "BevelDial.BevelLine", "blOuter", [](Fresh& f) { return Line(f.dial.BevelDial().BevelLine()); }},
        {"TQxDial", "BevelDial.PenColor", "0x808080", [](Fresh& f) { return Hex(f.dial.BevelDial().PenColor()); }},
        {"TQxDial", "BevelDial.Spacing", "1", [](Fresh& f) { return Int(f.dial.BevelDial().Spacing()); }},
        {"TQxDial", "BevelDial.Width", "2", [](Fresh& f) { return Int(f.dial.BevelDial().Width()); }},
        {"TQxDial", "BevelDial.Color", "0xC0C0C0", [](Fresh& f) { return Hex(f.dial.BevelDial().Color()); }},
        {"TQxDial", "BevelDial.BorderWidth", "4", [](Fresh& f) { return Int(f.dial.BevelDial().BorderWidth); }},
        {"TQxDial", "BevelDial ring image built", "true", [](Fresh& f) { return Bool(f.dial.BevelDial().RingBitmap() != nullptr); }},
    };
    return rows;
}
// clang-format on

TEST(GaugeDefaults, EveryPropertyOfEveryFreshGauge) {
    Fresh fresh;
    for (const Row& row : Rows()) {
        EXPECT_EQ(row.actual(fresh), row.expected) << row.object << "." << row.property;
    }
}

} // namespace
} // namespace zk::gauges
