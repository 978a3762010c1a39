#include "zktools/gauges/qx_font.h"

namespace zk::gauges {

namespace {

constexpr int kScreenDpi = 96;
constexpr int kPointsPerInch = 72;

// a * b / c rounded half away from zero, as the size conversions of the
// original platform do.
int MulDiv(int a, int b, int c) {
    const long long product = static_cast<long long>(a) * b;
    const long long half = c / 2;
    return static_cast<int>(product >= 0 ? (product + half) / c : (product - half) / c);
}

} // namespace

TFont::TFont(const TFont& other)
    : TPersistent(other), name_(other.name_), size_(other.size_), style_(other.style_),
      color_(other.color_) {}

TFont& TFont::operator=(const TFont& other) {
    Assign(other);
    return *this;
}

int TFont::Height() const {
    return MulDiv(size_, kScreenDpi, kPointsPerInch);
}

void TFont::SetName(const QString& name) {
    if (name == name_)
        return;
    name_ = name;
    Changed();
}

void TFont::SetSize(int points) {
    if (points == size_)
        return;
    size_ = points;
    Changed();
}

void TFont::SetHeight(int pixels) {
    SetSize(MulDiv(pixels, kPointsPerInch, kScreenDpi));
}

void TFont::SetStyle(TFontStyles style) {
    if (style == style_)
        return;
    style_ = style;
    Changed();
}

void TFont::SetColor(TColor color) {
    if (color == color_)
        return;
    color_ = color;
    Changed();
}

void TFont::Assign(const TFont& source) {
    if (&source == this)
        return;
    if (name_ == source.name_ && size_ == source.size_ && style_ == source.style_ &&
        color_ == source.color_)
        return;
    name_ = source.name_;
    size_ = source.size_;
    style_ = source.style_;
    color_ = source.color_;
    Changed();
}

QFont TFont::ToQFont() const {
    QFont font(name_);
    font.setPixelSize(Height() > 0 ? Height() : 1);
    font.setBold((style_ & fsBold) != 0);
    font.setItalic((style_ & fsItalic) != 0);
    font.setUnderline((style_ & fsUnderline) != 0);
    font.setStrikeOut((style_ & fsStrikeOut) != 0);
    font.setStyleStrategy(QFont::NoAntialias);
    return font;
}

void TFont::Changed() {
    if (OnChange)
        OnChange(this);
}

} // namespace zk::gauges
