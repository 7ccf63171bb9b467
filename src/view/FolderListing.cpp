#include "view/FolderListing.h"

#include "view/PathText.h"

#include <algorithm>
#include <memory>
#include <unordered_set>

namespace view {
namespace {

constexpr size_t EntriesBeforeHourglass = 100;

struct FindCloser {
    void operator()(HANDLE find) const { FindClose(find); }
};
using FindHandle = std::unique_ptr<std::remove_pointer_t<HANDLE>, FindCloser>;

// Shows the hourglass from Start until the scope ends.
class WaitCursor {
public:
    void Start() {
        if (!previous_)
            previous_ = SetCursor(LoadCursorW(nullptr, IDC_WAIT));
    }
    ~WaitCursor() {
        if (previous_)
            SetCursor(previous_);
    }

private:
    HCURSOR previous_ = nullptr;
};

bool IsDotEntry(const wchar_t* name) { return wcscmp(name, L".") == 0 || wcscmp(name, L"..") == 0; }

// File names are the same when their upper-case forms are.
std::wstring NameKey(const wchar_t* name) {
    std::wstring key = name;
    CharUpperBuffW(key.data(), static_cast<DWORD>(key.size()));
    return key;
}

// Collects the entries of several patterns; a name that two patterns match
// is kept once.
struct Collector {
    TFileType Type;
    std::vector<FileEntry> Entries;
    std::unordered_set<std::wstring> Seen;
    WaitCursor Wait;

    void Add(const WIN32_FIND_DATAW& found);
};

void Collector::Add(const WIN32_FIND_DATAW& found) {
    if (IsDotEntry(found.cFileName) || !Listed(found.dwFileAttributes, Type))
        return;
    if (!Seen.insert(NameKey(found.cFileName)).second)
        return;
    Entries.push_back({found.cFileName, found.dwFileAttributes, found.ftLastWriteTime,
                       (uint64_t{found.nFileSizeHigh} << 32) | found.nFileSizeLow});
    if (Entries.size() > EntriesBeforeHourglass)
        Wait.Start();
}

void AddMatches(const std::wstring& pattern, Collector& collector) {
    WIN32_FIND_DATAW found;
    FindHandle find(FindFirstFileW(pattern.c_str(), &found));
    if (find.get() == INVALID_HANDLE_VALUE) {
        find.release();
        return;
    }
    do
        collector.Add(found);
    while (FindNextFileW(find.get(), &found));
}

bool ListedBefore(const FileEntry& a, const FileEntry& b) {
    bool folderA = a.Attributes & FILE_ATTRIBUTE_DIRECTORY, folderB = b.Attributes & FILE_ATTRIBUTE_DIRECTORY;
    if (folderA != folderB)
        return folderA;
    return CompareStringW(LOCALE_USER_DEFAULT, NORM_IGNORECASE, a.Name.c_str(),
                          static_cast<int>(a.Name.size()), b.Name.c_str(),
                          static_cast<int>(b.Name.size())) == CSTR_LESS_THAN;
}

} // namespace

bool Listed(DWORD attributes, TFileType type) {
    if (attributes & FILE_ATTRIBUTE_DIRECTORY)
        return type & ftDirectory;
    if ((attributes & FILE_ATTRIBUTE_HIDDEN) && !(type & ftHidden))
        return false;
    if ((attributes & FILE_ATTRIBUTE_SYSTEM) && !(type & ftSystem))
        return false;
    if (type & ftNormal)
        return true;
    return ((attributes & FILE_ATTRIBUTE_READONLY) && (type & ftReadOnly)) ||
           ((attributes & FILE_ATTRIBUTE_ARCHIVE) && (type & ftArchive)) ||
           ((attributes & FILE_ATTRIBUTE_HIDDEN) && (type & ftHidden)) ||
           ((attributes & FILE_ATTRIBUTE_SYSTEM) && (type & ftSystem));
}

std::vector<FileEntry> ListFolder(const std::wstring& folder, const std::wstring& mask, TFileType type) {
    Collector collector{type, {}, {}, {}};
    for (const std::wstring& pattern : MaskPatterns(mask))
        AddMatches(JoinPath(folder, pattern), collector);
    std::vector<FileEntry> entries = std::move(collector.Entries);
    if (entries.size() > 1)
        std::stable_sort(entries.begin(), entries.end(), ListedBefore);
    return entries;
}

} // namespace view
