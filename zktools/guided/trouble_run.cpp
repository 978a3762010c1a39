// The diagnostic run: status, upload, the rules, and the report and progress on the way.
#include "zktools/guided/trouble.h"

#include <QPlainTextEdit>

#include "zktools/gauges/qx_dial.h"
#include "zktools/guided/diagnostic_rules.h"
#include "zktools/model/data_process.h"
#include "zktools/model/symbol_table.h"
#include "zktools/platform/platform.h"

using namespace std::chrono_literals;

namespace {

constexpr float kProgressAfterUpload = 10.0f;
constexpr float kProgressPerRule = 5.0f;
constexpr float kProgressDone = 100.0f;

} // namespace

void TTroubleshooting::AddLine(const QString& text) {
    Checklist->appendPlainText(text);
}

void TTroubleshooting::AddLabel(const char* list, int32_t key) {
    const auto label = SymbolTable::GetLabel(list, key);
    AddLine(label ? QString::fromUtf8(label->data(), static_cast<qsizetype>(label->size()))
                  : QString());
}

void TTroubleshooting::RunDiagnostics() {
    AddLine("Checking Drive Model and Status:");
    zk::platform::Pause(1000ms);

    int32_t model = 0;
    bool enabled = false;
    int32_t faultCode = 0;
    const StatCode status = DataProc.ReadDriveStatus(model, enabled, faultCode);
    if (status != LinkOk) {
        AddLine("Failed to check Status");
        AddLabel("Stat", status);
        AddLine("Diagnostics can't be processed.");
        return;
    }
    AddLine("Drive Model:");
    AddLabel("Model", model);
    AddLine("Drive Status:");
    AddLabel("FaultCode", faultCode);
    if (enabled) {
        AddLine("Drive Enabled");
        zk::platform::Platform::Messages().ShowMessage(
            QStringLiteral("Drive is enabled, strongly recommend to disable the drive"));
    } else {
        AddLine("Drive Disabled");
    }
    AddLine("");

    ParamList = SymTable.GetAllVars();
    AddLine("Uploading from drive...");
    zk::platform::Pause(1000ms);
    const BatchResult upload = DataProc.ReadListFromDrive(ParamList);
    if (upload < 1000) {
        AddLine("Failed to upload from drive");
        AddLabel("Stat", BatchFailedCode(upload));
        return;
    }
    AddLine("Done!");
    AddLine("");
    QxDial1->SetValue(kProgressAfterUpload);

    const diagnostics::RuleValues values = diagnostics::ReadRuleValues(SymTable);
    int findings = 0;
    for (const diagnostics::DiagnosticRule& rule : diagnostics::DiagnosticRules()) {
        if (rule.holds(values)) {
            ++findings;
            for (const std::string& line : diagnostics::BlockLines(rule))
                AddLine(QString::fromStdString(line));
        }
        zk::platform::Pause(100ms);
        QxDial1->SetValue(QxDial1->Value() + kProgressPerRule);
    }
    if (findings == 0)
        AddLine("All checks passed");

    QxDial1->SetValue(kProgressDone);
    AddLine("");
    AddLine("Finished!");
}
