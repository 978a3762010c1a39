// Base of the application's main window, which is no modal form: the desktop's key rules
// (desktop_keys.h) in a plain top-level window. Enter presses the focused button.
#ifndef ZKTOOLS_PLATFORM_MAIN_WINDOW_FORM_H
#define ZKTOOLS_PLATFORM_MAIN_WINDOW_FORM_H

#include <QMainWindow>

namespace zk::platform {

class RadioGroupKeys;

class MainWindowForm : public QMainWindow {
    Q_OBJECT
public:
    explicit MainWindowForm(QWidget* parent = nullptr);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    bool focusNextPrevChild(bool next) override;
    void showEvent(QShowEvent* event) override;

private:
    RadioGroupKeys* radioKeys_;
};

} // namespace zk::platform

#endif
