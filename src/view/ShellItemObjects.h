#pragma once

#include "view/ShellNamespace.h"

#include <oleidl.h>

namespace view {

// Runs one of the shell's own commands ("delete", "copy", "cut", "paste")
// on an item, as its context menu would. Throws when the shell refuses.
void InvokeVerb(const ITEMIDLIST* item, const char* verb, HWND owner);

// Pastes the files the clipboard holds (copied or cut in the shell) into a
// folder item: copies them, or moves them after a cut, renaming on a clash
// as the shell's paste does. Throws when that fails.
void PasteInto(const ITEMIDLIST* folder, HWND owner);

// The item as the shell hands it to a drag (null when it cannot).
ComPtr<IDataObject> DataObjectOf(const ITEMIDLIST* item, HWND owner);

// The shell's drop handler of a folder item (null when it has none).
ComPtr<IDropTarget> DropTargetOf(const ITEMIDLIST* item, HWND owner);

} // namespace view
