#pragma once

#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

namespace view {

// Which entries a file list shows: a set of these flags.
enum TFileAttr : unsigned {
    ftReadOnly = 0x01,
    ftHidden = 0x02,
    ftSystem = 0x04,
    ftVolumeID = 0x08, // volume labels are never listed by the platform's search
    ftDirectory = 0x10,
    ftArchive = 0x20,
    ftNormal = 0x80,
};
using TFileType = unsigned;

struct FileEntry {
    std::wstring Name;
    DWORD Attributes = 0;
    FILETIME Time{};
    uint64_t Size = 0;
};

// Whether an entry with these attributes belongs in a list of `type`:
// ftNormal takes plain files, hidden, system and folder entries need their
// own flag.
bool Listed(DWORD attributes, TFileType type);

// The entries of folder that match the ";"-separated patterns of mask, in
// pattern order without repeats, then sorted: folders first, then by name
// in the user's order without regard to case. Past 100 entries the pointer
// shows the hourglass until the listing ends.
std::vector<FileEntry> ListFolder(const std::wstring& folder, const std::wstring& mask, TFileType type);

} // namespace view
