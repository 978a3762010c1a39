// Saving a parameter file the way a careful editor does: read-only files, unwritable folders,
// links, owners, and the order of the flushes. Each case on a real folder.
#include "file_fixture.h"
#include "tests/support/unprivileged_child.h"

#include "zktools/model/replace_file.h"

#include <fcntl.h>
#include <sys/stat.h>

#include <map>
#include <ostream>

namespace {

namespace fs = std::filesystem;

class CarefulSave : public FileTest {
protected:
    void SetUp() override {
        FileTest::SetUp();
        home_ = dir_ / "home";
        fs::create_directory(home_);
        unprivileged::HandOver(home_);
    }
    void TearDown() override {
        // A folder locked by a test must not keep its files from being removed.
        std::error_code ec;
        for (auto it = fs::recursive_directory_iterator(dir_, ec);
             it != fs::recursive_directory_iterator(); it.increment(ec)) {
            if (it->is_directory(ec) && !it->is_symlink(ec)) {
                fs::permissions(it->path(), fs::perms::owner_all, fs::perm_options::add, ec);
            }
        }
        FileTest::TearDown();
    }

    std::string At(const std::string& name) const { return (home_ / name).string(); }

    // Everything under home: links with their text, files with mode and contents.
    std::vector<std::string> Listing() const {
        std::vector<std::string> out;
        for (const auto& e : fs::recursive_directory_iterator(home_)) {
            const std::string name = e.path().lexically_relative(home_).string();
            if (e.is_symlink()) {
                out.push_back(name + " -> " + fs::read_symlink(e.path()).string());
            } else if (fs::is_directory(e.symlink_status())) {
                out.push_back(name + "/");
            } else {
                struct stat info {};
                ::stat(e.path().c_str(), &info);
                out.push_back(name + " " + std::to_string(info.st_mode & 07777) + " " +
                              ReadFile(e.path().string()));
            }
        }
        std::sort(out.begin(), out.end());
        return out;
    }

    // What a save of the current table writes, made in a folder of its own.
    std::string SavedText() const {
        const fs::path reference = dir_ / "reference.ZKC";
        FileProc.SaveToFile(reference.string());
        return ReadFile(reference.string());
    }

