// The bevel's settings: initial values, setters that always notify, the border
// width the owners size their content by, and the ring image of round bevels.
#include "zktools/gauges/qx_bevel.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace zk::gauges {
namespace {

struct ChangeLog {
    explicit ChangeLog(TQxSBevel& b) : bevel(b) {
        bevel.OnChange = [this](TObject* sender) {
            ++count;
            senderIsBevel = senderIsBevel && sender == &bevel;
            borderWidthSeen = bevel.BorderWidth;
        };
    }
    TQxSBevel& bevel;
    int count = 0;
    bool senderIsBevel = true;
    int borderWidthSeen = -1;
};

TEST(BevelSettings, StartsWithTheDocumentedLookAndNoBorderYet) {
    TQxSBevel bevel;
    EXPECT_EQ(bevel.Style(), bsRaised);
    EXPECT_EQ(bevel.Spacing(), 5);
    EXPECT_EQ(bevel.BevelLine(), blNone);
    EXPECT_EQ(bevel.Width(), 2);
    EXPECT_EQ(bevel.Color(), 0xC0C0C0u);
    EXPECT_EQ(bevel.ColorShadowFrom(), 0x808080u);
    EXPECT_EQ(bevel.ColorShadowTo(), 0x808080u);
    EXPECT_EQ(bevel.ColorHighLightFrom(), 0xFFFFFFu);
    EXPECT_EQ(bevel.ColorHighLightTo(), 0xFFFFFFu);
    EXPECT_EQ(bevel.PenColor(), 0x000000u);
    EXPECT_EQ(bevel.SurfaceGrad().ColorFrom(), 0xE2E2E2u);
    EXPECT_EQ(bevel.SurfaceGrad().ColorTo(), 0x8F8F8Fu);
    EXPECT_EQ(bevel.SurfaceGrad().Style(), gsHorizontal1);
    EXPECT_FALSE(bevel.SurfaceGrad().Visible());
    // The constructor runs no Change: the border is computed by the first one.
    EXPECT_EQ(bevel.BorderWidth, 0);
    EXPECT_FALSE(bevel.RoundBevel);
    EXPECT_EQ(bevel.RingBitmap(), nullptr);
}

struct SetterCase {
    std::string name;
    std::function<void(TQxSBevel&)> set;
    std::function<bool(const TQxSBevel&)> stored;
};

std::vector<SetterCase> SetterCases() {
    return {
        {"Style", [](TQxSBevel& b) { b.SetStyle(bsLowered); },
         [](const TQxSBevel& b) {
             return b.Style() == bsLowered;
         }},
        {"Spacing", [](TQxSBevel& b) { b.SetSpacing(3); },
         [](const TQxSBevel& b) {
             return b.Spacing() == 3;
         }},
        {"BevelLine", [](TQxSBevel& b) { b.SetBevelLine(blInner); },
         [](const TQxSBevel& b) {
             return b.BevelLine() == blInner;
         }},
        {"Width", [](TQxSBevel& b) { b.SetWidth(0); },
         [](const TQxSBevel& b) {
             return b.Width() == 0;
         }},
        {"Color", [](TQxSBevel& b) { b.SetColor(clRed); },
         [](const TQxSBevel& b) {
             return b.Color() == clRed;
         }},
        {"ColorShadowFrom", [](TQxSBevel& b) { b.SetColorShadowFrom(clBlue); },
         [](const TQxSBevel& b) {
             return b.ColorShadowFrom() == clBlue;
         }},
        {"ColorShadowTo", [](TQxSBevel& b) { b.SetColorShadowTo(clNavy); },
         [](const TQxSBevel& b) {
             return b.ColorShadowTo() == clNavy;
         }},
        {"ColorHighLightFrom", [](TQxSBevel& b) { b.SetColorHighLightFrom(clYellow); },
         [](const TQxSBevel& b) {
             return b.ColorHighLightFrom() == clYellow;
         }},
        {"ColorHighLightTo", [](TQxSBevel& b) { b.SetColorHighLightTo(clAqua); },
         [](const TQxSBevel& b) {
             return b.ColorHighLightTo() == clAqua;
         }},
        {"PenColor", [](TQxSBevel& b) { b.SetPenColor(clMaroon); },
         [](const TQxSBevel& b) {
             return b.PenColor() == clMaroon;
         }},
    };
}

TEST(BevelSettings, EverySetterStoresAndNotifiesEvenWithTheSameValue) {
    for (const SetterCase& c : SetterCases()) {
        SCOPED_TRACE(c.name);
        TQxSBevel bevel;
        ChangeLog log(bevel);
        c.set(bevel);
        EXPECT_TRUE(c.stored(bevel));
        EXPECT_EQ(log.count, 1);
        c.set(bevel); // the same value again
        EXPECT_TRUE(c.stored(bevel));
        EXPECT_EQ(log.count, 2);
        EXPECT_TRUE(log.senderIsBevel);
    }
}

TEST(BevelSettings, EachSurfaceGradientPropertyNotifiesTheOwner) {
    TQxSBevel bevel;
    ChangeLog log(bevel);
    bevel.SurfaceGrad().SetColorFrom(clRed);
    bevel.SurfaceGrad().SetColorTo(clBlue);
    bevel.SurfaceGrad().SetStyle(gsElliptic1);
    bevel.SurfaceGrad().SetVisible(true);
    EXPECT_EQ(log.count, 4);
    EXPECT_TRUE(log.senderIsBevel);
    EXPECT_EQ(bevel.BorderWidth, 7); // and Change ran
}

TEST(BevelSettings, NegativeWidthIsIgnoredWithoutNotice) {
    TQxSBevel bevel;
    ChangeLog log(bevel);
    bevel.SetWidth(-1);
    EXPECT_EQ(bevel.Width(), 2);
    EXPECT_EQ(log.count, 0);
    EXPECT_EQ(bevel.BorderWidth, 0);
}

struct BorderCase {
    int spacing;
    int width;
    TBevelLine line;
    int expected;
};

TEST(BevelSettings, BorderWidthIsSpacingPlusRingsPlusLinesAndKnownWhenTheOwnerHears) {
    const BorderCase cases[] = {
        {5, 2, blNone, 7}, {5, 2, blOuter, 8}, {5, 2, blInner, 8}, {5, 2, blBoth, 9},
        {0, 0, blNone, 0}, {3, 0, blBoth, 5},  {0, 4, blInner, 5},
    };
    for (const BorderCase& c : cases) {
        SCOPED_TRACE(::testing::Message() << c.spacing << "/" << c.width << "/" << c.line);
        TQxSBevel bevel;
        bevel.SetSpacing(c.spacing);
        bevel.SetWidth(c.width);
        ChangeLog log(bevel);
        bevel.SetBevelLine(c.line);
        EXPECT_EQ(bevel.BorderWidth, c.expected);
        EXPECT_EQ(log.borderWidthSeen, c.expected);
    }
}

TEST(BevelSettings, RingImageIsBuiltOnlyForRoundBevelsAndFollowsTheShadowColours) {
    TQxSBevel flat;
    flat.SetWidth(3);
    EXPECT_EQ(flat.RingBitmap(), nullptr);

    TQxSBevel round;
    round.RoundBevel = true;
    EXPECT_EQ(round.RingBitmap(), nullptr); // not before the first change
    round.SetColorShadowFrom(clRed);
    round.SetColorShadowTo(clRed);
    ASSERT_NE(round.RingBitmap(), nullptr);
    const TBitmap* first = round.RingBitmap();
    EXPECT_EQ(first->Width(), 30);
    EXPECT_EQ(first->Height(), 30);
    QImage image = round.RingImage();
    EXPECT_EQ(FromQColor(QColor::fromRgb(image.pixel(15, 15))), clRed);

    // Later changes render into the same image again.
    round.SetColorShadowFrom(clBlue);
    round.SetColorShadowTo(clBlue);
    EXPECT_EQ(round.RingBitmap(), first);
    image = round.RingImage();
    EXPECT_EQ(FromQColor(QColor::fromRgb(image.pixel(0, 0))), clBlue);
    EXPECT_EQ(FromQColor(QColor::fromRgb(image.pixel(15, 15))), clBlue);
}

} // namespace
} // namespace zk::gauges
