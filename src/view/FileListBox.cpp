#include "view/FileListBox.h"

#include "ui/Text.h"
#include "view/FileSystem.h"
#include "view/PathResolver.h"
#include "view/PathText.h"

#include <stdexcept>

namespace view {

TFileListBox::TFileListBox() : currentFolder_(view::CurrentFolder()) {}

void TFileListBox::HandleCreated() {
    ListBox::HandleCreated();
    ReadFolder();
}

std::wstring TFileListBox::SelectedFilePath() const {
    int index = ItemIndex();
    if (index < 0)
        return {};
    return JoinPath(currentFolder_, Items()[static_cast<size_t>(index)]);
}

void TFileListBox::Clear() {
    entries_.clear();
    ListBox::Clear();
}

void TFileListBox::SetMask(const std::wstring& mask) {
    mask_ = mask;
    ReadFolder();
}

void TFileListBox::SetFileType(TFileType type) {
    fileType_ = type;
    ReadFolder();
}

void TFileListBox::Changed() {
    if (OnChange)
        OnChange();
}

// Lists the process's current folder; a list without a window waits until
// it has one.
void TFileListBox::ReadFolder() {
    if (!HandleAllocated())
        return;
    currentFolder_ = view::CurrentFolder();
    entries_ = ListFolder(currentFolder_, mask_, fileType_);
    std::vector<std::wstring> names;
    names.reserve(entries_.size());
    for (const FileEntry& entry : entries_)
        names.push_back(entry.Name);
    SetItems(std::move(names));
    Changed();
}

void TFileListBox::EnterNewFolder(const std::wstring& folder) {
    if (SameFileName(folder, currentFolder_))
        return; // the folder shown is not read again
    EnterFolder(folder);
    currentFolder_ = view::CurrentFolder();
    ReadFolder();
}

void TFileListBox::SelectName(const std::wstring& name) {
    int index = ItemIndex();
    if (index >= 0 && SameFileName(Items()[static_cast<size_t>(index)], name))
        return;
    int match = -1;
    for (int i = 0; i < Count() && match < 0; ++i) {
        if (SameFileName(Items()[static_cast<size_t>(i)], name))
            match = i;
    }
    SetItemIndex(match);
    Changed();
}

void TFileListBox::GoToPath(const std::wstring& path) {
    if (path.empty() || SameFileName(path, SelectedFilePath()))
        return;
    ResolvedPath target = ResolvePath(path);
    EnterNewFolder(target.FullFolder());
    if (HasWildcard(target.File)) {
        SetMask(target.File);
        return;
    }
    if (target.File.empty())
        return;
    SelectName(target.File);
    if (!FileExists(JoinPath(currentFolder_, target.File)))
        throw std::runtime_error("The " + ui::Narrow(path) + " file does not exist");
    if (ItemIndex() < 0) {
        SetMask(target.File);
        SelectName(target.File);
    }
}

} // namespace view
