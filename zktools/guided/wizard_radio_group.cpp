#include "zktools/guided/wizard_radio_group.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QRadioButton>
#include <QVBoxLayout>

TRadioGroup::TRadioGroup(const char* name, const QString& caption, const QStringList& items,
                         QWidget* parent)
    : QGroupBox(caption, parent), buttons_(new QButtonGroup(this)) {
    setObjectName(QString::fromLatin1(name));
    buttons_->setExclusive(true);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(10, 6, 10, 8);
    for (int i = 0; i < items.size(); ++i) {
        auto* item = new QRadioButton(items[i], this);
        item->setObjectName(objectName() + QStringLiteral("Item") + QString::number(i));
        buttons_->addButton(item, i);
        layout->addWidget(item);
    }
}

int TRadioGroup::ItemIndex() const {
    return buttons_->checkedId();
}

void TRadioGroup::SetItemIndex(int index) {
    if (QAbstractButton* item = buttons_->button(index))
        item->setChecked(true);
}

QRadioButton* TRadioGroup::Item(int index) const {
    return qobject_cast<QRadioButton*>(buttons_->button(index));
}
