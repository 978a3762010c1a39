#include "zktools/guided/pwmi_dlg.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>

#include "zktools/forms/edit_form.h"
#include "zktools/forms/main_form.h"
#include "zktools/forms/stat_label.h"
#include "zktools/forms/windows.h"
#include "zktools/guided/control_dlg.h"
#include "zktools/guided/motordata_dlg.h"
#include "zktools/guided/wizard_chain.h"
#include "zktools/guided/wizard_edit_keys.h"
#include "zktools/guided/wizard_numbers.h"
#include "zktools/guided/wizard_page_look.h"
#include "zktools/model/data_process.h"
#include "zktools/model/symbol_table.h"
#include "zktools/platform/exception_guard.h"
#include "zktools/platform/help_requests.h"

using namespace std::chrono_literals;
using nvforms::Say;
using zk::platform::Guarded;

namespace {

constexpr int kHelpContext = 4;
constexpr int kLevelDecimals = 3; // recomputed currents and torques
constexpr int kUnitDecimals = 4;  // torques converted to the other unit
constexpr int kPoundInches = 0;   // entries of the unit lists
constexpr double kPoundInchesPerNewtonMetre = 8.854;
// The drive's peak current: the torque range is taken at it, while the current range
// text shows the raw limit of 10.63 A.
constexpr double kPeakAmps = 10.6;
const QString kCurrentRange = QStringLiteral("Range: -10.63 to 10.63");
constexpr int32_t kHighestLimitKey = 3;

bool PoundInches(const QComboBox* unit) {
    return unit->currentIndex() == kPoundInches;
}

void WriteNumber(QLineEdit* edit, double value, int decimals) {
    edit->setText(wizard::GeneralText(wizard::CutDecimals(value, decimals)));
}

} // namespace

TPWMIDlg::TPWMIDlg() : Timer1(1000ms), keys_(new wizard::EditKeys(this)) {
    wizard::PageFrame(*this, "PWMIDlg", QStringLiteral("PWM CMD Scaling Current/Torque"));

    edtT1 = wizard::MakeEdit(this, "edtT1");
    cmbUnit1 = wizard::MakeList(this, "cmbUnit1");
    lblRange1T = wizard::MakeLabel(this, "lblRange1T", QString());
    edtPWMMinus = wizard::MakeEdit(this, "edtPWMMinus");
    lblRange1 = wizard::MakeLabel(this, "lblRange1", QString());
    edtT2 = wizard::MakeEdit(this, "edtT2");
    cmbUnit2 = wizard::MakeList(this, "cmbUnit2");
    lblRange2T = wizard::MakeLabel(this, "lblRange2T", QString());
    edtPWMPlus = wizard::MakeEdit(this, "edtPWMPlus");
    lblRange2 = wizard::MakeLabel(this, "lblRange2", QString());
    btnBack = wizard::MakeButton(this, "btnBack", QStringLiteral("Back"));
    btnNext = wizard::MakeButton(this, "btnNext", QStringLiteral(" Next"));
    btnHelp = wizard::MakeButton(this, "btnHelp", QStringLiteral("Help"));
    for (QComboBox* unit : {cmbUnit1, cmbUnit2}) {
        unit->setMinimumWidth(0);
        unit->setFixedWidth(70);
    }

    const auto group = [this](const char* name, const QString& caption, QLineEdit* torque,
                              QComboBox* unit, QLabel* torqueRange, QLineEdit* current,
                              QLabel* currentRange, const QString& level) {
        auto* box = new QGroupBox(caption, this);
        box->setObjectName(QString::fromLatin1(name));
        auto* grid = new QGridLayout(box);
        grid->setHorizontalSpacing(6);
        grid->setVerticalSpacing(2);
        grid->addWidget(wizard::MakeLabel(box, "", QStringLiteral("Torque")), 0, 0);
        grid->addWidget(torque, 0, 1);
        grid->addWidget(unit, 0, 2);
        grid->addWidget(torqueRange, 1, 1, 1, 2);
        grid->setColumnMinimumWidth(3, 24);
        // The longer name sets the width, so that both groups' edits line up.
        QLabel* levelLabel = wizard::MakeLabel(box, "", QStringLiteral("PWMMinus"));
        levelLabel->setMinimumWidth(levelLabel->sizeHint().width());
        levelLabel->setText(level);
        grid->addWidget(levelLabel, 0, 4);
        grid->addWidget(current, 0, 5);
        grid->addWidget(wizard::MakeLabel(box, "", QStringLiteral("Arms")), 0, 6);
        grid->addWidget(currentRange, 1, 5, 1, 2);
        grid->setColumnStretch(6, 1);
        torqueRange->setMinimumWidth(170);
        currentRange->setMinimumWidth(150);
        return box;
    };
    QGroupBox* high =
        group("grpHigh", QStringLiteral("PWM CMD J2-8 is logic high -- 100% duty cycle"), edtT1,
              cmbUnit1, lblRange1T, edtPWMMinus, lblRange1, QStringLiteral("PWMMinus"));
    QGroupBox* low =
        group("grpLow", QStringLiteral("PWM CMD J2-8 is logic low -- 0% duty cycle"), edtT2,
              cmbUnit2, lblRange2T, edtPWMPlus, lblRange2, QStringLiteral("PWMPlus"));

    auto* page = new QVBoxLayout;
    page->setSpacing(10);
    page->addWidget(high);
    page->addWidget(low);
    page->addSpacing(10);
    page->addLayout(wizard::ButtonRow({btnBack, btnNext, btnHelp}));
    wizard::FinishPage(*this, page);

    setTabOrder(edtT1, cmbUnit1);
    setTabOrder(cmbUnit1, edtPWMMinus);
    setTabOrder(edtPWMMinus, edtT2);
    setTabOrder(edtT2, cmbUnit2);
    setTabOrder(cmbUnit2, edtPWMPlus);
    setTabOrder(edtPWMPlus, btnBack);
    setTabOrder(btnBack, btnNext);
    setTabOrder(btnNext, btnHelp);

    keys_->Watch(edtT1, edtT2, [this] { KeyPressed(1); });
    keys_->Watch(edtPWMMinus, edtPWMPlus, [this] { KeyPressed(2); });
    keys_->Watch(edtT2, btnNext, [this] { KeyPressed(3); });
    keys_->Watch(edtPWMPlus, btnNext, [this] { KeyPressed(4); });
    Timer1.SetHandler([this] { Timer1Timer(); });

    FormCreate();

    BindModalResult(btnBack, wizard::kBack);
    connect(btnNext, &QPushButton::clicked, this, Guarded([this] { btnNextClick(); }));
    connect(btnHelp, &QPushButton::clicked, this, Guarded([this] { btnHelpClick(); }));
    // Connected after the lists are filled. Only a change of unit converts: choosing
    // the unit already in force again leaves the number alone.
    connect(cmbUnit1, &QComboBox::currentIndexChanged, this, Guarded([this] { cmbUnit1Change(); }));
    connect(cmbUnit2, &QComboBox::currentIndexChanged, this, Guarded([this] { cmbUnit2Change(); }));
}

