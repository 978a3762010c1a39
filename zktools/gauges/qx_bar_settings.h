// The look of a bar indicator and its painter: a solid bar, a row of LED cells
// or a point marker, horizontal or vertical, with the value text written across
// it in inverted colours. The owner fills the public fields before painting.
#ifndef ZKTOOLS_GAUGES_QX_BAR_SETTINGS_H
#define ZKTOOLS_GAUGES_QX_BAR_SETTINGS_H

#include "zktools/gauges/qx_bevel.h"
#include "zktools/gauges/qx_canvas.h"
#include "zktools/gauges/qx_font.h"
#include "zktools/gauges/qx_types.h"

#include <QString>

#include <initializer_list>
#include <memory>

namespace zk::gauges {

enum TBarStyle { bsBar, bsLED_Bar, bsPoint };

class TBarSettings : public TPersistent {
public:
    // Inside the class, so that other gauges' option names (the dial's opUnit,
    // opValue) can live beside them in this namespace.
    enum TOption { opValue, opUnit, opUseSectorCol };

    class TOptions {
    public:
        constexpr TOptions() = default;
        constexpr TOptions(std::initializer_list<TOption> options) {
            for (TOption option : options)
                bits_ |= Bit(option);
        }
        constexpr bool Contains(TOption option) const { return (bits_ & Bit(option)) != 0; }
        friend constexpr bool operator==(TOptions, TOptions) = default;

    private:
        static constexpr unsigned Bit(TOption option) {
            return 1u << static_cast<unsigned>(option);
        }
        unsigned bits_ = 0;
    };

    TBarSettings();
    ~TBarSettings() override;
    TBarSettings(const TBarSettings&) = delete;
    TBarSettings& operator=(const TBarSettings&) = delete;

    TBarStyle Style() const { return style_; }
    // Owned; edits of its attributes notify.
    TFont& Font() { return font_; }
    const TFont& Font() const { return font_; }
    TOptions Options() const { return options_; }
    TColor Color() const { return color_; }
    TColor BkColor() const { return bkColor_; }
    // Owned; the frame the owner draws around the bar. Its changes notify.
    TQxSBevel& Bevel() { return *bevel_; }
    const TQxSBevel& Bevel() const { return *bevel_; }
    int minHeight() const { return minHeight_; }
    int minWidth() const { return minWidth_; }

    // Store without comparing, then Change.
    void SetStyle(TBarStyle value);
    void SetOptions(TOptions value);
    void SetColor(TColor value);
    void SetBkColor(TColor value);
    // Copy the given object's settings into the owned one (never taking it), then
    // notify once.
    void SetFont(const TFont& value);
    void SetBevel(const TQxSBevel& value);
    // Values of 0 and below are ignored; others stored and notified.
    void SetMinHeight(int value);
    void SetMinWidth(int value);

    TNotifyEvent OnChange;

    // Filled by the owner before painting.
    TRect BarRect;
    QString ValueText;
    QString UnitText;
    TColor SectorColor = clBlack; // instead of Color with opUseSectorCol
    // The size of BarRect, set by PaintBar.
    int BarWidth = 0;
    int BarHeight = 0;

    // Calls OnChange with this settings object as sender, whatever sender is.
    void Change(TObject* sender);

    // Paints the bar for ppt per mille of the range (not limited to 0..1000) at
    // BarRect; wider than high is horizontal, otherwise vertical.
    void PaintBar(TCanvas& canvas, int ppt);
    void PaintHBar(TCanvas& canvas, int ppt);
    void PaintVBar(TCanvas& canvas, int ppt);

private:
    void Paint(TCanvas& canvas, int ppt, bool horizontal);
    void DrawHStyle(TCanvas& canvas, int w, int h, int ppt) const;
    void DrawVStyle(TCanvas& canvas, int w, int h, int ppt) const;
    void DrawText(TCanvas& target, int w, int h, bool horizontal) const;

    TBarStyle style_ = bsBar;
    TFont font_;
    TOptions options_{opUnit};
    TColor color_ = clLime;
    TColor bkColor_ = clBlack;
    std::unique_ptr<TQxSBevel> bevel_;
    int minHeight_ = 5;
    int minWidth_ = 5;
};

using TOption = TBarSettings::TOption;
using TOptions = TBarSettings::TOptions;

} // namespace zk::gauges

#endif
