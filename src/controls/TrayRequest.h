#pragma once

#include <functional>

namespace controls {

enum class TrayRequest { Add, Modify, Delete, SetVersion };

// How a request reaches the shell: Send puts it through once, LastError
// tells why the last one failed, Wait lets time pass before a retry.
struct TrayRequestCalls {
    std::function<bool(TrayRequest)> Send;
    std::function<unsigned long()> LastError;
    std::function<void(unsigned milliseconds)> Wait;
};

// Sends a request; a shell that is busy (no error, or a time-out) is asked
// again once a second, up to 31 times. Meanwhile a successful modify shows
// that an add did arrive, and a failing one that a delete did. Returns
// whether the request took effect.
bool SendTrayRequest(TrayRequest request, bool retry, const TrayRequestCalls& calls);

} // namespace controls
