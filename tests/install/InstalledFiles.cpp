#include "InstalledFiles.h"

#include <shlobj.h>

#include <algorithm>

namespace testing_install {

namespace installed_files {

namespace {

std::wstring shellFolder(int csidl) {
    wchar_t path[MAX_PATH] = L"";
    return SUCCEEDED(SHGetFolderPathW(nullptr, csidl, nullptr, SHGFP_TYPE_CURRENT, path)) ? path : L"";
}

std::string readAll(const std::wstring& path, bool* ok) {
    std::string bytes;
    *ok = false;
    HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                              nullptr, OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) return bytes;
    char buffer[65536];
    DWORD got = 0;
    BOOL read = FALSE;
    while ((read = ReadFile(file, buffer, sizeof(buffer), &got, nullptr)) && got > 0) bytes.append(buffer, got);
    *ok = read != FALSE;
    CloseHandle(file);
    return bytes;
}

}  // namespace

std::wstring defaultFolder() {
    return shellFolder(CSIDL_LOCAL_APPDATA) + L"\\Programs\\Tuvo HueSnap";
}

std::wstring shortcutPath() {
    return shellFolder(CSIDL_PROGRAMS) + L"\\Tuvo HueSnap.lnk";
}

std::wstring scratchFolder(const wchar_t* name) {
    wchar_t temp[MAX_PATH] = L"";
    GetTempPathW(MAX_PATH, temp);
    // A space in the path, as in the default folder: /D= takes it unquoted.
    return longPath(temp) + L"HueSnap install test\\" + name;
}

bool exists(const std::wstring& path) {
    return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

bool isFolder(const std::wstring& path) {
    const DWORD attributes = GetFileAttributesW(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

std::vector<std::wstring> namesIn(const std::wstring& folder) {
    std::vector<std::wstring> names;
    WIN32_FIND_DATAW found = {};
    HANDLE search = FindFirstFileW((folder + L"\\*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) return names;
    do {
        const std::wstring name = found.cFileName;
        if (name != L"." && name != L"..") names.push_back(name);
    } while (FindNextFileW(search, &found));
    FindClose(search);
    std::sort(names.begin(), names.end());
    return names;
}

FileIdentity identityOf(const std::wstring& path) {
    FileIdentity identity;
    HANDLE file = CreateFileW(path.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                              OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) return identity;
    BY_HANDLE_FILE_INFORMATION info = {};
    if (GetFileInformationByHandle(file, &info)) {
        identity.volume = info.dwVolumeSerialNumber;
        identity.indexHigh = info.nFileIndexHigh;
        identity.indexLow = info.nFileIndexLow;
        identity.known = true;
    }
    CloseHandle(file);
    return identity;
}

bool sameBytes(const std::wstring& first, const std::wstring& second) {
    bool firstRead = false, secondRead = false;
    const std::string a = readAll(first, &firstRead);
    const std::string b = readAll(second, &secondRead);
    return firstRead && secondRead && !a.empty() && a == b;
}

std::wstring shortcutTarget(const std::wstring& shortcut) {
    std::wstring target;
    IShellLinkW* link = nullptr;
    if (FAILED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkW,
                                reinterpret_cast<void**>(&link))))
        return target;
    IPersistFile* file = nullptr;
    if (SUCCEEDED(link->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&file)))) {
        wchar_t path[MAX_PATH] = L"";
        if (SUCCEEDED(file->Load(shortcut.c_str(), STGM_READ)) &&
            SUCCEEDED(link->GetPath(path, MAX_PATH, nullptr, SLGP_RAWPATH)))
            target = path;
        file->Release();
    }
    link->Release();
    return target;
}

bool removeFolder(const std::wstring& folder) {
    for (const std::wstring& name : namesIn(folder)) {
        const std::wstring path = folder + L"\\" + name;
        if (isFolder(path)) {
            removeFolder(path);
        } else {
            SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_NORMAL);
            DeleteFileW(path.c_str());
        }
    }
    RemoveDirectoryW(folder.c_str());
    return !exists(folder);
}

std::wstring longPath(const std::wstring& path) {
    wchar_t full[MAX_PATH] = L"";
    const DWORD length = GetLongPathNameW(path.c_str(), full, MAX_PATH);
    return length > 0 && length < MAX_PATH ? std::wstring(full) : path;
}

}  // namespace installed_files

}  // namespace testing_install
