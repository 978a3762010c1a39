#include "zktools/guided/control_dlg.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include <string>
#include <vector>

#include "zktools/forms/edit_form.h"
#include "zktools/forms/main_form.h"
#include "zktools/forms/stat_label.h"
#include "zktools/forms/windows.h"
#include "zktools/guided/pwmi_dlg.h"
#include "zktools/guided/pwmv_dlg.h"
#include "zktools/guided/wizard_chain.h"
#include "zktools/guided/wizard_edit_keys.h"
#include "zktools/guided/wizard_numbers.h"
#include "zktools/guided/wizard_page_look.h"
#include "zktools/guided/wizard_radio_group.h"
#include "zktools/model/data_process.h"
#include "zktools/model/symbol_table.h"
#include "zktools/platform/exception_guard.h"
#include "zktools/platform/help_requests.h"

using nvforms::Say;
using zk::platform::Guarded;
using zk::platform::ModalForm;

namespace {

constexpr int kHelpContext = 4;
constexpr int kVoltageVelocity = 0; // entries of rdigMode
constexpr int kPwmCmd = 0;          // entries of rdigSource
constexpr int kDefaultEncOut = 3;   // "10"
// "777.1" Hz: the command variable needs no input filter of its own.
constexpr int32_t kCommandVariableCmdF0 = 4;

int ResultOf(const ModalForm* form) {
    return form != nullptr ? form->ModalResult() : zk::platform::kModalNone;
}

} // namespace

TControlDlg::TControlDlg() : keys_(new wizard::EditKeys(this)) {
    wizard::PageFrame(*this, "ControlDlg", QStringLiteral("Control Mode and Command Source"));

    rdigMode = new TRadioGroup(
        "rdigMode", QStringLiteral("Control Mode"),
        {QStringLiteral("Voltage/Velocity"), QStringLiteral("Current/Torque")}, this);
    rdigSource =
        new TRadioGroup("rdigSource", QStringLiteral("Command Source"),
                        {QStringLiteral("PWM CMD"), QStringLiteral("Command Variable")}, this);
    cmbEncOut = wizard::MakeList(this, "cmbEncOut");
    lblCmdF0 = wizard::MakeLabel(this, "lblCmdF0", QStringLiteral("PWM CMD input frequency"));
    edtCmdF0 = wizard::MakeEdit(this, "edtCmdF0");
    btnBack = wizard::MakeButton(this, "btnBack", QStringLiteral("Back"));
    btnNext = wizard::MakeButton(this, "btnNext", QStringLiteral("Next"));
    btnHelp = wizard::MakeButton(this, "btnHelp", QStringLiteral("Help"));

    auto* groups = new QHBoxLayout;
    groups->setSpacing(12);
    groups->addWidget(rdigMode, 1);
    groups->addWidget(rdigSource, 1);

    auto* fields = new QGridLayout;
    fields->setHorizontalSpacing(8);
    fields->setVerticalSpacing(8);
    fields->addWidget(
        wizard::MakeLabel(this, "lblEncOut", QStringLiteral("Position Output Pulse Resolution")), 0,
        0);
    fields->addWidget(cmbEncOut, 0, 1);
    fields->addWidget(lblCmdF0, 1, 0);
    fields->addWidget(edtCmdF0, 1, 1);
    // The hidden frequency row keeps its place, and the controls around it theirs.
    for (QWidget* widget : {static_cast<QWidget*>(lblCmdF0), static_cast<QWidget*>(edtCmdF0)}) {
        QSizePolicy policy = widget->sizePolicy();
        policy.setRetainSizeWhenHidden(true);
        widget->setSizePolicy(policy);
    }
    fields->setColumnStretch(2, 1);

    auto* page = new QVBoxLayout;
    page->addLayout(groups);
    page->addSpacing(10);
    page->addLayout(fields);
    page->addSpacing(14);
    page->addLayout(wizard::ButtonRow({btnBack, btnNext, btnHelp}));
    wizard::FinishPage(*this, page);

    setTabOrder(rdigMode->Item(0), rdigMode->Item(1));
    setTabOrder(rdigMode->Item(1), rdigSource->Item(0));
    setTabOrder(rdigSource->Item(0), rdigSource->Item(1));
    setTabOrder(rdigSource->Item(1), cmbEncOut);
    setTabOrder(cmbEncOut, edtCmdF0);
    setTabOrder(edtCmdF0, btnBack);
    setTabOrder(btnBack, btnNext);
    setTabOrder(btnNext, btnHelp);

    keys_->Watch(edtCmdF0, btnNext);

    FormCreate();

    BindModalResult(btnBack, wizard::kBack);
    connect(btnNext, &QPushButton::clicked, this, Guarded([this] { btnNextClick(); }));
    connect(btnHelp, &QPushButton::clicked, this, Guarded([this] { btnHelpClick(); }));
    connect(rdigSource->Buttons(), &QButtonGroup::idClicked, this,
            Guarded([this] { rdigSourceClick(); }));
    connect(rdigMode->Buttons(), &QButtonGroup::idClicked, this,
            Guarded([this] { rdigModeClick(); }));
}

