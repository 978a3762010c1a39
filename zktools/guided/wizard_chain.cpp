#include "zktools/guided/wizard_chain.h"

#include "zktools/platform/modal_form.h"

namespace wizard {

int RunInPlaceOf(zk::platform::ModalForm& page, zk::platform::ModalForm& next) {
    page.hide();
    try {
        return next.ShowModal();
    } catch (...) {
        ShowAgain(page);
        throw;
    }
}

void ShowAgain(zk::platform::ModalForm& page) {
    page.show();
    page.raise();
    page.activateWindow();
}

} // namespace wizard
