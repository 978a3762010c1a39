// The rotary knob: a round graded knob with a dot at the position, a 270-degree
// scale with labels around it, a value box with the unit at the top and two
// name lines at the bottom, inside an optional outer frame. The whole face is
// painted once per paint; the knob without its dot is cached, so a position
// change redraws only the squares the dot leaves and enters and the value box.
#ifndef ZKTOOLS_GAUGES_QX_DIAL_H
#define ZKTOOLS_GAUGES_QX_DIAL_H

#include "zktools/gauges/qx_analog_c_control.h"
#include "zktools/gauges/qx_bevel.h"
#include "zktools/gauges/qx_canvas.h"
#include "zktools/gauges/qx_font.h"
#include "zktools/gauges/qx_pixel_stamp.h"
#include "zktools/gauges/qx_scale_settings.h"
#include "zktools/gauges/qx_types.h"

#include <QHash>
#include <QImage>

#include <cstddef>
#include <cstdint>
#include <memory>
#include <unordered_map>
#include <vector>

namespace zk::gauges {

enum TDialOption : unsigned {
    opBevelOuter = 1u << 0,
    opUnit = 1u << 1,
    opValue = 1u << 2,
    opName1 = 1u << 3,
    opName2 = 1u << 4,
    opScale = 1u << 5,
    opScaleText = 1u << 6
};
using TDialOptions = unsigned;
inline constexpr TDialOptions kAllDialOptions = 0x7F;

class TQxDial : public TQxAnalogCControl {
    Q_OBJECT
public:
    explicit TQxDial(QWidget* parent = nullptr);
    ~TQxDial() override;

    // Owned sub-objects; each reports its changes to ParamChange.
    TQxSBevel& BevelOuter() { return *bevelOuter_; }
    TQxSBevel& BevelValue() { return *bevelValue_; }
    TQxSBevel& BevelDial() { return *bevelDial_; }
    TFont& FontValue() { return fontValue_; }
    TScaleSettings& ScaleSettings() { return *scaleSettings_; }
    TDialOptions Options() const { return options_; }

    // Store, then measure and repaint.
    void SetOptions(TDialOptions options);
    void SetFontValue(const TFont& font);

    // Measures the value box and the scale labels; nothing until constructed.
    void CalcSize();

    // Layout of the last paint, in control coordinates unless said otherwise.
    // The face inside the outer frame (the whole control without the frame).
    const TRect& FaceRect() const { return faceRect_; }
    // The square the ticks hang inside of (empty without the scale).
    const TRect& TickRect() const { return tickRect_; }
    const TRect& KnobRect() const { return knobRect_; }
    const TRect& ValueRect() const { return valueRect_; }
    // Face-cache coordinates (the knob square's top-left is 0, 0).
    TPoint KnobCenter() const { return knobCenter_; }
    TPoint DotStart() const { return dotStart_; }
    TPoint DotPos() const { return dotPos_; }
    int DotRadius() const { return dotRadius_; }
    bool FaceCached() const { return faceCached_; }
    int ValueTextWidth() const { return valueTextWidth_; }
    int ValueTextHeight() const { return valueTextHeight_; }
    int UnitTextWidth() const { return unitTextWidth_; }

protected:
    void Paint() override;
    void ValueChange() override;
    void ParamChange(TObject* sender) override;
    void MouseSlide(TShiftState shift, int x, int y, TPoint last) override;

private:
    void PaintValueBox(TCanvas& canvas, TRect& r);
    void PaintNames(TCanvas& canvas, const TRect& r);
    void PaintKnob(TCanvas& canvas, TRect& r);
    TColor DotColor() const;
    // Makes dotPixels_ for the current radius and that colour, if not made yet.
    void MakeDot(TColor color);
    // Writes text right-aligned on the top edge of image (filled with the value
    // bevel's colour) from the glyph pixels; false when the text cannot be put
    // together from them exactly, and TextOut must write it.
    bool ComposeValueText(QImage& image, const QString& text);
    // Writes the value text into its box on the control, unless the box shows
    // it already; true when written.
    bool DrawValueText();

    std::unique_ptr<TQxSBevel> bevelOuter_;
    std::unique_ptr<TQxSBevel> bevelValue_;
    std::unique_ptr<TQxSBevel> bevelDial_;
    TFont fontValue_;
    TDialOptions options_ = kAllDialOptions;
    std::unique_ptr<TScaleSettings> scaleSettings_;

    TRect faceRect_;
    TRect tickRect_;
    TRect knobRect_;
    TPoint knobCenter_;
    TPoint dotStart_;
    TPoint dotPos_;
    int dotRadius_ = 0;
    int maxDotRadius_ = 6;
    std::unique_ptr<TBitmap> faceCache_;
    bool faceCached_ = false;
    // The dot as QxCircleAtPoint draws it, pixel by pixel around its centre, for
    // one radius and colour; a position change sets these on a copy of the face.
    PixelStamp dotPixels_;
    int dotPixelsRadius_ = -1;
    TColor dotPixelsColor_ = 0;
    // The pixels the dot covers, around its centre.
    TRect dotBox_;
    // The face with the dot, as the control shows it since knobWorkFresh_ was
    // set, and the part of it the dot was last drawn in (face coordinates).
    std::unique_ptr<TBitmap> knobWork_;
    bool knobWorkFresh_ = false;
    TRect shownDot_;
    // The value text's characters as TextOut writes them in FontValue: each one's
    // advance in 64ths of a pixel and the pixels it sets around its pen
    // position. A text is put together from them only once it has been seen to
    // come out exactly as TextOut writes it; until then, and where it does
    // not, TextOut writes it.
    struct GlyphPixels {
        int advance64 = 0;
        PixelStamp pixels;
    };
    struct ValueGlyphs {
        TFont font;
        TColor background = 0;
        int height = 0;
        bool unusable = false;
        QHash<char16_t, GlyphPixels> glyphs;
        // text -> composes exactly. The texts are the dial's own, so a plain
        // FNV hash does; Qt's string hash costs more than the rest of the lookup.
        struct TextHash {
            std::size_t operator()(const QString& text) const noexcept {
                std::uint64_t h = 14695981039346656037ull;
                for (const QChar c : text) {
                    h ^= c.unicode();
                    h *= 1099511628211ull;
                }
                return static_cast<std::size_t>(h);
            }
        };
        std::unordered_map<QString, bool, TextHash> checked;
    };
    std::unique_ptr<ValueGlyphs> valueGlyphs_;
    std::unique_ptr<TBitmap> valueWork_;
    // The text the value box shows since the last paint, if valueShown_.
    QString shownText_;
    bool valueShown_ = false;
    TRect valueRect_;
    int valueTextWidth_ = 0;
    int valueTextHeight_ = 0;
    int unitTextWidth_ = 0;
    bool constructed_ = false;
};

} // namespace zk::gauges

#endif
