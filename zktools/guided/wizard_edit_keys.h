// The wizard pages' key handling in their edits: Enter moves the focus to the next
// control of the page's input chain (and does nothing else), and every character
// key that reaches an edit, Enter and Backspace included, may notify the page.
#ifndef ZKTOOLS_GUIDED_WIZARD_EDIT_KEYS_H
#define ZKTOOLS_GUIDED_WIZARD_EDIT_KEYS_H

#include <QObject>
#include <QPointer>

#include <functional>
#include <map>

class QLineEdit;
class QKeyEvent;
class QWidget;

namespace wizard {

class EditKeys : public QObject {
    Q_OBJECT
public:
    explicit EditKeys(QObject* parent = nullptr) : QObject(parent) {}

    // Enter in `edit` focuses `enterTarget`; `onCharacter` (optional) runs first for
    // every character key, inside the exception guard.
    void Watch(QLineEdit* edit, QWidget* enterTarget, std::function<void()> onCharacter = {});

    // True for the keys that reach an edit as characters.
    static bool IsCharacterKey(const QKeyEvent& event);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct Entry {
        QPointer<QWidget> enterTarget;
        std::function<void()> onCharacter;
    };
    std::map<QObject*, Entry> entries_;
};

} // namespace wizard

#endif
