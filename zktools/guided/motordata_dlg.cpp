#include "zktools/guided/motordata_dlg.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include <cmath>

#include "zktools/forms/stat_label.h"
#include "zktools/forms/windows.h"
#include "zktools/guided/control_dlg.h"
#include "zktools/guided/wizard_chain.h"
#include "zktools/guided/wizard_edit_keys.h"
#include "zktools/guided/wizard_numbers.h"
#include "zktools/guided/wizard_page_look.h"
#include "zktools/model/data_process.h"
#include "zktools/model/symbol_table.h"
#include "zktools/platform/exception_guard.h"
#include "zktools/platform/help_requests.h"

using nvforms::Say;
using zk::platform::Guarded;

namespace {

constexpr int kHelpContext = 4;
// Proportional gain of the current loop in V/A per mH of line-to-line inductance.
constexpr double kGainPerMilliHenry = 8.4823 + 2.09e-7;
// The drive's rated peak current, A rms.
constexpr double kDrivePeakAmps = 10.6;
constexpr double kMaxInductance = 202.0;

// A value that can stand in a formula: a finite number above zero.
bool Positive(float x) {
    return std::isfinite(x) && x > 0.0f;
}

} // namespace

TMotordataDlg::TMotordataDlg() : keys_(new wizard::EditKeys(this)) {
    wizard::PageFrame(*this, "MotordataDlg", QStringLiteral("Motor Data"));

    edtKe = wizard::MakeEdit(this, "edtKe");
    edtIcs = wizard::MakeEdit(this, "edtIcs");
    edtL = wizard::MakeEdit(this, "edtL");
    edtR = wizard::MakeEdit(this, "edtR");
    cmbPoles = wizard::MakeList(this, "cmbPoles");
    cmbFBPoles = wizard::MakeList(this, "cmbFBPoles");
    btnCancel = wizard::MakeButton(this, "btnCancel", QStringLiteral("Cancel"));
    btnNext = wizard::MakeButton(this, "btnNext", QStringLiteral("Next"));
    btnHelp = wizard::MakeButton(this, "btnHelp", QStringLiteral("Help"));

    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(8);
    grid->setVerticalSpacing(8);
    int row = 0;
    const auto addEdit = [&](const char* name, const QString& caption, QLineEdit* edit,
                             const char* unitName, const QString& unit) {
        grid->addWidget(wizard::MakeLabel(this, name, caption), row, 0);
        grid->addWidget(edit, row, 1);
        grid->addWidget(wizard::MakeLabel(this, unitName, unit), row, 2);
        ++row;
    };
    // In the order the cursor walks them.
    addEdit("lblKe", QStringLiteral("Ke"), edtKe, "lblKeUnit",
            QStringLiteral("Volts rms L-L /kRPM"));
    addEdit("lblL", QStringLiteral("L"), edtL, "lblLUnit", QStringLiteral("mH L-L"));
    addEdit("lblIcs", QStringLiteral("Ics"), edtIcs, "lblIcsUnit", QStringLiteral("Arms"));
    addEdit("lblR", QStringLiteral("R"), edtR, "lblRUnit", QStringLiteral("Ohms L-L"));
    grid->setRowMinimumHeight(row++, 6);
    grid->addWidget(wizard::MakeLabel(this, "lblPoles", QStringLiteral("Number of Poles")), row, 0);
    grid->addWidget(cmbPoles, row++, 1);
    grid->addWidget(wizard::MakeLabel(this, "lblFBPoles", QStringLiteral("Quorin Feedback Poles")),
                    row, 0);
    grid->addWidget(cmbFBPoles, row++, 1);
    grid->setColumnStretch(2, 1);

    auto* page = new QVBoxLayout;
    page->addLayout(grid);
    page->addSpacing(14);
    page->addLayout(wizard::ButtonRow({btnCancel, btnNext, btnHelp}));
    wizard::FinishPage(*this, page);

    setTabOrder(edtKe, edtL);
    setTabOrder(edtL, edtIcs);
    setTabOrder(edtIcs, edtR);
    setTabOrder(edtR, cmbPoles);
    setTabOrder(cmbPoles, cmbFBPoles);
    setTabOrder(cmbFBPoles, btnCancel);
    setTabOrder(btnCancel, btnNext);
    setTabOrder(btnNext, btnHelp);

    keys_->Watch(edtKe, edtL);
    keys_->Watch(edtL, edtIcs);
    keys_->Watch(edtIcs, edtR);
    keys_->Watch(edtR, btnNext);

    FormCreate();

    BindModalResult(btnCancel, wizard::kCloseWizard);
    connect(btnNext, &QPushButton::clicked, this, Guarded([this] { btnNextClick(); }));
    connect(btnHelp, &QPushButton::clicked, this, Guarded([this] { btnHelpClick(); }));
    // Connected after the lists are filled, so that only the user's choices arrive.
    connect(cmbFBPoles, &QComboBox::currentIndexChanged, this,
            Guarded([this] { cmbFBPolesChange(); }));
}

