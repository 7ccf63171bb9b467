#pragma once

#include <string>
#include <string_view>

// The process's current folder and the few questions the file list asks
// the file system.
namespace view {

// The process's current folder as the platform reports it.
std::wstring CurrentFolder();

// Makes folder the process's current folder; throws with the text for the
// platform's error code when that fails.
void EnterFolder(const std::wstring& folder);

// A plain file (not a folder) of that name exists.
bool FileExists(const std::wstring& path);
bool FolderExists(const std::wstring& path);

// File names compare without regard to case.
bool SameFileName(std::wstring_view a, std::wstring_view b);

// Goes back to the current folder it found when it leaves scope, if that
// folder still exists.
class CurrentFolderKeeper {
public:
    CurrentFolderKeeper() : saved_(CurrentFolder()) {}
    ~CurrentFolderKeeper();
    CurrentFolderKeeper(const CurrentFolderKeeper&) = delete;
    CurrentFolderKeeper& operator=(const CurrentFolderKeeper&) = delete;

    const std::wstring& Saved() const { return saved_; }

private:
    std::wstring saved_;
};

} // namespace view
