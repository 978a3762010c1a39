// main of the Qt test programs: headless application, then GoogleTest. A modal run
// that nobody ends fails its test after a while instead of hanging the program.
#include <gtest/gtest.h>

#include <QByteArray>

#include "zktools/platform/gui_application.h"
#include "zktools/platform/modal_form.h"
#include "zktools/platform/modal_hooks.h"

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // Text measures the same on every machine only with the project's fonts.
    if (qEnvironmentVariableIsEmpty("FONTCONFIG_FILE")) {
        qputenv("FONTCONFIG_FILE", ZK_TEST_FONTCONFIG_FILE);
    }
    zk::platform::GuiApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);

    using namespace std::chrono_literals;
    zk::platform::SetModalWatchdog({20s, [](zk::platform::ModalForm& form) {
                                        ADD_FAILURE()
                                            << "modal run of " << form.metaObject()->className()
                                            << " '" << form.objectName().toStdString()
                                            << "' did not end; ended by the watchdog";
                                    }});
    return RUN_ALL_TESTS();
}
