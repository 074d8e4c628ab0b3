#pragma once
// What an install puts on the disk, read through Win32: the program folder's
// files, the Start-menu shortcut and where it leads, and whether a file was
// replaced or is the very one that was there before.
#include <windows.h>

#include <string>
#include <vector>

namespace testing_install {

// Which file a path names: a replaced file is another file, even with the same bytes.
struct FileIdentity {
    DWORD volume = 0;
    DWORD indexHigh = 0;
    DWORD indexLow = 0;
    bool known = false;
    bool operator==(const FileIdentity& other) const {
        return known && other.known && volume == other.volume && indexHigh == other.indexHigh &&
               indexLow == other.indexLow;
    }
};

namespace installed_files {

// %LOCALAPPDATA%\Programs\Tuvo HueSnap: where setup installs by default.
std::wstring defaultFolder();
// <the user's Start menu>\Programs\Tuvo HueSnap.lnk
std::wstring shortcutPath();
// A folder below the user's temporary folder, for an install at a chosen place.
std::wstring scratchFolder(const wchar_t* name);

bool exists(const std::wstring& path);
bool isFolder(const std::wstring& path);
// The names of the files and folders directly in `folder`, sorted.
std::vector<std::wstring> namesIn(const std::wstring& folder);
FileIdentity identityOf(const std::wstring& path);
bool sameBytes(const std::wstring& first, const std::wstring& second);
// The program a shortcut starts, or "" when it cannot be read.
std::wstring shortcutTarget(const std::wstring& shortcut);
// Deletes the folder with everything in it (files and folders); true when it is gone.
bool removeFolder(const std::wstring& folder);
// The long form of a path, so paths from different sources compare equal.
std::wstring longPath(const std::wstring& path);

}  // namespace installed_files

}  // namespace testing_install
