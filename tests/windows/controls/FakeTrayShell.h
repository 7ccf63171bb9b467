#pragma once

#include "controls/TrayShell.h"

#include <memory>
#include <string>
#include <vector>

namespace testing_support {

// One request as the shell saw it. The picture is told by the colour at its
// centre, read when the request came (the icon may be gone later).
struct TrayCall {
    DWORD Message;
    UINT Flags;
    uint32_t Colour;
    std::wstring Tip;
    DWORD Size;
};

// What the fake shell saw and how it answers; shared with the test, so it
// outlives the icon that owns the shell.
struct TrayShellState {
    std::vector<TrayCall> Calls;
    bool Present = false; // the icon is in the notification area
    int FailNext = 0;     // that many coming requests fail whatever they are
    bool FailDeletes = false;
    DWORD Error = 0; // the error a failure leaves
    bool Modern = true;
    DWORD Waited = 0;

    std::vector<DWORD> Messages() const;
    // The pictures sent with NIF_ICON, in order.
    std::vector<uint32_t> IconColours() const;
};

// A notification area in memory that behaves like the shell: an add puts
// the icon there, a modify needs it there, a delete takes it away.
class FakeTrayShell final : public controls::TrayShell {
public:
    explicit FakeTrayShell(std::shared_ptr<TrayShellState> state) : state_(std::move(state)) {}

    bool Notify(DWORD message, NOTIFYICONDATAW& record) override;
    DWORD LastError() override { return state_->Error; }
    bool IsVersion5OrLater() override { return state_->Modern; }
    void Wait(DWORD milliseconds) override { state_->Waited += milliseconds; }

private:
    std::shared_ptr<TrayShellState> state_;
};

// The colour at the centre of an icon, 0xRRGGBB; 0 for none.
uint32_t IconColour(HICON icon);

} // namespace testing_support
