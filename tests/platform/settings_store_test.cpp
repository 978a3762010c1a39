// The settings stores: the INI file keeps what was written and never loses a file
// it cannot understand (one it cannot write back as it was goes aside); the memory
// store refuses on demand.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <algorithm>
#include <functional>
#include <string>

#include "tests/support/unprivileged_child.h"
#include "zktools/platform/ini_settings_store.h"
#include "zktools/platform/memory_settings_store.h"

namespace zk::platform {
namespace {

const QString kComm = "SOFTWARE\\Qorvel\\Tamberlyne\\Comm";
const QString kSelPara = "SOFTWARE\\Qorvel\\Tamberlyne\\SelPara";

QByteArray ReadAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

void WriteAll(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    ASSERT_EQ(file.write(bytes), bytes.size());
}

// Sets an environment variable for the scope, then puts back what was there.
class ScopedEnv {
public:
    ScopedEnv(const char* name, const QString& value)
        : name_(name), had_(qEnvironmentVariableIsSet(name)), old_(qgetenv(name)) {
        qputenv(name, value.toUtf8());
    }
    ~ScopedEnv() {
        if (had_)
            qputenv(name_, old_);
        else
            qunsetenv(name_);
    }

private:
    const char* name_;
    bool had_;
    QByteArray old_;
};

class IniSettingsStoreTest : public ::testing::Test {
protected:
    QString File() const { return dir_.filePath("cfg/VantorTools/registry.ini"); }
    QTemporaryDir dir_;
};

TEST_F(IniSettingsStoreTest, WrittenValuesReadBackWithTheirTypes) {
    ASSERT_TRUE(dir_.isValid());
    IniSettingsStore store(File());
    EXPECT_EQ(store.ReadInteger(kComm, "PLTPort"), std::nullopt) << "no file yet";

    ASSERT_TRUE(store.WriteInteger(kComm, "PLTPort", 3));
    for (int row = 1; row <= 12; ++row)
        ASSERT_TRUE(store.WriteString(kSelPara, QString("row%1").arg(row),
                                      row == 2 ? QString() : QString("IVMode")));
    ASSERT_TRUE(store.WriteString(kSelPara, "a;b\\c", "x=y;z"));

    IniSettingsStore again(File());
    EXPECT_EQ(again.ReadInteger(kComm, "PLTPort"), 3);
    EXPECT_EQ(again.ReadInteger(kComm.toLower(), "pltport"), 3);
    EXPECT_EQ(again.ReadString(kSelPara, "row1"), QString("IVMode"));
    EXPECT_EQ(again.ReadString(kSelPara, "row2"), QString(""));
    EXPECT_EQ(again.ReadString(kSelPara, "a;b\\c"), QString("x=y;z"));
    EXPECT_EQ(again.ReadString(kComm, "PLTPort"), std::nullopt) << "an integer is no string";
    EXPECT_EQ(again.ReadInteger(kSelPara, "row1"), std::nullopt) << "a string is no integer";
    EXPECT_EQ(again.ReadString(kSelPara, "row13"), std::nullopt);

    const QByteArray text = ReadAll(File());
    EXPECT_TRUE(text.contains("[SOFTWARE\\Qorvel\\Tamberlyne\\Comm]\n\"PLTPort\"=int:3\n"));
    EXPECT_TRUE(text.contains("\"row1\"=\"IVMode\"\n"));
    EXPECT_TRUE(text.contains("\"a;b\\\\c\"=\"x=y;z\"\n"));
    EXPECT_EQ(QDir(QFileInfo(File()).absolutePath()).entryList(QDir::Files),
              QStringList({"registry.ini"}))
        << "no temporary file left behind";
}

TEST_F(IniSettingsStoreTest, RewritingChangesOnlyTheValueWritten) {
    ASSERT_TRUE(dir_.isValid());
    ASSERT_TRUE(QDir().mkpath(QFileInfo(File()).absolutePath()));
    const QByteArray hand =
        "; kept by hand\n[" + kComm.toUtf8() + "]\n\"PLTPort\"=int:1\nnot a value line\n";
    WriteAll(File(), hand);
    IniSettingsStore store(File());
    ASSERT_TRUE(store.WriteInteger(kComm, "PLTPort", 0));
    QByteArray expected = hand;
    expected.replace("int:1", "int:0");
    EXPECT_EQ(ReadAll(File()), expected);
}

TEST_F(IniSettingsStoreTest, FileThatCannotBeUnderstoodIsNeverOverwritten) {
    ASSERT_TRUE(dir_.isValid());
    struct Case {
        const char* name;
        std::function<QString()> prepare; // returns the store's path
    };
    const Case cases[] = {
        {"path_is_a_folder",
         [&] {
             const QString path = dir_.filePath("folder.ini");
             QDir().mkpath(path);
             return path;
         }},
        {"parent_is_a_file",
         [&] {
             WriteAll(dir_.filePath("plain"), "x");
             return dir_.filePath("plain/registry.ini");
         }},
    };
    for (const Case& c : cases) {
        const QString path = c.prepare();
        const QByteArray before = ReadAll(path);
        IniSettingsStore store(path);
        EXPECT_FALSE(store.WriteInteger(kComm, "PLTPort", 2)) << c.name;
        EXPECT_FALSE(store.WriteString(kSelPara, "row1", "Kip")) << c.name;
        EXPECT_EQ(ReadAll(path), before) << c.name;
        EXPECT_EQ(store.ReadInteger(kComm, "PLTPort"), std::nullopt) << c.name;
    }
}

// Latin-1 bytes where UTF-8 belongs: the text cannot be written back as it was.
const QByteArray kDamaged = "[" + kComm.toUtf8() +
                            "]\n\"PLTPort\"=int:1\n\"row1\"=\"Gr\xFC\xDF"
                            "e\"\n";

TEST_F(IniSettingsStoreTest, DamagedFileIsMovedAsideUnderAFreeNameAndANewOneWritten) {
    ASSERT_TRUE(dir_.isValid());
    struct Case {
        const char* name;
        std::function<void(const QString& folder)> prepare; // beside registry.ini
        const char* store;                                  // the path the store is given
        const char* moved;                                  // where the damaged file goes
        const char* fresh;                                  // where the new file is written
    };
    const Case cases[] = {
        {"first_time", [](const QString&) {}, "registry.ini", "registry.ini.damaged",
         "registry.ini"},
        // Whatever holds a name keeps it, a dangling link too.
        {"names_taken",
         [](const QString& folder) {
             WriteAll(folder + "/registry.ini.damaged", "earlier");
             QFile::link("nowhere", folder + "/registry.ini.damaged-1");
         },
         "registry.ini", "registry.ini.damaged-2", "registry.ini"},
        // The file a link names goes aside beside itself; the link stays.
        {"through_a_link",
         [](const QString& folder) {
             QDir().mkpath(folder + "/real");
             QFile::rename(folder + "/registry.ini", folder + "/real/registry.ini");
             QFile::link("real/registry.ini", folder + "/link.ini");
         },
         "link.ini", "real/registry.ini.damaged", "real/registry.ini"},
    };
    for (const Case& c : cases) {
        QTemporaryDir dir;
        const QString folder = dir.path();
        WriteAll(folder + "/registry.ini", kDamaged);
        c.prepare(folder);
        const auto listing = [&] {
            QStringList names;
            for (const QFileInfo& info :
                 QDir(folder).entryInfoList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot))
                names << info.fileName() + (info.isSymLink() ? " -> " + info.symLinkTarget()
                                                             : " " + ReadAll(info.filePath()));
            return names;
        };
        QStringList expected = listing();
        const QString path = folder + "/" + c.store;
        IniSettingsStore store(path);
        EXPECT_EQ(store.ReadInteger(kComm, "PLTPort"), 1) << c.name << ": reads still work";

        ::testing::internal::CaptureStderr();
        EXPECT_TRUE(store.WriteString(kSelPara, "row1", "Kip")) << c.name;
        const std::string said = ::testing::internal::GetCapturedStderr();

        const QString moved = folder + "/" + c.moved;
        const QString fresh = folder + "/" + c.fresh;
        EXPECT_EQ(ReadAll(moved), kDamaged) << c.name;
        EXPECT_EQ(ReadAll(fresh), "[" + kSelPara.toUtf8() + "]\n\"row1\"=\"Kip\"\n") << c.name;
        EXPECT_EQ(std::count(said.begin(), said.end(), '\n'), 1) << c.name << ": " << said;
        EXPECT_NE(said.find(fresh.toStdString() + " "), std::string::npos)
            << c.name << ": " << said;
        EXPECT_NE(said.find(moved.toStdString() + " "), std::string::npos)
            << c.name << ": " << said;
        // Nothing else changed beside it.
        QStringList after = listing();
        expected.removeAll("registry.ini " + kDamaged);
        after.removeAll(QFileInfo(fresh).fileName() + " " + ReadAll(fresh));
        after.removeAll(QFileInfo(moved).fileName() + " " + kDamaged);
        EXPECT_EQ(after, expected) << c.name;

        // From now on an ordinary file: kept, and no more words about it.
        ::testing::internal::CaptureStderr();
        EXPECT_TRUE(store.WriteInteger(kComm, "PLTPort", 2)) << c.name;
        EXPECT_EQ(::testing::internal::GetCapturedStderr(), "") << c.name;
        EXPECT_EQ(store.ReadString(kSelPara, "row1"), QString("Kip")) << c.name;
        EXPECT_EQ(store.ReadInteger(kComm, "PLTPort"), 2) << c.name;
        EXPECT_EQ(ReadAll(moved), kDamaged) << c.name;
    }
}

// A damaged file that cannot go aside is neither written over nor lost.
void ExpectKeptAndSaid(const QString& path, const std::function<void()>& unlock) {
    IniSettingsStore store(path);
    ::testing::internal::CaptureStderr();
    EXPECT_FALSE(store.WriteInteger(kComm, "PLTPort", 2));
    const std::string said = ::testing::internal::GetCapturedStderr();
    EXPECT_EQ(std::count(said.begin(), said.end(), '\n'), 1) << said;
    EXPECT_NE(said.find(path.toStdString() + " "), std::string::npos) << said;
    EXPECT_NE(said.find("could not be moved aside"), std::string::npos) << said;
    unlock();
    EXPECT_EQ(ReadAll(path), kDamaged);
}

TEST_F(IniSettingsStoreTest, DamagedFileThatCannotBeMovedStaysAndTheStoreSaysSo) {
    ASSERT_TRUE(dir_.isValid());
    {
        SCOPED_TRACE("every name aside is taken");
        const QString folder = dir_.filePath("full");
        ASSERT_TRUE(QDir().mkpath(folder));
        WriteAll(folder + "/registry.ini", kDamaged);
        ASSERT_TRUE(QFile::link("nowhere", folder + "/registry.ini.damaged"));
        for (int n = 1; n <= 999; ++n)
            ASSERT_TRUE(
                QFile::link("nowhere", folder + QString("/registry.ini.damaged-%1").arg(n)));
        ExpectKeptAndSaid(folder + "/registry.ini", [] {});
        EXPECT_EQ(QDir(folder).entryList(QDir::Files | QDir::NoDotAndDotDot),
                  QStringList({"registry.ini"}));
    }
    SCOPED_TRACE("the folder takes no new name");
    unprivileged::HandOver(dir_.path().toStdString());
    unprivileged::Run([this] {
        const QString folder = dir_.filePath("locked");
        ASSERT_TRUE(QDir().mkpath(folder));
        WriteAll(folder + "/registry.ini", kDamaged);
        ASSERT_TRUE(QFile::setPermissions(folder, QFileDevice::ReadOwner | QFileDevice::ExeOwner));
        ExpectKeptAndSaid(folder + "/registry.ini", [&] {
            ASSERT_TRUE(QFile::setPermissions(
                folder, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner));
        });
        EXPECT_EQ(QDir(folder).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
                  QStringList({"registry.ini"}));
    });
}

TEST_F(IniSettingsStoreTest, UnreadableFileIsNeitherReadNorReplaced) {
    ASSERT_TRUE(dir_.isValid());
    // File permissions do not bind root: the body runs as an unprivileged user.
    unprivileged::HandOver(dir_.path().toStdString());
    unprivileged::Run([this] {
        const QString path = dir_.filePath("locked.ini");
        WriteAll(path, "[" + kComm.toUtf8() + "]\n\"PLTPort\"=int:1\n");
        ASSERT_TRUE(QFile::setPermissions(path, QFileDevice::Permissions()));
        IniSettingsStore store(path);
        EXPECT_EQ(store.ReadInteger(kComm, "PLTPort"), std::nullopt);
        EXPECT_FALSE(store.WriteInteger(kComm, "PLTPort", 2));
        ASSERT_TRUE(QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::WriteOwner));
        EXPECT_EQ(IniSettingsStore(path).ReadInteger(kComm, "PLTPort"), 1);
    });
}

