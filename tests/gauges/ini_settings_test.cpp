// Our own ini file and the settings hook over it: values survive a round trip
// through the file, comments and foreign lines stay, bad names and unwritable
// files are reported without losing anything, and the hook checks its names,
// places the file and hands it to the handler.
#include "zktools/gauges/qx_ini_settings.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTextStream>

#include <gtest/gtest.h>

#include <stdexcept>

namespace zk::gauges {
namespace {

QString ReadAll(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QString();
    return QString::fromUtf8(file.readAll());
}

void WriteAll(const QString& path, const QString& text) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(text.toUtf8());
}

class IniFileTest : public ::testing::Test {
protected:
    QTemporaryDir dir;
    QString path = dir.filePath(QStringLiteral("gauge.ini"));
};

TEST_F(IniFileTest, ValuesSurviveARoundTripThroughTheFile) {
    {
        TIniFile ini(path);
        ini.WriteString(QStringLiteral("Dial"), QStringLiteral("Caption"),
                        QStringLiteral("Speed; rpm = fast # 1"));
        ini.WriteInteger(QStringLiteral("Dial"), QStringLiteral("Position"), -42);
        ini.WriteBool(QStringLiteral("Dial"), QStringLiteral("Visible"), true);
        ini.WriteFloat(QStringLiteral("Scale"), QStringLiteral("ValueTo"), 0.1);
        ini.WriteString(QStringLiteral("Scale"), QStringLiteral("Empty"), QString());
    }
    TIniFile ini(path);
    // Names compare without regard to case.
    EXPECT_EQ(ini.ReadString(QStringLiteral("dial"), QStringLiteral("CAPTION"), QString()),
              QStringLiteral("Speed; rpm = fast # 1"));
    EXPECT_EQ(ini.ReadInteger(QStringLiteral("Dial"), QStringLiteral("Position"), 0), -42);
    EXPECT_TRUE(ini.ReadBool(QStringLiteral("Dial"), QStringLiteral("Visible"), false));
    EXPECT_EQ(ini.ReadFloat(QStringLiteral("Scale"), QStringLiteral("ValueTo"), 0), 0.1);
    EXPECT_TRUE(ini.ValueExists(QStringLiteral("Scale"), QStringLiteral("Empty")));
    EXPECT_EQ(ini.ReadString(QStringLiteral("Scale"), QStringLiteral("Empty"), QStringLiteral("x")),
              QString());
    EXPECT_EQ(ini.ReadSections(), (QStringList{QStringLiteral("Dial"), QStringLiteral("Scale")}));
    EXPECT_EQ(ini.ReadSection(QStringLiteral("DIAL")),
              (QStringList{QStringLiteral("Caption"), QStringLiteral("Position"),
                           QStringLiteral("Visible")}));
    // Missing sections and keys give the defaults.
    EXPECT_EQ(ini.ReadString(QStringLiteral("Bar"), QStringLiteral("Caption"), QStringLiteral("d")),
              QStringLiteral("d"));
    EXPECT_EQ(ini.ReadInteger(QStringLiteral("Dial"), QStringLiteral("Nothing"), 7), 7);
    EXPECT_FALSE(ini.SectionExists(QStringLiteral("Bar")));
}

TEST_F(IniFileTest, NumbersThatDoNotParseGiveTheDefault) {
    WriteAll(path, QStringLiteral("[N]\n"
                                  "hex=0x1F\n"
                                  "trailing=12abc\n"
                                  "blank=\n"
                                  "zero=0\n"
                                  "seven=7\n"
                                  "word=yes\n"
                                  "comma=1,5\n"
                                  "point=1.5\n"
                                  "inf=inf\n"
                                  "nan=nan\n"));
    const TIniFile ini(path);
    const QString n = QStringLiteral("N");
    EXPECT_EQ(ini.ReadInteger(n, QStringLiteral("hex"), -1), 31);
    EXPECT_EQ(ini.ReadInteger(n, QStringLiteral("trailing"), -1), -1);
    EXPECT_EQ(ini.ReadInteger(n, QStringLiteral("blank"), -1), -1);
    EXPECT_FALSE(ini.ReadBool(n, QStringLiteral("zero"), true));
    EXPECT_TRUE(ini.ReadBool(n, QStringLiteral("seven"), false));
    EXPECT_TRUE(ini.ReadBool(n, QStringLiteral("word"), true));
    EXPECT_FALSE(ini.ReadBool(n, QStringLiteral("word"), false));
    EXPECT_EQ(ini.ReadFloat(n, QStringLiteral("comma"), -1), -1);
    EXPECT_EQ(ini.ReadFloat(n, QStringLiteral("point"), -1), 1.5);
    EXPECT_EQ(ini.ReadFloat(n, QStringLiteral("inf"), -1), -1);
    EXPECT_EQ(ini.ReadFloat(n, QStringLiteral("nan"), -1), -1);
}

TEST_F(IniFileTest, WritesKeepCommentsForeignLinesAndTheOrder) {
    WriteAll(path, QStringLiteral("; written by hand\n"
                                  "[Dial]\n"
                                  "Caption = Speed \n"
                                  "# not ours\n"
                                  "\n"
                                  "[Other]\n"
                                  "a=1\n"));
    TIniFile ini(path);
    EXPECT_EQ(ini.ReadString(QStringLiteral("Dial"), QStringLiteral("Caption"), QString()),
              QStringLiteral("Speed"));
    ini.WriteString(QStringLiteral("Dial"), QStringLiteral("caption"), QStringLiteral("Torque"));
    ini.WriteInteger(QStringLiteral("Dial"), QStringLiteral("Position"), 5);
    ini.WriteInteger(QStringLiteral("New"), QStringLiteral("b"), 2);
    EXPECT_EQ(ReadAll(path), QStringLiteral("; written by hand\n"
                                            "[Dial]\n"
                                            "Caption=Torque\n"
                                            "# not ours\n"
                                            "Position=5\n"
                                            "\n"
                                            "[Other]\n"
                                            "a=1\n"
                                            "[New]\n"
                                            "b=2\n"));
    ini.DeleteKey(QStringLiteral("Dial"), QStringLiteral("POSITION"));
    ini.EraseSection(QStringLiteral("other"));
    EXPECT_EQ(ReadAll(path), QStringLiteral("; written by hand\n"
                                            "[Dial]\n"
                                            "Caption=Torque\n"
                                            "# not ours\n"
                                            "\n"
                                            "[New]\n"
                                            "b=2\n"));
}

TEST_F(IniFileTest, BadNamesAndUnwritableFilesAreReportedAndChangeNothing) {
    WriteAll(path, QStringLiteral("[Dial]\nCaption=Speed\n"));
    TIniFile ini(path);
    struct Case {
        QString section, ident, value;
    };
    const Case bad[] = {
        {QStringLiteral("Di]al"), QStringLiteral("k"), QStringLiteral("v")},
        {QStringLiteral("Dial\n[X"), QStringLiteral("k"), QStringLiteral("v")},
        {QStringLiteral("Dial"), QStringLiteral("a=b"), QStringLiteral("v")},
        {QStringLiteral("Dial"), QString(), QStringLiteral("v")},
        {QStringLiteral("Dial"), QStringLiteral(";k"), QStringLiteral("v")},
        {QStringLiteral("Dial"), QStringLiteral("k"), QStringLiteral("two\nlines")},
    };
    for (const Case& c : bad)
        EXPECT_THROW(ini.WriteString(c.section, c.ident, c.value), EIniFileException)
            << c.section.toStdString() << "/" << c.ident.toStdString();
    EXPECT_EQ(ReadAll(path), QStringLiteral("[Dial]\nCaption=Speed\n"));

    const QString nowhere = dir.filePath(QStringLiteral("no/such/folder/gauge.ini"));
    TIniFile lost(nowhere);
    try {
        lost.WriteInteger(QStringLiteral("Dial"), QStringLiteral("Position"), 1);
        ADD_FAILURE() << "no exception";
    } catch (const EIniFileException& e) {
        EXPECT_NE(QString::fromStdString(e.what()).indexOf(nowhere), -1) << e.what();
    }
    EXPECT_FALSE(QFile::exists(nowhere));
    // The value stays readable in memory.
    EXPECT_EQ(lost.ReadInteger(QStringLiteral("Dial"), QStringLiteral("Position"), 0), 1);
}

// AppPath points at a temporary folder for each test and is put back afterwards.
class IniSettingsTest : public ::testing::Test {
protected:
    IniSettingsTest() : savedAppPath(AppPath) { AppPath = dir.path() + QLatin1Char('/'); }
    ~IniSettingsTest() override { AppPath = savedAppPath; }

