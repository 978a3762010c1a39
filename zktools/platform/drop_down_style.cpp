#include "zktools/platform/drop_down_style.h"

#include <QApplication>
#include <QComboBox>
#include <QStyleFactory>

namespace zk::platform {

DropDownStyle::DropDownStyle(QStyle* base) : QProxyStyle(base) {}

int DropDownStyle::styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                             QStyleHintReturn* returnData) const {
    // A menu-like popup ignores the combo's visible-item count.
    if (hint == SH_ComboBox_Popup)
        return 0;
    return QProxyStyle::styleHint(hint, option, widget, returnData);
}

void DropDownStyle::polish(QWidget* widget) {
    QProxyStyle::polish(widget);
    if (auto* combo = qobject_cast<QComboBox*>(widget))
        combo->setMaxVisibleItems(kDropDownCount);
}

void UseDropDownStyle() {
    QStyle* present = QApplication::style();
    if (qobject_cast<DropDownStyle*>(present) != nullptr)
        return;
    QStyle* base = QStyleFactory::create(present->name());
    QApplication::setStyle(new DropDownStyle(base));
}

} // namespace zk::platform
