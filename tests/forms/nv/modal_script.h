// Acts inside modal runs as a user would: each run of a form takes the next action
// queued for that form. A run with nothing queued is a test fault; it is cancelled.
#ifndef TESTS_FORMS_NV_MODAL_SCRIPT_H
#define TESTS_FORMS_NV_MODAL_SCRIPT_H

#include <gtest/gtest.h>

#include <deque>
#include <functional>
#include <utility>

#include "zktools/platform/modal_form.h"
#include "zktools/platform/modal_hooks.h"
#include "zktools/platform/modal_result.h"

namespace nvtest {

class ModalScript {
public:
    ModalScript() {
        previous_ =
            zk::platform::SetModalStartHook([this](zk::platform::ModalForm& form) { Run(form); });
    }
    ~ModalScript() {
        zk::platform::SetModalStartHook(previous_);
        EXPECT_TRUE(actions_.empty()) << actions_.size() << " modal action(s) never ran";
    }
    ModalScript(const ModalScript&) = delete;
    ModalScript& operator=(const ModalScript&) = delete;

    // The next run of `form` runs `action`, which must end the run.
    void On(zk::platform::ModalForm* form, std::function<void()> action) {
        actions_.push_back({form, std::move(action)});
    }
    int Runs() const { return runs_; }

private:
    struct Action {
        zk::platform::ModalForm* form;
        std::function<void()> run;
    };

    void Run(zk::platform::ModalForm& form) {
        ++runs_;
        for (auto it = actions_.begin(); it != actions_.end(); ++it) {
            if (it->form == &form) {
                const std::function<void()> run = std::move(it->run);
                actions_.erase(it);
                run();
                return;
            }
        }
        ADD_FAILURE() << "unexpected modal run of " << form.objectName().toStdString();
        form.SetModalResult(zk::platform::kModalCancel);
    }

    zk::platform::ModalFormCallback previous_;
    std::deque<Action> actions_;
    int runs_ = 0;
};

} // namespace nvtest

#endif