TEST_F(IniSettingsStoreTest, DefaultFileFollowsTheEnvironmentAtEveryAccess) {
    ASSERT_TRUE(dir_.isValid());
    IniSettingsStore store; // follows the environment
    {
        ScopedEnv noOverride("ZKTOOLS_SETTINGS_FILE", "");
        ScopedEnv config("XDG_CONFIG_HOME", dir_.filePath("cfg"));
        EXPECT_EQ(IniSettingsStore::DefaultPath(), File());
        ASSERT_TRUE(store.WriteInteger(kComm, "PLTPort", 1));
    }
    {
        ScopedEnv file("ZKTOOLS_SETTINGS_FILE", dir_.filePath("other.ini"));
        EXPECT_EQ(store.Path(), dir_.filePath("other.ini"));
        EXPECT_EQ(store.ReadInteger(kComm, "PLTPort"), std::nullopt);
        ASSERT_TRUE(store.WriteInteger(kComm, "PLTPort", 2));
    }
    EXPECT_EQ(IniSettingsStore(File()).ReadInteger(kComm, "PLTPort"), 1);
    EXPECT_EQ(IniSettingsStore(dir_.filePath("other.ini")).ReadInteger(kComm, "PLTPort"), 2);
}

TEST(MemorySettingsStoreTest, RefusedReadsAndWritesAreSilentAndLogged) {
    struct Case {
        bool refuseReads, refuseWrites;
    };
    for (const Case c :
         {Case{false, false}, Case{true, false}, Case{false, true}, Case{true, true}}) {
        MemorySettingsStore store;
        store.Preset(kComm, "PLTPort", 3);
        store.RefuseReads(c.refuseReads);
        store.RefuseWrites(c.refuseWrites);

        EXPECT_EQ(store.ReadInteger(kComm, "pltport"),
                  c.refuseReads ? std::nullopt : std::optional<int>(3));
        EXPECT_EQ(store.WriteString(kSelPara, "row1", "Kip"), !c.refuseWrites);
        EXPECT_EQ(store.WriteInteger(kComm, "PLTPort", 1), !c.refuseWrites);
        EXPECT_EQ(store.Value(kComm, "PLTPort"), SettingValue(c.refuseWrites ? 3 : 1));
        EXPECT_EQ(store.Writes(), (std::vector<MemorySettingsStore::WriteAttempt>{
                                      {kSelPara, "row1", QString("Kip"), !c.refuseWrites},
                                      {kComm, "PLTPort", 1, !c.refuseWrites}}));
        EXPECT_EQ(store.ReadString(kComm, "PLTPort"), std::nullopt) << "wrong type";
    }
}

} // namespace
} // namespace zk::platform
