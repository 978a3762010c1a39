#include "zktools/guided/pwmv_dlg.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include <cmath>
#include <string>
#include <vector>

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
constexpr int kDecimals = 3;
// Bus voltage the speed range is taken at; the voltage range text shows the raw limit.
constexpr double kSpeedRangeVolts = 290000.0; // 290 V x 1000 rpm
const QString kVoltageRange = QStringLiteral("Range: -291 to 291");

float MotorKe() {
    return MotordataDlg != nullptr ? MotordataDlg->Ke : 0.0f;
}

double Volts(double rpm) {
    return static_cast<double>(MotorKe()) * rpm / 1000.0;
}

double Rpm(double volts) {
    return volts * 1000.0 / static_cast<double>(MotorKe());
}

// Writes `compute` of the number in `source` into `target`, cut to three decimals;
// an empty source changes nothing.
template <class F> void Recalculate(const QLineEdit* source, QLineEdit* target, F compute) {
    if (wizard::IsBlank(source->text()))
        return;
    const double value = compute(wizard::ReadNumber(source->text()));
    target->setText(wizard::GeneralText(wizard::CutDecimals(value, kDecimals)));
}

void FillLimitList(const char* list, QComboBox* combo, int32_t highestKey) {
    std::vector<std::string> labels;
    SymbolTable::FillLabelsUpTo(list, labels, highestKey);
    for (const std::string& label : labels)
        combo->addItem(QString::fromStdString(label));
}

QLabel* Unit(QWidget* parent, const char* name, const QString& text) {
    return wizard::MakeLabel(parent, name, text);
}

} // namespace

