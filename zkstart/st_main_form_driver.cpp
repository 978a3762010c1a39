// The port driver's service: opened, installed when missing, started.
#include "zkstart/st_main_form.h"

#include <QString>

#include "zkstart/platform/system_codes.h"
#include "zkstart/port_talk.h"
#include "zktools/platform/platform.h"

using namespace zk::start;

namespace {

void Show(const QString& text) {
    zk::platform::Platform::Messages().ShowMessage(text);
}

const char kServiceName[] = "PortTalk";

// Reports the refusals of a service open worth telling the user about.
void ReportServiceOpenError(std::uint32_t error) {
    if (error == kErrorAccessDenied)
        Show(QStringLiteral("You do not have rights to the PortTalk service database"));
    else if (error == kErrorInvalidName)
        Show(QStringLiteral("The specified service name is invalid."));
}

void ShowInstallFailure(std::uint32_t error) {
    Show(QStringLiteral("Couldn't install the PortTalk driver service, error %1.").arg(error));
}

} // namespace

void TstMainForm::StartPortTalkDriver() {
    const ServiceHandle manager = platform_.OpenServiceManager(kServiceManagerAllAccess);
    if (manager == kNoServiceHandle) {
        if (platform_.LastError() == kErrorAccessDenied)
            Show(QStringLiteral("You do not have rights to access the Service Control Manager and\n"
                                "The PortTalk driver is not installed or started. Please ask \n"
                                "your administrator to install the driver on your behalf.\n"));
        return;
    }

    const ServiceHandle service = OpenPortTalkService(manager);
    if (service != kNoServiceHandle) {
        if (!platform_.StartNamedService(service)) {
            if (platform_.LastError() == kErrorServiceAlreadyRunning)
                Show(QStringLiteral("The PortTalk driver is already running."));
            else
                Show(QStringLiteral("Unknown error while starting PortTalk driver service."));
        }
        platform_.CloseServiceHandle(service);
    }
    platform_.CloseServiceHandle(manager);
}

ServiceHandle TstMainForm::OpenPortTalkService(ServiceHandle manager) {
    ServiceHandle service = platform_.OpenNamedService(manager, kServiceName, kServiceAllAccess);
    if (service != kNoServiceHandle)
        return service;
    std::uint32_t error = platform_.LastError();
    if (error == kErrorServiceDoesNotExist) {
        // Installed once; a second refusal other than the two reported ones is silent.
        InstallPortTalkDriver();
        service = platform_.OpenNamedService(manager, kServiceName, kServiceAllAccess);
        if (service != kNoServiceHandle)
            return service;
        error = platform_.LastError();
    }
    ReportServiceOpenError(error);
    return kNoServiceHandle;
}

void TstMainForm::InstallPortTalkDriver() {
    const ServiceHandle manager = platform_.OpenServiceManager(kServiceManagerAllAccess);
    if (manager == kNoServiceHandle) {
        // Nothing to create the service in: as failed as a refused creation.
        ShowInstallFailure(platform_.LastError());
        return;
    }
    const ServiceHandle service = platform_.CreateDriverService(manager, PortTalkServiceSettings());
    if (service == kNoServiceHandle) {
        const std::uint32_t error = platform_.LastError();
        if (error != kErrorServiceExists)
            ShowInstallFailure(error);
    } else {
        platform_.CloseServiceHandle(service);
    }
    platform_.CloseServiceHandle(manager);
}
