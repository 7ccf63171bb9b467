#include "view/ShellTree.h"

#include "ui/Application.h"
#include "view/ShellItemObjects.h"

namespace view {
namespace {

// Fills the tree once the window's creation is over, from the message loop.
constexpr UINT FillMessage = WM_APP + 40;
// The shell's news of a changed folder.
constexpr UINT ChangeMessage = WM_APP + 41;
constexpr LONG FolderEvents = SHCNE_MKDIR | SHCNE_RMDIR | SHCNE_RENAMEFOLDER | SHCNE_UPDATEDIR |
                              SHCNE_DRIVEADD | SHCNE_DRIVEREMOVED | SHCNE_MEDIAINSERTED | SHCNE_MEDIAREMOVED;

} // namespace

TShellTree::TShellTree() = default;
TShellTree::~TShellTree() = default;

void TShellTree::HandleCreated() {
    TreeView::HandleCreated();
    HWND window = HandleIfCreated();
    TreeView_SetImageList(window, SmallSystemIcons(), TVSIL_NORMAL);
    if (Options & stoDynamicRefresh)
        changes_ = std::make_unique<ChangeRegistration>(window, FolderEvents, ChangeMessage);
    if (Options & stoOleDrop)
        SetUpDropTarget();
    if (Options & stoAutoFill)
        PostMessageW(window, FillMessage, 0, 0);
}

LRESULT TShellTree::HandleMessage(UINT msg, WPARAM wp, LPARAM lp) {
    switch (msg) {
    case FillMessage:
        Fill();
        return 0;
    case ChangeMessage:
        ShellChanged(wp, lp);
        return 0;
    case WM_KEYDOWN:
        if ((Options & stoDefaultKeyHandling) && HandleKey(wp))
            return 0;
        break;
    case WM_DESTROY:
        drops_.reset();
        changes_.reset();
        break;
    }
    return TreeView::HandleMessage(msg, wp, lp);
}

ChildFilter TShellTree::Filter() const {
    return {(Options & stoIncludeNonFolders) != 0, (Options & stoShowHidden) != 0,
            (Options & stoVirtualFolders) != 0};
}

TShellTree::Node* TShellTree::NodeOf(HTREEITEM item) {
    auto found = item ? nodes_.find(ItemData(item)) : nodes_.end();
    return found == nodes_.end() ? nullptr : &found->second;
}

const TShellTree::Node* TShellTree::NodeOf(HTREEITEM item) const {
    auto found = item ? nodes_.find(ItemData(item)) : nodes_.end();
    return found == nodes_.end() ? nullptr : &found->second;
}

HTREEITEM TShellTree::AddNode(HTREEITEM parent, HTREEITEM after, ShellChild child) {
    LPARAM key = nextKey_++;
    nodes_[key] = Node{std::move(child.Id)};
    HTREEITEM item =
        Insert(parent, after, {child.Name, child.Icon, child.OpenIcon, child.HasSubfolders, key});
    if (!item)
        nodes_.erase(key);
    return item;
}

void TShellTree::Fill() {
    if (filled_ || !HandleAllocated())
        return;
    filled_ = true;
    HTREEITEM root = AddNode(nullptr, TVI_LAST, DesktopItem());
    FillChildren(root);
    Expand(root);
    if (hasPendingPath_) {
        hasPendingPath_ = false;
        SetSelectedPath(pendingPath_);
    } else {
        Select(root);
    }
}

void TShellTree::FillChildren(HTREEITEM item) {
    Node* node = NodeOf(item);
    if (!node || node->Filled)
        return;
    node->Filled = true;
    std::vector<ShellChild> children = FolderChildren(node->Id.get(), Filter(), HandleIfCreated());
    for (ShellChild& child : children)
        AddNode(item, TVI_LAST, std::move(child));
    if (children.empty())
        SetHasChildren(item, false);
}

void TShellTree::Expanding(HTREEITEM item) { FillChildren(item); }

void TShellTree::Deleted(LPARAM data) { nodes_.erase(data); }

void TShellTree::SelectionChanged() {
    if (OnChange)
        OnChange();
}

std::wstring TShellTree::SelectedPath() const {
    const Node* node = NodeOf(Selected());
    return node ? PathOf(node->Id.get()) : std::wstring();
}

void TShellTree::SetSelectedPath(const std::wstring& path) {
    if (!filled_) {
        pendingPath_ = path;
        hasPendingPath_ = true;
        Fill();
        return;
    }
    Pidl target = ParsePath(path);
    if (!target) {
        Select(Root());
        return;
    }
    Found found = FindNode(target.get(), true);
    if (!found.Complete)
        MessageBeep(0);
    Select(found.Item);
}

HTREEITEM TShellTree::FindChild(HTREEITEM parent, const ITEMIDLIST* id) {
    for (HTREEITEM child = FirstChild(parent); child; child = NextSibling(child)) {
        const Node* node = NodeOf(child);
        if (node && SamePidl(node->Id.get(), id))
            return child;
    }
    return nullptr;
}

// Walks from the desktop along the target's ids. With expand, folders on
// the way are read (again, when the next step is missing) and opened;
// without, only folders already read count.
TShellTree::Found TShellTree::FindNode(const ITEMIDLIST* target, bool expand) {
    HTREEITEM item = Root();
    if (!item)
        return {};
    size_t count = IdCount(target);
    for (size_t step = 1; step <= count; ++step) {
        if (expand) {
            FillChildren(item);
            Expand(item);
        } else if (!NodeOf(item)->Filled) {
            return {item, false};
        }
        Pidl prefix = PidlPrefix(target, step);
        HTREEITEM child = FindChild(item, prefix.get());
        if (!child && expand) {
            // Made since the folder was read: read it again.
            RefreshChildren(item);
            child = FindChild(item, prefix.get());
        }
        if (!child)
            return {item, false};
        item = child;
    }
    return {item, true};
}

// Brings a folder's children up to date without touching the ones still
// there, so their own children, expansion and selection stay.
void TShellTree::RefreshChildren(HTREEITEM item) {
    Node* node = NodeOf(item);
    if (!node || !node->Filled)
        return;
    std::vector<ShellChild> fresh = FolderChildren(node->Id.get(), Filter(), HandleIfCreated());
    for (HTREEITEM child = FirstChild(item); child;) {
        HTREEITEM next = NextSibling(child);
        const Node* existing = NodeOf(child);
        bool kept = existing && std::any_of(fresh.begin(), fresh.end(), [&](const ShellChild& f) {
                        return SamePidl(f.Id.get(), existing->Id.get());
                    });
        if (!kept)
            Delete(child);
        child = next;
    }
    HTREEITEM after = TVI_FIRST;
    for (ShellChild& child : fresh) {
        HTREEITEM existing = FindChild(item, child.Id.get());
        after = existing ? existing : AddNode(item, after, std::move(child));
    }
    SetHasChildren(item, !fresh.empty());
}

void TShellTree::RefreshBranch(HTREEITEM item) {
    RefreshChildren(item);
    for (HTREEITEM child = FirstChild(item); child; child = NextSibling(child)) {
        const Node* node = NodeOf(child);
        if (node && node->Filled)
            RefreshBranch(child);
    }
}

void TShellTree::Refresh() {
    if (HTREEITEM root = Root())
        RefreshBranch(root);
}

void TShellTree::ShellChanged(WPARAM lock, LPARAM process) {
    PIDLIST_ABSOLUTE* lists = nullptr;
    LONG event = 0;
    HANDLE locked = SHChangeNotification_Lock(reinterpret_cast<HANDLE>(lock), static_cast<DWORD>(process),
                                              &lists, &event);
    if (!locked)
        return;
    std::vector<Pidl> changed;
    for (int i = 0; i < 2; ++i) {
        if (lists && lists[i])
            changed.push_back(ClonePidl(lists[i]));
    }
    SHChangeNotification_Unlock(locked);
    // The changed folder and its parent: a new or vanished folder shows in
    // the parent, an updated one in itself.
    for (const Pidl& id : changed) {
        size_t count = IdCount(id.get());
        Pidl parent = PidlPrefix(id.get(), count > 0 ? count - 1 : 0);
        for (const ITEMIDLIST* folder :
             {static_cast<const ITEMIDLIST*>(id.get()), static_cast<const ITEMIDLIST*>(parent.get())}) {
            Found found = FindNode(folder, false);
            if (found.Complete)
                RefreshChildren(found.Item);
        }
    }
}

bool TShellTree::HandleKey(WPARAM key) {
    bool control = GetKeyState(VK_CONTROL) < 0;
    switch (key) {
    case VK_DELETE:
        RunVerb("delete");
        Refresh();
        return true;
    case VK_F5:
        Refresh();
        return true;
    case 'C':
    case 'X':
    case 'V':
        if (!control)
            return false;
        if (key == 'V')
            Paste();
        else
            RunVerb(key == 'C' ? "copy" : "cut");
        return true;
    }
    return false;
}

void TShellTree::RunVerb(const char* verb) {
    if (const Node* node = NodeOf(Selected()))
        InvokeVerb(node->Id.get(), verb, HandleIfCreated());
}

void TShellTree::Paste() {
    if (const Node* node = NodeOf(Selected()))
        PasteInto(node->Id.get(), HandleIfCreated());
    Refresh();
}

void TShellTree::DragBegun(HTREEITEM item) {
    const Node* node = NodeOf(item);
    if (!(Options & stoOleDrag) || !ole_.Ready() || !node)
        return;
    ComPtr<IDataObject> data = DataObjectOf(node->Id.get(), HandleIfCreated());
    if (!data)
        return;
    DWORD effect = DROPEFFECT_NONE;
    DoDragDrop(data.Get(), &dropSource_, DROPEFFECT_COPY | DROPEFFECT_MOVE | DROPEFFECT_LINK, &effect);
    if (effect & DROPEFFECT_MOVE)
        Refresh();
}

void TShellTree::SetUpDropTarget() {
    if (!ole_.Ready())
        return;
    HWND window = HandleIfCreated();
    dropTarget_.Owner = window;
    dropTarget_.HitTest = [this, window](POINT at) {
        ScreenToClient(window, &at);
        HTREEITEM item = ItemAt(at);
        const Node* node = NodeOf(item);
        return ShellDropTarget::Hit{item, node ? node->Id.get() : nullptr};
    };
    dropTarget_.Highlight = [this](HTREEITEM item) { SetDropHighlight(item); };
    dropTarget_.Dropped = [this](HTREEITEM item) { ui::App().Guard([&] { RefreshChildren(item); }); };
    drops_ = std::make_unique<DropRegistration>(window, &dropTarget_);
}

} // namespace view
