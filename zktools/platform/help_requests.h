// The application's help: its help file and the hook through which every help
// request passes first. Windows ask here; the hook (the main window's) may answer a
// request itself, else the standard processing shows it through Platform::Help().
#ifndef ZKTOOLS_PLATFORM_HELP_REQUESTS_H
#define ZKTOOLS_PLATFORM_HELP_REQUESTS_H

#include <functional>

#include "zktools/platform/help_service.h"

namespace zk::platform {

void SetHelpFile(const QString& path);
QString HelpFile();

// Returns true when it dealt with the request (the standard processing is then skipped).
using HelpHook = std::function<bool(const HelpRequest&)>;
// Returns the hook it replaces; an empty function removes the hook.
HelpHook SetHelpHook(HelpHook hook);

// The hook first, then (unless it dealt with it) the help file through Platform::Help().
void RequestHelp(const HelpRequest& request);
// The standard processing alone, for the hook itself.
bool ShowHelp(const HelpRequest& request);

} // namespace zk::platform

#endif
