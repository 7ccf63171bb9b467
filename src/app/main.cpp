#include "app/Form1.h"
#include "app/ViewPopup.h"
#include "ui/Application.h"

#include <windows.h>

#include <objbase.h>

#include <commctrl.h>

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    // Before the first window: the right-click hook, and the single-threaded
    // apartment the folder tree needs.
    app::InstallViewPopupHook();
    if (FAILED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED)))
        return 1;
    INITCOMMONCONTROLSEX icc{sizeof icc, ICC_WIN95_CLASSES | ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&icc);

    ui::App().SetTitle(L"KorvalenFlashPlayer *08");
    int exitCode = 0;
    {
        app::TForm1 form1(GetCommandLineW());
        exitCode = ui::App().Run(form1);
    }
    CoUninitialize();
    return exitCode;
}
