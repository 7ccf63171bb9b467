#pragma once

#include <string>
#include <string_view>
#include <vector>

// The text side of finding a file list's folder and file in a path: where
// the drive ends, where the folder ends, which names are patterns. Nothing
// here touches the file system.
namespace view {

// "X:" for a drive letter, "\\server\share" for a network root, empty when
// the path starts with neither.
std::wstring_view DriveOf(std::wstring_view path);

struct RootSplit {
    // The drive or network root the path refers to.
    std::wstring Root;
    // The path after the root.
    std::wstring Rest;
    // The drive letter; 0 for a network root.
    wchar_t Drive = 0;
};

// A path in square brackets loses them and stays on the current folder's
// drive; otherwise the drive is cut off the front, and a path without one
// is on the current folder's drive.
RootSplit SplitRoot(std::wstring_view path, std::wstring_view currentFolder);

struct NameSplit {
    // The folder part without its closing separator; "\" for the root. Empty
    // when the text has no separator at all.
    std::wstring Folder;
    std::wstring File;
    bool HasFolder = false;
};

// The file part is the text after the last "\" or ":".
NameSplit SplitName(std::wstring_view rest);

// The folder appended to the folder part: "\" + name at the root.
std::wstring AppendFolder(std::wstring_view folder, std::wstring_view name);

bool HasWildcard(std::wstring_view name);

// The ";"-separated patterns of a mask, empty ones left out.
std::vector<std::wstring> MaskPatterns(std::wstring_view mask);

// Folder and name with one "\" between them.
std::wstring JoinPath(std::wstring_view folder, std::wstring_view name);

// The message of a failed folder change with the platform's error code.
std::string FolderErrorText(unsigned long code);

} // namespace view
