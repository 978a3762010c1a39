// The voltage PWM page: its range texts, the speed and voltage kept in step, the
// current limits capped by the motor's peak current, the messages of an activation,
// and Next's checks and raw values.
#include "tests/guided/wizard/wizard_fixture.h"

namespace wizardtest {
namespace {

const QString kVoltageRange = QStringLiteral("Range: -291 to 291");
const QString kLimitsLowered = QStringLiteral(
    "ILmtPlus and ILmtMinus will be changed becasue their limitation has been changed");
const QString kPlusLowered =
    QStringLiteral("ILmtPlus will be changed becasue its limitation has been changed");
const QString kMinusLowered =
    QStringLiteral("ILmtMinus will be changed becasue its limitation has been changed");
const QString kRecalculated =
    QStringLiteral("Velocities will be recalculated because Ke has been changed \n");

class PwmvPageTest : public WizardFixture {
protected:
    void SetUp() override {
        WizardFixture::SetUp();
        MotorResults(30.0f, 56.6, false);
        ControlDlg->IVMode = 1;
    }
    // One showing of the page with `body` in it, then the close box.
    void Show(const std::function<void(TPWMVDlg&)>& body) {
        RunPage(PWMVDlg, [&] { body(*PWMVDlg); });
    }
};

TEST_F(PwmvPageTest, SpeedRangeFollowsKeAtTwoHundredNinetyVolts) {
    struct Case {
        float ke;
        const char* speedRange;
    };
    const Case cases[] = {
        {30.0f, "Range: -9666.7 to 9666.7"}, // 9666.667 rounded up to a tenth
        {7.0f, "Range: -41428.6 to 41428.6"}, {1.0f, "Range: -290000 to 290000"},
        {100.0f, "Range: -2900 to 2900"},     {0.7f, "Range: -414285.8 to 414285.8"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.ke);
        MotordataDlg->Ke = c.ke;
        Show([&](TPWMVDlg& page) {
            EXPECT_EQ(page.lblRange1V->text(), c.speedRange);
            EXPECT_EQ(page.lblRange2V->text(), c.speedRange);
            for (const QLabel* range : {page.lblRange1V, page.lblRange2V})
                EXPECT_GE(range->width(), range->sizeHint().width()) << "shown whole";
            EXPECT_EQ(page.lblRange1->text(), kVoltageRange);
            EXPECT_EQ(page.lblRange2->text(), kVoltageRange);
        });
    }
}

// Also for the current page, whose groups are built alike.
TEST_F(PwmvPageTest, TheEditsOfBothGroupsLineUp) {
    const struct {
        ModalForm* page;
        QLineEdit *high, *low;
    } pairs[] = {
        {PWMVDlg, PWMVDlg->edtV1, PWMVDlg->edtV2},
        {PWMVDlg, PWMVDlg->edtPWMMinus, PWMVDlg->edtPWMPlus},
        {PWMIDlg, PWMIDlg->edtT1, PWMIDlg->edtT2},
        {PWMIDlg, PWMIDlg->edtPWMMinus, PWMIDlg->edtPWMPlus},
    };
    for (const auto& pair : pairs) {
        SCOPED_TRACE(pair.high->objectName().toStdString());
        RunPage(pair.page, [&] {
            const auto left = [&](const QWidget* edit) {
                return edit->mapTo(pair.page, QPoint(0, 0)).x();
            };
            EXPECT_EQ(left(pair.high), left(pair.low));
            EXPECT_EQ(pair.high->width(), pair.low->width());
        });
    }
}

TEST_F(PwmvPageTest, ARecalculationWritesThePartnerCutToThreeDecimals) {
    struct Case {
        float ke;
        QLineEdit* TPWMVDlg::*source;
        const char* typed;
        QLineEdit* TPWMVDlg::*partner;
        const char* written; // nullptr: unchanged
    };
    const Case cases[] = {
        {30.0f, &TPWMVDlg::edtV2, "1234", &TPWMVDlg::edtPWMPlus, "37.02"},
        {30.0f, &TPWMVDlg::edtPWMMinus, "100", &TPWMVDlg::edtV1, "3333.333"},
        {30.0f, &TPWMVDlg::edtV1, "-1000", &TPWMVDlg::edtPWMMinus, "-30"},
        {30.0f, &TPWMVDlg::edtPWMPlus, "-2.0009", &TPWMVDlg::edtV2, "-66.696"},
        {1.0f, &TPWMVDlg::edtV1, "2000.9", &TPWMVDlg::edtPWMMinus, "2"},
        {1.0f, &TPWMVDlg::edtV2, "-2000.9", &TPWMVDlg::edtPWMPlus, "-2"},
        {1.0f, &TPWMVDlg::edtV1, "2999.9999995", &TPWMVDlg::edtPWMMinus, "2.999"},
        {30.0f, &TPWMVDlg::edtV1, "-", &TPWMVDlg::edtPWMMinus, nullptr},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed);
        MotordataDlg->Ke = c.ke;
        Show([&](TPWMVDlg& page) {
            (page.*c.partner)->setText("keep");
            Type(page.*c.source, QString::fromLatin1(c.typed));
            EXPECT_TRUE(page.Timer1.IsArmed());
            EXPECT_EQ((page.*c.partner)->text(), "keep") << "not before the timer";
            EXPECT_TRUE(page.Timer1.Fire());
            EXPECT_FALSE(page.Timer1.IsArmed());
            EXPECT_EQ((page.*c.partner)->text(), c.written != nullptr ? c.written : "keep");
            for (QLineEdit* edit : {page.edtV1, page.edtPWMMinus, page.edtV2, page.edtPWMPlus})
                edit->clear();
        });
    }
    EXPECT_EQ(Told(), QStringList());
}

TEST_F(PwmvPageTest, ARecalculationFromATextThatIsNotANumberIsReported) {
    Show([&](TPWMVDlg& page) {
        page.edtV1->setText("5");
        Type(page.edtPWMMinus, "12a");
        page.Timer1.Fire();
        EXPECT_EQ(Errors(), QStringList{"'12a' is not a valid floating point value"});
        EXPECT_EQ(page.edtV1->text(), "5");
        EXPECT_TRUE(page.IsRunning());
    });
}

TEST_F(PwmvPageTest, LimitListsEndAtThePeakCurrentAndLowerAChoiceAboveIt) {
    struct Case {
        const char* label;
        double peakPct;
        bool first;
        int32_t plus, minus; // before the showing
        QStringList entries;
        int32_t plusAfter, minusAfter;
        QString message;
    };
    const QStringList two{"0", "33"};
    const QStringList all{"0", "33", "67", "100"};
    const Case cases[] = {
        {"first showing, 2 A", 56.6, true, 0, 0, two, 1, 1, ""},
        {"first showing, 5.3 A", 150.0, true, 0, 0, all, 3, 3, ""},
        {"exactly on a label", 67.0, true, 0, 0, {"0", "33", "67"}, 2, 2, ""},
        {"plus above the maximum", 56.6, false, 3, 1, two, 1, 1, kPlusLowered},
        {"minus above the maximum", 56.6, false, 0, 2, two, 0, 1, kMinusLowered},
        {"both above", 20.0, false, 3, 2, {"0"}, 0, 0, kLimitsLowered},
        {"a raised maximum raises nothing", 150.0, false, 1, 0, all, 1, 0, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        fakes.messages.Clear();
        TPWMVDlg& page = *PWMVDlg;
        MotordataDlg->PeakCurrentPct = c.peakPct;
        MotordataDlg->KeChanged = false;
        page.FirstActivation = c.first;
        page.ILmtPlus = c.plus;
        page.ILmtMinus = c.minus;
        Show([&](TPWMVDlg&) {
            EXPECT_EQ(Entries(page.cmbILmtPlus), c.entries);
            EXPECT_EQ(Entries(page.cmbILmtMinus), c.entries);
            EXPECT_EQ(page.cmbILmtPlus->currentIndex(), c.plusAfter);
            EXPECT_EQ(page.cmbILmtMinus->currentIndex(), c.minusAfter);
        });
        EXPECT_EQ(page.ILmtPlus, c.plusAfter);
        EXPECT_EQ(page.ILmtMinus, c.minusAfter);
        EXPECT_FALSE(page.FirstActivation);
        EXPECT_EQ(Told(), c.message.isEmpty() ? QStringList() : QStringList{c.message});
    }
}

TEST_F(PwmvPageTest, AChosenLimitStaysForTheNextShowing) {
    MotordataDlg->PeakCurrentPct = 150.0;
    Show([&](TPWMVDlg& page) {
        Choose(page.cmbILmtPlus, "67");
        Choose(page.cmbILmtMinus, "33");
        EXPECT_EQ(page.ILmtPlus, 2);
        EXPECT_EQ(page.ILmtMinus, 1);
        page.btnBack->click();
    });
    Show([&](TPWMVDlg& page) {
        EXPECT_EQ(page.cmbILmtPlus->currentText(), "67");
        EXPECT_EQ(page.cmbILmtMinus->currentText(), "33");
    });
    EXPECT_EQ(Told(), QStringList());
}

TEST_F(PwmvPageTest, ANewKeRecalculatesTheSpeedsOfTheGivenVoltages) {
    struct Case {
        const char* label;
        const char *minus, *plus; // voltages before the showing
        const char *v1After, *v2After;
        bool limitLowered;
        QStringList told;
        bool keChangedAfter;
    };
    const Case cases[] = {
        {"only the high level given", "100", "", "3333.333", "", false, {kRecalculated}, false},
        {"both given", "-30", "60", "-1000", "2000", false, {kRecalculated}, false},
        {"a lone minus counts as empty", "-", "30", "", "1000", false, {kRecalculated}, false},
        {"nothing given", "", "", "", "", false, {}, true},
        {"nothing given, a limit lowered", "", "", "", "", true, {kPlusLowered}, false},
        {"both notes", "30", "", "1000", "", true, {kRecalculated + kPlusLowered}, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        fakes.messages.Clear();
        TPWMVDlg& page = *PWMVDlg;
        page.FirstActivation = false;
        page.ILmtPlus = c.limitLowered ? 3 : 1;
        page.ILmtMinus = 1;
        MotorResults(30.0f, 56.6, true);
        page.edtPWMMinus->setText(QString::fromLatin1(c.minus));
        page.edtPWMPlus->setText(QString::fromLatin1(c.plus));
        page.edtV1->setText("old");
        page.edtV2->setText("old");
        Show([&](TPWMVDlg&) {
            EXPECT_EQ(page.edtV1->text(), c.v1After);
            EXPECT_EQ(page.edtV2->text(), c.v2After);
        });
        EXPECT_EQ(Told(), c.told);
        EXPECT_EQ(MotordataDlg->KeChanged, c.keChangedAfter);
    }
}

TEST_F(PwmvPageTest, AnUnchangedKeLeavesTheSpeeds) {
    MotordataDlg->KeChanged = false;
    PWMVDlg->edtPWMMinus->setText("100");
    PWMVDlg->edtV1->setText("77");
    Show([&](TPWMVDlg& page) { EXPECT_EQ(page.edtV1->text(), "77"); });
    EXPECT_EQ(Told(), QStringList());
}

TEST_F(PwmvPageTest, NextRefusesMissingAndOutOfRangeVoltages) {
    struct Case {
        const char *minus, *plus;
        const char* message;
        QLineEdit* TPWMVDlg::*focus;
    };
    const Case cases[] = {
        {"", "10", "Please input Velocity or PWMMinus?", &TPWMVDlg::edtPWMMinus},
        {"-", "", "Please input Velocity or PWMMinus?", &TPWMVDlg::edtPWMMinus},
        {"10", "", "Please input Velocity or PWMPlus?", &TPWMVDlg::edtPWMPlus},
        {"10", "-", "Please input Velocity or PWMPlus?", &TPWMVDlg::edtPWMPlus},
        {"-500", "300", "The value is out of range!", &TPWMVDlg::edtPWMPlus},
        {"-300", "290", "The value is out of range!", &TPWMVDlg::edtPWMMinus},
        {"10", "1e39", "The value is out of range!", &TPWMVDlg::edtPWMPlus},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.message);
        fakes.messages.Clear();
        Show([&](TPWMVDlg& page) {
            page.PWMPlus = page.PWMMinus = 55;
            page.edtPWMMinus->setText(QString::fromLatin1(c.minus));
            page.edtPWMPlus->setText(QString::fromLatin1(c.plus));
            page.btnHelp->setFocus();
            page.btnNext->click();
            EXPECT_EQ(Told(), QStringList{c.message});
            EXPECT_EQ(page.focusWidget(), page.*c.focus);
            EXPECT_TRUE(page.isVisible());
            EXPECT_EQ(page.ModalResult(), 0);
            EXPECT_EQ(page.PWMMinus, 55);
        });
    }
    EXPECT_EQ(script.Runs(), static_cast<int>(std::size(cases))) << "the NV editor never ran";
}

TEST_F(PwmvPageTest, NextReportsAVoltageThatIsNotANumber) {
    Show([&](TPWMVDlg& page) {
        page.PWMPlus = 55;
        page.edtPWMMinus->setText("10");
        page.edtPWMPlus->setText("1.2.3");
        page.btnNext->click();
        EXPECT_EQ(Errors(), QStringList{"'1.2.3' is not a valid floating point value"});
        EXPECT_TRUE(page.isVisible());
        EXPECT_EQ(page.PWMPlus, 55);
    });
}

TEST_F(PwmvPageTest, NextTakesRawValuesAndLimitsAndRunsTheEditor) {
    MotordataDlg->PeakCurrentPct = 150.0;
    const int result = RunPage(PWMVDlg, [&] {
        TPWMVDlg& page = *PWMVDlg;
        page.edtPWMMinus->setText("-290");
        page.edtPWMPlus->setText("290");
        page.cmbILmtPlus->setCurrentIndex(2); // the index counts, chosen or not
        Choose(page.cmbILmtMinus, "0");
        OnEditor([&](TEditForm&) {
            EXPECT_FALSE(page.isVisible());
            EXPECT_EQ(MainForm->EditMode, 2);
            EXPECT_EQ(page.PWMPlus, 96);
            EXPECT_EQ(page.PWMMinus, -96);
            EXPECT_EQ(page.ILmtPlus, 2);
            EXPECT_EQ(page.ILmtMinus, 0);
            EXPECT_EQ(Value("PWMPlus"), 96);
            EXPECT_EQ(Value("ILmtPlus"), 2);
        });
        page.btnNext->click();
    });
    EXPECT_EQ(result, kClosed);
    EXPECT_EQ(Told(), QStringList());
}

} // namespace
} // namespace wizardtest
