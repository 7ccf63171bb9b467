#include "controls/TrayRequest.h"

namespace controls {
namespace {

constexpr unsigned long kErrorTimeout = 1460; // ERROR_TIMEOUT
constexpr int kRetries = 31;
constexpr unsigned kRetryPause = 1000;

bool ShellWasBusy(unsigned long error) { return error == 0 || error == kErrorTimeout; }

// Whether the icon is already as the request wants it, seen by a modify.
bool AlreadyDone(TrayRequest request, const TrayRequestCalls& calls) {
    if (request == TrayRequest::Add)
        return calls.Send(TrayRequest::Modify);
    if (request == TrayRequest::Delete)
        return !calls.Send(TrayRequest::Modify);
    return false;
}

} // namespace

bool SendTrayRequest(TrayRequest request, bool retry, const TrayRequestCalls& calls) {
    if (calls.Send(request))
        return true;
    if (!retry || !ShellWasBusy(calls.LastError()))
        return false;
    for (int attempt = 0; attempt < kRetries; ++attempt) {
        calls.Wait(kRetryPause);
        if (AlreadyDone(request, calls) || calls.Send(request))
            return true;
    }
    return false;
}

} // namespace controls
