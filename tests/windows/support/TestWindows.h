#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace testing_support {

// What the error box would have shown, in order.
struct RecordedError {
    std::wstring Text;
    std::wstring Caption;
};
std::vector<RecordedError>& RecordedErrors();

// Lets the message loop run for a while (timers, paints, posted messages).
void PumpMessagesFor(DWORD milliseconds);

} // namespace testing_support
