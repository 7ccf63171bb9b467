#include "view/FileSystem.h"

#include "view/PathText.h"

#include <windows.h>

#include <stdexcept>

namespace view {

std::wstring CurrentFolder() {
    std::wstring folder(MAX_PATH, L'\0');
    for (;;) {
        DWORD length = GetCurrentDirectoryW(static_cast<DWORD>(folder.size()), folder.data());
        if (length == 0)
            throw std::runtime_error(FolderErrorText(GetLastError()));
        if (length < folder.size()) {
            folder.resize(length);
            return folder;
        }
        folder.resize(length); // length counts the closing NUL here
    }
}

void EnterFolder(const std::wstring& folder) {
    if (!SetCurrentDirectoryW(folder.c_str()))
        throw std::runtime_error(FolderErrorText(GetLastError()));
}

bool FileExists(const std::wstring& path) {
    DWORD attributes = GetFileAttributesW(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

bool FolderExists(const std::wstring& path) {
    DWORD attributes = GetFileAttributesW(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

bool SameFileName(std::wstring_view a, std::wstring_view b) {
    return CompareStringOrdinal(a.data(), static_cast<int>(a.size()), b.data(), static_cast<int>(b.size()),
                                TRUE) == CSTR_EQUAL;
}

CurrentFolderKeeper::~CurrentFolderKeeper() {
    if (FolderExists(saved_))
        SetCurrentDirectoryW(saved_.c_str());
}

} // namespace view
