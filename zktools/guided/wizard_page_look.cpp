#include "zktools/guided/wizard_page_look.h"

#include <QComboBox>
#include <QDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "zktools/forms/nv_window_style.h"

namespace wizard {

namespace {
constexpr int kEditWidth = 110;
constexpr int kButtonWidth = 81;
constexpr int kButtonHeight = 25;

template <class Widget> Widget* Named(Widget* widget, const char* name) {
    widget->setObjectName(QString::fromLatin1(name));
    return widget;
}
} // namespace

void PageFrame(QDialog& page, const char* name, const QString& caption) {
    page.setObjectName(QString::fromLatin1(name));
    page.setWindowTitle(caption);
    page.setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                        Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    page.setFont(nvforms::DialogFont());
}

void FinishPage(QDialog& page, QLayout* layout) {
    layout->setContentsMargins(16, 14, 16, 14);
    page.setLayout(layout);
    page.setFixedSize(page.sizeHint());
    nvforms::CenterOnScreen(page);
}

QLabel* MakeLabel(QWidget* parent, const char* name, const QString& text) {
    return Named(new QLabel(text, parent), name);
}

QLineEdit* MakeEdit(QWidget* parent, const char* name) {
    auto* edit = Named(new QLineEdit(parent), name);
    edit->setFixedWidth(kEditWidth);
    return edit;
}

QComboBox* MakeList(QWidget* parent, const char* name) {
    auto* list = Named(new QComboBox(parent), name);
    list->setEditable(false);
    list->setMinimumWidth(kEditWidth);
    return list;
}

QPushButton* MakeButton(QWidget* parent, const char* name, const QString& caption) {
    auto* button = Named(new QPushButton(caption, parent), name);
    button->setFixedSize(kButtonWidth, kButtonHeight);
    button->setAutoDefault(false);
    return button;
}

QBoxLayout* ButtonRow(std::initializer_list<QPushButton*> buttons) {
    auto* row = new QHBoxLayout;
    row->addStretch(1);
    for (QPushButton* button : buttons)
        row->addWidget(button);
    return row;
}

} // namespace wizard
