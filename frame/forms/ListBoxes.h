// List, combo, drive, directory and file list boxes: the item messages of each family,
// and what the drive, directory and file boxes read from the file system. The file
// system is reached through the platform binding service (kernel32's wide file entries),
// so tests can fake it.
#pragma once

#include "frame/forms/ControlKinds.h"

#include <string>
#include <vector>

namespace orvane::forms {

// The messages one family of list windows answers.
struct ListMessages {
    UINT add, insert, remove, reset, count, textLength, text, selection, select;
};
// nullptr for kinds without items.
const ListMessages* listMessages(Items items) noexcept;

// The drives as a drive list shows them ("c: [label]"), and which is the current one (-1: none).
struct DriveEntries {
    std::vector<std::wstring> entries;
    int current = -1;
};
DriveEntries driveEntries();

// The current folder, without a trailing separator unless it is a root.
std::wstring currentFolder();
// The full path of an existing folder; raises "Device unavailable" (68) for a drive that
// is not there or not ready, "Path not found" (76) for anything else.
std::wstring existingFolder(const std::wstring& path);
// The folders in `folder`, by name without case; ".." first unless `folder` is a root.
std::vector<std::wstring> folderEntries(const std::wstring& folder);
// The plain files in `folder` whose names match one of the `;`-separated patterns.
std::vector<std::wstring> fileEntries(const std::wstring& folder, const std::wstring& patterns);
// Wildcards as the file dialogs read them: * any run, ? one character, without case;
// "*.*" also matches names without an extension.
bool matchesPattern(const std::wstring& name, const std::wstring& patterns);
std::wstring joinPath(const std::wstring& folder, const std::wstring& name);

}  // namespace orvane::forms
