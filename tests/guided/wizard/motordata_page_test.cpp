// The motor-data page: its checks with their messages, the keys and values it
// derives for the later pages and the NV editor, and its pole lists.
#include "tests/guided/wizard/wizard_fixture.h"

namespace wizardtest {
namespace {

class MotordataPageTest : public WizardFixture {
protected:
    void Enter(const char* ke, const char* ics, const char* l, const char* r) {
        TMotordataDlg& page = *MotordataDlg;
        page.edtKe->setText(QString::fromLatin1(ke));
        page.edtIcs->setText(QString::fromLatin1(ics));
        page.edtL->setText(QString::fromLatin1(l));
        page.edtR->setText(QString::fromLatin1(r));
    }
    // Next with the control page answering Back; true when the control page ran.
    bool NextAndBack() {
        bool ran = false;
        OnRun(ControlDlg, [&] {
            ran = true;
            EXPECT_FALSE(MotordataDlg->isVisible()) << "hidden while the control page runs";
            ControlDlg->btnBack->click();
        });
        MotordataDlg->btnNext->click();
        EXPECT_TRUE(MotordataDlg->isVisible());
        EXPECT_TRUE(MotordataDlg->IsRunning()) << "waits for input again";
        return ran;
    }
};

TEST_F(MotordataPageTest, StartsEmptyWithTwelvePolesAndTwoFeedbackPoles) {
    TMotordataDlg& page = *MotordataDlg;
    EXPECT_EQ(page.windowTitle(), "Motor Data");
    for (QLineEdit* edit : {page.edtKe, page.edtIcs, page.edtL, page.edtR})
        EXPECT_EQ(edit->text(), "");
    EXPECT_EQ(page.cmbPoles->count(), 31);
    EXPECT_EQ(page.cmbPoles->itemText(0), "2");
    EXPECT_EQ(page.cmbPoles->itemText(30), "62");
    EXPECT_EQ(page.cmbPoles->currentIndex(), 5);
    EXPECT_EQ(page.cmbPoles->currentText(), "12");
    EXPECT_EQ(Entries(page.cmbFBPoles), (QStringList{"2", "4"}));
    EXPECT_EQ(page.cmbFBPoles->currentText(), "2");
    EXPECT_FALSE(page.cmbPoles->isEditable());
    EXPECT_EQ(page.btnCancel->text(), "Cancel");
    EXPECT_EQ(page.btnNext->text(), "Next");
    EXPECT_EQ(page.btnHelp->text(), "Help");
    EXPECT_EQ(page.PrevKe, 0.0f);
}

TEST_F(MotordataPageTest, DerivesGainPolesAndPeakCurrent) {
    struct Case {
        const char* l;
        const char* ics;
        const char* feedback;
        const char* poles;
        int32_t kipKey;
        int32_t poleCountKey;
        double peakPct;
    };
    const Case cases[] = {
        // 10 mH: 84.82 V/A lies nearer 79.356 (key 11) than 105.808.
        {"10", "2", "2", "12", 11, 6, 56.6038},
        {"10", "2", "4", "12", 11, 3, 56.6038},
        // 8.48 V/A: 9.9195 (key 8) is nearer than 6.613.
        {"1", "5.3", "2", "62", 8, 31, 150.0},
        {"0.5", "0.1", "4", "60", 0, 15, 2.8302},  // below the smallest gain
        {"201.9", "10.6", "2", "2", 15, 1, 300.0}, // above the largest
        {"25", "1", "4", "4", 5, 1, 28.3019},      // 212.06: 211.616
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.l);
        RunPage(MotordataDlg, [&] {
            TMotordataDlg& page = *MotordataDlg;
            Enter("30", c.ics, c.l, "1.5");
            page.cmbFBPoles->setCurrentIndex(page.cmbFBPoles->findText(c.feedback));
            page.cmbPoles->setCurrentIndex(page.cmbPoles->findText(c.poles));
            EXPECT_TRUE(NextAndBack());
            EXPECT_EQ(page.KipKey, c.kipKey);
            EXPECT_EQ(page.PoleCountKey, c.poleCountKey);
            EXPECT_NEAR(page.PeakCurrentPct, c.peakPct, 5e-5);
            EXPECT_EQ(page.Poles, QString::fromLatin1(c.poles).toInt());
            EXPECT_EQ(page.FBPoles, QString::fromLatin1(c.feedback).toInt());
            EXPECT_EQ(page.Ke, 30.0f);
            EXPECT_FLOAT_EQ(page.L, QString::fromLatin1(c.l).toFloat());
            EXPECT_EQ(page.R, 1.5f);
        });
    }
    EXPECT_EQ(Told(), QStringList());
}

TEST_F(MotordataPageTest, KeChangedMarksOnlyANewKe) {
    RunPage(MotordataDlg, [&] {
        TMotordataDlg& page = *MotordataDlg;
        Enter("30", "2", "10", "1");
        const struct {
            const char* ke;
            bool changed;
        } steps[] = {{"30", true}, {"30", false}, {"31.5", true}, {"30", true}, {"30", false}};
        for (const auto& step : steps) {
            page.edtKe->setText(QString::fromLatin1(step.ke));
            EXPECT_TRUE(NextAndBack());
            EXPECT_EQ(page.KeChanged, step.changed) << step.ke;
            EXPECT_EQ(page.PrevKe, page.Ke);
        }
    });
}

TEST_F(MotordataPageTest, RefusesMissingAndOutOfRangeEntries) {
    struct Case {
        const char *ke, *ics, *l, *r;
        const char* message;
        QLineEdit* TMotordataDlg::*focus; // nullptr: the focus stays
    };
    const Case cases[] = {
        {"", "", "10", "", "Please input Ke?", &TMotordataDlg::edtKe},
        {"30", "", "", "", "Please input Ics?", &TMotordataDlg::edtIcs},
        {"30", "2", "", "", "Please input L?", &TMotordataDlg::edtL},
        {"30", "2", "10", "", "Please input R?", &TMotordataDlg::edtR},
        {"0", "2", "10", "1", "Ke is out of range", nullptr},
        {"-30", "2", "10", "1", "Ke is out of range", nullptr},
        {"30", "0", "10", "1", "Ics is out of range", nullptr},
        {"30", "-2", "0", "1", "Ics is out of range", nullptr},
        {"30", "2", "0", "1", "L is out of range", nullptr},
        {"30", "2", "202", "1", "L is out of range", nullptr},
        {"30", "2", "-1", "0", "L is out of range", nullptr},
        {"30", "2", "10", "0", "R is out of range", nullptr},
        {"30", "2", "10", "-0.5", "R is out of range", nullptr},
        // Beyond the 32-bit float of the page's fields.
        {"1e39", "2", "10", "1", "Ke is out of range", nullptr},
        {"30", "2", "10", "1e39", "R is out of range", nullptr},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.message);
        fakes.messages.Clear();
        RunPage(MotordataDlg, [&] {
            TMotordataDlg& page = *MotordataDlg;
            page.KipKey = -7;
            page.KeChanged = true;
            Enter(c.ke, c.ics, c.l, c.r);
            page.btnHelp->setFocus();
            page.btnNext->click();
            EXPECT_EQ(Told(), QStringList{c.message});
            EXPECT_TRUE(page.isVisible());
            EXPECT_EQ(page.ModalResult(), 0);
            QWidget* focus = page.btnHelp;
            if (c.focus != nullptr)
                focus = page.*c.focus;
            EXPECT_EQ(page.focusWidget(), focus);
            EXPECT_EQ(page.KipKey, -7) << "nothing derived";
            EXPECT_TRUE(page.KeChanged);
        });
    }
    EXPECT_EQ(script.Runs(), static_cast<int>(std::size(cases))) << "no control page ran";
}

