// How a wizard page hands over to the page after it: it hides while its successor
// runs modally and then, by the successor's result, waits again or closes.
#ifndef ZKTOOLS_GUIDED_WIZARD_CHAIN_H
#define ZKTOOLS_GUIDED_WIZARD_CHAIN_H

namespace zk::platform {
class ModalForm;
}

namespace wizard {

// Modal result of the Back buttons.
inline constexpr int kBack = 1;
// Closes a page, and through it every page before it.
inline constexpr int kCloseWizard = 2;

// Hides `page`, runs `next` modally and returns its modal result. Should the run
// throw, `page` is shown again first, so that it never waits unseen.
int RunInPlaceOf(zk::platform::ModalForm& page, zk::platform::ModalForm& next);

// Shows `page` again, on top, to wait for input.
void ShowAgain(zk::platform::ModalForm& page);

} // namespace wizard

#endif
