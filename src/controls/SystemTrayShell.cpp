#include "controls/TrayShell.h"

#include <shlwapi.h>

namespace controls {
namespace {

bool Shell32IsVersion5OrLater() {
    HMODULE shell32 = GetModuleHandleW(L"shell32.dll");
    // Cast through the generic function type the compiler accepts.
    auto getVersion = reinterpret_cast<DLLGETVERSIONPROC>(
        reinterpret_cast<void (*)()>(shell32 ? GetProcAddress(shell32, "DllGetVersion") : nullptr));
    DLLVERSIONINFO info{};
    info.cbSize = sizeof info;
    return getVersion && SUCCEEDED(getVersion(&info)) && info.dwMajorVersion >= 5;
}

class SystemShell final : public TrayShell {
public:
    bool Notify(DWORD message, NOTIFYICONDATAW& record) override {
        return Shell_NotifyIconW(message, &record) != FALSE;
    }
    DWORD LastError() override { return GetLastError(); }
    bool IsVersion5OrLater() override {
        static const bool modern = Shell32IsVersion5OrLater();
        return modern;
    }
    void Wait(DWORD milliseconds) override { Sleep(milliseconds); }
};

} // namespace

std::unique_ptr<TrayShell> SystemTrayShell() { return std::make_unique<SystemShell>(); }

} // namespace controls
