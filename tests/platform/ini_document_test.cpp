// Our INI text: what reads as a value, what is kept as it was, where writes go.
#include <gtest/gtest.h>

#include "zktools/platform/ini_document.h"

namespace zk::platform {
namespace {

const QString kComm = "SOFTWARE\\Qorvel\\Tamberlyne\\Comm";

TEST(IniDocumentTest, ValueLinesReadAsTheirTypeOrNotAtAll) {
    struct Case {
        const char* line;
        QString name;
        std::optional<SettingValue> expected;
    };
    const Case cases[] = {
        {R"("PLTPort"=int:3)", "PLTPort", 3},
        {R"(  "PLTPort" =  int:-7  )", "PLTPort", -7},
        {R"("PLTPort"=int:2147483647)", "PLTPort", 2147483647},
        {R"("PLTPort"=int:-2147483648)", "PLTPort", static_cast<int>(-2147483648LL)},
        {R"("row1"="IVMode")", "row1", QString("IVMode")},
        {R"("row1"="")", "row1", QString("")},
        {R"("a\\b"="c\"d=e;f")", "a\\b", QString("c\"d=e;f")},
        {R"("multi"="one\ntwo\r\tthree")", "multi", QString("one\ntwo\r\tthree")},
        {R"("PLTPort"=int:+3)", "PLTPort", std::nullopt},
        {R"("PLTPort"=int:2147483648)", "PLTPort", std::nullopt},
        {R"("PLTPort"=int:3x)", "PLTPort", std::nullopt},
        {R"("PLTPort"=int:)", "PLTPort", std::nullopt},
        {R"("PLTPort"=3)", "PLTPort", std::nullopt},
        {R"(PLTPort=int:3)", "PLTPort", std::nullopt},
        {R"("row1"="unterminated)", "row1", std::nullopt},
        {R"("row1"="x" trailing)", "row1", std::nullopt},
        {R"("row1"="bad \q escape")", "row1", std::nullopt},
        {R"(; "row1"="commented")", "row1", std::nullopt},
    };
    for (const Case& c : cases) {
        const IniDocument doc = IniDocument::Parse("[" + kComm + "]\n" + c.line + "\n");
        EXPECT_EQ(doc.Get(kComm, c.name), c.expected) << c.line;
    }
}

TEST(IniDocumentTest, LinesItDoesNotUnderstandSurviveUnchanged) {
    const QString text = "; written by hand\n"
                         "stray line before any section\n"
                         "\n"
                         "[" +
                         kComm +
                         "]\n"
                         "# a comment\n"
                         "\"PLTPort\"  =  int:2\n"
                         "garbage = without quotes\n"
                         "\n"
                         "[Other]\n"
                         "\"x\"=\"y\"\n";
    IniDocument doc = IniDocument::Parse(text);
    EXPECT_EQ(doc.Serialize(), text);
    ASSERT_TRUE(doc.Set("other", "X", QString("z")));
    QString expected = text;
    expected.replace("\"x\"=\"y\"", "\"x\"=\"z\"");
    EXPECT_EQ(doc.Serialize(), expected) << "a changed value keeps its place and spelling";
}

TEST(IniDocumentTest, KeyPathsAndNamesIgnoreLetterCaseAndTheFirstMatchCounts) {
    const IniDocument doc = IniDocument::Parse("[software\\qorvel\\tamberlyne\\comm]\n"
                                               "\"pltport\"=int:1\n"
                                               "\"PLTPORT\"=int:2\n"
                                               "[SOFTWARE\\Qorvel\\Tamberlyne\\Comm]\n"
                                               "\"PLTPort\"=int:3\n"
                                               "\"other\"=int:4\n");
    EXPECT_EQ(doc.Get(kComm, "PLTPort"), SettingValue(1));
    EXPECT_EQ(doc.Get(kComm, "Other"), SettingValue(4));
    EXPECT_EQ(doc.Get(kComm + "\\Sub", "PLTPort"), std::nullopt);
}

TEST(IniDocumentTest, NewValuesJoinTheirSectionOrANewOneAtTheEnd) {
    IniDocument doc = IniDocument::Parse("[A]\n\"one\"=int:1\n\n[B]\n\"two\"=int:2\n");
    ASSERT_TRUE(doc.Set("a", "three", 3));
    ASSERT_TRUE(doc.Set("C", "four", QString("4")));
    EXPECT_EQ(doc.Serialize(), "[A]\n\"one\"=int:1\n\"three\"=int:3\n\n"
                               "[B]\n\"two\"=int:2\n\n"
                               "[C]\n\"four\"=\"4\"\n");

    IniDocument empty;
    ASSERT_TRUE(empty.Set(kComm, "PLTPort", 0));
    EXPECT_EQ(empty.Serialize(), "[" + kComm + "]\n\"PLTPort\"=int:0\n");
}

TEST(IniDocumentTest, AnyNameAndValueRoundTrips) {
    const QString names[] = {"row1",       "semi;colon", "back\\slash", "equals=sign", "#hash",
                             "\"quoted\"", "[bracket]",  " padded ",    "Grüße",       ""};
    const QString values[] = {"IVMode", "a=b", "x;y # z", "line\nbreak\r", "\\\\server\\share",
                              "\"",     "",    "Ωmega"};
    const auto valueFor = [&](size_t i) {
        return values[i % std::size(values)];
    };
    IniDocument doc;
    for (size_t i = 0; i < std::size(names); ++i) {
        ASSERT_TRUE(doc.Set(kComm, names[i] + "#s", valueFor(i)));
        ASSERT_TRUE(doc.Set(kComm, names[i] + "#i", -12345));
    }
    const IniDocument reread = IniDocument::Parse(doc.Serialize());
    for (size_t i = 0; i < std::size(names); ++i) {
        EXPECT_EQ(reread.Get(kComm, names[i] + "#s"), SettingValue(valueFor(i)))
            << names[i].toStdString();
        EXPECT_EQ(reread.Get(kComm, names[i] + "#i"), SettingValue(-12345))
            << names[i].toStdString();
    }
}

TEST(IniDocumentTest, KeyPathWithALineBreakIsRefused) {
    IniDocument doc;
    EXPECT_FALSE(doc.Set("A\nB", "x", 1));
    EXPECT_FALSE(doc.Set("A\rB", "x", 1));
    EXPECT_EQ(doc.Serialize(), "");
}

TEST(IniDocumentTest, CarriageReturnsAndAByteOrderMarkAreRead) {
    const IniDocument doc =
        IniDocument::Parse(QString(QChar(0xFEFF)) + "[" + kComm + "]\r\n\"PLTPort\"=int:3\r\n");
    EXPECT_EQ(doc.Get(kComm, "PLTPort"), SettingValue(3));
}

} // namespace
} // namespace zk::platform