TPWMVDlg::TPWMVDlg() : Timer1(1000ms), keys_(new wizard::EditKeys(this)) {
    wizard::PageFrame(*this, "PWMVDlg", QStringLiteral("PWM CMD Scaling Voltage/Velocity"));

    edtV1 = wizard::MakeEdit(this, "edtV1");
    lblRange1V = wizard::MakeLabel(this, "lblRange1V", QString());
    edtPWMMinus = wizard::MakeEdit(this, "edtPWMMinus");
    lblRange1 = wizard::MakeLabel(this, "lblRange1", QString());
    edtV2 = wizard::MakeEdit(this, "edtV2");
    lblRange2V = wizard::MakeLabel(this, "lblRange2V", QString());
    edtPWMPlus = wizard::MakeEdit(this, "edtPWMPlus");
    lblRange2 = wizard::MakeLabel(this, "lblRange2", QString());
    cmbILmtPlus = wizard::MakeList(this, "cmbILmtPlus");
    cmbILmtMinus = wizard::MakeList(this, "cmbILmtMinus");
    btnBack = wizard::MakeButton(this, "btnBack", QStringLiteral("Back"));
    btnNext = wizard::MakeButton(this, "btnNext", QStringLiteral(" Next"));
    btnHelp = wizard::MakeButton(this, "btnHelp", QStringLiteral("Help"));

    const auto group = [this](const char* name, const QString& caption, QLineEdit* speed,
                              QLabel* speedRange, QLineEdit* voltage, QLabel* voltageRange,
                              const QString& level) {
        auto* box = new QGroupBox(caption, this);
        box->setObjectName(QString::fromLatin1(name));
        auto* grid = new QGridLayout(box);
        grid->setHorizontalSpacing(6);
        grid->setVerticalSpacing(2);
        grid->addWidget(wizard::MakeLabel(box, "", QStringLiteral("Velocity")), 0, 0);
        grid->addWidget(speed, 0, 1);
        grid->addWidget(Unit(box, "", QStringLiteral("RPM")), 0, 2);
        // A low Ke gives a long bound: the text may run on below the level's name.
        grid->addWidget(speedRange, 1, 1, 1, 4);
        grid->setColumnMinimumWidth(3, 24);
        // The longer name sets the width, so that both groups' edits line up.
        QLabel* levelLabel = wizard::MakeLabel(box, "", QStringLiteral("PWMMinus"));
        levelLabel->setMinimumWidth(levelLabel->sizeHint().width());
        levelLabel->setText(level);
        grid->addWidget(levelLabel, 0, 4);
        grid->addWidget(voltage, 0, 5);
        grid->addWidget(Unit(box, "", QStringLiteral("Vrms")), 0, 6);
        grid->addWidget(voltageRange, 1, 5, 1, 2);
        grid->setColumnStretch(6, 1);
        speedRange->setMinimumWidth(150);
        voltageRange->setMinimumWidth(150);
        return box;
    };
    QGroupBox* high =
        group("grpHigh", QStringLiteral("PWM CMD J2-8 is logic high -- 100% duty cycle"), edtV1,
              lblRange1V, edtPWMMinus, lblRange1, QStringLiteral("PWMMinus"));
    QGroupBox* low = group("grpLow", QStringLiteral("PWM CMD J2-8 is logic low -- 0% duty cycle"),
                           edtV2, lblRange2V, edtPWMPlus, lblRange2, QStringLiteral("PWMPlus"));

    auto* limits = new QGridLayout;
    limits->setHorizontalSpacing(8);
    limits->setVerticalSpacing(8);
    limits->addWidget(
        wizard::MakeLabel(this, "lblILmtPlus", QStringLiteral("ILmtPlus -- clockwise torque")), 0,
        0);
    limits->addWidget(cmbILmtPlus, 0, 1);
    limits->addWidget(Unit(this, "lblILmtPlusUnit", QStringLiteral("%")), 0, 2);
    limits->addWidget(wizard::MakeLabel(this, "lblILmtMinus",
                                        QStringLiteral("ILmtMinus -- counter clockwise torque")),
                      1, 0);
    limits->addWidget(cmbILmtMinus, 1, 1);
    limits->addWidget(Unit(this, "lblILmtMinusUnit", QStringLiteral("%")), 1, 2);
    limits->setColumnStretch(3, 1);

    auto* page = new QVBoxLayout;
    page->setSpacing(10);
    page->addWidget(high);
    page->addWidget(low);
    page->addSpacing(4);
    page->addLayout(limits);
    page->addSpacing(10);
    page->addLayout(wizard::ButtonRow({btnBack, btnNext, btnHelp}));
    wizard::FinishPage(*this, page);

    setTabOrder(edtV1, edtPWMMinus);
    setTabOrder(edtPWMMinus, edtV2);
    setTabOrder(edtV2, edtPWMPlus);
    setTabOrder(edtPWMPlus, cmbILmtPlus);
    setTabOrder(cmbILmtPlus, cmbILmtMinus);
    setTabOrder(cmbILmtMinus, btnBack);
    setTabOrder(btnBack, btnNext);
    setTabOrder(btnNext, btnHelp);

    keys_->Watch(edtV1, edtV2, [this] { KeyPressed(1); });
    keys_->Watch(edtPWMMinus, edtPWMPlus, [this] { KeyPressed(2); });
    keys_->Watch(edtV2, btnNext, [this] { KeyPressed(3); });
    keys_->Watch(edtPWMPlus, btnNext, [this] { KeyPressed(4); });
    Timer1.SetHandler([this] { Timer1Timer(); });

    FormCreate();

    BindModalResult(btnBack, wizard::kBack);
    connect(btnNext, &QPushButton::clicked, this, Guarded([this] { btnNextClick(); }));
    connect(btnHelp, &QPushButton::clicked, this, Guarded([this] { btnHelpClick(); }));
    // Only the user's choices: activation refills the lists.
    connect(cmbILmtPlus, &QComboBox::activated, this, Guarded([this] { cmbILmtPlusChange(); }));
    connect(cmbILmtMinus, &QComboBox::activated, this, Guarded([this] { cmbILmtMinusChange(); }));
}

void TPWMVDlg::FormCreate() {
    edtV1->clear();
    edtPWMMinus->clear();
    edtV2->clear();
    edtPWMPlus->clear();
    FirstActivation = true;
}

void TPWMVDlg::KeyPressed(int32_t field) {
    EditedField = field;
    Timer1.Start();
}

