// Opening a file through the desktop: the path handed on, the result handed back.
#include "zktools/gauges/qx_shell.h"

#include <gtest/gtest.h>

namespace zk::gauges {
namespace {

struct Call {
    QString path, parameters, directory;
};

class QxExecuteFileTest : public ::testing::Test {
protected:
    QxExecuteFileTest() {
        SetShellLauncher(
            [this](const QString& path, const QString& parameters, const QString& directory) {
                calls.push_back(Call{path, parameters, directory});
                return result;
            });
    }
    ~QxExecuteFileTest() override { SetShellLauncher({}); }

    std::vector<Call> calls;
    int result = kShellOk;
};

TEST_F(QxExecuteFileTest, RelativeFilesOpenInTheDirectoryAndTheResultComesBack) {
    struct Case {
        const char* file;
        const char* directory;
        const char* path;
    };
    const Case cases[] = {
        {"manual.pdf", "/opt/docs", "/opt/docs/manual.pdf"},
        {"/etc/hosts", "/opt/docs", "/etc/hosts"},
        {"manual.pdf", "", "manual.pdf"},
        {"https://example.org/help", "/opt/docs", "https://example.org/help"},
    };
    for (const Case& c : cases) {
        calls.clear();
        EXPECT_EQ(QxExecuteFile(QString::fromLatin1(c.file), QStringLiteral("-p 1"),
                                QString::fromLatin1(c.directory), 1),
                  kShellOk);
        ASSERT_EQ(calls.size(), 1u) << c.file;
        EXPECT_EQ(calls[0].path, QString::fromLatin1(c.path));
        EXPECT_EQ(calls[0].parameters, QStringLiteral("-p 1"));
        EXPECT_EQ(calls[0].directory, QString::fromLatin1(c.directory));
    }
    result = kShellNoAssociation;
    EXPECT_EQ(QxExecuteFile(QStringLiteral("x.unknown"), QString(), QString(), 1),
              kShellNoAssociation);
}

TEST_F(QxExecuteFileTest, LongStringsPassWholeAndAnEmptyFileIsNotFound) {
    const QString longName = QString(120, u'n') + QStringLiteral(".txt");
    const QString longParameters = QString(200, u'p');
    QxExecuteFile(longName, longParameters, QString(), 1);
    ASSERT_EQ(calls.size(), 1u);
    EXPECT_EQ(calls[0].path, longName);
    EXPECT_EQ(calls[0].parameters, longParameters);
    EXPECT_EQ(QxExecuteFile(QString(), QString(), QString(), 1), kShellFileNotFound);
    EXPECT_EQ(calls.size(), 1u);
}

TEST(QxExecuteFileDesktop, MissingFilesAndFoldersAreReportedWithoutStartingAnything) {
    EXPECT_EQ(
        QxExecuteFile(QStringLiteral("no-such-file.txt"), QString(), QStringLiteral("/tmp"), 1),
        kShellFileNotFound);
    EXPECT_EQ(QxExecuteFile(QStringLiteral("/no/such/folder/file.txt"), QString(), QString(), 1),
              kShellPathNotFound);
}

} // namespace
} // namespace zk::gauges
