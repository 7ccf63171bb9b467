#pragma once

#include "ui/TreeView.h"
#include "view/DropSource.h"
#include "view/ShellDropTarget.h"
#include "view/ShellHandles.h"
#include "view/ShellNamespace.h"

#include <functional>
#include <memory>
#include <string>
#include <unordered_map>

namespace view {

// Flags of TShellTree::Options.
enum TShellTreeOption : unsigned {
    stoAutoFill = 0x01,           // fills itself once its window exists
    stoVirtualFolders = 0x02,     // also folders outside the file system
    stoIncludeNonFolders = 0x04,  // also files
    stoShowHidden = 0x08,         // also hidden items
    stoDefaultKeyHandling = 0x10, // Del, Ctrl+C, Ctrl+X, Ctrl+V, F5
    stoDynamicRefresh = 0x20,     // follows the shell's news of changed folders
    stoOleDrag = 0x40,            // folders can be dragged out
    stoOleDrop = 0x80,            // shell items can be dropped on folders
};

// The shell's folder namespace from the desktop down, filled as folders are
// expanded.
class TShellTree : public ui::TreeView {
public:
    TShellTree();
    ~TShellTree() override;

    // Set before the window is created.
    unsigned Options = stoAutoFill | stoDefaultKeyHandling | stoDynamicRefresh | stoOleDrag | stoOleDrop;

    // The file-system path of the selected folder; empty when it has none or
    // nothing is selected.
    std::wstring SelectedPath() const;
    // Selects the folder, expanding the tree down to it; a path the shell
    // does not know selects the desktop. A step that cannot be found beeps
    // and selects the deepest folder reached.
    void SetSelectedPath(const std::wstring& path);

    // Reads every expanded folder again, keeping what is still there.
    void Refresh();

    // The selection moved, by the user or by code.
    std::function<void()> OnChange;

protected:
    void HandleCreated() override;
    LRESULT HandleMessage(UINT msg, WPARAM wp, LPARAM lp) override;
    void SelectionChanged() override;
    void Expanding(HTREEITEM item) override;
    void Deleted(LPARAM data) override;
    void DragBegun(HTREEITEM item) override;

private:
    struct Node {
        Pidl Id;
        bool Filled = false;
    };
    struct Found {
        HTREEITEM Item = nullptr;
        bool Complete = false;
    };

    void Fill();
    HTREEITEM AddNode(HTREEITEM parent, HTREEITEM after, ShellChild child);
    Node* NodeOf(HTREEITEM item);
    const Node* NodeOf(HTREEITEM item) const;
    void FillChildren(HTREEITEM item);
    void RefreshChildren(HTREEITEM item);
    void RefreshBranch(HTREEITEM item);
    Found FindNode(const ITEMIDLIST* target, bool expand);
    HTREEITEM FindChild(HTREEITEM parent, const ITEMIDLIST* id);
    ChildFilter Filter() const;
    bool HandleKey(WPARAM key);
    void RunVerb(const char* verb);
    void Paste();
    void ShellChanged(WPARAM lock, LPARAM process);
    void SetUpDropTarget();

    std::unordered_map<LPARAM, Node> nodes_;
    LPARAM nextKey_ = 1;
    bool filled_ = false;
    std::wstring pendingPath_;
    bool hasPendingPath_ = false;
    OleSession ole_;
    DropSource dropSource_;
    ShellDropTarget dropTarget_;
    // Both live while the window does.
    std::unique_ptr<ChangeRegistration> changes_;
    std::unique_ptr<DropRegistration> drops_;
};

} // namespace view
