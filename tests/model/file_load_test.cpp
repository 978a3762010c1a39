#include "file_fixture.h"

#include <fcntl.h>
#include <sys/stat.h>

#include <chrono>
#include <ostream>
#include <thread>

namespace {

namespace fs = std::filesystem;
using namespace std::string_literals;

const std::string Head = "Drive--Tamberlyne \nLogicVersion 1 \n";
// The UTF-8 byte-order mark some Windows editors put first.
const std::string Bom = "\xEF\xBB\xBF";

// Parameter lines whose values all differ from the defaults, with the raw value each stores.
struct Stored {
    const char* line;
    const char* name;
    int32_t raw;
};

const Stored Valid[] = {
    {"PoleCount        = 20                               Poles", "PoleCount", 10},
    {"Kip              = 6.613                            V/A(Nom)", "Kip", 0},
    {"IVMode           = Voltage", "IVMode", 1},
    {"Command          = 11.86                            Vrms", "Command", 1000},
    {"AutoDis          = Minus", "AutoDis", 3},
    {"CommOff          = -8                               degree", "CommOff", -91},
};

std::string ValidLines(std::size_t from, std::size_t to) {
    std::string text;
    for (std::size_t i = from; i < to; ++i) {
        text += std::string(Valid[i].line) + "\n";
    }
    return text;
}

// --- Failures of the checking pass ----------------------------------------------------------

struct CheckFailure {
    const char* label;
    std::string text;
    std::string message;
};

std::ostream& operator<<(std::ostream& os, const CheckFailure& c) {
    return os << c.label;
}

const std::string Err1 = "Error reading file, Err No.1 at parameter no.";

const CheckFailure CheckFailures[] = {
    {"HeaderInOtherCase", "drive--tamberlyne \nLogicVersion 1 \n" + ValidLines(0, 6),
     "Error reading file, Err No.5 "},
    {"HeaderOtherWord", "Drive--Tamberlyne2 \nLogicVersion 1 \n" + ValidLines(0, 6),
     "Error reading file, Err No.5 "},
    {"HeaderMissing", "LogicVersion 1 \n" + ValidLines(0, 6), "Error reading file, Err No.5 "},
    {"VersionTwo", "Drive--Tamberlyne \nLogicVersion 2 \n" + ValidLines(0, 6),
     "File has a wrong Logic Version."},
    {"VersionWordWrong", "Drive--Tamberlyne \nLogicversion 1 \n" + ValidLines(0, 6),
     "Error reading file, Err No.8 "},
    {"VersionNumberBeforeWord", "Drive--Tamberlyne \nVersion 2\n" + ValidLines(0, 6),
     "File has a wrong Logic Version."},
    {"VersionOneWord", "Drive--Tamberlyne \nLogicVersion \n" + ValidLines(0, 6),
     "Error reading file, Err No.6 "},
    // The first parameter line is taken for the version line.
    {"VersionLineMissing", "Drive--Tamberlyne \n" + ValidLines(0, 6),
     "File has a wrong Logic Version."},
    {"NoIVModeLine", Head + ValidLines(0, 2) + ValidLines(3, 6), "Wrong or No IVMode"},
    {"IVModeTokenNotInItsList", Head + ValidLines(0, 2) + "IVMode = Torque\n",
     "Wrong or No IVMode"},
    {"LastIVModeWrong", Head + ValidLines(0, 6) + "ivmode = Velocity\n", "Wrong or No IVMode"},
    {"EmptyFile", "", "Wrong or No IVMode"},
    {"OnlyComments", "# nothing\n\n   # here\n", "Wrong or No IVMode"},
    {"OnlyTheHeader", "Drive--Tamberlyne \n", "Wrong or No IVMode"},
    {"ThirdLineWithoutEquals", Head + ValidLines(0, 2) + "Command 11.86\n" + ValidLines(2, 6),
     Err1 + "3"},
    {"NameOf17Characters", Head + ValidLines(0, 1) + "ABCDEFGHIJKLMNOPQ = 1\n" + ValidLines(1, 6),
     Err1 + "2"},
    {"NoValue", Head + "Command =   \n" + ValidLines(0, 6), Err1 + "1"},
    {"NoName", Head + ValidLines(0, 4) + "  = 5\n", Err1 + "5"},
    // Raised as soon as the line is read, whatever the IV mode turns out to be.
    {"BadLineAfterAWrongIVMode", Head + ValidLines(0, 1) + "IVMode = Torque\nnonsense\n",
     Err1 + "3"},
    // Chunks of 255 characters: the rest of a longer line is a line of its own, and here not
    // of the form name = value.
    {"LineLongerThan255",
     Head + ValidLines(0, 1) + "Command = 5" + std::string(250, ' ') + "Vrms\n" + ValidLines(1, 6),
     Err1 + "3"},
    // The rest of a comment longer than 255 characters is no comment any more.
    {"CommentLongerThan255",
     Head + ValidLines(0, 3) + "# " + std::string(300, 'c') + "\n" + ValidLines(3, 6), Err1 + "4"},
    // Only one byte-order mark, and only at the very start, is not the file's text.
    {"TwoByteOrderMarks", Bom + Bom + Head + ValidLines(0, 6), "Error reading file, Err No.5 "},
    {"ByteOrderMarkAfterAComment", "# note\n" + Bom + Head + ValidLines(0, 6),
     "Error reading file, Err No.5 "},
    {"ByteOrderMarkOnTheVersionLine", "Drive--Tamberlyne \n" + Bom + "LogicVersion 1 \n",
     "Error reading file, Err No.8 "},
    {"PartOfAByteOrderMark", "\xEF\xBB" + Head + ValidLines(0, 6), "Error reading file, Err No.5 "},
    {"OnlyAByteOrderMark", Bom, "Wrong or No IVMode"},
    // Comment and blank lines are not counted.
    {"CountsOnlyParameterLines",
     "# top\n" + Head + "\n# c\n" + ValidLines(0, 1) + "   \n#\n" + ValidLines(1, 3) + "x y\n",
     Err1 + "4"},
};

class CheckingPassFailure : public FileTest, public ::testing::WithParamInterface<CheckFailure> {};

TEST_P(CheckingPassFailure, RaisesItsMessageAndChangesNothing) {
    const std::string path = WriteFile("bad.ZKC", GetParam().text);
    const std::vector<int32_t> before = Snapshot();
    EXPECT_EQ(MessageOf([&] { FileProc.LoadFromFile(path); }), GetParam().message);
    EXPECT_EQ(Snapshot(), before);
}

INSTANTIATE_TEST_SUITE_P(Files, CheckingPassFailure, ::testing::ValuesIn(CheckFailures),
                         [](const auto& p) { return std::string(p.param.label); });

// --- Failures of the applying pass ----------------------------------------------------------

struct ApplyFailure {
    const char* label;
    std::string badLine;
    std::size_t position; // 0-based among the parameter lines
    std::string message;
};

std::ostream& operator<<(std::ostream& os, const ApplyFailure& c) {
    return os << c.label;
}

const ApplyFailure ApplyFailures[] = {
    {"UnknownName", "Bogus = 12", 4, "Error reading file, Err No.3 at parameter no.5"},
    {"UnknownNameOf16Characters", "ABCDEFGHIJKLMNOP = 1", 1,
     "Error reading file, Err No.3 at parameter no.2"},
    {"NumberBeyond32Bits", "Command = 1e30", 3, "Error reading file, Err No.3 at parameter no.4"},
    {"NotANumber", "Command = 12,5", 5, "'12,5' is not a valid floating point value"},
};

class ApplyingPassFailure : public FileTest, public ::testing::WithParamInterface<ApplyFailure> {};

TEST_P(ApplyingPassFailure, KeepsTheLinesBeforeStoredAndNoneAfter) {
    const ApplyFailure& c = GetParam();
    const std::string path =
        WriteFile("bad.ZKC", Head + ValidLines(0, c.position) + c.badLine + "\n" +
                                 ValidLines(c.position, std::size(Valid)));
    EXPECT_EQ(MessageOf([&] { FileProc.LoadFromFile(path); }), c.message);
    for (std::size_t i = 0; i < std::size(Valid); ++i) {
        int32_t defaultValue = 0;
        for (int32_t r = 0; r < SymTable.Count(); ++r) {
            if (std::string(SymTable.Entries()[r].Name) == Valid[i].name) {
                defaultValue = SymTable.Entries()[r].Default;
            }
        }
        EXPECT_EQ(ValueOf(Valid[i].name), i < c.position ? Valid[i].raw : defaultValue)
            << Valid[i].name;
    }
}

INSTANTIATE_TEST_SUITE_P(Files, ApplyingPassFailure, ::testing::ValuesIn(ApplyFailures),
                         [](const auto& p) { return std::string(p.param.label); });

// --- Files that load ------------------------------------------------------------------------

using LoadFileTest = FileTest;

TEST_F(LoadFileTest, CommentAndBlankLinesMayStandAnywhere) {
    const std::string path = WriteFile(
        "notes.ZKC", "# saved by hand\n\n \t\n" + std::string("Drive--Tamberlyne \n") +
                         "  # between the header lines\n" + "LogicVersion 1 \n" + "\n" +
                         ValidLines(0, 3) + "\t# a note\n\v\f\n" + ValidLines(3, 6) + "#end");
    EXPECT_EQ(FileProc.LoadFromFile(path), 1);
    for (const Stored& s : Valid) {
        EXPECT_EQ(ValueOf(s.name), s.raw) << s.name;
    }
}

TEST_F(LoadFileTest, ReadsWhatAHandWrittenFileMayHold) {
    const std::string path = WriteFile(
        "free.ZKC",
        // Words after the header words are ignored; letter case of names and tokens is free.
        "Drive--Tamberlyne written on site\nLogicVersion 1 extra words\n"
        // The IV mode of the file holds for lines before its "IVMode" line too.
        "Command = 1.00\n"
        "PoleCount=20\n"
        "\tpwmplus\t=\t8.50 Irms ignored\n"
        "ivmode = current\n"
        // Outside the NV set, and not written by the tool, but a parameter all the same.
        "Kii = off\n"
        // A later "IVMode" line replaces an earlier wrong one.
        "IVMode = Torque\n"
        "IVMode = CURRENT\n");
    SymTable.SetValue("IVMode", 1);
    EXPECT_EQ(FileProc.LoadFromFile(path), 1);
    EXPECT_EQ(ValueOf("Command"), 1806);
    EXPECT_EQ(ValueOf("PoleCount"), 10);
    EXPECT_EQ(ValueOf("PWMPlus"), 60);
    EXPECT_EQ(ValueOf("IVMode"), 0);
    EXPECT_EQ(ValueOf("Kii"), 0);
    // Missing from the file: keeps its value.
    EXPECT_EQ(ValueOf("Model"), 50);
}

TEST_F(LoadFileTest, TakesTheFirst32CharactersOfALongerValue) {
    // 31 zeros and an 8 read as 8 degree; a 33rd character would make it no number at all.
    const std::string value = std::string(31, '0') + "8" + "zzzzzzzz";
    ASSERT_EQ(value.size(), 40u);
    const std::string path =
        WriteFile("long.ZKC", Head + "IVMode = Voltage\nCommOff = " + value + " degree\n");
    EXPECT_EQ(FileProc.LoadFromFile(path), 1);
    EXPECT_EQ(ValueOf("CommOff"), 91);
}

TEST_F(LoadFileTest, LinesLongerThan255WithOnlyBlanksBeyondAreRead) {
    // The later chunks of each long line are blank.
    const std::string path = WriteFile(
        "chunks.ZKC", "#" + std::string(200, 'c') + "\nDrive--Tamberlyne" + std::string(300, ' ') +
                          "\nLogicVersion 1" + std::string(600, ' ') + "\n" + "IVMode = Voltage" +
                          std::string(500, ' ') + "\n" + ValidLines(0, 1));
    EXPECT_EQ(FileProc.LoadFromFile(path), 1);
    EXPECT_EQ(ValueOf("PoleCount"), 10);
}

std::string WithCrLf(const std::string& text) {
    std::string out;
    for (const char c : text) {
        if (c == '\n') {
            out += '\r';
        }
        out += c;
    }
    return out;
}

TEST_F(LoadFileTest, ReadsAFileWithWindowsLineEndsLikeItsOwn) {
    FileProc.SetFactoryMode(true);
    SymTable.SetValue("IVMode", 0);
    SymTable.SetValue("Command", 1806);
    SymTable.SetValue("IdCmd", -497);
    SymTable.SetValue("DM1Map", 7);
    const std::string path = PathOf("set.ZKC");
    FileProc.SaveToFile(path);
    const std::vector<int32_t> saved = Snapshot();
    const std::string windows =
        WriteFile("windows.ZKC", WithCrLf("# from Windows\n\n" + ReadFile(path) + "\n# end\n"));
    SymTable.ResetToDefaults();

    EXPECT_EQ(FileProc.LoadFromFile(windows), 1);
    EXPECT_EQ(Snapshot(), saved);
}

TEST_F(LoadFileTest, ACarriageReturnIsPartOfTheLineEndNotOfTheValue) {
    // Mixed line ends, and values that end right at the line end.
    const std::string path = WriteFile("mixed.ZKC", "Drive--Tamberlyne\r\nLogicVersion 1\n"
                                                    "IVMode=Voltage\r\nDM1Map=HVF_1144RPM/V\r\n"
                                                    "Kip=79.356\n");
    SymTable.SetValue("Kip", 0);
    EXPECT_EQ(FileProc.LoadFromFile(path), 1);
    EXPECT_EQ(ValueOf("IVMode"), 1);
    EXPECT_EQ(ValueOf("DM1Map"), 1);
    EXPECT_EQ(ValueOf("Kip"), 11);
}

TEST_F(LoadFileTest, OneByteOrderMarkAtTheStartIsSkippedByBothPasses) {
    const std::string texts[] = {
        Bom + Head + ValidLines(0, 6),
        Bom + "# from Windows\n\n" + WithCrLf(Head + ValidLines(0, 6)),
        // The mark is no character of the first line: 255 more still make one piece.
        Bom + "Drive--Tamberlyne" + std::string(237, ' ') + "x\nLogicVersion 1\n" +
            ValidLines(0, 6),
    };
    for (const std::string& text : texts) {
        SymTable.ResetToDefaults();
        const std::string path = WriteFile("marked.ZKC", text);
        EXPECT_EQ(MessageOf([&] { FileProc.LoadFromFile(path); }), "") << text;
        for (const Stored& s : Valid) {
            EXPECT_EQ(ValueOf(s.name), s.raw) << s.name;
        }
    }
}

// A CR that is not followed by a LF ends no line: it is white space inside it, and the byte
// after it is read as any other.
TEST_F(LoadFileTest, ALoneCarriageReturnInsideALineIsWhiteSpace) {
    struct Case {
        std::string text;
        int32_t kip;
    };
    const Case cases[] = {
        {Head + "IVMode = Voltage\nKip =\r79.356\n", 11},
        {"Drive--Tamberlyne\nLogicVersion\r1\nIVMode = Voltage\nKip = 79.356\n", 11},
        // Several, and one right before the line end.
        {Head + "IVMode = Voltage\nKip\r=\r\r9.9195\r\r\n", 8},
    };
    for (const Case& c : cases) {
        SymTable.SetValue("Kip", 5);
        const std::string path = WriteFile("cr.ZKC", c.text);
        EXPECT_EQ(MessageOf([&] { FileProc.LoadFromFile(path); }), "") << c.text;
        EXPECT_EQ(ValueOf("Kip"), c.kip) << c.text;
    }
}

TEST_F(LoadFileTest, AFileThatCannotBeOpenedOrReadRaisesCantOpen) {
    const std::string missing = PathOf("missing.ZKC");
    EXPECT_EQ(MessageOf([&] { FileProc.LoadFromFile(missing); }), "Can't open file " + missing);
    // A folder opens for reading here, but reading it fails.
    const std::string folder = PathOf("folder.ZKC");
    fs::create_directory(folder);
    EXPECT_EQ(MessageOf([&] { FileProc.LoadFromFile(folder); }), "Can't open file " + folder);
}

TEST_F(LoadFileTest, TakesTheNVSetOfItsModeAsItsList) {
    const std::string path = WriteFile("set.ZKC", Head + "IVMode = Voltage\n");
    FileProc.LoadFromFile(path);
    EXPECT_EQ(FileProc.List().size(), 20u);
    FileProc.SetFactoryMode(true);
    FileProc.LoadFromFile(path);
    EXPECT_EQ(FileProc.List().size(), 21u);
}

// The first open of the file reads `first` through a named pipe; once that reader is in, a
// regular file holding `second` is renamed over the pipe, so the next open reads `second`:
// the file changes between the checking pass and the applying pass, as one on a shared
// folder may.
class ChangingFile {
public:
    ChangingFile(const std::string& path, const std::string& first, const std::string& second)
        : path_(path) {
        std::ofstream(path_ + ".next", std::ios::binary) << second;
        EXPECT_EQ(::mkfifo(path_.c_str(), 0600), 0);
        writer_ = std::thread([this, first] { Serve(first); });
    }
    ~ChangingFile() { writer_.join(); }

private:
    void Serve(const std::string& text) const {
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
        int fd = -1;
        // Opens only once a reader is opening the pipe.
        while ((fd = ::open(path_.c_str(), O_WRONLY | O_NONBLOCK)) < 0) {
            if (std::chrono::steady_clock::now() > deadline) {
                ADD_FAILURE() << "the pipe was never opened";
                return;
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
        }
        std::error_code ec;
        fs::rename(path_ + ".next", path_, ec);
        EXPECT_FALSE(ec);
        EXPECT_EQ(::write(fd, text.data(), text.size()), static_cast<ssize_t>(text.size()));
        ::close(fd);
    }

    std::string path_;
    std::thread writer_;
};

TEST_F(LoadFileTest, TheApplyingPassChecksTheHeaderAgain) {
    const std::string path = PathOf("changing.ZKC");
    const std::vector<int32_t> before = Snapshot();
    std::string message;
    {
        ChangingFile file(path, Head + ValidLines(0, 6),
                          "drive--tamberlyne \nLogicVersion 1 \n" + ValidLines(0, 6));
        message = MessageOf([&] { FileProc.LoadFromFile(path); });
    }
    EXPECT_EQ(message, "Error reading file, Err No.5");
    EXPECT_EQ(Snapshot(), before);
}

// --- Control bytes in a value -------------------------------------------------------------

struct ControlByteCase {
    const char* label;
    std::string value; // written after "Command = "
    std::string shown; // the text the message names
};

std::ostream& operator<<(std::ostream& os, const ControlByteCase& c) {
    return os << c.label;
}

const ControlByteCase ControlByteCases[] = {
    {"NulInside", "12\0005"s, "12\\05"},
    {"NulFirst", "\0007"s, "\\07"},
    {"NulLast", "3\0"s, "3\\0"},
    {"Soh", "1\0015", "1\\x015"},
    {"Esc", "2\x1B[31m", "2\\x1B[31m"},
    {"Del", "5\x7F", "5\\x7F"},
    {"UnitSeparator", "\0379", "\\x1F9"},
    {"SeveralInARow", "\001\000\033"s, "\\x01\\0\\x1B"},
    // Not control bytes: UTF-8 stays as it is.
    {"Utf8", "5\xC2\xB5", "5\xC2\xB5"},
};

class ControlBytes : public FileTest, public ::testing::WithParamInterface<ControlByteCase> {};

TEST_P(ControlBytes, TheConversionErrorShowsTheWholeTextWithControlBytesMadeVisible) {
    const ControlByteCase& c = GetParam();
    const std::string path =
        WriteFile("bytes.ZKC", Head + "IVMode = Voltage\nCommand = " + c.value + " Vrms\n");
    SymTable.SetValue("Command", 77);
    EXPECT_EQ(MessageOf([&] { FileProc.LoadFromFile(path); }),
              "'" + c.shown + "' is not a valid floating point value");
    EXPECT_EQ(ValueOf("Command"), 77);
}

INSTANTIATE_TEST_SUITE_P(Values, ControlBytes, ::testing::ValuesIn(ControlByteCases),
                         [](const auto& p) { return std::string(p.param.label); });

TEST_F(LoadFileTest, AControlByteInATokenStillLoadsAsTheUnknownKey) {
    SymTable.SetValue("AutoDis", 3);
    const std::string path =
        WriteFile("token.ZKC", Head + "IVMode = Voltage\nAutoDis = " + "Pl\0us\n"s);
    EXPECT_EQ(FileProc.LoadFromFile(path), 1);
    EXPECT_EQ(ValueOf("AutoDis"), 0);
}

// --- The piece length ----------------------------------------------------------------------

// A parameter line padded to `length` characters whose last character is not blank: it reads
// as one line only while it fits one piece; beyond, its last character is a line of its own.
struct PieceCase {
    std::size_t length;
    std::string message;
};

TEST_F(LoadFileTest, ALineIsReadInPiecesOf255Characters) {
    const PieceCase cases[] = {
        {254, ""},
        {255, ""},
        {256, Err1 + "2"},
        {257, Err1 + "2"},
    };
    for (const PieceCase& c : cases) {
        std::string line = "PoleCount = 20";
        line += std::string(c.length - line.size() - 1, ' ') + "x";
        ASSERT_EQ(line.size(), c.length);
        const std::string path =
            WriteFile("piece.ZKC", Head + line + "\nIVMode = Voltage\n" + ValidLines(1, 2));
        SymTable.ResetToDefaults();
        EXPECT_EQ(MessageOf([&] { FileProc.LoadFromFile(path); }), c.message)
            << "line of " << c.length;
        EXPECT_EQ(ValueOf("PoleCount"), c.message.empty() ? 10 : 6) << "line of " << c.length;
    }
}

struct BlankCase {
    const char* line;
    bool blankOrComment;
};

const BlankCase BlankCases[] = {
    {"", true},
    {"   ", true},
    {" \t\v\f\r", true},
    {"#", true},
    {"   # note", true},
    {"\t#x = 1", true},
    {"x", false},
    {"  x # note", false},
    {"a#", false},
    {"Kip = 6.613", false},
    {"Drive--Tamberlyne", false},
};

TEST(IsBlankOrComment, OnlyWhiteSpaceOrWhiteSpaceBeforeAHash) {
    for (const BlankCase& c : BlankCases) {
        EXPECT_EQ(FileProcess::IsBlankOrComment(c.line), c.blankOrComment) << '"' << c.line << '"';
    }
}

} // namespace
