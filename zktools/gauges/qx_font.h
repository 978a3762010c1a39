// A font as the gauges describe it: face name, size in points, style, colour.
// Owned fonts report every real change through OnChange (sender: the font).
#ifndef ZKTOOLS_GAUGES_QX_FONT_H
#define ZKTOOLS_GAUGES_QX_FONT_H

#include "zktools/gauges/qx_types.h"

#include <QFont>
#include <QString>

namespace zk::gauges {

// Bit flags; combine with |.
enum TFontStyle : unsigned { fsBold = 1, fsItalic = 2, fsUnderline = 4, fsStrikeOut = 8 };
using TFontStyles = unsigned;

class TFont : public TPersistent {
public:
    // The library's default font: "MS Sans Serif", 8 points, window-text colour.
    TFont() = default;
    TFont(const TFont& other);
    TFont& operator=(const TFont& other); // same as Assign
    ~TFont() override = default;

    const QString& Name() const { return name_; }
    int Size() const { return size_; }
    // Pixel height of the character cell's em square at 96 dots per inch.
    int Height() const;
    TFontStyles Style() const { return style_; }
    TColor Color() const { return color_; }

    void SetName(const QString& name);
    void SetSize(int points);
    void SetHeight(int pixels); // sets Size from a pixel height
    void SetStyle(TFontStyles style);
    void SetColor(TColor color);
    // Takes name, size, style and colour (not OnChange); one OnChange if anything differs.
    void Assign(const TFont& source);

    // The Qt font to draw with: pixel size, no antialiasing (text pixels are all-or-nothing
    // like on the original platform, which xor copies rely on).
    QFont ToQFont() const;

    TNotifyEvent OnChange;

private:
    void Changed();

    QString name_ = QStringLiteral("MS Sans Serif");
    int size_ = 8;
    TFontStyles style_ = 0;
    TColor color_ = clWindowText;
};

} // namespace zk::gauges

#endif
