// The About box: the tool's picture, name and release, and on request the link
// library's version and build stamp.
#ifndef ZKTOOLS_FORMS_ABOUT_BOX_H
#define ZKTOOLS_FORMS_ABOUT_BOX_H

#include "zktools/platform/modal_form.h"

class QFrame;
class QLabel;
class QPushButton;
class TBrandPicture;

class TAbout : public zk::platform::ModalForm {
    Q_OBJECT
public:
    explicit TAbout(QWidget* parent = nullptr);

    // The text btnMore shows: "<library version>, <build stamp>\n".
    static QString LibraryVersionText();

    void btnMoreClick();

    QFrame* pnlAbout = nullptr;
    TBrandPicture* imgPicture = nullptr;
    QLabel* lblProduct = nullptr;
    QLabel* lblVersion = nullptr;
    QPushButton* btnOK = nullptr;
    QPushButton* btnMore = nullptr;

protected:
    // Centred on the screen each time it is shown.
    void showEvent(QShowEvent* event) override;
};

#endif
