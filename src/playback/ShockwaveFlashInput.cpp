#include "playback/ShockwaveFlash.h"

#include "ui/Application.h"
#include "ui/Text.h"

#include <windowsx.h>

namespace playback {
namespace {

// Posted to the control to show the script errors of a finished frame.
constexpr UINT WM_SHOWSCRIPTERRORS = WM_APP + 0x51;
// A movie whose scripts fail on every frame must not pile up messages.
constexpr size_t MaxQueuedErrors = 8;

// The character a key press types: TranslateMessage has already queued its
// WM_CHAR when the WM_KEYDOWN is handled.
uint32_t TypedCharacter(HWND window) {
    MSG next;
    if (PeekMessageW(&next, window, WM_CHAR, WM_CHAR, PM_NOREMOVE))
        return static_cast<uint32_t>(next.wParam);
    return 0;
}

} // namespace

LRESULT TShockwaveFlash::HandleMessage(UINT msg, WPARAM wp, LPARAM lp) {
    if (msg == WM_SHOWSCRIPTERRORS) {
        ShowScriptErrors();
        return 0;
    }
    if (msg == WM_SETCURSOR && LOWORD(lp) == HTCLIENT && SetMovieCursor())
        return TRUE;
    if (HandleInput(msg, wp, lp)) {
        // Buttons change their looks as the pointer moves, halted or not.
        Invalidate();
        return 0;
    }
    return WinControl::HandleMessage(msg, wp, lp);
}

// The right button never arrives here: the view's menu takes it first.
bool TShockwaveFlash::HandleInput(UINT msg, WPARAM wp, LPARAM lp) {
    if (!player_.HasMovie())
        return false;
    switch (msg) {
    case WM_MOUSEMOVE:
        player_.MouseMove(GET_X_LPARAM(lp), GET_Y_LPARAM(lp), ClientWidth(), ClientHeight());
        return true;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
        // A button pressed in the movie hears its release even outside.
        SetFocus();
        SetCapture(Handle());
        player_.MouseMove(GET_X_LPARAM(lp), GET_Y_LPARAM(lp), ClientWidth(), ClientHeight());
        player_.MouseDown();
        return true;
    case WM_LBUTTONUP:
        if (GetCapture() == HandleIfCreated())
            ReleaseCapture();
        player_.MouseMove(GET_X_LPARAM(lp), GET_Y_LPARAM(lp), ClientWidth(), ClientHeight());
        player_.MouseUp();
        return true;
    case WM_KEYDOWN:
        // The window's shortcut keys never get here: the message loop gives
        // them to the commands before the focused control sees them.
        player_.KeyDown(static_cast<uint32_t>(wp), TypedCharacter(HandleIfCreated()));
        return true;
    case WM_KEYUP:
        player_.KeyUp(static_cast<uint32_t>(wp));
        return true;
    default:
        return false;
    }
}

bool TShockwaveFlash::SetMovieCursor() {
    if (!player_.HasMovie())
        return false;
    if (player_.MouseHidden())
        SetCursor(nullptr);
    else
        SetCursor(LoadCursorW(nullptr, player_.WantsHandCursor() ? IDC_HAND : IDC_ARROW));
    return true;
}

void TShockwaveFlash::QueueScriptError(const std::string& message) {
    std::wstring text = ui::Widen(message);
    if (scriptErrors_.size() >= MaxQueuedErrors || shownErrors_.count(text))
        return;
    bool first = scriptErrors_.empty();
    scriptErrors_.push_back(std::move(text));
    if (first && HandleAllocated())
        PostMessageW(HandleIfCreated(), WM_SHOWSCRIPTERRORS, 0, 0);
}

// The error box runs its own message loop: frames go on under it, and what
// they report waits for the next box.
void TShockwaveFlash::ShowScriptErrors() {
    if (showingError_)
        return;
    showingError_ = true;
    while (!scriptErrors_.empty()) {
        std::wstring text = std::move(scriptErrors_.front());
        scriptErrors_.erase(scriptErrors_.begin());
        if (shownErrors_.insert(text).second)
            ui::App().ShowError(text);
    }
    showingError_ = false;
}

} // namespace playback
