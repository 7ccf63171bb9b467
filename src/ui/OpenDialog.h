#pragma once

#include <windows.h>

#include <string>

namespace ui {

// The system's open-file dialog.
class OpenDialog {
public:
    // Pairs of description and patterns, "|"-separated:
    // "Flash files (*.swf)|*.swf".
    std::wstring Filter;
    std::wstring InitialDir;
    // When false, a typed name that does not exist is accepted.
    bool FileMustExist = true;

    // The chosen file after a successful Execute.
    std::wstring FileName;

    // Shows the dialog modally over owner; false when the user cancels. A
    // file chosen makes its folder the process's current folder.
    bool Execute(HWND owner);
};

} // namespace ui
