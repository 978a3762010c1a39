// The dial's value text on a position change, put together from the pixels of
// its characters as TextOut writes them, so that a text seen before is not laid
// out again.
#include "zktools/gauges/qx_dial.h"

#include <QFontMetricsF>

#include <cmath>

namespace zk::gauges {

namespace {

// Texts remembered as checked, at most; then the record starts afresh.
constexpr qsizetype kMostChecked = 4096;

bool SameFont(const TFont& a, const TFont& b) {
    return a.Name() == b.Name() && a.Size() == b.Size() && a.Style() == b.Style() &&
           a.Color() == b.Color();
}

// text written by TextOut at (x, 0) on a w x h bitmap of colour background.
QImage Written(const TFont& font, const QString& text, int x, int w, int h, TColor background) {
    TBitmap bitmap(w, h);
    TCanvas& canvas = bitmap.Canvas();
    canvas.Brush.Color = background;
    canvas.FillRect(TRect{0, 0, w, h});
    canvas.Font.Assign(font);
    canvas.Brush.Style = bsClear;
    canvas.TextOut(x, 0, text);
    return bitmap.Image().copy();
}

} // namespace

bool TQxDial::ComposeValueText(QImage& image, const QString& text) {
    const TColor background = bevelValue_->Color();
    if (!valueGlyphs_ || !SameFont(valueGlyphs_->font, fontValue_) ||
        valueGlyphs_->background != background) {
        valueGlyphs_ = std::make_unique<ValueGlyphs>();
        valueGlyphs_->font.Assign(fontValue_);
        valueGlyphs_->background = background;
        TBitmap probe(1, 1);
        probe.Canvas().Font.Assign(fontValue_);
        valueGlyphs_->height = probe.Canvas().TextHeight(text);
    }
    ValueGlyphs& g = *valueGlyphs_;
    if (g.unusable || image.height() != g.height)
        return false;
    const auto checked = g.checked.find(text);
    if (checked != g.checked.end() && !checked->second)
        return false;

    // Each character's pixels: what TextOut sets alike on black and on white.
    const int h = g.height;
    int total64 = 0;
    for (const QChar c : text) {
        if (c.isSurrogate())
            return false;
        auto found = g.glyphs.constFind(c.unicode());
        if (found == g.glyphs.constEnd()) {
            const qreal advance64 = QFontMetricsF(fontValue_.ToQFont()).horizontalAdvance(c) * 64;
            if (advance64 != std::floor(advance64) || advance64 > (1 << 20)) {
                g.unusable = true;
                return false;
            }
            GlyphPixels glyph;
            glyph.advance64 = static_cast<int>(advance64);
            const int w = glyph.advance64 / 64 + 1 + 2 * h;
            const QString one(c);
            glyph.pixels = StampOf(Written(fontValue_, one, h, w, h, clBlack),
                                   Written(fontValue_, one, h, w, h, clWhite), h, 0);
            found = g.glyphs.insert(c.unicode(), std::move(glyph));
        }
        total64 += found->advance64;
    }

    // Right-aligned on the top edge; each character at its pen position cut
    // down to the pixel, as the raster engine places glyphs.
    image.fill(ToQColor(background).rgb());
    const int left = image.width() - (total64 + 32) / 64;
    int pen64 = 0;
    for (const QChar c : text) {
        const GlyphPixels& glyph = *g.glyphs.constFind(c.unicode());
        Stamp(image, glyph.pixels, left + pen64 / 64, 0);
        pen64 += glyph.advance64;
    }
    if (checked != g.checked.end())
        return true;

    // First time: the text as TextOut writes it must come out the same.
    TBitmap probe(1, 1);
    probe.Canvas().Font.Assign(fontValue_);
    const int width = probe.Canvas().TextWidth(text);
    const bool same =
        Written(fontValue_, text, image.width() - width, image.width(), h, background) == image;
    if (g.checked.size() >= kMostChecked)
        g.checked.clear();
    g.checked.emplace(text, same);
    return same;
}

} // namespace zk::gauges
