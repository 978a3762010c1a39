// The diagnostic run over the simulated drive: the report line by line, the dial's steps,
// the early ends, the enabled-drive warning, and that the drive and its NV memory are only
// read.
#include "tests/guided/diagnostics/diagnostics_fixture.h"

#include "zktools/guided/diagnostic_rules.h"
#include "zktools/platform/window_owner.h"

#include <string>

namespace diagtest {
namespace {

using zkcomm::sim::DataInLevel;

QStringList BlocksOf(const std::vector<int>& rules) {
    QStringList lines;
    for (int rule : rules) {
        for (const std::string& line :
             diagnostics::BlockLines(diagnostics::DiagnosticRules()[static_cast<size_t>(rule - 1)]))
            lines.append(QString::fromStdString(line));
    }
    return lines;
}

// Nothing but register reads reached the drive.
void ExpectOnlyReads(const zkcomm::sim::SimCounters& c) {
    EXPECT_EQ(c.logic.writes, 0u);
    EXPECT_EQ(c.logic.brokenFrames, 0u);
    EXPECT_EQ(c.nv.read + c.nv.write + c.nv.erase + c.nv.eraseAll + c.nv.writeAll +
                  c.nv.writeEnable + c.nv.writeDisable,
              0u);
}

TEST_F(DiagnosticsTest, CleanDriveReportsAllChecksPassedWithTheDialInStepsOfFive) {
    CleanDrive();
    const zkcomm::sim::NvImage nvBefore = Drive().GetNvImage();
    Drive().ResetCounters();

    RunOnce();

    const int32_t model = Drive().GetRegister(8) & 0x3F;
    QStringList expected = StatusLines(model, Drive().GetFaultCode());
    expected << "All checks passed"
             << ""
             << "Finished!";
    EXPECT_EQ(report, expected);

    // 0 from Start, 10 after the upload, 5 more after each rule, 100 at the end.
    std::vector<float> steps = {0, 0};
    for (int rule = 0; rule < 17; ++rule)
        steps.push_back(10.0f + 5.0f * static_cast<float>(rule));
    EXPECT_EQ(dialAtPauses, steps);
    EXPECT_EQ(dialAtEnd, 100.0f);
    std::vector<std::chrono::milliseconds> pauses = {std::chrono::milliseconds(1000),
                                                     std::chrono::milliseconds(1000)};
    pauses.insert(pauses.end(), 17, std::chrono::milliseconds(100));
    EXPECT_EQ(fakes.pauses.Pauses(), pauses);

    EXPECT_TRUE(startEnabledAtEnd);
    EXPECT_TRUE(fakes.messages.Messages().empty());
    EXPECT_EQ(modalResult, zk::platform::kModalCancel);

    // The run read every parameter into the table, and wrote nothing anywhere.
    EXPECT_EQ(TableValue("PWMMinus"), -96);
    EXPECT_EQ(TableValue("PWMPlus"), 96);
    EXPECT_EQ(window.ParamList.size(), static_cast<size_t>(VarTableRecords));
    ExpectOnlyReads(Drive().GetCounters());
    EXPECT_GT(Drive().GetCounters().logic.reads, 2u * VarTableRecords);
    EXPECT_EQ(Drive().GetNvImage(), nvBefore);
}

// What the user reads when rules fire, texts as the drive's user sees them.
TEST_F(DiagnosticsTest, BothPwmLevelsZeroGivesTheErrorAndTheClosingWarning) {
    CleanDrive();
    OnDrive("PWMPlus", 0);
    OnDrive("PWMMinus", 0);
    RunOnce();
    ASSERT_GE(report.size(), 10);
    const QStringList tail = report.mid(10);
    const QStringList expected = {
        "ERROR MESSAGE:",
        "PWMPlus and PWMMinus are both set to zero. The command will always be zero.",
        "In order to produce torque, a command of other then zero must be present.",
        "SOLUTION:",
        "Set at least one of the parameters to a non-zero value.",
        "",
        "WARNING MESSAGE:",
        "Setting PWMPlus and PWMMinus will produce only one torque or speed for the drive.",
        "Is this what you intended?",
        "",
        "Finished!",
    };
    EXPECT_EQ(tail, expected);
    EXPECT_EQ(dialAtEnd, 100.0f);
}

TEST_F(DiagnosticsTest, AWarningAloneIsAFindingAndLeavesTwoEmptyLinesBeforeFinished) {
    CleanDrive();
    OnDrive("CommOff", -5);
    RunOnce();
    ASSERT_GE(report.size(), 10);
    const QStringList expected = {
        "WARNING MESSAGE:",
        "CommOff is not typically required for proper operation of drive.",
        "This could potentially cause poor performance of motor and drive or wrong spinning "
        "direction of motor.",
        "",
        "",
        "Finished!",
    };
    EXPECT_EQ(report.mid(10), expected);
    EXPECT_FALSE(report.contains("All checks passed"));
}

struct DriveCase {
    const char* name;
    std::function<void(DiagnosticsTest&)> setUp; // after CleanDrive
    std::vector<int> rules;
};

std::ostream& operator<<(std::ostream& out, const DriveCase& c) {
    return out << c.name;
}

class DiagnosticsFindings : public DiagnosticsTest,
                            public ::testing::WithParamInterface<DriveCase> {};

// The values come from the drive's registers, not from the table.
TEST_P(DiagnosticsFindings, ReportHoldsTheBlocksOfTheFiringRulesInOrder) {
    CleanDrive();
    GetParam().setUp(*this);
    RunOnce();
    ASSERT_GE(report.size(), 10);
    QStringList expected = BlocksOf(GetParam().rules);
    if (GetParam().rules.empty())
        expected << "All checks passed";
    expected << ""
             << "Finished!";
    EXPECT_EQ(report.mid(10), expected);
    EXPECT_EQ(dialAtEnd, 100.0f);
}

const DriveCase kDriveCases[] = {
    {"clean", [](DiagnosticsTest&) {}, {}},
    // Register byte 0xFF is PWMPlus -1.
    {"pwm_plus_byte_ff_negative_only",
     [](DiagnosticsTest& t) {
         t.OnDrive("PWMMinus", 0);
         t.OnDrive("ILmtMinus", 0);
         t.Drive().SetRegister(6, 0xFF);
     },
     {13}},
    {"pwm_plus_byte_ff_with_autodis_minus",
     [](DiagnosticsTest& t) {
         t.OnDrive("PWMMinus", 0);
         t.OnDrive("ILmtMinus", 0);
         t.OnDrive("AutoDis", 3);
         t.Drive().SetRegister(6, 0xFF);
     },
     {10, 13}},
    {"no_limits_and_command_variable",
     [](DiagnosticsTest& t) {
         t.OnDrive("ILmtPlus", 0);
         t.OnDrive("ILmtMinus", 0);
         t.OnDrive("CmdSrc", 1);
     },
     {1, 5}},
    {"ircomp_in_current_mode_from_dinp2",
     [](DiagnosticsTest& t) {
         t.OnDrive("IrComp", 40);
         t.OnDrive("IVMode", 0);
         t.OnDrive("IrCompSrc", 0);
     },
     {14, 15}},
    {"autodis_plus_positive_only_without_plus_limit",
     [](DiagnosticsTest& t) {
         t.OnDrive("AutoDis", 2);
         t.OnDrive("PWMMinus", 0);
         t.OnDrive("ILmtPlus", 0);
     },
     {4, 9}},
};

INSTANTIATE_TEST_SUITE_P(Drive, DiagnosticsFindings, ::testing::ValuesIn(kDriveCases),
                         [](const auto& p) { return std::string(p.param.name); });

struct StatusFailure {
    const char* name;
    std::function<void(DiagnosticsTest&)> setUp;
    const char* message;
};

std::ostream& operator<<(std::ostream& out, const StatusFailure& c) {
    return out << c.name;
}

class DiagnosticsWithoutDrive : public DiagnosticsTest,
                                public ::testing::WithParamInterface<StatusFailure> {};

TEST_P(DiagnosticsWithoutDrive, StatusFailureEndsTheRunBeforeTheUpload) {
    GetParam().setUp(*this);
    Drive().ResetCounters();
    RunOnce();
    const QStringList expected = {"Checking Drive Model and Status:", "Failed to check Status",
                                  GetParam().message, "Diagnostics can't be processed."};
    EXPECT_EQ(report, expected);
    EXPECT_EQ(dialAtEnd, 0.0f);
    EXPECT_TRUE(startEnabledAtEnd);
    EXPECT_EQ(fakes.pauses.Pauses().size(), 1u);
    EXPECT_TRUE(window.ParamList.empty());
    EXPECT_EQ(Drive().GetCounters().logic.writes, 0u);
}

const StatusFailure kStatusFailures[] = {
    {"link_switched_off", [](DiagnosticsTest& t) { t.SwitchLinkOff(); }, "No Communication"},
    {"cable_off_data_in_low",
     [](DiagnosticsTest& t) { t.Drive().DisconnectDrive(DataInLevel::Low); }, "No Communication"},
    {"cable_off_data_in_high",
     [](DiagnosticsTest& t) { t.Drive().DisconnectDrive(DataInLevel::High); }, "No Communication"},
};

INSTANTIATE_TEST_SUITE_P(Status, DiagnosticsWithoutDrive, ::testing::ValuesIn(kStatusFailures),
                         [](const auto& p) { return std::string(p.param.name); });

// The upload begins after the second pause; the observer counts its frames.
TEST_F(DiagnosticsTest, CablePulledMidUploadEndsWithTheFailingParametersMessage) {
    CleanDrive();
    OnDrive("AutoDis", 2); // first in table order
    Drive().ResetCounters();
    int frames = 0;
    onPause = [&](int pause) {
        if (pause != 2)
            return;
        Drive().SetFrameObserver([&](const zkcomm::sim::LogicFrame&) {
            // AutoDis and CmdF0 are read twice each; the third parameter finds no drive.
            if (++frames == 4)
                Drive().PullCableAfter(0, DataInLevel::Low);
        });
    };
    RunOnce();
    Drive().SetFrameObserver({});
    ASSERT_GE(report.size(), 2);
    EXPECT_EQ(report.mid(report.size() - 2),
              (QStringList{"Failed to upload from drive", "No Communication"}));
    EXPECT_EQ(report.at(report.size() - 3), "Uploading from drive...");
    EXPECT_EQ(dialAtEnd, 0.0f);
    EXPECT_TRUE(startEnabledAtEnd);
    // Read before the failure: in the table; after it: the table's own value.
    EXPECT_EQ(TableValue("AutoDis"), 2);
    EXPECT_EQ(TableValue("PWMPlus"), 0);
    EXPECT_EQ(Drive().GetCounters().logic.writes, 0u);
}

struct UploadFailure {
    const char* name;
    int framesBefore; // upload frames that go through before the fault
    std::function<void(DiagnosticsTest&)> fault;
    const char* message;
};

std::ostream& operator<<(std::ostream& out, const UploadFailure& c) {
    return out << c.name;
}

class DiagnosticsUploadFailure : public DiagnosticsTest,
                                 public ::testing::WithParamInterface<UploadFailure> {};

TEST_P(DiagnosticsUploadFailure, ReportEndsWithTheStatusMessageOfTheFailingParameter) {
    onPause = [this](int pause) {
        if (pause != 2)
            return;
        if (GetParam().framesBefore == 0) {
            GetParam().fault(*this);
            return;
        }
        auto frames = std::make_shared<int>(0);
        Drive().SetFrameObserver([this, frames](const zkcomm::sim::LogicFrame&) {
            if (++*frames == GetParam().framesBefore)
                GetParam().fault(*this);
        });
    };
    RunOnce();
    Drive().SetFrameObserver({});
    ASSERT_GE(report.size(), 2);
    EXPECT_EQ(report.mid(report.size() - 2),
              (QStringList{"Failed to upload from drive", GetParam().message}));
    EXPECT_EQ(dialAtEnd, 0.0f);
    EXPECT_EQ(fakes.pauses.Pauses().size(), 2u);
}

const UploadFailure kUploadFailures[] = {
    // The second reading of CmdSrc (bit 5 of register 1) disagrees with the first.
    {"third_parameter_readings_differ", 5, [](DiagnosticsTest& t) { t.Drive().FlipReplyBit(5); },
     "Error during data transfer"},
    {"first_parameter_no_drive", 0,
     [](DiagnosticsTest& t) { t.Drive().DisconnectDrive(DataInLevel::High); }, "No Communication"},
};

INSTANTIATE_TEST_SUITE_P(Upload, DiagnosticsUploadFailure, ::testing::ValuesIn(kUploadFailures),
                         [](const auto& p) { return std::string(p.param.name); });

// The warning box comes after "Drive Enabled"; while it is open nothing can start a second
// run; after OK the run goes on.
TEST_F(DiagnosticsTest, EnabledDriveWarnsAndThenGoesOn) {
    CleanDrive();
    Drive().SetEnabled(true);
    int boxes = 0;
    fakes.messages.SetOnMessage([&](const zk::platform::RecordedMessage& message) {
        ++boxes;
        EXPECT_EQ(message.kind, MessageKind::Plain);
        EXPECT_EQ(message.text, "Drive is enabled, strongly recommend to disable the drive");
        // Shown over the diagnostics window, which stays on top of the others.
        EXPECT_EQ(zk::platform::DialogOwner(), &window);
        const QStringList sofar = window.ChecklistLines();
        EXPECT_EQ(sofar.last(), "Drive Enabled");
        EXPECT_FALSE(window.Timer1.IsArmed());
        EXPECT_FALSE(window.btnStart->isEnabled());
        window.btnStart->click();
        EXPECT_FALSE(window.Timer1.IsArmed());
    });
    RunOnce();
    EXPECT_EQ(boxes, 1);
    const int at = static_cast<int>(report.indexOf("Drive Enabled"));
    ASSERT_EQ(at, 5);
    EXPECT_EQ(report.mid(at + 1, 3), (QStringList{"", "Uploading from drive...", "Done!"}));
    EXPECT_FALSE(report.contains("Drive Disabled"));
    EXPECT_EQ(report.last(), "Finished!");
    EXPECT_EQ(report.count("Finished!"), 1);
    EXPECT_EQ(dialAtEnd, 100.0f);
    EXPECT_TRUE(Drive().IsEnabled()) << "the run must not touch the enable line";
}

// A fault code whose label is empty is an empty line; the run goes on.
TEST_F(DiagnosticsTest, FaultCodeWithoutTextGivesAnEmptyLine) {
    CleanDrive();
    Drive().SetFaultCode(11);
    RunOnce();
    ASSERT_GE(report.size(), 6);
    EXPECT_EQ(report.at(3), "Drive Status:");
    EXPECT_EQ(report.at(4), "");
    EXPECT_EQ(report.at(5), "Drive Disabled");
    EXPECT_EQ(report.last(), "Finished!");
}

} // namespace
} // namespace diagtest
