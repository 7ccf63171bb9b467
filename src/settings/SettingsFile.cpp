#include "settings/SettingsFile.h"

#include "settings/IoErrors.h"

#include <windows.h>

#include <memory>
#include <stdexcept>
#include <type_traits>

namespace settings {
namespace {

// Twelve short lines; anything this large is not a settings file.
constexpr LONGLONG MaximumFileSize = 1 << 20;

struct FileCloser {
    void operator()(HANDLE file) const { CloseHandle(file); }
};
using FileHandle = std::unique_ptr<std::remove_pointer_t<HANDLE>, FileCloser>;

FileHandle Open(const std::wstring& path, DWORD access, DWORD disposition) {
    HANDLE file = CreateFileW(path.c_str(), access, FILE_SHARE_READ, nullptr, disposition,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    return FileHandle(file == INVALID_HANDLE_VALUE ? nullptr : file);
}

void WriteAll(HANDLE file, const std::string& text) {
    DWORD written = 0;
    if (!WriteFile(file, text.data(), static_cast<DWORD>(text.size()), &written, nullptr))
        throw IoError(GetLastError());
    if (written != text.size())
        throw IoError(101); // a short write: the disk is full
    if (!FlushFileBuffers(file))
        throw IoError(GetLastError());
}

} // namespace

std::optional<std::string> ReadSettingsFile(const std::wstring& path) {
    FileHandle file = Open(path, GENERIC_READ, OPEN_EXISTING);
    if (!file) {
        DWORD error = GetLastError();
        if (error == ERROR_FILE_NOT_FOUND)
            return std::nullopt;
        throw IoError(error);
    }
    LARGE_INTEGER size{};
    if (!GetFileSizeEx(file.get(), &size))
        throw IoError(GetLastError());
    if (size.QuadPart > MaximumFileSize)
        throw std::runtime_error("The settings file is too large to be one");
    std::string bytes(static_cast<size_t>(size.QuadPart), '\0');
    DWORD read = 0;
    if (!bytes.empty() &&
        !ReadFile(file.get(), bytes.data(), static_cast<DWORD>(bytes.size()), &read, nullptr))
        throw IoError(GetLastError());
    bytes.resize(read);
    return bytes;
}

void WriteSettingsFile(const std::wstring& path, const TSettingsRecord& record) {
    std::wstring fresh = path + L".new";
    try {
        FileHandle file = Open(fresh, GENERIC_WRITE, CREATE_ALWAYS);
        if (!file)
            throw IoError(GetLastError());
        WriteAll(file.get(), FormatSettings(record));
        file.reset();
        // A read-only file is one the user does not want written; not every
        // system refuses to move another file over it.
        DWORD attributes = GetFileAttributesW(path.c_str());
        if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY))
            throw IoError(ERROR_ACCESS_DENIED);
        if (!MoveFileExW(fresh.c_str(), path.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
            throw IoError(GetLastError());
    } catch (...) {
        DeleteFileW(fresh.c_str());
        throw;
    }
}

} // namespace settings