    fs::path home_;
};

void Write(const std::string& path, const std::string& text, fs::perms mode) {
    std::ofstream(path, std::ios::binary) << text;
    fs::permissions(path, mode);
}

mode_t CurrentUmask() {
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return mask;
}

constexpr auto ReadOnly = fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read;
constexpr auto ReadWrite = ReadOnly | fs::perms::owner_write;
constexpr auto LockedFolder =
    ReadOnly | fs::perms::owner_exec | fs::perms::group_exec | fs::perms::others_exec;

// --- What may not be written stays as it was -------------------------------------------------

struct RefusedCase {
    const char* label;
    void (*make)(const fs::path& home);
    const char* path; // saved to, inside home
};

std::ostream& operator<<(std::ostream& os, const RefusedCase& c) {
    return os << c.label;
}

const RefusedCase RefusedCases[] = {
    {"ReadOnlyFileInAWritableFolder",
     [](const fs::path& home) { Write((home / "set.ZKC").string(), "old\n", ReadOnly); },
     "set.ZKC"},
    {"LinkToAReadOnlyFile",
     [](const fs::path& home) {
         Write((home / "set.ZKC").string(), "old\n", ReadOnly);
         fs::create_symlink("set.ZKC", home / "link.ZKC");
     },
     "link.ZKC"},
    {"NewFileInAReadOnlyFolder",
     [](const fs::path& home) {
         fs::create_directory(home / "locked");
         fs::permissions(home / "locked", LockedFolder);
     },
     "locked/set.ZKC"},
};

class RefusedSave : public CarefulSave, public ::testing::WithParamInterface<RefusedCase> {};

TEST_P(RefusedSave, RaisesCantOpenAndLeavesEverythingAsItWas) {
    unprivileged::Run([&] {
        GetParam().make(home_);
        const std::vector<std::string> before = Listing();
        const std::string path = At(GetParam().path);
        EXPECT_EQ(MessageOf([&] { FileProc.SaveToFile(path); }), "Can't open file " + path);
        EXPECT_EQ(Listing(), before);
    });
}

INSTANTIATE_TEST_SUITE_P(Targets, RefusedSave, ::testing::ValuesIn(RefusedCases),
                         [](const auto& p) { return std::string(p.param.label); });

// --- A writable file in a folder that takes no new file ---------------------------------------

TEST_F(CarefulSave, AWritableFileInAnUnwritableFolderIsWrittenInPlace) {
    SymTable.SetValue("PoleCount", 10);
    const std::string expected = SavedText();
    unprivileged::Run([&] {
        fs::create_directory(home_ / "locked");
        const std::string path = At("locked/set.ZKC");
        // Longer than the new text: nothing of it may be left at the end.
        Write(path, "# old\n" + std::string(4000, 'o') + "\n", ReadWrite);
        fs::permissions(home_ / "locked", LockedFolder);
        struct stat before {};
        ASSERT_EQ(::stat(path.c_str(), &before), 0);

        EXPECT_EQ(FileProc.SaveToFile(path), 20);

        EXPECT_EQ(ReadFile(path), expected);
        struct stat after {};
        ASSERT_EQ(::stat(path.c_str(), &after), 0);
        EXPECT_EQ(after.st_ino, before.st_ino);
        EXPECT_EQ(after.st_mode & 07777, before.st_mode & 07777);
        EXPECT_EQ(std::distance(fs::directory_iterator(home_ / "locked"), fs::directory_iterator()),
                  1);
    });
}

// --- Links ------------------------------------------------------------------------------------

struct LinkCase {
    const char* label;
    std::vector<std::pair<std::string, std::string>> links; // name in home, its text
    const char* saved;                                      // the link saved to
    const char* written; // the file that must hold the text; nullptr: the save fails
};

std::ostream& operator<<(std::ostream& os, const LinkCase& c) {
    return os << c.label;
}

const LinkCase LinkCases[] = {
    {"DanglingLinkBeside", {{"link.ZKC", "made.ZKC"}}, "link.ZKC", "made.ZKC"},
    {"DanglingLinkIntoAFolder", {{"link.ZKC", "sub/made.ZKC"}}, "link.ZKC", "sub/made.ZKC"},
    {"DanglingLinkOutOfAFolder", {{"sub/link.ZKC", "../made.ZKC"}}, "sub/link.ZKC", "made.ZKC"},
    {"DanglingChainOfLinks",
     {{"first.ZKC", "sub/second.ZKC"}, {"sub/second.ZKC", "../made.ZKC"}},
     "first.ZKC",
     "made.ZKC"},
    {"DanglingLinkIntoAMissingFolder", {{"link.ZKC", "nowhere/made.ZKC"}}, "link.ZKC", nullptr},
    {"LinkLoop", {{"a.ZKC", "b.ZKC"}, {"b.ZKC", "a.ZKC"}}, "a.ZKC", nullptr},
};

class LinkSave : public CarefulSave, public ::testing::WithParamInterface<LinkCase> {};

TEST_P(LinkSave, ALinkStaysALinkAndTheFileItNamesIsWritten) {
    const LinkCase& c = GetParam();
    fs::create_directory(home_ / "sub");
    for (const auto& [name, text] : c.links) {
        fs::create_symlink(text, home_ / name);
    }
    const std::string expected = SavedText();
    const std::vector<std::string> before = Listing();
    const std::string path = At(c.saved);

    const std::string message = MessageOf([&] { FileProc.SaveToFile(path); });

    if (c.written == nullptr) {
        EXPECT_EQ(message, "Can't open file " + path);
        EXPECT_EQ(Listing(), before);
        return;
    }
    EXPECT_EQ(message, "");
    EXPECT_EQ(ReadFile(At(c.written)), expected);
    std::vector<std::string> after = before;
    after.push_back(std::string(c.written) + " " + std::to_string(0666 & ~CurrentUmask()) + " " +
                    expected);
    std::sort(after.begin(), after.end());
    EXPECT_EQ(Listing(), after);
}

INSTANTIATE_TEST_SUITE_P(Links, LinkSave, ::testing::ValuesIn(LinkCases),
                         [](const auto& p) { return std::string(p.param.label); });

// --- Names near the file system's limit -------------------------------------------------------

// The real calls; notes every name a file is created under.
class CreatedNames : public zkmodel_detail::FileCalls {
public:
    std::vector<std::string> created;
    int Open(const char* path, int flags, mode_t mode) override {
        if ((flags & O_CREAT) != 0) {
            created.push_back(path);
        }
        return FileCalls::Open(path, flags, mode);
    }
};

struct LongNameCase {
    const char* label;
    std::string name;      // of the file saved, 250 characters or bytes
    bool lockFolder;       // so that the file is written in place
    std::size_t stemBytes; // of the name, kept in the temporary name
};

std::ostream& operator<<(std::ostream& os, const LongNameCase& c) {
    return os << c.label;
}

std::string Repeat(const std::string& piece, std::size_t times) {
    std::string out;
    for (std::size_t i = 0; i < times; ++i) {
        out += piece;
    }
    return out;
}

// 255 bytes at most, of which ".~" and 8 hex digits are the temporary name's own.
const LongNameCase LongNameCases[] = {
    {"ThroughANewFile", std::string(246, 'n') + ".ZKC", false, 245},
    {"InPlace", std::string(246, 'n') + ".ZKC", true, 245},
    // Two bytes a character: the cut falls before the character it would split.
    {"Utf8ThroughANewFile", Repeat("\xC3\xBC", 123) + ".ZKC", false, 244},
};

class LongName : public CarefulSave, public ::testing::WithParamInterface<LongNameCase> {};

TEST_P(LongName, SavesAndItsTemporaryNameFits) {
    const LongNameCase& c = GetParam();
    unprivileged::Run([&] {
        const fs::path folder = home_ / "files";
        fs::create_directory(folder);
        const std::string path = (folder / c.name).string();
        Write(path, "old\n", ReadWrite);
        if (c.lockFolder) {
            fs::permissions(folder, LockedFolder);
        }
        struct stat before {};
        ASSERT_EQ(::stat(path.c_str(), &before), 0);
        CreatedNames calls;

        EXPECT_TRUE(zkmodel_detail::ReplaceFileContents(path, "new text\n", calls));

        EXPECT_EQ(ReadFile(path), "new text\n");
        struct stat after {};
        ASSERT_EQ(::stat(path.c_str(), &after), 0);
        EXPECT_EQ(after.st_ino == before.st_ino, c.lockFolder) << "written in place or renamed";
        EXPECT_EQ(std::distance(fs::directory_iterator(folder), fs::directory_iterator()), 1);
        ASSERT_EQ(calls.created.size(), 1u);
        const fs::path temp(calls.created[0]);
        EXPECT_EQ(temp.parent_path(), folder);
        const std::string tempName = temp.filename().string();
        ASSERT_EQ(tempName.size(), c.stemBytes + 10) << tempName;
        EXPECT_EQ(tempName.substr(0, c.stemBytes), c.name.substr(0, c.stemBytes));
        EXPECT_EQ(tempName.substr(c.stemBytes, 2), ".~");
    });
}

INSTANTIATE_TEST_SUITE_P(Saves, LongName, ::testing::ValuesIn(LongNameCases),
                         [](const auto& p) { return std::string(p.param.label); });

// --- Owner, group and mode --------------------------------------------------------------------

TEST_F(CarefulSave, RootSavingAnotherUsersFileKeepsItsOwnerGroupAndMode) {
    if (!unprivileged::IsRoot()) {
        GTEST_SKIP() << "only root may save a file for another user";
    }
    const std::string path = At("theirs.ZKC");
    Write(path, "old\n", fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    ASSERT_EQ(::chown(path.c_str(), unprivileged::User, unprivileged::Group), 0);

    FileProc.SaveToFile(path);

    struct stat info {};
    ASSERT_EQ(::stat(path.c_str(), &info), 0);
    EXPECT_EQ(info.st_uid, unprivileged::User);
    EXPECT_EQ(info.st_gid, unprivileged::Group);
    EXPECT_EQ(info.st_mode & 07777, 0640u);
    EXPECT_EQ(Lines(ReadFile(path)).size(), 22u);
}

TEST_F(CarefulSave, AGroupTheSaverMayNotGiveDoesNotStopTheSave) {
    if (!unprivileged::IsRoot()) {
        GTEST_SKIP() << "needs root to give the file a group its owner is not in";
    }
    // The user's own file, in group 0, which that user is not a member of.
    const std::string path = At("mine.ZKC");
    Write(path, "old\n", ReadWrite | fs::perms::group_write);
    ASSERT_EQ(::chown(path.c_str(), unprivileged::User, 0), 0);
    unprivileged::Run([&] {
        EXPECT_EQ(FileProc.SaveToFile(path), 20);
        EXPECT_EQ(Lines(ReadFile(path)).size(), 22u);
        struct stat info {};
        ASSERT_EQ(::stat(path.c_str(), &info), 0);
        EXPECT_EQ(info.st_uid, unprivileged::User);
        EXPECT_EQ(info.st_mode & 07777, 0664u);
    });
}

TEST_F(CarefulSave, ANewFileGetsTheModeTheUmaskLeaves) {
    const mode_t saved = ::umask(027);
    FileProc.SaveToFile(At("new.ZKC"));
    ::umask(saved);
    struct stat info {};
    ASSERT_EQ(::stat(At("new.ZKC").c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 07777, 0640u);
}

// --- The order of the flushes -----------------------------------------------------------------

// The real calls, each logged by what it touches: "target", "temp" (a new file beside it) or
// "folder". Repeated writes log once.
class RecordingCalls : public zkmodel_detail::FileCalls {
public:
    RecordingCalls(std::string target, std::string folder)
        : target_(std::move(target)), folder_(std::move(folder)) {}

    std::vector<std::string> log;

    int Open(const char* path, int flags, mode_t mode) override {
        const int fd = FileCalls::Open(path, flags, mode);
        Log("open", KindOf(path) + (fd < 0 ? " refused" : ""));
        if (fd >= 0) {
            kinds_[fd] = KindOf(path);
        }
        return fd;
    }
    ssize_t Write(int fd, const void* data, std::size_t size) override {
        Log("write", kinds_[fd]);
        return FileCalls::Write(fd, data, size);
    }
    int Fsync(int fd) override {
        Log("fsync", kinds_[fd]);
        return FileCalls::Fsync(fd);
    }
    int Close(int fd) override {
        Log("close", kinds_[fd]);
        return FileCalls::Close(fd);
    }
    int Rename(const char* from, const char* to) override {
        Log("rename", KindOf(from) + " to " + KindOf(to));
        return FileCalls::Rename(from, to);
    }
    int Unlink(const char* path) override {
        Log("unlink", KindOf(path));
        return FileCalls::Unlink(path);
    }
    int Fchown(int fd, uid_t owner, gid_t group) override {
        Log("fchown", kinds_[fd]);
        return FileCalls::Fchown(fd, owner, group);
    }
    int Fchmod(int fd, mode_t mode) override {
        Log("fchmod", kinds_[fd]);
        return FileCalls::Fchmod(fd, mode);
    }
    int Ftruncate(int fd, off_t length) override {
        Log("ftruncate", kinds_[fd]);
        return FileCalls::Ftruncate(fd, length);
    }

private:
    std::string KindOf(const std::string& path) const {
        if (path == target_) {
            return "target";
        }
        if (path == folder_) {
            return "folder";
        }
        return path.rfind(target_ + ".~", 0) == 0 ? "temp" : "other " + path;
    }
    void Log(const std::string& call, const std::string& kind) {
        const std::string entry = call + " " + kind;
        if (log.empty() || log.back() != entry || call != "write") {
            log.push_back(entry);
        }
    }

    std::string target_;
    std::string folder_;
    std::map<int, std::string> kinds_;
};

struct SyncCase {
    const char* label;
    bool lockFolder;
    std::vector<std::string> calls;
};

std::ostream& operator<<(std::ostream& os, const SyncCase& c) {
    return os << c.label;
}

const SyncCase SyncCases[] = {
    // Data on disk before the rename, the rename on disk after it.
    {"ThroughANewFile",
     false,
     {"open target", "open temp", "fchown temp", "fchmod temp", "write temp", "fsync temp",
      "close temp", "rename temp to target", "close target", "open folder", "fsync folder",
      "close folder"}},
    {"InPlace",
     true,
     {"open target", "open temp refused", "write target", "ftruncate target", "fsync target",
      "close target"}},
};

class SyncOrder : public CarefulSave, public ::testing::WithParamInterface<SyncCase> {};

TEST_P(SyncOrder, EverythingIsOnDiskBeforeTheSaveReportsSuccess) {
    const SyncCase& c = GetParam();
    unprivileged::Run([&] {
        const fs::path folder = home_ / "files";
        fs::create_directory(folder);
        const std::string path = (folder / "set.ZKC").string();
        Write(path, "old\n", ReadWrite);
        if (c.lockFolder) {
            fs::permissions(folder, LockedFolder);
        }
        RecordingCalls calls(path, folder.string());
        EXPECT_TRUE(zkmodel_detail::ReplaceFileContents(path, "new text\n", calls));
        EXPECT_EQ(calls.log, c.calls);
        EXPECT_EQ(ReadFile(path), "new text\n");
    });
}

INSTANTIATE_TEST_SUITE_P(Paths, SyncOrder, ::testing::ValuesIn(SyncCases),
                         [](const auto& p) { return std::string(p.param.label); });

} // namespace
