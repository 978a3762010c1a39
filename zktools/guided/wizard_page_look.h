// Look of the configuration wizard's pages: the fixed dialog frame in the dialog
// font, centred on the screen, and the few kinds of controls the pages are built of.
#ifndef ZKTOOLS_GUIDED_WIZARD_PAGE_LOOK_H
#define ZKTOOLS_GUIDED_WIZARD_PAGE_LOOK_H

#include <QString>

#include <initializer_list>

class QBoxLayout;
class QComboBox;
class QDialog;
class QLabel;
class QLayout;
class QLineEdit;
class QPushButton;
class QWidget;

namespace wizard {

// Caption, frame with only the close box, the dialog font.
void PageFrame(QDialog& page, const char* name, const QString& caption);
// Puts `layout` on the page, fixes the size to what it needs and centres the page.
void FinishPage(QDialog& page, QLayout* layout);

QLabel* MakeLabel(QWidget* parent, const char* name, const QString& text);
QLineEdit* MakeEdit(QWidget* parent, const char* name);
// A drop-down list the user can only choose from.
QComboBox* MakeList(QWidget* parent, const char* name);
QPushButton* MakeButton(QWidget* parent, const char* name, const QString& caption);
// The buttons in one row at the bottom right.
QBoxLayout* ButtonRow(std::initializer_list<QPushButton*> buttons);

} // namespace wizard

#endif