    QString savedAppPath;
    QTemporaryDir dir;
    TIniSettings settings;
    int calls = 0;
};

TEST_F(IniSettingsTest, AppPathIsTheProgramFolder) {
    EXPECT_EQ(savedAppPath, QCoreApplication::applicationDirPath() + QLatin1Char('/'));
}

TEST_F(IniSettingsTest, StartsWithTheInitialValues) {
    EXPECT_TRUE(settings.FileName.isEmpty());
    EXPECT_TRUE(settings.Section.isEmpty());
    EXPECT_TRUE(settings.UseAppDir);
    EXPECT_TRUE(settings.AutoLoadSave);
    EXPECT_FALSE(settings.OnHandleIniEvent);
    EXPECT_FALSE(settings.HasError());
    EXPECT_TRUE(settings.ErrorText().isEmpty());
}

TEST_F(IniSettingsTest, EmptyNamesAreReportedAndNoHandlerRuns) {
    settings.OnHandleIniEvent = [&](TIniFile&, bool) {
        ++calls;
    };
    struct Case {
        const char* fileName;
        const char* section;
        const char* error;
    };
    const Case cases[] = {
        {"", "Dial", "Invalid FileName"},
        {"dial.ini", "", "Invalid SectionName"},
        {"", "", "Invalid SectionName"}, // the second check's message is kept
    };
    for (const Case& c : cases) {
        settings.FileName = QString::fromLatin1(c.fileName);
        settings.Section = QString::fromLatin1(c.section);
        settings.Handle(true);
        EXPECT_TRUE(settings.HasError()) << c.fileName << "/" << c.section;
        EXPECT_EQ(settings.ErrorText(), QString::fromLatin1(c.error));
    }
    EXPECT_EQ(calls, 0);
    EXPECT_TRUE(QDir(dir.path()).isEmpty());
    // A good call clears the last error.
    settings.FileName = QStringLiteral("dial.ini");
    settings.Section = QStringLiteral("Dial");
    settings.Handle(true);
    EXPECT_FALSE(settings.HasError());
    EXPECT_TRUE(settings.ErrorText().isEmpty());
    EXPECT_EQ(calls, 1);
}

TEST_F(IniSettingsTest, TheFileLiesInTheProgramFolderOrWhereFileNameSays) {
    QTemporaryDir elsewhere;
    struct Case {
        QString fileName;
        bool useAppDir;
        QString path;
    };
    const Case cases[] = {
        {elsewhere.filePath(QStringLiteral("dial.ini")), true,
         AppPath + QStringLiteral("dial.ini")},
        {QStringLiteral("C:\\Program Files\\Tool\\dial.ini"), true,
         AppPath + QStringLiteral("dial.ini")},
        {QStringLiteral("dial.ini"), true, AppPath + QStringLiteral("dial.ini")},
        {elsewhere.filePath(QStringLiteral("dial.ini")), false,
         elsewhere.filePath(QStringLiteral("dial.ini"))},
    };
    settings.Section = QStringLiteral("Dial");
    for (const Case& c : cases) {
        settings.FileName = c.fileName;
        settings.UseAppDir = c.useAppDir;
        QString opened;
        settings.OnHandleIniEvent = [&](TIniFile& ini, bool) {
            opened = ini.FileName();
        };
        settings.Handle(false);
        EXPECT_EQ(opened, c.path) << c.fileName.toStdString();
        EXPECT_EQ(settings.Path(), c.path);
    }
}

// A control's settings saved and loaded through the handler.
struct DialLook {
    int position = 0;
    QString caption;
    bool visible = false;
};

TEST_F(IniSettingsTest, SettingsRoundTripThroughTheHandler) {
    DialLook look{73, QStringLiteral("Load; %"), true};
    std::vector<bool> reads;
    settings.FileName = QStringLiteral("/somewhere/else/look.ini");
    settings.Section = QStringLiteral("Dial1");
    settings.OnHandleIniEvent = [&](TIniFile& ini, bool read) {
        reads.push_back(read);
        const QString s = QStringLiteral("Dial1"); // the handler names its own section
        if (read) {
            look.position = ini.ReadInteger(s, QStringLiteral("Position"), -1);
            look.caption = ini.ReadString(s, QStringLiteral("Caption"), QString());
            look.visible = ini.ReadBool(s, QStringLiteral("Visible"), false);
        } else {
            ini.WriteInteger(s, QStringLiteral("Position"), look.position);
            ini.WriteString(s, QStringLiteral("Caption"), look.caption);
            ini.WriteBool(s, QStringLiteral("Visible"), look.visible);
        }
    };
    settings.AutoHandle(false);
    EXPECT_TRUE(QFile::exists(dir.filePath(QStringLiteral("look.ini"))));
    look = DialLook{};
    settings.AutoHandle(true);
    EXPECT_EQ(look.position, 73);
    EXPECT_EQ(look.caption, QStringLiteral("Load; %"));
    EXPECT_TRUE(look.visible);
    EXPECT_EQ(reads, (std::vector<bool>{false, true}));

    // With AutoLoadSave off only Handle acts.
    settings.AutoLoadSave = false;
    look.position = 5;
    settings.AutoHandle(true);
    EXPECT_EQ(look.position, 5);
    settings.Handle(true);
    EXPECT_EQ(look.position, 73);
    EXPECT_EQ(reads.size(), 3u);
}

TEST_F(IniSettingsTest, WithoutAHandlerNothingIsWrittenAndHandlerErrorsPassOn) {
    settings.FileName = QStringLiteral("quiet.ini");
    settings.Section = QStringLiteral("Dial");
    settings.Handle(false);
    EXPECT_FALSE(settings.HasError());
    EXPECT_FALSE(QFile::exists(dir.filePath(QStringLiteral("quiet.ini"))));

    settings.OnHandleIniEvent = [](TIniFile&, bool) {
        throw std::runtime_error("handler");
    };
    EXPECT_THROW(settings.Handle(true), std::runtime_error);
    EXPECT_FALSE(settings.HasError());
    // A file that cannot be written reports through the ini file's own error.
    settings.FileName = QStringLiteral("no/such/folder/x.ini");
    settings.UseAppDir = false;
    settings.OnHandleIniEvent = [](TIniFile& ini, bool) {
        ini.WriteInteger(QStringLiteral("Dial"), QStringLiteral("Position"), 1);
    };
    EXPECT_THROW(settings.Handle(false), EIniFileException);
}

} // namespace
} // namespace zk::gauges