TEST_F(MotordataPageTest, AcceptsAnInductanceJustBelowTheLimit) {
    RunPage(MotordataDlg, [&] {
        Enter("30", "2", "201.9", "1");
        EXPECT_TRUE(NextAndBack());
    });
    EXPECT_EQ(Told(), QStringList());
}

TEST_F(MotordataPageTest, ATextThatIsNotANumberStopsNextAfterTheValuesBeforeIt) {
    struct Case {
        const char *ke, *ics, *l, *r;
        const char* error;
        float keAfter, icsAfter, lAfter;
    };
    const Case cases[] = {
        {"abc", "2", "10", "1", "'abc' is not a valid floating point value", 0, 0, 0},
        {"-", "2", "10", "1", "'-' is not a valid floating point value", 0, 0, 0},
        {"30", "2,5", "10", "1", "'2,5' is not a valid floating point value", 30, 0, 0},
        {"30", "2", "10", "1x", "'1x' is not a valid floating point value", 30, 2, 10},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.error);
        fakes.messages.Clear();
        RunPage(MotordataDlg, [&] {
            TMotordataDlg& page = *MotordataDlg;
            page.Ke = page.Ics = page.L = 0;
            Enter(c.ke, c.ics, c.l, c.r);
            page.btnNext->click();
            EXPECT_EQ(Errors(), QStringList{c.error});
            EXPECT_EQ(Told(), QStringList());
            EXPECT_TRUE(page.isVisible());
            EXPECT_EQ(page.Ke, c.keAfter);
            EXPECT_EQ(page.Ics, c.icsAfter);
            EXPECT_EQ(page.L, c.lAfter);
        });
    }
    EXPECT_EQ(script.Runs(), static_cast<int>(std::size(cases)));
}

