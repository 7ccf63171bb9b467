#include "view/PathText.h"

namespace view {
namespace {

bool IsDriveLetter(wchar_t c) { return (c >= L'A' && c <= L'Z') || (c >= L'a' && c <= L'z'); }

// The length of "\\server\share" at the front, 0 when there is none.
size_t NetworkRootLength(std::wstring_view path) {
    if (path.size() < 3 || path[0] != L'\\' || path[1] != L'\\')
        return 0;
    size_t serverEnd = path.find(L'\\', 2);
    if (serverEnd == std::wstring_view::npos || serverEnd == 2 || serverEnd + 1 == path.size())
        return 0;
    size_t shareEnd = path.find(L'\\', serverEnd + 1);
    return shareEnd == std::wstring_view::npos ? path.size() : shareEnd;
}

} // namespace

std::wstring_view DriveOf(std::wstring_view path) {
    if (path.size() >= 2 && path[1] == L':' && IsDriveLetter(path[0]))
        return path.substr(0, 2);
    return path.substr(0, NetworkRootLength(path));
}

RootSplit SplitRoot(std::wstring_view path, std::wstring_view currentFolder) {
    RootSplit split;
    std::wstring_view root = DriveOf(path);
    if (path.size() >= 2 && path.front() == L'[' && path.back() == L']') {
        split.Rest = path.substr(1, path.size() - 2);
        root = DriveOf(currentFolder);
    } else if (root.empty()) {
        split.Rest = path;
        root = DriveOf(currentFolder);
    } else {
        split.Rest = path.substr(root.size());
    }
    split.Root = root;
    if (root.size() == 2 && root[1] == L':')
        split.Drive = root[0];
    return split;
}

NameSplit SplitName(std::wstring_view rest) {
    NameSplit split;
    size_t last = rest.find_last_of(L"\\:");
    if (last == std::wstring_view::npos) {
        split.File = rest;
        return split;
    }
    split.File = rest.substr(last + 1);
    split.Folder = last == 0 ? std::wstring_view(L"\\") : rest.substr(0, last);
    split.HasFolder = true;
    return split;
}

std::wstring AppendFolder(std::wstring_view folder, std::wstring_view name) {
    if (folder == L"\\")
        return L"\\" + std::wstring(name);
    return std::wstring(folder) + L"\\" + std::wstring(name);
}

bool HasWildcard(std::wstring_view name) { return name.find_first_of(L"*?") != std::wstring_view::npos; }

std::vector<std::wstring> MaskPatterns(std::wstring_view mask) {
    std::vector<std::wstring> patterns;
    size_t start = 0;
    while (start <= mask.size()) {
        size_t end = mask.find(L';', start);
        if (end == std::wstring_view::npos)
            end = mask.size();
        if (end > start)
            patterns.emplace_back(mask.substr(start, end - start));
        start = end + 1;
    }
    return patterns;
}

std::wstring JoinPath(std::wstring_view folder, std::wstring_view name) {
    std::wstring path(folder);
    if (path.empty() || path.back() != L'\\')
        path += L'\\';
    return path + std::wstring(name);
}

std::string FolderErrorText(unsigned long code) {
    switch (code) {
    case 2:
        return "File not found";
    case 3:
        return "Invalid filename";
    default:
        return "I/O error " + std::to_string(code);
    }
}

} // namespace view