void TPWMIDlg::FormCreate() {
    edtT1->clear();
    edtPWMMinus->clear();
    edtT2->clear();
    edtPWMPlus->clear();
    for (QComboBox* unit : {cmbUnit1, cmbUnit2}) {
        unit->addItems({QStringLiteral("lb-in"), QStringLiteral("nt-m")});
        unit->setCurrentIndex(kPoundInches);
    }
}

void TPWMIDlg::KeyPressed(int32_t field) {
    EditedField = field;
    Timer1.Start();
}

double TPWMIDlg::Torque(const QComboBox* unit, double amps) const {
    const double newtonMetres = amps * Kt;
    return PoundInches(unit) ? newtonMetres * kPoundInchesPerNewtonMetre : newtonMetres;
}

double TPWMIDlg::Amps(const QComboBox* unit, double torque) const {
    const double perAmp = PoundInches(unit) ? Kt * kPoundInchesPerNewtonMetre : Kt;
    return torque / perAmp;
}

void TPWMIDlg::UpdateRanges() {
    lblRange1->setText(kCurrentRange);
    lblRange2->setText(kCurrentRange);
    const struct {
        const QComboBox* unit;
        QLabel* range;
    } groups[] = {{cmbUnit1, lblRange1T}, {cmbUnit2, lblRange2T}};
    for (const auto& group : groups) {
        const float bound = DataProcess::ToSingle(Torque(group.unit, kPeakAmps));
        const QString text =
            wizard::GeneralText(std::ceil(static_cast<double>(bound) * 10000.0) * 0.0001);
        group.range->setText(QStringLiteral("Range: -") + text + QStringLiteral(" to ") + text);
    }
}

