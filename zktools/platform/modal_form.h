// Base of every modal window. ShowModal runs the form's own loop, which only a
// non-zero modal result ends: hiding the form does not end it (a wizard page hides
// itself while its successor runs). FormActivate runs when the form is shown,
// FormDeactivate when its run has ended; message boxes and dialogs opened above
// it call neither. Keys follow the desktop's rules (desktop_keys.h).
#ifndef ZKTOOLS_PLATFORM_MODAL_FORM_H
#define ZKTOOLS_PLATFORM_MODAL_FORM_H

#include <QDialog>
#include <QPointer>

#include "zktools/platform/modal_result.h"

class QAbstractButton;
class QEventLoop;

namespace zk::platform {

class RadioGroupKeys;

class ModalForm : public QDialog {
    Q_OBJECT
public:
    explicit ModalForm(QWidget* parent = nullptr);
    ~ModalForm() override;

    // Shows the form application-modal, transient for the window it is opened from
    // (window_owner.h), and returns its modal result once a
    // non-zero one was set and FormCloseQuery agreed. Throws std::logic_error
    // when the form's run is already going.
    int ShowModal();
    // QDialog::exec by habit takes the same path.
    int exec() override { return ShowModal(); }
    // accept, reject and the close box arrive here: Rejected takes the close-box
    // path, any other value becomes the modal result.
    void done(int result) override;

    // Ends the run at the next return to the form's loop unless `result` is 0.
    // The result stays readable after ShowModal has returned; ShowModal resets it.
    void SetModalResult(int result);
    int ModalResult() const { return modalResult_; }

    bool IsRunning() const { return running_; }
    // The innermost form whose run is going, or nullptr.
    static ModalForm* Innermost();
    // The form whose run was going when this one's started, or nullptr.
    ModalForm* OuterRunning() const;

    // A click on `button` sets `result` (connect it before the button's own
    // click handler to have the result set first).
    void BindModalResult(QAbstractButton* button, int result);
    // Escape clicks this button; without one, Escape takes the close-box path.
    void SetCancelButton(QAbstractButton* button);
    // Result the close box (and Escape) sets by default; kModalCancel unless changed.
    void SetCloseBoxResult(int result) { closeBoxResult_ = result; }
    int CloseBoxResult() const { return closeBoxResult_; }

protected:
    // Each time the form is shown during its run: by ShowModal and when it is shown
    // again after it hid itself.
    virtual void FormActivate() {}
    // Once, when the run has ended and the form is hidden.
    virtual void FormDeactivate() {}
    // The close box or Escape; may ask first and then set a result, or set none.
    virtual void OnCloseBox() { SetModalResult(CloseBoxResult()); }
    // A non-zero result was set: false keeps the form open (the result goes back to 0).
    virtual bool FormCloseQuery() { return true; }
    // Every ending of the run, whatever set the result.
    virtual void FormClose() {}

    void keyPressEvent(QKeyEvent* event) override;
    // Tab and Shift+Tab with one stop per radio group.
    bool focusNextPrevChild(bool next) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    void RunStartHook(unsigned long long run);
    void OnWatchdog();
    void Abort();
    QAbstractButton* EnterTarget() const;

    int modalResult_ = kModalNone;
    int closeBoxResult_ = kModalCancel;
    bool running_ = false;
    bool aborted_ = false;
    bool hiddenInRun_ = false;
    unsigned long long runCounter_ = 0;
    QEventLoop* loop_ = nullptr;
    QPointer<QAbstractButton> cancelButton_;
    RadioGroupKeys* radioKeys_;
};

} // namespace zk::platform

#endif
