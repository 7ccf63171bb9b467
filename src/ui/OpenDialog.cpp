#include "ui/OpenDialog.h"

#include <commdlg.h>

#include <algorithm>
#include <stdexcept>

namespace ui {
namespace {

// The system wants the pairs separated by NULs and two NULs at the end.
std::wstring SystemFilter(const std::wstring& filter) {
    std::wstring result = filter;
    for (wchar_t& c : result) {
        if (c == L'|')
            c = L'\0';
    }
    result.append(2, L'\0');
    return result;
}

} // namespace

bool OpenDialog::Execute(HWND owner) {
    std::wstring filter = SystemFilter(Filter);
    std::wstring buffer(32768, L'\0');
    FileName.copy(buffer.data(), std::min(FileName.size(), buffer.size() - 1));
    OPENFILENAMEW ofn{};
    ofn.lStructSize = sizeof ofn;
    ofn.hwndOwner = owner;
    ofn.lpstrFilter = filter.c_str();
    ofn.nFilterIndex = 1;
    ofn.lpstrFile = buffer.data();
    ofn.nMaxFile = static_cast<DWORD>(buffer.size());
    ofn.lpstrInitialDir = InitialDir.empty() ? nullptr : InitialDir.c_str();
    ofn.Flags = OFN_EXPLORER | OFN_HIDEREADONLY | OFN_ENABLESIZING | (FileMustExist ? OFN_FILEMUSTEXIST : 0);
    if (!GetOpenFileNameW(&ofn)) {
        if (DWORD error = CommDlgExtendedError())
            throw std::runtime_error("The open dialog failed (error " + std::to_string(error) + ")");
        return false;
    }
    FileName = buffer.c_str();
    return true;
}

} // namespace ui
