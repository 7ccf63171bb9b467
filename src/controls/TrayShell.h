#pragma once

#include <windows.h>

#include <shellapi.h>

#include <memory>

namespace controls {

// What the tray icon asks of the shell, and the pause between retries:
// tests put a shell here that fails on demand and a clock that does not
// sleep.
class TrayShell {
public:
    virtual ~TrayShell() = default;

    // Shell_NotifyIcon: NIM_ADD, NIM_MODIFY, NIM_DELETE or NIM_SETVERSION.
    virtual bool Notify(DWORD message, NOTIFYICONDATAW& record) = 0;
    // The error the last failed Notify left.
    virtual DWORD LastError() = 0;
    // Version 5 of the shell and later take the longer record and tips.
    virtual bool IsVersion5OrLater() = 0;
    virtual void Wait(DWORD milliseconds) = 0;
};

// The real notification area of this session.
std::unique_ptr<TrayShell> SystemTrayShell();

} // namespace controls
