// The current PWM page: the torque constant and range texts from Ke, currents and
// torques kept in step in either unit, the limits from the peak current, the Ke
// message of an activation, and Next's checks and raw values.
#include "tests/guided/wizard/wizard_fixture.h"

namespace wizardtest {
namespace {

const QString kCurrentRange = QStringLiteral("Range: -10.63 to 10.63");
const QString kKeMessage = QStringLiteral("Ke has been changed, then torques will be recalculated");
constexpr int kPoundInches = 0;
constexpr int kNewtonMetres = 1;

class PwmiPageTest : public WizardFixture {
protected:
    void SetUp() override {
        WizardFixture::SetUp();
        MotorResults(30.0f, 56.6, false);
        ControlDlg->IVMode = 0;
    }
    void Show(const std::function<void(TPWMIDlg&)>& body) {
        RunPage(PWMIDlg, [&] { body(*PWMIDlg); });
    }
};

TEST_F(PwmiPageTest, TorqueRangesComeFromKeAtTenPointSixAmps) {
    struct Case {
        float ke;
        double kt;
        const char* poundInches;
        const char* newtonMetres;
    };
    const Case cases[] = {
        {30.0f, 0.496196, "Range: -46.5692 to 46.5692", "Range: -5.2597 to 5.2597"},
        {10.0f, 0.165399, "Range: -15.5231 to 15.5231", "Range: -1.7533 to 1.7533"},
        {1.0f, 0.0165399, "Range: -1.5524 to 1.5524", "Range: -0.1754 to 0.1754"},
        {1000.0f, 16.539867, "Range: -1552.3062 to 1552.3062", "Range: -175.3226 to 175.3226"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.ke);
        MotordataDlg->Ke = c.ke;
        Show([&](TPWMIDlg& page) {
            EXPECT_NEAR(page.Kt, c.kt, 1e-6);
            EXPECT_EQ(page.lblRange1T->text(), c.poundInches);
            EXPECT_EQ(page.lblRange2T->text(), c.poundInches);
            for (const QLabel* range : {page.lblRange1T, page.lblRange2T})
                EXPECT_GE(range->width(), range->sizeHint().width()) << "shown whole";
            EXPECT_EQ(page.lblRange1->text(), kCurrentRange);
            EXPECT_EQ(page.lblRange2->text(), kCurrentRange);
            page.cmbUnit2->setCurrentIndex(kNewtonMetres);
            EXPECT_EQ(page.lblRange2T->text(), c.newtonMetres);
            EXPECT_EQ(page.lblRange1T->text(), c.poundInches);
            page.cmbUnit2->setCurrentIndex(kPoundInches);
        });
    }
}

TEST_F(PwmiPageTest, AUnitChangeConvertsTheTorque) {
    struct Case {
        const char* torque;
        const char* inNewtonMetres;
        const char* backInPoundInches;
    };
    const Case cases[] = {
        {"8.854", "1", "8.854"},
        {"10", "1.1294", "9.9997"}, // four decimals cut each way
        {"-17.708", "-2", "-17.708"},
        {"", "", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.torque);
        Show([&](TPWMIDlg& page) {
            page.edtT1->setText(QString::fromLatin1(c.torque));
            page.cmbUnit1->setCurrentIndex(kNewtonMetres);
            EXPECT_EQ(page.edtT1->text(), c.inNewtonMetres);
            EXPECT_EQ(page.lblRange1T->text(), "Range: -5.2597 to 5.2597");
            page.cmbUnit1->setCurrentIndex(kPoundInches);
            EXPECT_EQ(page.edtT1->text(), c.backInPoundInches);
            EXPECT_EQ(page.lblRange1T->text(), "Range: -46.5692 to 46.5692");
        });
    }
    EXPECT_EQ(Errors(), QStringList());
}

TEST_F(PwmiPageTest, AUnitChangeOfATorqueThatIsNotANumberSwitchesOnlyTheUnit) {
    for (const char* torque : {"-", "x1"}) {
        SCOPED_TRACE(torque);
        fakes.messages.Clear();
        Show([&](TPWMIDlg& page) {
            page.edtT2->setText(QString::fromLatin1(torque));
            page.cmbUnit2->setCurrentIndex(kNewtonMetres);
            EXPECT_EQ(Errors(),
                      QStringList{QStringLiteral("'%1' is not a valid floating point value")
                                      .arg(QString::fromLatin1(torque))});
            EXPECT_EQ(page.cmbUnit2->currentText(), "nt-m");
            EXPECT_EQ(page.edtT2->text(), torque);
            EXPECT_EQ(page.lblRange2T->text(), "Range: -46.5692 to 46.5692") << "not refreshed";
            page.edtT2->clear();
            page.cmbUnit2->setCurrentIndex(kPoundInches);
        });
    }
}

TEST_F(PwmiPageTest, ARecalculationWritesThePartnerCutToThreeDecimals) {
    struct Case {
        int unit;
        QLineEdit* TPWMIDlg::*source;
        const char* typed;
        QLineEdit* TPWMIDlg::*partner;
        const char* written; // nullptr: unchanged
    };
    const Case cases[] = {
        {kNewtonMetres, &TPWMIDlg::edtPWMMinus, "2.5", &TPWMIDlg::edtT1, "1.24"},
        {kPoundInches, &TPWMIDlg::edtPWMMinus, "2.5", &TPWMIDlg::edtT1, "10.983"},
        {kNewtonMetres, &TPWMIDlg::edtT2, "5", &TPWMIDlg::edtPWMPlus, "10.076"},
        {kPoundInches, &TPWMIDlg::edtT1, "8.854", &TPWMIDlg::edtPWMMinus, "2.015"},
        {kNewtonMetres, &TPWMIDlg::edtT2, "-1", &TPWMIDlg::edtPWMPlus, "-2.015"},
        {kPoundInches, &TPWMIDlg::edtPWMPlus, "-2.5", &TPWMIDlg::edtT2, "-10.983"},
        {kPoundInches, &TPWMIDlg::edtT1, "-", &TPWMIDlg::edtPWMMinus, nullptr},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed);
        Show([&](TPWMIDlg& page) {
            page.cmbUnit1->setCurrentIndex(c.unit);
            page.cmbUnit2->setCurrentIndex(c.unit);
            (page.*c.partner)->setText("keep");
            Type(page.*c.source, QString::fromLatin1(c.typed));
            EXPECT_EQ((page.*c.partner)->text(), "keep") << "not before the timer";
            EXPECT_TRUE(page.Timer1.Fire());
            EXPECT_EQ((page.*c.partner)->text(), c.written != nullptr ? c.written : "keep");
            for (QLineEdit* edit : {page.edtT1, page.edtPWMMinus, page.edtT2, page.edtPWMPlus})
                edit->clear();
            page.cmbUnit1->setCurrentIndex(kPoundInches);
            page.cmbUnit2->setCurrentIndex(kPoundInches);
        });
    }
    EXPECT_EQ(Told(), QStringList());
    EXPECT_EQ(Errors(), QStringList());
}

TEST_F(PwmiPageTest, ANewKeRecalculatesTheTorquesOfTheGivenCurrents) {
    struct Case {
        const char* label;
        const char *minus, *plus;
        const char *t1After, *t2After;
        bool message;
    };
    const Case cases[] = {
        {"one current given", "2.5", "", "10.983", "", true},
        {"both given", "2.5", "-2.5", "10.983", "-10.983", true},
        {"a lone minus counts as empty", "-", "2.5", "", "10.983", true},
        {"nothing given", "", "", "", "", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        fakes.messages.Clear();
        TPWMIDlg& page = *PWMIDlg;
        MotorResults(30.0f, 56.6, true);
        page.edtPWMMinus->setText(QString::fromLatin1(c.minus));
        page.edtPWMPlus->setText(QString::fromLatin1(c.plus));
        page.edtT1->setText("old");
        page.edtT2->setText("old");
        Show([&](TPWMIDlg&) {
            EXPECT_EQ(page.edtT1->text(), c.t1After);
            EXPECT_EQ(page.edtT2->text(), c.t2After);
        });
        EXPECT_EQ(Told(), c.message ? QStringList{kKeMessage} : QStringList());
        EXPECT_EQ(MotordataDlg->KeChanged, !c.message);
    }
    MotordataDlg->KeChanged = false;
    PWMIDlg->edtT1->setText("old");
    PWMIDlg->edtPWMMinus->setText("2.5");
    Show([&](TPWMIDlg& page) { EXPECT_EQ(page.edtT1->text(), "old") << "Ke unchanged"; });
}

TEST_F(PwmiPageTest, NextSetsBothLimitsFromThePeakCurrent) {
    struct Case {
        double peakPct;
        int32_t limit;
    };
    const Case cases[] = {{56.6, 1}, {150.0, 3}, {20.0, 0}, {70.0, 2}, {100.0, 3}, {400.0, 3}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.peakPct);
        MotordataDlg->PeakCurrentPct = c.peakPct;
        Show([&](TPWMIDlg& page) {
            page.ILmtPlus = page.ILmtMinus = -1;
            page.edtPWMMinus->setText("-10.6");
            page.edtPWMPlus->setText("11"); // refused after the limits were taken
            page.btnNext->click();
            EXPECT_EQ(page.ILmtPlus, c.limit);
            EXPECT_EQ(page.ILmtMinus, c.limit);
        });
    }
}

TEST_F(PwmiPageTest, NextRefusesMissingAndOutOfRangeCurrents) {
    struct Case {
        const char *minus, *plus;
        const char* message;
        QLineEdit* TPWMIDlg::*focus;
    };
    const Case cases[] = {
        {"", "1", "Please input Torque or PWMMinus?", &TPWMIDlg::edtPWMMinus},
        {"-", "", "Please input Torque or PWMMinus?", &TPWMIDlg::edtPWMMinus},
        {"1", "", "Please input Torque or PWMPlus?", &TPWMIDlg::edtPWMPlus},
        {"1", "-", "Please input Torque or PWMPlus?", &TPWMIDlg::edtPWMPlus},
        {"-20", "11", "The value is out of range!", &TPWMIDlg::edtPWMPlus},
        {"-11", "10.6", "The value is out of range!", &TPWMIDlg::edtPWMMinus},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.message);
        fakes.messages.Clear();
        Show([&](TPWMIDlg& page) {
            page.PWMMinus = 55;
            page.edtPWMMinus->setText(QString::fromLatin1(c.minus));
            page.edtPWMPlus->setText(QString::fromLatin1(c.plus));
            page.btnHelp->setFocus();
            page.btnNext->click();
            EXPECT_EQ(Told(), QStringList{c.message});
            EXPECT_EQ(page.focusWidget(), page.*c.focus);
            EXPECT_TRUE(page.isVisible());
            EXPECT_EQ(page.PWMMinus, 55);
        });
    }
    EXPECT_EQ(script.Runs(), static_cast<int>(std::size(cases))) << "the NV editor never ran";
}

