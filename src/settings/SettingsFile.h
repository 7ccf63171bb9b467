#pragma once

#include "settings/SettingsText.h"

#include <optional>
#include <string>

namespace settings {

// The settings file's name in the program's folder.
inline constexpr const wchar_t* SettingsFileName = L"tls.dat";

// The whole file, or nothing when it does not exist (a first start, or a
// user who deleted it). Other failures throw IoError; a file too large to be
// ours throws std::runtime_error. While it is open others may read it but
// not write it.
std::optional<std::string> ReadSettingsFile(const std::wstring& path);

// Replaces the file with the record. The new text is written and flushed
// beside the old file first and takes its place only when complete, so a
// full disk or a crash keeps the last good settings. Throws IoError.
void WriteSettingsFile(const std::wstring& path, const TSettingsRecord& record);

} // namespace settings
