#include "settings/FileAssociation.h"

#include <stdexcept>

namespace settings {
namespace {

std::wstring FolderOf(const std::wstring& file) { return file.substr(0, file.find_last_of(L"\\/") + 1); }

} // namespace

std::wstring RunningProgramFile() {
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        DWORD length = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (length < path.size()) {
            path.resize(length);
            return path;
        }
        path.resize(path.size() * 2); // a long path: try again with more room
    }
}

std::wstring OpenCommand(const std::wstring& programFile) { return L'"' + programFile + L"\" \"%1\""; }

void RegisterSwfFiles(TRegistryWriter& registry, const std::wstring& programFile) {
    const std::pair<std::wstring, std::wstring> values[] = {
        {L".SWF", L"SWFfile"},
        {L"SWFfile\\DefaultIcon", FolderOf(programFile) + L"swf_files.ico"},
        {L"SWFfile\\shell\\open\\command", OpenCommand(programFile)},
    };
    for (const auto& [key, value] : values)
        if (!registry.SetDefaultValue(key, value))
            throw std::runtime_error("Failed to set data for ''");
}

} // namespace settings
