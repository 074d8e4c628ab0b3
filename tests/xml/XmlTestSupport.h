#pragma once
// Helpers of the XML tests: nodes that go back to their pool at the end of a test,
// texts of a node as std::wstring, and a temporary folder removed afterwards.
#include <windows.h>

#include <string>

#include "foundation/col/_array/ArrayU08.h"
#include "foundation/str/strbuffer/StrBuffer.h"
#include "xml/Node.h"

namespace xmltest {

// A node from the pool, released when the test ends.
class PooledNode {
public:
    PooledNode() : node_(s::xml::Node::acquire()) {}
    ~PooledNode() {
        if (node_) node_->release();
    }
    PooledNode(const PooledNode&) = delete;
    PooledNode& operator=(const PooledNode&) = delete;
    s::xml::Node* operator->() const { return node_; }
    s::xml::Node* get() const { return node_; }

private:
    s::xml::Node* node_;  // owned
};

inline std::wstring text(const s::str::strbuffer::StrBuffer* string) {
    return std::wstring(string->c_str(), string->length());
}

inline std::wstring toXml(const s::xml::Node* node) {
    s::str::strbuffer::StrBuffer* out = node->toXml();
    std::wstring result = text(out);
    out->release();
    return result;
}

// getText with the given default, as a std::wstring.
inline std::wstring getText(const s::xml::Node* node, const wchar_t* name, const wchar_t* defaultValue = L"") {
    s::str::strbuffer::StrBuffer* out = node->getText(name, nullptr, defaultValue, false);
    std::wstring result = text(out);
    out->release();
    return result;
}

inline std::wstring name(const s::xml::Node* node) {
    return node->getName() ? node->getName() : L"(null)";
}

// A new folder below the temporary folder, removed with everything in it at the end.
class TemporaryFolder {
public:
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
    // The names of the entries directly in the folder (files and folders).
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

}  // namespace xmltest
