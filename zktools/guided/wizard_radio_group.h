// A framed group of radio buttons of which exactly one is chosen, known by its index.
#ifndef ZKTOOLS_GUIDED_WIZARD_RADIO_GROUP_H
#define ZKTOOLS_GUIDED_WIZARD_RADIO_GROUP_H

#include <QGroupBox>
#include <QStringList>

class QButtonGroup;
class QRadioButton;

class TRadioGroup : public QGroupBox {
    Q_OBJECT
public:
    TRadioGroup(const char* name, const QString& caption, const QStringList& items,
                QWidget* parent);

    // The chosen entry, -1 when none is.
    int ItemIndex() const;
    void SetItemIndex(int index);
    QRadioButton* Item(int index) const;
    // idClicked tells the user's choice (mouse or arrow keys).
    QButtonGroup* Buttons() const { return buttons_; }

private:
    QButtonGroup* buttons_;
};

#endif
