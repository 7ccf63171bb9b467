#pragma once

#include <windows.h>

#include <memory>
#include <string>

namespace settings {

// Where the file association is written: keys below one root, each given
// a default (unnamed) string value. Tests hand in a writer of their own.
class TRegistryWriter {
public:
    virtual ~TRegistryWriter() = default;
    // Creates or opens the key and sets its default value; false when the
    // value could not be set.
    virtual bool SetDefaultValue(const std::wstring& key, const std::wstring& value) = 0;
};

// Writes below a real registry key: HKEY_CLASSES_ROOT in the program, a
// private hive in the tests.
class TSystemRegistryWriter : public TRegistryWriter {
public:
    explicit TSystemRegistryWriter(HKEY root = HKEY_CLASSES_ROOT) : root_(root) {}
    bool SetDefaultValue(const std::wstring& key, const std::wstring& value) override;

private:
    HKEY root_;
};

inline std::unique_ptr<TRegistryWriter> SystemRegistry() { return std::make_unique<TSystemRegistryWriter>(); }

} // namespace settings
