// The program's windows over the simulated drive with every platform seam recorded,
// and the helpers a test uses to work the wizard's pages as a user would.
#ifndef TESTS_GUIDED_WIZARD_WIZARD_FIXTURE_H
#define TESTS_GUIDED_WIZARD_WIZARD_FIXTURE_H

#include <gtest/gtest.h>

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <functional>
#include <ostream>

#include "tests/forms/nv/modal_script.h"
#include "tests/platform/platform_fakes.h"
#include "zkcomm/testing.h"
#include "zktools/forms/edit_form.h"
#include "zktools/forms/main_form.h"
#include "zktools/forms/windows.h"
#include "zktools/guided/control_dlg.h"
#include "zktools/guided/motordata_dlg.h"
#include "zktools/guided/pwmi_dlg.h"
#include "zktools/guided/pwmv_dlg.h"
#include "zktools/model/file_process.h"
#include "zktools/model/symbol_table.h"

QT_BEGIN_NAMESPACE
inline void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}
QT_END_NAMESPACE

namespace wizardtest {

using nvtest::ModalScript;
using zk::platform::Answer;
using zk::platform::MessageKind;
using zk::platform::ModalForm;

inline constexpr int kBack = 1;
inline constexpr int kClosed = 2;

class WizardFixture : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(sim.Selected());
        SymTable.ResetToDefaults();
        CreateWindows();
        MainForm->FactoryMode = false;
        FileProc.SetFactoryMode(false);
    }

    void TearDown() override {
        DestroyWindows();
        SymTable.ResetToDefaults();
        FileProc.SetFactoryMode(false);
    }

    // Runs `page` modally with `body` in its run; a page that is still waiting
    // afterwards is closed with its close box. Returns the page's modal result.
    int RunPage(ModalForm* page, const std::function<void()>& body) {
        script.On(page, [page, body] {
            body();
            if (page->IsRunning() && page->ModalResult() == zk::platform::kModalNone)
                page->close();
        });
        return page->ShowModal();
    }

    // The next run of `page` runs `body`; the page must end its own run there.
    void OnRun(ModalForm* page, std::function<void()> body) { script.On(page, std::move(body)); }

    // The NV editor's next run: `body`, then Close, answering No to the save prompt.
    void OnEditor(std::function<void(TEditForm&)> body) {
        script.On(EditForm, [this, body = std::move(body)] {
            body(*EditForm);
            if (EditForm->Modified)
                fakes.messages.QueueAnswers({Answer::No});
            EditForm->btnClose->click();
        });
    }

    // Typed key by key into `edit`, as the user does.
    static void Type(QLineEdit* edit, const QString& text) {
        edit->setFocus();
        edit->clear();
        QTest::keyClicks(edit, text);
    }

    // A choice in a drop-down list by the user.
    static void Choose(QComboBox* list, const QString& entry) {
        const int index = list->findText(entry);
        ASSERT_GE(index, 0) << entry.toStdString();
        list->setCurrentIndex(index);
        emit list->activated(index);
    }

    // The motor-data page filled in: Ke 30, Ics 2 A, 10 mH, 12 poles, 4 feedback poles.
    static void FillMotorData() {
        TMotordataDlg& page = *MotordataDlg;
        Type(page.edtKe, "30");
        Type(page.edtL, "10");
        Type(page.edtIcs, "2");
        Type(page.edtR, "1.5");
        page.cmbFBPoles->setCurrentIndex(1);
        page.cmbPoles->setCurrentIndex(page.cmbPoles->findText("12"));
    }

    static QStringList Entries(const QComboBox* list) {
        QStringList entries;
        for (int i = 0; i < list->count(); ++i)
            entries << list->itemText(i);
        return entries;
    }

    // Plain boxes the user had to acknowledge, in order.
    QStringList Told() const { return TextsOf(MessageKind::Plain); }
    // Exceptions shown by the exception display (the conversion error among them).
    QStringList Errors() const { return TextsOf(MessageKind::Exception); }

    QStringList TextsOf(MessageKind kind) const {
        QStringList texts;
        for (const auto& message : fakes.messages.Messages()) {
            if (message.kind == kind)
                texts << message.text;
        }
        return texts;
    }

    static int32_t Value(const char* name) {
        int32_t value = 0;
        EXPECT_TRUE(SymTable.GetValue(name, value)) << name;
        return value;
    }

    // The results the motor-data page leaves for the later pages.
    static void MotorResults(float ke, double peakCurrentPct, bool keChanged) {
        MotordataDlg->Ke = ke;
        MotordataDlg->PeakCurrentPct = peakCurrentPct;
        MotordataDlg->KeChanged = keChanged;
    }

    zk::platform::testing::PlatformFakes fakes;
    zkcomm::testing::ScopedSimulator sim;
    ModalScript script;
};

} // namespace wizardtest

#endif