void TMotordataDlg::FormCreate() {
    edtKe->clear();
    edtIcs->clear();
    edtL->clear();
    edtR->clear();
    cmbFBPoles->addItems({QStringLiteral("2"), QStringLiteral("4")});
    cmbFBPoles->setCurrentIndex(0);
    FillPoles(true);
}

void TMotordataDlg::FillPoles(bool twoFeedbackPoles) {
    cmbPoles->clear();
    const int step = twoFeedbackPoles ? 2 : 4;
    const int last = twoFeedbackPoles ? 62 : 60;
    for (int poles = step; poles <= last; poles += step)
        cmbPoles->addItem(QString::number(poles));
    cmbPoles->setCurrentIndex(cmbPoles->findText(QStringLiteral("12")));
}

void TMotordataDlg::cmbFBPolesChange() {
    FillPoles(cmbFBPoles->currentIndex() == 0);
}

void TMotordataDlg::btnNextClick() {
    const struct {
        QLineEdit* edit;
        const char* missing;
    } required[] = {
        {edtKe, "Please input Ke?"},
        {edtIcs, "Please input Ics?"},
        {edtL, "Please input L?"},
        {edtR, "Please input R?"},
    };
    for (const auto& entry : required) {
        if (entry.edit->text().isEmpty()) {
            Say(QString::fromLatin1(entry.missing));
            entry.edit->setFocus();
            return;
        }
    }

    // Each value is kept as soon as it is read; a text that is not a number stops here.
    Ke = DataProcess::ToSingle(wizard::ReadNumber(edtKe->text()));
    Ics = DataProcess::ToSingle(wizard::ReadNumber(edtIcs->text()));
    L = DataProcess::ToSingle(wizard::ReadNumber(edtL->text()));
    R = DataProcess::ToSingle(wizard::ReadNumber(edtR->text()));

    // A number too large for the page's 32-bit fields is as much out of range as zero.
    if (!Positive(Ke)) {
        Say(QStringLiteral("Ke is out of range"));
        return;
    }
    if (!Positive(Ics)) {
        Say(QStringLiteral("Ics is out of range"));
        return;
    }
    if (!Positive(L) || L >= kMaxInductance) {
        Say(QStringLiteral("L is out of range"));
        return;
    }
    if (!Positive(R)) {
        Say(QStringLiteral("R is out of range"));
        return;
    }

    Poles = cmbPoles->currentText().toInt();
    FBPoles = cmbFBPoles->currentText().toInt();

    KipKey = SymbolTable::NearestKey("Kip", DataProcess::ToSingle(L * kGainPerMilliHenry));
    PoleCountKey = FBPoles != 0 ? Poles / FBPoles : 0;
    PeakCurrentPct = static_cast<double>(Ics) * 300.0 / kDrivePeakAmps;
    KeChanged = Ke != PrevKe;
    if (KeChanged)
        PrevKe = Ke;

    if (ControlDlg == nullptr)
        return;
    ControlDlg->SetModalResult(zk::platform::kModalNone);
    const int result = wizard::RunInPlaceOf(*this, *ControlDlg);
    // Back waits here again; anything else ended the wizard further on.
    if (result == wizard::kBack)
        wizard::ShowAgain(*this);
    else
        SetModalResult(wizard::kCloseWizard);
}

void TMotordataDlg::btnHelpClick() {
    zk::platform::RequestHelp(zk::platform::HelpRequest::Context(kHelpContext));
}
