#include "IsolatedSettings.h"

#include <windows.h>

#include <atomic>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>

namespace testing_support {

SettingsFolder::SettingsFolder() {
    static std::atomic<int> count{0};
    std::wostringstream name;
    name << L"kfp-settings-" << GetCurrentProcessId() << L'-' << count++;
    auto folder = std::filesystem::temp_directory_path() / name.str();
    std::filesystem::remove_all(folder);
    std::filesystem::create_directories(folder);
    path_ = folder.wstring() + L"\\";
}

SettingsFolder::~SettingsFolder() {
    std::error_code ignored;
    // A test may leave the file read-only.
    SetFileAttributesW(File().c_str(), FILE_ATTRIBUTE_NORMAL);
    std::filesystem::remove_all(path_, ignored);
}

void SettingsFolder::Write(const std::string& bytes) const {
    std::ofstream out(std::filesystem::path(File()), std::ios::binary | std::ios::trunc);
    out << bytes;
}

std::string SettingsFolder::Read() const {
    std::ifstream in(std::filesystem::path(File()), std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::string SettingsFolder::Line(int n) const {
    std::istringstream text(Read());
    std::string line;
    for (int i = 0; i < n; ++i)
        std::getline(text, line);
    if (!line.empty() && line.back() == '\r')
        line.pop_back();
    return line;
}

bool FakeRegistry::SetDefaultValue(const std::wstring& key, const std::wstring& value) {
    if (state_->FailFrom >= 0 && static_cast<int>(state_->Values.size()) >= state_->FailFrom)
        return false;
    state_->Values.emplace_back(key, value);
    return true;
}

app::TForm1Services IsolatedServices(const SettingsFolder& folder, std::shared_ptr<RegistryState> registry,
                                     app::TForm1Services services) {
    services.SettingsFolder = folder.Path();
    services.Registry = std::make_unique<FakeRegistry>(std::move(registry));
    services.ProgramFile = L"C:\\Program Files\\Korvalen Player\\KorvalenFlashPlayer.exe";
    return services;
}

} // namespace testing_support
