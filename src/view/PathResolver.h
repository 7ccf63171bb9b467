#pragma once

#include <string>
#include <string_view>

namespace view {

// Where a path leads: the folder to show and the file (or pattern) in it.
struct ResolvedPath {
    // The drive letter; 0 for a network path, whose root is in Folder.
    wchar_t Drive = 0;
    std::wstring Folder;
    // Empty when the path names a folder.
    std::wstring File;

    // The folder with its drive in front.
    std::wstring FullFolder() const;
};

// Splits path into drive, folder and file by visiting the folders it names:
// a last name that is no file must be a folder. Throws the folder change's
// error text when a folder cannot be entered. The process's current folder
// is the same afterwards (unless it has vanished meanwhile).
ResolvedPath ResolvePath(std::wstring_view path);

} // namespace view
