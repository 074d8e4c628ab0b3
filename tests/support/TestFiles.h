#pragma once
// Files for tests: a temporary folder that removes itself with everything in
// it, and whole-file reads and writes, through Win32 only.
#include <windows.h>

#include <cwchar>
#include <string>

namespace testing_files {

class TemporaryFolder {
public:
    // Creates <temp>\<tag>-<process>-<ticks>-<n>, unique within and across runs.
    explicit TemporaryFolder(const wchar_t* tag) {
        wchar_t base[MAX_PATH + 1];
        GetTempPathW(MAX_PATH, base);
        static LONG counter = 0;
        wchar_t unique[64];
        wsprintfW(unique, L"%ls-%lu-%lu-%ld", tag, GetCurrentProcessId(), GetTickCount(),
                  InterlockedIncrement(&counter));
        path_ = std::wstring(base) + unique;
        CreateDirectoryW(path_.c_str(), nullptr);
    }
    ~TemporaryFolder() { removeTree(path_); }
    TemporaryFolder(const TemporaryFolder&) = delete;
    TemporaryFolder& operator=(const TemporaryFolder&) = delete;

    const std::wstring& path() const { return path_; }
    std::wstring file(const wchar_t* relative) const { return path_ + L"\\" + relative; }

    // The names of the entries directly in the folder, each followed by ";".
    std::wstring listing() const {
        std::wstring names;
        WIN32_FIND_DATAW data;
        HANDLE find = FindFirstFileW((path_ + L"\\*").c_str(), &data);
        if (find == INVALID_HANDLE_VALUE) return names;
        do {
            if (wcscmp(data.cFileName, L".") == 0 || wcscmp(data.cFileName, L"..") == 0) continue;
            names += data.cFileName;
            names += L";";
        } while (FindNextFileW(find, &data));
        FindClose(find);
        return names;
    }

    static void removeTree(const std::wstring& folder) {
        WIN32_FIND_DATAW data;
        HANDLE find = FindFirstFileW((folder + L"\\*").c_str(), &data);
        if (find != INVALID_HANDLE_VALUE) {
            do {
                if (wcscmp(data.cFileName, L".") == 0 || wcscmp(data.cFileName, L"..") == 0) continue;
                const std::wstring child = folder + L"\\" + data.cFileName;
                if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
                    removeTree(child);
                } else {
                    SetFileAttributesW(child.c_str(), FILE_ATTRIBUTE_NORMAL);
                    DeleteFileW(child.c_str());
                }
            } while (FindNextFileW(find, &data));
            FindClose(find);
        }
        RemoveDirectoryW(folder.c_str());
    }

private:
    std::wstring path_;
};

// The bytes of a file ("" when it cannot be read).
inline std::string readBytes(const std::wstring& path) {
    std::string bytes;
    HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) return bytes;
    char buffer[4096];
    DWORD got = 0;
    while (ReadFile(file, buffer, sizeof buffer, &got, nullptr) && got != 0) bytes.append(buffer, got);
    CloseHandle(file);
    return bytes;
}

inline bool writeBytes(const std::wstring& path, const std::string& bytes) {
    HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    DWORD written = 0;
    const bool ok = WriteFile(file, bytes.data(), DWORD(bytes.size()), &written, nullptr) && written == bytes.size();
    CloseHandle(file);
    return ok;
}

inline bool fileExists(const std::wstring& path) {
    return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

}  // namespace testing_files