TEST_F(MotordataPageTest, FeedbackPolesChooseThePoleList) {
    TMotordataDlg& page = *MotordataDlg;
    page.cmbPoles->setCurrentIndex(page.cmbPoles->findText("40"));
    page.cmbFBPoles->setCurrentIndex(1);
    QStringList fours;
    for (int poles = 4; poles <= 60; poles += 4)
        fours << QString::number(poles);
    EXPECT_EQ(Entries(page.cmbPoles), fours);
    EXPECT_EQ(page.cmbPoles->currentText(), "12");

    page.cmbPoles->setCurrentIndex(0);
    page.cmbFBPoles->setCurrentIndex(0);
    EXPECT_EQ(page.cmbPoles->count(), 31);
    EXPECT_EQ(page.cmbPoles->itemText(30), "62");
    EXPECT_EQ(page.cmbPoles->currentText(), "12");
}

TEST_F(MotordataPageTest, CancelAndTheCloseBoxEndTheWizardAndKeepEverything) {
    const struct {
        const char* label;
        void (*end)(TMotordataDlg&);
    } endings[] = {
        {"Cancel",
         [](TMotordataDlg& page) {
             page.btnCancel->click();
         }},
        {"close box",
         [](TMotordataDlg& page) {
             page.close();
         }},
    };
    RunPage(MotordataDlg, [&] {
        Enter("30", "2", "10", "1");
        EXPECT_TRUE(NextAndBack());
    });
    for (const auto& ending : endings) {
        SCOPED_TRACE(ending.label);
        const int result = RunPage(MotordataDlg, [&] {
            TMotordataDlg& page = *MotordataDlg;
            EXPECT_EQ(page.edtKe->text(), "30") << "the last entries shown again";
            page.edtKe->setText("45");
            page.cmbPoles->setCurrentIndex(page.cmbPoles->findText("8"));
            ending.end(page);
        });
        EXPECT_EQ(result, kClosed);
        TMotordataDlg& page = *MotordataDlg;
        EXPECT_FALSE(page.isVisible());
        EXPECT_EQ(page.Ke, 30.0f);
        EXPECT_EQ(page.KipKey, 11);
        EXPECT_EQ(page.PoleCountKey, 6);
        EXPECT_TRUE(page.KeChanged) << "as the last accepted Next left it";
        EXPECT_EQ(page.edtKe->text(), "45");
        EXPECT_EQ(page.cmbPoles->currentText(), "8");
        page.edtKe->setText("30");
    }
}

} // namespace
} // namespace wizardtest
