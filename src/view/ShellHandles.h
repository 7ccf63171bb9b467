#pragma once

#include <windows.h>

#include <ole2.h>
#include <shlobj.h>

// Owners of what the folder tree registers with the system; each gives it
// back when it leaves scope.
namespace view {

// OLE on this thread (drag and drop need it, not only COM).
class OleSession {
public:
    OleSession() : ready_(SUCCEEDED(OleInitialize(nullptr))) {}
    ~OleSession() {
        if (ready_)
            OleUninitialize();
    }
    OleSession(const OleSession&) = delete;
    OleSession& operator=(const OleSession&) = delete;
    bool Ready() const { return ready_; }

private:
    bool ready_;
};

// A window that takes drops.
class DropRegistration {
public:
    DropRegistration(HWND window, IDropTarget* target)
        : window_(SUCCEEDED(RegisterDragDrop(window, target)) ? window : nullptr) {}
    ~DropRegistration() {
        if (window_)
            RevokeDragDrop(window_);
    }
    DropRegistration(const DropRegistration&) = delete;
    DropRegistration& operator=(const DropRegistration&) = delete;

private:
    HWND window_;
};

// A window told of the shell's changes to folders by message.
class ChangeRegistration {
public:
    ChangeRegistration(HWND window, LONG events, UINT message) {
        SHChangeNotifyEntry everything{nullptr, TRUE};
        id_ = SHChangeNotifyRegister(window, SHCNRF_InterruptLevel | SHCNRF_ShellLevel | SHCNRF_NewDelivery,
                                     events, message, 1, &everything);
    }
    ~ChangeRegistration() {
        if (id_)
            SHChangeNotifyDeregister(id_);
    }
    ChangeRegistration(const ChangeRegistration&) = delete;
    ChangeRegistration& operator=(const ChangeRegistration&) = delete;

private:
    ULONG id_ = 0;
};

} // namespace view