void TPWMIDlg::FormActivate() {
    const long double ke = MotordataDlg != nullptr ? MotordataDlg->Ke : 0.0f;
    Kt = static_cast<double>(std::sqrt(3.0L) * 3.0L * ke * 0.02L / 6.28318534L);
    UpdateRanges();

    // Currents stay; torques follow a new Ke.
    const bool keChanged = MotordataDlg != nullptr && MotordataDlg->KeChanged;
    bool recalculated = false;
    const struct {
        QLineEdit* current;
        QLineEdit* torque;
        const QComboBox* unit;
    } groups[] = {{edtPWMMinus, edtT1, cmbUnit1}, {edtPWMPlus, edtT2, cmbUnit2}};
    for (const auto& group : groups) {
        if (wizard::IsBlank(group.current->text())) {
            group.current->clear();
            group.torque->clear();
        } else if (keChanged) {
            recalculated = true;
            const double amps = wizard::ReadNumber(group.current->text());
            WriteNumber(group.torque, Torque(group.unit, amps), kLevelDecimals);
        }
    }
    if (recalculated) {
        Say(QStringLiteral("Ke has been changed, then torques will be recalculated"));
        MotordataDlg->KeChanged = false;
    }
}

void TPWMIDlg::Timer1Timer() {
    Timer1.Stop();
    const auto recalculate = [](const QLineEdit* source, QLineEdit* target, auto compute) {
        if (wizard::IsBlank(source->text()))
            return;
        WriteNumber(target, compute(wizard::ReadNumber(source->text())), kLevelDecimals);
    };
    switch (EditedField) {
    case 1:
        recalculate(edtT1, edtPWMMinus, [this](double t) { return Amps(cmbUnit1, t); });
        break;
    case 2:
        recalculate(edtPWMMinus, edtT1, [this](double a) { return Torque(cmbUnit1, a); });
        break;
    case 3:
        recalculate(edtT2, edtPWMPlus, [this](double t) { return Amps(cmbUnit2, t); });
        break;
    case 4:
        recalculate(edtPWMPlus, edtT2, [this](double a) { return Torque(cmbUnit2, a); });
        break;
    default:
        break;
    }
}

void TPWMIDlg::ConvertTorque(QLineEdit* edit, const QComboBox* unit) {
    // Only an empty text is skipped; a lone "-" is reported as not a number.
    if (!edit->text().isEmpty()) {
        const double torque = wizard::ReadNumber(edit->text());
        WriteNumber(edit,
                    PoundInches(unit) ? torque * kPoundInchesPerNewtonMetre
                                      : torque / kPoundInchesPerNewtonMetre,
                    kUnitDecimals);
    }
    UpdateRanges();
}

void TPWMIDlg::cmbUnit1Change() {
    ConvertTorque(edtT1, cmbUnit1);
}

void TPWMIDlg::cmbUnit2Change() {
    ConvertTorque(edtT2, cmbUnit2);
}

bool TPWMIDlg::ConvertLevel(const char* name, QLineEdit* edit, int32_t& raw) {
    const int32_t ivMode = ControlDlg != nullptr ? ControlDlg->IVMode : 0;
    const float amps = DataProcess::ToSingle(wizard::ReadNumber(edit->text()));
    const int32_t result = DataProcess::ParseAndCheck(name, ivMode, amps, raw);
    if (result == 2) {
        Say(QStringLiteral("System Error"));
        return false;
    }
    if (result == 3) {
        Say(QStringLiteral("The value is out of range!"));
        edit->setFocus();
        return false;
    }
    return true;
}

void TPWMIDlg::btnNextClick() {
    if (wizard::IsBlank(edtPWMMinus->text())) {
        Say(QStringLiteral("Please input Torque or PWMMinus?"));
        edtPWMMinus->setFocus();
        return;
    }
    if (wizard::IsBlank(edtPWMPlus->text())) {
        Say(QStringLiteral("Please input Torque or PWMPlus?"));
        edtPWMPlus->setFocus();
        return;
    }
    const double peak = MotordataDlg != nullptr ? MotordataDlg->PeakCurrentPct : 0.0;
    ILmtPlus =
        std::min(SymbolTable::FloorKey("ILmtPlus", DataProcess::ToSingle(peak)), kHighestLimitKey);
    ILmtMinus = ILmtPlus;
    if (!ConvertLevel("PWMPlus", edtPWMPlus, PWMPlus))
        return;
    if (!ConvertLevel("PWMMinus", edtPWMMinus, PWMMinus))
        return;

    if (MainForm != nullptr)
        MainForm->EditMode = 3;
    if (EditForm != nullptr)
        wizard::RunInPlaceOf(*this, *EditForm);
    SetModalResult(wizard::kCloseWizard);
}

void TPWMIDlg::btnHelpClick() {
    zk::platform::RequestHelp(zk::platform::HelpRequest::Context(kHelpContext));
}