TEST_F(PwmiPageTest, NextReportsACurrentThatIsNotANumber) {
    Show([&](TPWMIDlg& page) {
        page.edtPWMMinus->setText("2..5");
        page.edtPWMPlus->setText("1");
        page.btnNext->click();
        EXPECT_EQ(Errors(), QStringList{"'2..5' is not a valid floating point value"});
        EXPECT_TRUE(page.isVisible());
    });
}

TEST_F(PwmiPageTest, NextTakesRawValuesInCurrentModeAndRunsTheEditor) {
    const int result = RunPage(PWMIDlg, [&] {
        TPWMIDlg& page = *PWMIDlg;
        page.edtPWMMinus->setText("-10.6");
        page.edtPWMPlus->setText("10.6");
        OnEditor([&](TEditForm&) {
            EXPECT_FALSE(page.isVisible());
            EXPECT_EQ(MainForm->EditMode, 3);
            EXPECT_EQ(page.PWMPlus, 75);
            EXPECT_EQ(page.PWMMinus, -75);
            EXPECT_EQ(Value("PWMMinus"), -75);
            EXPECT_EQ(Value("ILmtMinus"), 1);
        });
        page.btnNext->click();
    });
    EXPECT_EQ(result, kClosed);
    EXPECT_EQ(Told(), QStringList());
}

} // namespace
} // namespace wizardtest
