#include "TestWindows.h"

#include "ui/Application.h"

namespace testing_support {

std::vector<RecordedError>& RecordedErrors() {
    static std::vector<RecordedError> errors;
    return errors;
}

void PumpMessagesFor(DWORD milliseconds) {
    DWORD start = GetTickCount();
    while (GetTickCount() - start < milliseconds) {
        ui::App().ProcessMessages();
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 5, QS_ALLINPUT);
    }
}

} // namespace testing_support
