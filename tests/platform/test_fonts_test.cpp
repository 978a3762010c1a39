// The fonts every GUI test measures text with: whatever the machine has installed, each
// family the windows and gauges ask for comes out as the DejaVu face the expected sizes were
// taken with.
#include <gtest/gtest.h>

#include <QFont>
#include <QFontInfo>
#include <QString>

namespace {

TEST(TestFonts, EveryFamilyTheCodeAsksForIsADejaVuFace) {
    struct Case {
        const char* family;
        bool bold;
        const char* shown;
    };
    const Case cases[] = {
        {"Arial", false, "DejaVu Sans"},          {"Arial", true, "DejaVu Sans"},
        {"MS Sans Serif", false, "DejaVu Sans"},  {"Verdana", true, "DejaVu Sans"},
        {"System", false, "DejaVu Sans"},         {"Courier New", false, "DejaVu Sans Mono"},
        {"serif", false, "DejaVu Serif"},         {"monospace", false, "DejaVu Sans Mono"},
        {"No Such Family", false, "DejaVu Sans"},
    };
    for (const Case& c : cases) {
        QFont font(QString::fromLatin1(c.family), 10, c.bold ? QFont::Bold : QFont::Normal);
        const QFontInfo info(font);
        EXPECT_EQ(info.family(), QString::fromLatin1(c.shown)) << c.family;
        EXPECT_EQ(info.bold(), c.bold) << c.family;
    }
    EXPECT_EQ(QFontInfo(QFont()).family(), QStringLiteral("DejaVu Sans")) << "the default font";
}

} // namespace
