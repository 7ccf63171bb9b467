#pragma once

#include "app/Form1.h"
#include "settings/RegistryWriter.h"

#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace testing_support {

// A folder of the test's own for the settings file, empty at the start and
// removed with everything in it at the end: no test sees another's options.
class SettingsFolder {
public:
    SettingsFolder();
    ~SettingsFolder();
    SettingsFolder(const SettingsFolder&) = delete;
    SettingsFolder& operator=(const SettingsFolder&) = delete;

    // With its trailing backslash, as the program's folder is given.
    const std::wstring& Path() const { return path_; }
    std::wstring File() const { return path_ + L"tls.dat"; }
    void Write(const std::string& bytes) const;
    std::string Read() const;
    // Line n (1 to 12) of the file.
    std::string Line(int n) const;

private:
    std::wstring path_;
};

// A registry in memory: the values set, in order. FailFrom makes that
// value and all after it fail (-1: none fails).
struct RegistryState {
    std::vector<std::pair<std::wstring, std::wstring>> Values;
    int FailFrom = -1;
};

class FakeRegistry final : public settings::TRegistryWriter {
public:
    explicit FakeRegistry(std::shared_ptr<RegistryState> state) : state_(std::move(state)) {}
    bool SetDefaultValue(const std::wstring& key, const std::wstring& value) override;

private:
    std::shared_ptr<RegistryState> state_;
};

// The main window's services with the settings file in `folder` and the
// registry in memory; sound card and notification area as given.
app::TForm1Services
IsolatedServices(const SettingsFolder& folder,
                 std::shared_ptr<RegistryState> registry = std::make_shared<RegistryState>(),
                 app::TForm1Services services = {});

} // namespace testing_support
