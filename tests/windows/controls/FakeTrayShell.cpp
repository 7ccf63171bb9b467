#include "FakeTrayShell.h"

#include "ui/Handles.h"

namespace testing_support {

std::vector<DWORD> TrayShellState::Messages() const {
    std::vector<DWORD> messages;
    for (const TrayCall& call : Calls)
        messages.push_back(call.Message);
    return messages;
}

std::vector<uint32_t> TrayShellState::IconColours() const {
    std::vector<uint32_t> colours;
    for (const TrayCall& call : Calls)
        if (call.Message == NIM_MODIFY && (call.Flags & NIF_ICON))
            colours.push_back(call.Colour);
    return colours;
}

bool FakeTrayShell::Notify(DWORD message, NOTIFYICONDATAW& record) {
    state_->Calls.push_back({message, record.uFlags, IconColour(record.hIcon), record.szTip, record.cbSize});
    if (state_->FailNext > 0) {
        --state_->FailNext;
        return false;
    }
    switch (message) {
    case NIM_ADD:
        if (state_->Present)
            return false;
        state_->Present = true;
        return true;
    case NIM_DELETE:
        if (state_->FailDeletes || !state_->Present)
            return false;
        state_->Present = false;
        return true;
    default:
        return state_->Present;
    }
}

uint32_t IconColour(HICON icon) {
    ICONINFO info{};
    if (!icon || !GetIconInfo(icon, &info))
        return 0;
    ui::BitmapHandle colour(info.hbmColor), mask(info.hbmMask);
    BITMAP bitmap{};
    GetObjectW(colour.get(), sizeof bitmap, &bitmap);
    ui::MemoryDcHandle dc(CreateCompatibleDC(nullptr));
    ui::SelectObjectScope select(dc.get(), colour.get());
    COLORREF pixel = GetPixel(dc.get(), bitmap.bmWidth / 2, bitmap.bmHeight / 2);
    return (GetRValue(pixel) << 16) | (GetGValue(pixel) << 8) | GetBValue(pixel);
}

} // namespace testing_support
