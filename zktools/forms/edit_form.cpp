#include "zktools/forms/edit_form.h"

#include <QEvent>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>

#include <cstring>
#include <stdexcept>
#include <vector>

#include "zktools/forms/file_dialogs.h"
#include "zktools/forms/main_form.h"
#include "zktools/forms/nv_window_style.h"
#include "zktools/forms/stat_label.h"
#include "zktools/forms/val_bool_dlg.h"
#include "zktools/forms/val_cmb_dlg.h"
#include "zktools/forms/val_edit_dlg.h"
#include "zktools/forms/windows.h"
#include "zktools/model/data_process.h"
#include "zktools/model/file_process.h"
#include "zktools/model/symbol_table.h"
#include "zktools/platform/exception_guard.h"
#include "zktools/platform/help_requests.h"
#include "zktools/platform/message_service.h"
#include "zktools/platform/platform.h"

using namespace std::chrono_literals;
using nvforms::Say;
using nvforms::StatLabel;
using zk::platform::Guarded;

namespace {

constexpr int kHelpContext = 314; // hcNVEditor
constexpr int kStartRows = 13;

const QString kSendToDrive = QStringLiteral("Send To Drive");
const QString kSendToNV = QStringLiteral("Send To NV");
const QString kSaveFile = QStringLiteral("Save File");

// ParamDir is kept as either string type.
[[maybe_unused]] QString FolderText(const QString& folder) {
    return folder;
}
[[maybe_unused]] QString FolderText(const std::string& folder) {
    return QString::fromStdString(folder);
}

QString Text(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QPushButton* MakeButton(QWidget* parent, const char* name, const QString& caption, int left,
                        int top, int width) {
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setFont(nvforms::BoldVerdana(13));
    button->setGeometry(left, top, width, 25);
    return button;
}

QLabel* MakeHeading(QWidget* parent, const char* name, int left, int top, int width) {
    auto* label = new QLabel(parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setFont(nvforms::BoldVerdana(13));
    label->setAlignment(Qt::AlignCenter);
    label->setGeometry(left, top, width, 16);
    return label;
}

bool AnswerYes(const QString& question) {
    return zk::platform::Platform::Messages().AskWarningYesNo(question) ==
           zk::platform::Answer::Yes;
}

// The parameter file, choosing its set as the editor does.
FileProcess& ParameterFile(bool factoryMode) {
    FileProc.SetFactoryMode(factoryMode);
    return FileProc;
}

} // namespace

TEditForm::TEditForm() : Timer2(2000ms), Timer3(2000ms) {
    setObjectName(QStringLiteral("EditForm"));
    setWindowTitle(QStringLiteral("Edit NV Parameters"));
    nvforms::FixedDialogFrame(*this, 491, 535);

    StringGrid1 = new QTableWidget(kStartRows - 1, 2, this);
    StringGrid1->setObjectName(QStringLiteral("StringGrid1"));
    StringGrid1->setGeometry(16, 56, 459, 329);
    StringGrid1->setHorizontalHeaderLabels({QStringLiteral("Name"), QStringLiteral("Value")});
    StringGrid1->verticalHeader()->setVisible(false);
    StringGrid1->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    StringGrid1->verticalHeader()->setDefaultSectionSize(25);
    StringGrid1->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    StringGrid1->horizontalHeader()->setFixedHeight(25);
    StringGrid1->horizontalHeader()->setHighlightSections(false);
    StringGrid1->horizontalHeader()->setSectionsClickable(false);
    StringGrid1->horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    StringGrid1->setColumnWidth(0, 220);
    StringGrid1->setColumnWidth(1, 176);
    StringGrid1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    StringGrid1->setSelectionMode(QAbstractItemView::SingleSelection);
    StringGrid1->setSelectionBehavior(QAbstractItemView::SelectItems);
    StringGrid1->setTabKeyNavigation(false);
    StringGrid1->setWordWrap(false);
    StringGrid1->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    StringGrid1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    {
        QPalette palette = StringGrid1->palette();
        palette.setColor(QPalette::Base, palette.color(QPalette::Window));
        StringGrid1->setPalette(palette);
    }
    StringGrid1->installEventFilter(this);

    btnFromDrive =
        MakeButton(this, "btnFromDrive", QStringLiteral("Load From Drive"), 32, 400, 185);
    btnToDrive = MakeButton(this, "btnToDrive", kSendToDrive, 256, 400, 185);
    btnFromNV = MakeButton(this, "btnFromNV", QStringLiteral("Load From NV"), 32, 432, 185);
    btnOpen = MakeButton(this, "btnOpen", QStringLiteral("Open File"), 32, 464, 185);
    btnSave = MakeButton(this, "btnSave", kSaveFile, 256, 464, 185);
    lblSource = MakeHeading(this, "lblSource", 32, 8, 401);
    btnToNV = MakeButton(this, "btnToNV", kSendToNV, 256, 432, 185);
    btnClose = MakeButton(this, "btnClose", QStringLiteral("Close"), 360, 496, 81);
    btnHelp = MakeButton(this, "btnHelp", QStringLiteral("Help"), 256, 496, 81);
    lblFilename = MakeHeading(this, "lblFilename", 0, 24, 489);
    lblFilename->setVisible(false);
    btnClean = MakeButton(this, "btnClean", QStringLiteral("Clear Form"), 32, 496, 185);

    setTabOrder(btnClose, StringGrid1);
    setTabOrder(StringGrid1, btnFromDrive);
    setTabOrder(btnFromDrive, btnFromNV);
    setTabOrder(btnFromNV, btnOpen);
    setTabOrder(btnOpen, btnClean);
    setTabOrder(btnClean, btnToDrive);
    setTabOrder(btnToDrive, btnToNV);
    setTabOrder(btnToNV, btnSave);
    setTabOrder(btnSave, btnHelp);

    // FormCreate: both dialogs start in the parameter-file folder.
    const QString folder = MainForm != nullptr ? FolderText(MainForm->ParamDir) : QString();
    OpenDlg = ParameterOpenDialog(folder);
    SaveDlg = ParameterSaveDialog(folder);

    Timer2.SetHandler([this] { Timer2Timer(); });
    Timer3.SetHandler([this] { Timer3Timer(); });

    connect(btnFromDrive, &QPushButton::clicked, this, Guarded([this] { btnFromDriveClick(); }));
    connect(btnToDrive, &QPushButton::clicked, this, Guarded([this] { btnToDriveClick(); }));
    connect(btnFromNV, &QPushButton::clicked, this, Guarded([this] { btnFromNVClick(); }));
    connect(btnOpen, &QPushButton::clicked, this, Guarded([this] { btnOpenClick(); }));
    connect(btnSave, &QPushButton::clicked, this, Guarded([this] { btnSaveClick(); }));
    connect(btnToNV, &QPushButton::clicked, this, Guarded([this] { btnToNVClick(); }));
    connect(btnClose, &QPushButton::clicked, this, Guarded([this] { btnCloseClick(); }));
    connect(btnHelp, &QPushButton::clicked, this, Guarded([this] { btnHelpClick(); }));
    connect(btnClean, &QPushButton::clicked, this, Guarded([this] { btnCleanClick(); }));
    connect(StringGrid1, &QTableWidget::currentCellChanged, this,
            Guarded([this](int, int col) { SelectCell(col); }));
    connect(StringGrid1, &QTableWidget::cellDoubleClicked, this,
            Guarded([this] { StringGrid1DbleClick(); }));

    // The value dialogs read SelName and IVMode when this editor opens them.
    TValueDialog::RegisterOpener(TValueDialog::kFromNVEditor, {&SelName, &IVMode});
    nvforms::CenterOnScreen(*this);
}

TEditForm::~TEditForm() {
    const ValueDialogOpener registered =
        TValueDialog::RegisterOpener(TValueDialog::kFromNVEditor, {});
    if (registered.SelName != &SelName)
        TValueDialog::RegisterOpener(TValueDialog::kFromNVEditor, registered);
}

// --- Grid ---------------------------------------------------------------------------

int TEditForm::RowCount() const {
    return StringGrid1->rowCount() + 1;
}

void TEditForm::SetRowCount(int rows) {
    StringGrid1->setRowCount(rows > 1 ? rows - 1 : 0);
}

QString TEditForm::Cell(int col, int row) const {
    const QTableWidgetItem* item = StringGrid1->item(row - 1, col);
    return item != nullptr ? item->text() : QString();
}

void TEditForm::SetCell(int col, int row, const QString& text) {
    if (row < 1 || row > StringGrid1->rowCount())
        return;
    QTableWidgetItem* item = StringGrid1->item(row - 1, col);
    if (item == nullptr) {
        StringGrid1->setItem(row - 1, col, new QTableWidgetItem(text));
        return;
    }
    item->setText(text);
}

VarTableList TEditForm::NVSet() const {
    return FactoryMode() ? SymTable.GetNVVars() : SymTable.GetUserNVVars();
}

bool TEditForm::FactoryMode() const {
    return MainForm != nullptr && MainForm->FactoryMode;
}

void TEditForm::RefreshGrid() {
    ParamList = NVSet();
    int32_t ivMode = 0;
    if (!SymTable.GetValue("IVMode", ivMode))
        throw std::runtime_error("System Error");
    IVMode = ivMode;

    int row = 1;
    for (const VarTable& record : ParamList) {
        const int32_t value = record.Value.load();
        QString text;
        if (record.Type >= 2) {
            text = Text(DataProcess::FormatValue(record.Type, IVMode, value));
        } else if (const auto label = SymbolTable::GetLabel(record.Name, value)) {
            text = Text(*label);
        }
        const char* unit = IVMode == 1 ? record.VUnit : record.IUnit;
        if (unit != nullptr)
            text += QString::fromUtf8(unit);
        SetCell(0, row, QString::fromUtf8(record.Name));
        SetCell(1, row, text);
        ++row;
    }
}

// --- Activation and clearing --------------------------------------------------------

void TEditForm::FormActivate() {
    const int32_t editMode = MainForm != nullptr ? MainForm->EditMode : 0;
    if (editMode == 0) {
        ClearForm();
    } else if (editMode >= 1 && editMode <= 3 && ClearForm()) {
        Modified = true;
        ApplyWizardSettings();
        RefreshGrid();
        lblSource->setText(QStringLiteral("New Configuration"));
        lblFilename->setVisible(false);
        EnableSends();
    }
    btnClose->setFocus();
}

bool TEditForm::ClearForm() {
    if (Modified && AnswerYes(QStringLiteral("Do you want to save the changes?"))) {
        // The user wants the changes kept: a cancelled save clears nothing, and a failed
        // one throws before anything is cleared.
        if (SaveWithDialog(ParameterFile(FactoryMode()), SaveDlg) == 0)
            return false;
        btnSave->setEnabled(false);
    }
    for (int row = 1; row < RowCount(); ++row) {
        SetCell(0, row, QString());
        SetCell(1, row, QString());
    }
    btnToDrive->setEnabled(false);
    btnToNV->setEnabled(false);
    btnSave->setEnabled(false);
    btnToDrive->setText(kSendToDrive);
    btnToNV->setText(kSendToNV);
    btnSave->setText(kSaveFile);
    lblSource->setText(QStringLiteral("Please Load Parameters from Drive, NV Memory or File"));
    lblFilename->setVisible(false);
    SymTable.ResetToDefaults();
    Modified = false;
    return true;
}

void TEditForm::EnableSends() {
    btnToDrive->setEnabled(true);
    btnToNV->setEnabled(true);
    btnSave->setEnabled(true);
}

// --- Loads --------------------------------------------------------------------------

void TEditForm::btnFromDriveClick() {
    if (!ClearForm())
        return;
    ParamList = NVSet();
    ShowLoaded(DataProcess::ReadListFromDrive(ParamList),
               QStringLiteral("NV Parameters From Drive"));
}

void TEditForm::btnFromNVClick() {
    if (!ClearForm())
        return;
    ParamList = NVSet();
    ShowLoaded(DataProcess::ReadListFromNV(ParamList),
               QStringLiteral("NV Parameters From NV Memory"));
}

void TEditForm::ShowLoaded(BatchResult result, const QString& source) {
    if (!BatchSucceeded(result)) {
        ShowTransferFailure(result, QStringLiteral("Transmission Error When Reading "));
        return;
    }
    SetRowCount(BatchRows(result));
    RefreshGrid();
    lblSource->setText(source);
    EnableSends();
}

void TEditForm::btnOpenClick() {
    if (!ClearForm())
        return;
    if (!OpenWithDialog(ParameterFile(FactoryMode()), OpenDlg, *lblFilename, *lblSource))
        return;
    PrepareRows();
    RefreshGrid();
    EnableSends();
}

void TEditForm::PrepareRows() {
    ParamList = NVSet();
    for (const VarTable& record : ParamList) {
        if (std::strcmp(record.Name, "IVMode") == 0)
            IVMode = record.Value.load();
    }
    SetRowCount(static_cast<int>(ParamList.size()) + 1);
}

void TEditForm::ShowTransferFailure(BatchResult result, const QString& prefix) {
    const StatCode code = BatchFailedCode(result);
    if (code != VerifyFailed) {
        Say(StatLabel(code));
        return;
    }
    const auto name = DataProcess::NameAt(ParamList, BatchFailedPosition(result));
    Say(prefix + (name ? Text(*name) : QString()));
}

// --- Sends --------------------------------------------------------------------------

bool TEditForm::ModelCheckPasses(int32_t check) {
    if (check == ModelMatches)
        return true;
    if (check < ModelDiffers)
        Say(StatLabel(check));
    else if (check == ModelDiffers)
        Say(QStringLiteral("Model doesn't match"));
    else
        Say(QStringLiteral("System Error"));
    return false;
}

bool TEditForm::SetWithinLimits() {
    ParamList = NVSet();
    int32_t ivMode = 0;
    if (!SymTable.GetValue("IVMode", ivMode)) {
        Say(QStringLiteral("System Error"));
        return false;
    }
    const std::vector<DataProcess::OutOfRange> outside =
        DataProcess::ValuesOutOfRange(ParamList, ivMode);
    if (outside.empty())
        return true;
    QString text = QStringLiteral("Values out of range, nothing was sent:");
    for (const DataProcess::OutOfRange& value : outside) {
        text += QLatin1Char('\n') + Text(value.Name) + QStringLiteral(" = ") +
                Text(value.ValueText) + QStringLiteral(" (Range: ") + Text(value.RangeText) +
                QLatin1Char(')');
    }
    Say(text);
    return false;
}

void TEditForm::btnToDriveClick() {
    int32_t model = 0;
    if (!SymTable.GetValue("Model", model)) {
        Say(QStringLiteral("System Error"));
        return;
    }
    if (!SetWithinLimits())
        return;
    if (!ModelCheckPasses(DataProcess::CheckModelOnDrive(model)))
        return;
    ParamList = NVSet();
    const BatchResult written = DataProcess::WriteListToDrive(ParamList);
    if (!BatchSucceeded(written)) {
        ShowTransferFailure(written, QStringLiteral("Transmission Error When Writing "));
        return;
    }
    btnToDrive->setText(QStringLiteral("Done"));
    Timer2.Start();
}

void TEditForm::btnToNVClick() {
    int32_t model = 0;
    if (!SymTable.GetValue("Model", model)) {
        Say(QStringLiteral("System Error"));
        return;
    }
    if (!SetWithinLimits())
        return;
    // The factory writes any model into a drive's memory.
    if (!FactoryMode() && !ModelCheckPasses(DataProcess::CheckModelInNV(model)))
        return;
    ParamList = NVSet();
    const BatchResult written = DataProcess::WriteListToNV(ParamList);
    if (!BatchSucceeded(written)) {
        ShowTransferFailure(written, QStringLiteral("Transmission Error When Writing "));
        return;
    }
    const StatCode erased = DataProcess::EraseNV();
    if (erased != LinkOk)
        Say(StatLabel(erased));
    btnToNV->setText(QStringLiteral("Done"));
    Timer3.Start();
}

void TEditForm::Timer2Timer() {
    btnToDrive->setText(kSendToDrive);
}

void TEditForm::Timer3Timer() {
    btnToNV->setText(kSendToNV);
}

// --- Save, clear, close, help -------------------------------------------------------

void TEditForm::btnSaveClick() {
    if (SaveWithDialog(ParameterFile(FactoryMode()), SaveDlg) == 0)
        return;
    btnSave->setEnabled(false);
    Modified = false;
}

void TEditForm::btnCleanClick() {
    ClearForm();
}

bool TEditForm::AskToSaveOnClose() {
    if (Modified && AnswerYes(QStringLiteral("Do you want to save the parameters in a file?"))) {
        // The user wants the changes kept: after a cancelled save the window stays open with
        // them, and a failed save throws before Modified is cleared.
        if (SaveWithDialog(ParameterFile(FactoryMode()), SaveDlg) == 0)
            return false;
        btnSave->setEnabled(false);
    }
    Modified = false;
    return true;
}

void TEditForm::btnCloseClick() {
    if (AskToSaveOnClose())
        SetModalResult(zk::platform::kModalCancel);
}

bool TEditForm::FormCloseQuery() {
    // After the Close button this finds Modified false and asks nothing.
    return AskToSaveOnClose();
}

void TEditForm::btnHelpClick() {
    zk::platform::RequestHelp(zk::platform::HelpRequest::Context(kHelpContext));
}

// --- Grid events --------------------------------------------------------------------

void TEditForm::SelectCell(int col) {
    IsValueColumn = col == 0 ? 0 : 1;
}

void TEditForm::StringGrid1DbleClick() {
    if (IsValueColumn != 1)
        return;
    const int row = StringGrid1->currentRow();
    if (row < 0)
        return;
    SelName = Cell(0, row + 1).toStdString();
    if (SelName.empty())
        return;
    if (!SymTable.Exists(SelName)) {
        Say(QStringLiteral("Invalid Name"));
        return;
    }
    if (MainForm != nullptr)
        MainForm->DialogMode = TValueDialog::kFromNVEditor;
    const int32_t type = SymTable.GetType(SelName);
    zk::platform::ModalForm* dialog = nullptr;
    if (type == 0)
        dialog = ValBooldlg;
    else if (type == 1)
        dialog = ValCmbdlg;
    else
        dialog = ValEditdlg;
    if (dialog != nullptr)
        dialog->ShowModal();
    EnableSends();
}

void TEditForm::NameKeyDown() {
    // The main window's help hook asks GetSelectedName for the key.
    zk::platform::RequestHelp(zk::platform::HelpRequest::PartialKey(QString()));
}

bool TEditForm::eventFilter(QObject* watched, QEvent* event) {
    if (watched == StringGrid1 && event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent*>(event)->key() == Qt::Key_F1) {
        zk::platform::Guard([this] { NameKeyDown(); });
        return true;
    }
    return ModalForm::eventFilter(watched, event);
}

QWidget* TEditForm::HelpGrid() const {
    return StringGrid1;
}

std::string TEditForm::GetSelectedName() const {
    if (!StringGrid1->hasFocus())
        return {};
    const int row = StringGrid1->currentRow();
    return row < 0 ? std::string() : Cell(0, row + 1).toStdString();
}

// --- Wizard ---------------------------------------------------------------------------

void TEditForm::ApplyWizardSettings() {
    for (const VarTable& record : SymTable.GetUserNVVars())
        SymTable.SetValue(record.Name, record.Default);
    SetRowCount(static_cast<int>(NVSet().size()) + 1);

    if (const MotorDataResults* motor = WizardSources.MotorData) {
        SymTable.SetValue("PoleCount", motor->PoleCountKey);
        SymTable.SetValue("Kip", motor->KipKey);
    }
    const ControlResults* control = WizardSources.Control;
    if (control != nullptr) {
        SymTable.SetValue("IVMode", control->IVMode);
        SymTable.SetValue("CmdSrc", control->CmdSrc);
        SymTable.SetValue("CmdF0", control->CmdF0Key);
        SymTable.SetValue("EncOut", control->EncOutKey);
    }

    const int32_t editMode = MainForm != nullptr ? MainForm->EditMode : 0;
    const PwmResults* pwm = nullptr;
    if (editMode == 1 && control != nullptr) {
        // The command variable drives the full range of the chosen mode.
        const bool voltage = control->IVMode != 0;
        const int32_t mode = voltage ? 1 : 0;
        const float level = voltage ? 290.0f : 10.6f;
        int32_t plus = 0;
        int32_t minus = 0;
        DataProcess::ParseAndCheck("PWMPlus", mode, level, plus);
        DataProcess::ParseAndCheck("PWMMinus", mode, -level, minus);
        SymTable.SetValue("PWMPlus", plus);
        SymTable.SetValue("PWMMinus", minus);
    } else if (editMode == 2) {
        pwm = WizardSources.VoltagePwm;
    } else if (editMode == 3) {
        pwm = WizardSources.CurrentPwm;
    }
    if (pwm != nullptr) {
        SymTable.SetValue("PWMPlus", pwm->PWMPlus);
        SymTable.SetValue("PWMMinus", pwm->PWMMinus);
        SymTable.SetValue("ILmtPlus", pwm->ILmtPlus);
        SymTable.SetValue("ILmtMinus", pwm->ILmtMinus);
    }
}
