#include "file_fixture.h"

#include <sys/resource.h>

#include <csignal>
#include <cstring>
#include <map>
#include <ostream>

namespace {

namespace fs = std::filesystem;

const std::vector<std::string> UserNVNames = {
    "AutoDis", "CmdF0",   "CmdSrc",    "Command",  "CommOff", "DirSrc",    "DM1Map",
    "EncOut",  "FltDiag", "ILmtMinus", "ILmtPlus", "IrComp",  "IrCompSrc", "IVMode",
    "Kip",     "Model",   "PoleCount", "PWMMinus", "PWMPlus", "PWMTimeOut"};

std::vector<std::string> NVNames(bool factory) {
    std::vector<std::string> names = UserNVNames;
    if (factory) {
        names.insert(std::find(names.begin(), names.end(), "ILmtMinus"), "IdCmd");
    }
    return names;
}

// The line of one parameter in a saved file, found by its name field.
std::string LineOf(const std::vector<std::string>& lines, const std::string& name) {
    for (const std::string& line : lines) {
        if (line.size() >= 16 && line.compare(0, name.size(), name) == 0 &&
            line[name.size()] == ' ') {
            return line;
        }
    }
    return "";
}

std::string ValueField(const std::string& line) {
    std::string value = line.substr(19, 32);
    value.erase(value.find_last_not_of(' ') + 1);
    return value;
}

struct Layout {
    bool factory;
    int32_t ivMode;
};

std::ostream& operator<<(std::ostream& os, const Layout& c) {
    return os << (c.factory ? "factory" : "user") << " IV mode " << c.ivMode;
}

class SavedFileLayout : public FileTest, public ::testing::WithParamInterface<Layout> {};

TEST_P(SavedFileLayout, HeaderThenOneLineOf68CharactersPerParameterInTableOrder) {
    FileProc.SetFactoryMode(GetParam().factory);
    SymTable.SetValue("IVMode", GetParam().ivMode);
    const std::vector<std::string> names = NVNames(GetParam().factory);
    const std::string path = PathOf("set.ZKC");

    EXPECT_EQ(FileProc.SaveToFile(path), static_cast<int>(names.size()));

    const std::string text = ReadFile(path);
    EXPECT_EQ(text.find('\r'), std::string::npos);
    ASSERT_EQ(text.back(), '\n');
    const std::vector<std::string> lines = Lines(text);
    ASSERT_EQ(lines.size(), names.size() + 2);
    EXPECT_EQ(lines[0], "Drive--Tamberlyne ");
    EXPECT_EQ(lines[1], "LogicVersion 1 ");
    for (std::size_t i = 0; i < names.size(); ++i) {
        const std::string& line = lines[i + 2];
        EXPECT_EQ(line.size(), 68u) << line;
        EXPECT_EQ(line.substr(0, 19), names[i] + std::string(16 - names[i].size(), ' ') + " = ");
    }
    ASSERT_EQ(FileProc.List().size(), names.size());
    for (std::size_t i = 0; i < names.size(); ++i) {
        EXPECT_STREQ(FileProc.List()[i].get().Name, names[i].c_str());
    }
}

INSTANTIATE_TEST_SUITE_P(Sets, SavedFileLayout,
                         ::testing::Values(Layout{false, 1}, Layout{false, 0}, Layout{true, 1},
                                           Layout{true, 0}));

struct LineCase {
    const char* name;
    int32_t ivMode;
    int32_t raw;
    std::string line;
};

std::ostream& operator<<(std::ostream& os, const LineCase& c) {
    return os << c.name << " IV mode " << c.ivMode << " raw " << c.raw;
}

std::string Line(const std::string& name, const std::string& value, const std::string& unit) {
    return name + std::string(16 - name.size(), ' ') + " = " + value +
           std::string(32 - value.size(), ' ') + " " + unit + std::string(16 - unit.size(), ' ');
}

const LineCase LineCases[] = {
    {"Command", 1, 0,
     "Command" + std::string(9, ' ') + " = " + "0.00" + std::string(28, ' ') + " " + " Vrms" +
         std::string(11, ' ')},
    {"IVMode", 1, 1,
     "IVMode" + std::string(10, ' ') + " = " + "Voltage" + std::string(25, ' ') + " " + " " +
         std::string(15, ' ')},
    {"PoleCount", 1, 6,
     "PoleCount" + std::string(7, ' ') + " = " + "12" + std::string(30, ' ') + " " + " Poles" +
         std::string(10, ' ')},
    {"Command", 0, 1806, Line("Command", "1.00", " Irms")},
    {"PWMPlus", 1, 60, Line("PWMPlus", "182", " Vrms")},
    {"PWMPlus", 0, 60, Line("PWMPlus", "8.50", " Irms")},
    {"PWMMinus", 0, -50, Line("PWMMinus", "-7.09", " Irms")},
    {"IVMode", 0, 0, Line("IVMode", "Current", " ")},
    {"DM1Map", 1, 2, Line("DM1Map", "VIRB_194Vrms_1-1/V", " ")},
    {"CmdF0", 0, 3, Line("CmdF0", "194.3", " Hz")},
    {"ILmtPlus", 1, 2, Line("ILmtPlus", "67", " %")},
};

class SavedLine : public FileTest, public ::testing::WithParamInterface<LineCase> {};

TEST_P(SavedLine, IsExactlyNameValueAndUnitInTheirColumns) {
    const LineCase& c = GetParam();
    SymTable.SetValue("IVMode", c.ivMode);
    SymTable.SetValue(c.name, c.raw);
    const std::string path = PathOf("line.ZKC");
    FileProc.SaveToFile(path);
    EXPECT_EQ(LineOf(Lines(ReadFile(path)), c.name), c.line);
    EXPECT_EQ(c.line.size(), 68u);
}

INSTANTIATE_TEST_SUITE_P(Parameters, SavedLine, ::testing::ValuesIn(LineCases));

using Settings = std::map<std::string, int32_t>;

// Values away from the defaults that survive the printed precision exactly.
const Settings VoltageSet = {
    {"AutoDis", 3},   {"CmdF0", 7},    {"CmdSrc", 1},    {"Command", 1000}, {"CommOff", -91},
    {"DirSrc", 1},    {"DM1Map", 5},   {"EncOut", 2},    {"FltDiag", 1},    {"IdCmd", -497},
    {"ILmtMinus", 1}, {"ILmtPlus", 2}, {"IrComp", 200},  {"IrCompSrc", 0},  {"IVMode", 1},
    {"Kip", 4},       {"Model", 17},   {"PoleCount", 4}, {"PWMMinus", -50}, {"PWMPlus", 60},
    {"PWMTimeOut", 3}};
const Settings CurrentSet = {
    {"AutoDis", 2},   {"CmdF0", 0},    {"CmdSrc", 1},     {"Command", 1806}, {"CommOff", 91},
    {"DirSrc", 1},    {"DM1Map", 7},   {"EncOut", 3},     {"FltDiag", 1},    {"IdCmd", 11},
    {"ILmtMinus", 0}, {"ILmtPlus", 0}, {"IrComp", 255},   {"IrCompSrc", 0},  {"IVMode", 0},
    {"Kip", 15},      {"Model", 63},   {"PoleCount", 31}, {"PWMMinus", -75}, {"PWMPlus", 75},
    {"PWMTimeOut", 1}};

struct RoundTripCase {
    const char* label;
    bool factory;
    const Settings* settings;
};

std::ostream& operator<<(std::ostream& os, const RoundTripCase& c) {
    return os << c.label;
}

class FileRoundTrip : public FileTest, public ::testing::WithParamInterface<RoundTripCase> {};

TEST_P(FileRoundTrip, LoadGivesBackEverySavedValueAndTouchesNothingElse) {
    const RoundTripCase& c = GetParam();
    FileProc.SetFactoryMode(c.factory);
    for (const auto& [name, raw] : *c.settings) {
        ASSERT_TRUE(SymTable.SetValue(name, raw));
    }
    const std::string path = PathOf("trip.ZKC");
    FileProc.SaveToFile(path);

    SymTable.ResetToDefaults();
    const Settings outside = {{"Kii", 0}, {"SWEnable", 1}, {"HVF", 123}, {"LogicVer", 3}};
    for (const auto& [name, raw] : outside) {
        SymTable.SetValue(name, raw);
    }
    EXPECT_EQ(FileProc.LoadFromFile(path), 1);

    EXPECT_EQ(FileProc.List().size(), c.factory ? 21u : 20u);
    for (int32_t i = 0; i < SymTable.Count(); ++i) {
        const VarTable& record = SymTable.Entries()[i];
        int32_t expected = record.Default;
        if (outside.count(record.Name) != 0) {
            expected = outside.at(record.Name);
        } else if (record.UserVisible != 0 || c.factory) {
            expected = c.settings->at(record.Name);
        }
        EXPECT_EQ(record.Value.load(), expected) << record.Name;
    }
}

INSTANTIATE_TEST_SUITE_P(Sets, FileRoundTrip,
                         ::testing::Values(RoundTripCase{"Voltage", false, &VoltageSet},
                                           RoundTripCase{"Current", false, &CurrentSet},
                                           RoundTripCase{"VoltageFactory", true, &VoltageSet},
                                           RoundTripCase{"CurrentFactory", true, &CurrentSet}),
                         [](const auto& p) { return std::string(p.param.label); });

// Where the printed text is coarser than one raw step, and the one code without a token.
struct CoarseCase {
    const char* name;
    int32_t ivMode;
    int32_t raw;
    const char* written;
    int32_t readBack;
};

std::ostream& operator<<(std::ostream& os, const CoarseCase& c) {
    return os << c.name << " raw " << c.raw;
}

const CoarseCase CoarseCases[] = {
    {"CommOff", 1, 100, "8", 91},
    {"IdCmd", 1, 100, "0.9", 102},
    {"Command", 0, 1000, "0.55", 994},
    // "AutoDis" has no token for 1: the raw code is written, and loads as the unknown token
    // it is (key 0, "Off").
    {"AutoDis", 1, 1, "1", 0},
};

class CoarseValue : public FileTest, public ::testing::WithParamInterface<CoarseCase> {};

TEST_P(CoarseValue, IsWrittenAsPrintedAndReadBackFromThatText) {
    const CoarseCase& c = GetParam();
    FileProc.SetFactoryMode(true); // "IdCmd" is only in the factory set
    SymTable.SetValue("IVMode", c.ivMode);
    SymTable.SetValue(c.name, c.raw);
    const std::string path = PathOf("coarse.ZKC");
    FileProc.SaveToFile(path);
    EXPECT_EQ(ValueField(LineOf(Lines(ReadFile(path)), c.name)), c.written);

    SymTable.SetValue(c.name, 1234);
    EXPECT_EQ(FileProc.LoadFromFile(path), 1);
    EXPECT_EQ(ValueOf(c.name), c.readBack);
}

INSTANTIATE_TEST_SUITE_P(Parameters, CoarseValue, ::testing::ValuesIn(CoarseCases),
                         [](const auto& p) { return std::string(p.param.name); });

// --- Saving over an existing file ----------------------------------------------------------

using SaveFileTest = FileTest;

TEST_F(SaveFileTest, ReplacesTheOldFileAndKeepsItsPermissions) {
    const std::string path = WriteFile("old.ZKC", "old contents\n");
    fs::permissions(path, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    SymTable.SetValue("PoleCount", 10);

    EXPECT_EQ(FileProc.SaveToFile(path), 20);

    EXPECT_EQ(ValueField(LineOf(Lines(ReadFile(path)), "PoleCount")), "20");
    EXPECT_EQ(fs::status(path).permissions() & fs::perms::all,
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    EXPECT_EQ(FolderEntries(), std::vector<std::string>{"old.ZKC"});
}

TEST_F(SaveFileTest, ThroughALinkReplacesTheLinkedFile) {
    const std::string target = WriteFile("target.ZKC", "old\n");
    const std::string link = PathOf("link.ZKC");
    fs::create_symlink(target, link);

    FileProc.SaveToFile(link);

    EXPECT_TRUE(fs::is_symlink(link));
    EXPECT_EQ(Lines(ReadFile(target)).size(), 22u);
    EXPECT_EQ(FolderEntries(), (std::vector<std::string>{"link.ZKC", "target.ZKC"}));
}

struct FailedSaveCase {
    const char* label;
    const char* existing; // made in the folder first: "dir/" a folder, else a file
    const char* path;     // saved to, inside the folder
};

std::ostream& operator<<(std::ostream& os, const FailedSaveCase& c) {
    return os << c.label;
}

const FailedSaveCase FailedSaves[] = {
    {"FolderMissing", nullptr, "missing/set.ZKC"},
    {"FolderInPlaceOfTheFile", "set.ZKC/", "set.ZKC"},
    {"FolderHoldingAFileInPlaceOfTheFile", "set.ZKC/keep.ZKC", "set.ZKC"},
    {"PathThroughAFile", "plain", "plain/set.ZKC"},
};

class FailedSave : public FileTest, public ::testing::WithParamInterface<FailedSaveCase> {};

TEST_P(FailedSave, RaisesCantOpenAndLeavesTheFolderAsItWas) {
    const FailedSaveCase& c = GetParam();
    if (c.existing != nullptr) {
        const std::string existing = c.existing;
        if (existing.back() == '/') {
            fs::create_directories(PathOf(existing));
        } else {
            fs::create_directories(fs::path(PathOf(existing)).parent_path());
            WriteFile(existing, "old contents\n");
        }
    }
    std::vector<std::string> before;
    for (const auto& entry : fs::recursive_directory_iterator(dir_)) {
        before.push_back(entry.path().string() + "|" +
                         (entry.is_regular_file() ? ReadFile(entry.path().string()) : "dir"));
    }
    const std::string path = PathOf(c.path);

    EXPECT_EQ(MessageOf([&] { FileProc.SaveToFile(path); }), "Can't open file " + path);

    std::vector<std::string> after;
    for (const auto& entry : fs::recursive_directory_iterator(dir_)) {
        after.push_back(entry.path().string() + "|" +
                        (entry.is_regular_file() ? ReadFile(entry.path().string()) : "dir"));
    }
    std::sort(before.begin(), before.end());
    std::sort(after.begin(), after.end());
    EXPECT_EQ(after, before);
}

INSTANTIATE_TEST_SUITE_P(Paths, FailedSave, ::testing::ValuesIn(FailedSaves),
                         [](const auto& p) { return std::string(p.param.label); });

// A disk that fills up half way: the file size limit makes the writes fail as ENOSPC would
// (it binds root too, unlike permissions).
TEST_F(SaveFileTest, DiskFullHalfWayKeepsTheOldFileAndLeavesNoTemporaryFile) {
    const std::string old = "Drive--Tamberlyne \nLogicVersion 1 \n# the set that was there\n";
    const std::string path = WriteFile("set.ZKC", old);

    rlimit saved{};
    ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &saved), 0);
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit limited = saved;
    limited.rlim_cur = 300; // the header and a few lines fit, the rest does not
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &limited), 0);
    const std::string message = MessageOf([&] { FileProc.SaveToFile(path); });
    ::setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, oldHandler);

    EXPECT_EQ(message, "Can't open file " + path);
    EXPECT_EQ(ReadFile(path), old);
    EXPECT_EQ(FolderEntries(), std::vector<std::string>{"set.ZKC"});
}

} // namespace