void TPWMVDlg::FormActivate() {
    cmbILmtPlus->clear();
    cmbILmtMinus->clear();
    const double peak = MotordataDlg != nullptr ? MotordataDlg->PeakCurrentPct : 0.0;
    const int32_t max = SymbolTable::FloorKey("ILmtPlus", DataProcess::ToSingle(peak));
    if (FirstActivation) {
        ILmtPlus = max;
        ILmtMinus = max;
        FirstActivation = false;
    }
    FillLimitList("ILmtPlus", cmbILmtPlus, max);
    FillLimitList("ILmtMinus", cmbILmtMinus, max);

    // A limit above the new maximum comes down to it; one below it stays.
    const auto cap = [max](QComboBox* combo, int32_t& limit) {
        const bool lowered = max < limit;
        if (lowered)
            limit = max;
        combo->setCurrentIndex(limit);
        return lowered;
    };
    const bool plusLowered = cap(cmbILmtPlus, ILmtPlus);
    const bool minusLowered = cap(cmbILmtMinus, ILmtMinus);

    lblRange1->setText(kVoltageRange);
    lblRange2->setText(kVoltageRange);
    const float speed = DataProcess::ToSingle(kSpeedRangeVolts / static_cast<double>(MotorKe()));
    const QString bound = wizard::GeneralText(std::ceil(static_cast<double>(speed) * 10.0) * 0.1);
    const QString speedRange = QStringLiteral("Range: -") + bound + QStringLiteral(" to ") + bound;
    lblRange1V->setText(speedRange);
    lblRange2V->setText(speedRange);

    // Voltages stay; speeds follow a new Ke.
    const bool keChanged = MotordataDlg != nullptr && MotordataDlg->KeChanged;
    bool recalculated = false;
    const struct {
        QLineEdit* voltage;
        QLineEdit* speed;
    } groups[] = {{edtPWMMinus, edtV1}, {edtPWMPlus, edtV2}};
    for (const auto& group : groups) {
        if (wizard::IsBlank(group.voltage->text())) {
            group.voltage->clear();
            group.speed->clear();
        } else if (keChanged) {
            recalculated = true;
            Recalculate(group.voltage, group.speed, Rpm);
        }
    }

    QString text;
    if (recalculated)
        text = QStringLiteral("Velocities will be recalculated because Ke has been changed \n");
    if (plusLowered && minusLowered)
        text += QStringLiteral(
            "ILmtPlus and ILmtMinus will be changed becasue their limitation has been changed");
    else if (plusLowered)
        text += QStringLiteral("ILmtPlus will be changed becasue its limitation has been changed");
    else if (minusLowered)
        text += QStringLiteral("ILmtMinus will be changed becasue its limitation has been changed");
    if (recalculated || plusLowered || minusLowered) {
        Say(text);
        if (MotordataDlg != nullptr)
            MotordataDlg->KeChanged = false;
    }
}

void TPWMVDlg::Timer1Timer() {
    Timer1.Stop();
    switch (EditedField) {
    case 1:
        Recalculate(edtV1, edtPWMMinus, Volts);
        break;
    case 2:
        Recalculate(edtPWMMinus, edtV1, Rpm);
        break;
    case 3:
        Recalculate(edtV2, edtPWMPlus, Volts);
        break;
    case 4:
        Recalculate(edtPWMPlus, edtV2, Rpm);
        break;
    default:
        break;
    }
}

void TPWMVDlg::cmbILmtPlusChange() {
    ILmtPlus = cmbILmtPlus->currentIndex();
}

void TPWMVDlg::cmbILmtMinusChange() {
    ILmtMinus = cmbILmtMinus->currentIndex();
}

bool TPWMVDlg::ConvertLevel(const char* name, QLineEdit* edit, int32_t& raw) {
    const int32_t ivMode = ControlDlg != nullptr ? ControlDlg->IVMode : 1;
    const float volts = DataProcess::ToSingle(wizard::ReadNumber(edit->text()));
    const int32_t result = DataProcess::ParseAndCheck(name, ivMode, volts, raw);
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

void TPWMVDlg::btnNextClick() {
    if (wizard::IsBlank(edtPWMMinus->text())) {
        Say(QStringLiteral("Please input Velocity or PWMMinus?"));
        edtPWMMinus->setFocus();
        return;
    }
    if (wizard::IsBlank(edtPWMPlus->text())) {
        Say(QStringLiteral("Please input Velocity or PWMPlus?"));
        edtPWMPlus->setFocus();
        return;
    }
    ILmtPlus = cmbILmtPlus->currentIndex();
    ILmtMinus = cmbILmtMinus->currentIndex();
    if (!ConvertLevel("PWMPlus", edtPWMPlus, PWMPlus))
        return;
    if (!ConvertLevel("PWMMinus", edtPWMMinus, PWMMinus))
        return;

    if (MainForm != nullptr)
        MainForm->EditMode = 2;
    if (EditForm != nullptr)
        wizard::RunInPlaceOf(*this, *EditForm);
    SetModalResult(wizard::kCloseWizard);
}

void TPWMVDlg::btnHelpClick() {
    zk::platform::RequestHelp(zk::platform::HelpRequest::Context(kHelpContext));
}