void TControlDlg::FormCreate() {
    rdigMode->SetItemIndex(kVoltageVelocity);
    rdigSource->SetItemIndex(kPwmCmd);
    edtCmdF0->clear();
    std::vector<std::string> labels;
    SymbolTable::FillLabels("EncOut", labels);
    for (const std::string& label : labels)
        cmbEncOut->addItem(QString::fromStdString(label));
    cmbEncOut->setCurrentIndex(kDefaultEncOut);
}

bool TControlDlg::PwmCommand() const {
    return rdigSource->ItemIndex() == kPwmCmd;
}

void TControlDlg::FormActivate() {
    edtCmdF0->setVisible(PwmCommand());
    lblCmdF0->setVisible(PwmCommand());
}

void TControlDlg::rdigSourceClick() {
    if (PwmCommand()) {
        edtCmdF0->setVisible(true);
        edtCmdF0->setFocus();
        lblCmdF0->setVisible(true);
    } else {
        edtCmdF0->setVisible(false);
        lblCmdF0->setVisible(false);
        btnNext->setFocus();
    }
}

void TControlDlg::rdigModeClick() {
    btnNext->setFocus();
}

void TControlDlg::btnNextClick() {
    EncOutKey = cmbEncOut->currentIndex();
    IVMode = rdigMode->ItemIndex() == kVoltageVelocity ? 1 : 0;

    const bool pwmCommand = PwmCommand();
    double frequency = 0.0;
    if (pwmCommand) {
        if (edtCmdF0->text().isEmpty()) {
            Say(QStringLiteral("Please input PWM CMD frequency?"));
            edtCmdF0->setFocus();
            return;
        }
        // Read before the page hides, so that a bad text leaves it on screen.
        frequency = wizard::ReadNumber(edtCmdF0->text());
    }

    // Results left from an earlier run must not pass for the answer of this one.
    if (PWMVDlg != nullptr)
        PWMVDlg->SetModalResult(zk::platform::kModalNone);
    if (PWMIDlg != nullptr)
        PWMIDlg->SetModalResult(zk::platform::kModalNone);

    ModalForm* next = nullptr;
    if (pwmCommand) {
        CmdSrc = 0;
        CmdF0Key = SymbolTable::NearestKey("CmdF0", DataProcess::ToSingle(frequency / 10.0));
        next = IVMode == 1 ? static_cast<ModalForm*>(PWMVDlg) : PWMIDlg;
    } else {
        CmdSrc = 1;
        CmdF0Key = kCommandVariableCmdF0;
        if (MainForm != nullptr)
            MainForm->EditMode = 1;
        next = EditForm;
    }
    if (next == nullptr)
        return;
    wizard::RunInPlaceOf(*this, *next);

    const int results[] = {ResultOf(PWMIDlg), ResultOf(PWMVDlg), ResultOf(EditForm)};
    for (int result : results) {
        if (result == wizard::kCloseWizard) {
            SetModalResult(wizard::kCloseWizard);
            return;
        }
    }
    if (ResultOf(PWMIDlg) == wizard::kBack || ResultOf(PWMVDlg) == wizard::kBack) {
        wizard::ShowAgain(*this);
        return;
    }
    // No page asked to come back here: waiting unseen would leave the user stuck.
    SetModalResult(wizard::kCloseWizard);
}

void TControlDlg::btnHelpClick() {
    zk::platform::RequestHelp(zk::platform::HelpRequest::Context(kHelpContext));
}
