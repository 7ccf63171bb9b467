#pragma once

#include "ui/ListBox.h"
#include "view/FolderListing.h"

#include <functional>
#include <string>
#include <vector>

namespace view {

// The names of the files of one folder that match a mask. It follows paths
// given to GoToPath (changing the process's current folder) and tells
// which file is selected.
class TFileListBox : public ui::ListBox {
public:
    // Starts in the process's current folder with the mask "*.*".
    TFileListBox();

    // Shows the folder of path and selects its file. A pattern as the file
    // part becomes the mask; a file the mask hides becomes the mask itself.
    // Throws when a folder cannot be entered or the file does not exist.
    void GoToPath(const std::wstring& path);

    // The folder shown, without a closing "\" except at a drive's root.
    const std::wstring& CurrentFolder() const { return currentFolder_; }
    // The selected file with its folder; empty when none is selected.
    std::wstring SelectedFilePath() const;

    const std::wstring& Mask() const { return mask_; }
    void SetMask(const std::wstring& mask);
    TFileType FileType() const { return fileType_; }
    void SetFileType(TFileType type);

    // Every listed entry, in list order, with its attributes, time and size.
    const std::vector<FileEntry>& Entries() const { return entries_; }
    // Empties the list; CurrentFolder stays.
    void Clear();

    // The list was filled again or its selection was set by code.
    std::function<void()> OnChange;

protected:
    void HandleCreated() override;

private:
    void ReadFolder();
    void EnterNewFolder(const std::wstring& folder);
    void SelectName(const std::wstring& name);
    void Changed();

    std::wstring currentFolder_;
    std::wstring mask_ = L"*.*";
    TFileType fileType_ = ftNormal;
    std::vector<FileEntry> entries_;
};

} // namespace view
