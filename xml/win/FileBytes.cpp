#include "xml/win/FileBytes.h"

#include <cwchar>

#include "foundation/col/_array/ArrayU08.h"
#include "foundation/str/strbuffer/StrBuffer.h"

namespace s::xml::win {

using col::_array::ArrayU08;
using str::strbuffer::StrBuffer;

namespace {

// The largest document handled: the byte arrays count in 32 bits and the text
// decoded from it must fit a string as well.
constexpr uint64_t MAX_FILE_BYTES = 0x3FFFFFFF;

bool writeWithWriteFile(HANDLE file, const void* data, uint32_t size) {
    const uint8_t* bytes = static_cast<const uint8_t*>(data);
    while (size != 0) {
        const DWORD chunk = size > (1u << 24) ? (1u << 24) : size;
        DWORD written = 0;
        if (!WriteFile(file, bytes, chunk, &written, nullptr) || written == 0) return false;
        bytes += written;
        size -= written;
    }
    return true;
}

WriteFunction currentWriteFunction = writeWithWriteFile;

bool isSeparator(wchar_t c) {
    return c == L'\\' || c == L'/';
}

// A temporary name beside `path`, unique in this process and, through the process
// id, among processes: path + ".~PPPPPPPP-NNNNNNNN.tmp".
bool makeTemporaryName(StrBuffer* name, const wchar_t* path) {
    static volatile LONG counter = 0;
    wchar_t suffix[40];
    _snwprintf(suffix, 40, L".~%08lx-%08lx.tmp", GetCurrentProcessId(),
               static_cast<unsigned long>(InterlockedIncrement(&counter)));
    suffix[39] = 0;
    return name->set(path) && name->append(suffix);
}

// A new temporary file beside `path`, open for writing; INVALID_HANDLE_VALUE when
// none could be made. The name is left in `name`.
HANDLE createTemporaryFile(StrBuffer* name, const wchar_t* path) {
    for (int attempt = 0; attempt < 16; ++attempt) {
        if (!makeTemporaryName(name, path)) return INVALID_HANDLE_VALUE;
        HANDLE file = CreateFileW(name->c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
        if (file != INVALID_HANDLE_VALUE) return file;
        if (GetLastError() != ERROR_FILE_EXISTS && GetLastError() != ERROR_ALREADY_EXISTS) break;
    }
    return INVALID_HANDLE_VALUE;
}

bool writeTemporaryThenReplace(const wchar_t* path, const void* data, uint32_t size, StrBuffer* temporaryName) {
    HANDLE file = createTemporaryFile(temporaryName, path);
    if (file == INVALID_HANDLE_VALUE) return false;
    // Flushed before the rename, so the new name never points at bytes still in the cache.
    bool written = writeAll(file, data, size) && FlushFileBuffers(file);
    CloseHandle(file);
    if (written) {
        written = MoveFileExW(temporaryName->c_str(), path, MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH);
    }
    if (!written) DeleteFileW(temporaryName->c_str());
    return written;
}

}  // namespace

WriteFunction setWriteFunction(WriteFunction function) {
    WriteFunction previous = currentWriteFunction;
    currentWriteFunction = function ? function : writeWithWriteFile;
    return previous;
}

bool writeAll(HANDLE file, const void* data, uint32_t size) {
    return currentWriteFunction(file, data, size);
}

bool readRest(HANDLE file, ArrayU08* bytes) {
    LARGE_INTEGER size;
    LARGE_INTEGER position;
    LARGE_INTEGER zero;
    zero.QuadPart = 0;
    if (!GetFileSizeEx(file, &size) || !SetFilePointerEx(file, zero, &position, FILE_CURRENT)) return false;
    if (size.QuadPart < position.QuadPart) return true;
    const uint64_t left = uint64_t(size.QuadPart - position.QuadPart);
    if (left + bytes->length() > MAX_FILE_BYTES) return false;
    const uint32_t start = bytes->length();
    if (!bytes->setLength(start + uint32_t(left))) return false;
    uint32_t done = 0;
    while (done < left) {
        DWORD got = 0;
        if (!ReadFile(file, bytes->data() + start + done, DWORD(left - done), &got, nullptr)) break;
        if (got == 0) break;  // the file shrank under us: keep what was read
        done += got;
    }
    bytes->setLength(start + done);
    return done == left;
}

bool readFile(const wchar_t* path, ArrayU08* bytes) {
    bytes->clear();
    if (!path) return false;
    HANDLE file = CreateFileW(path, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                              OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    const bool read = readRest(file, bytes);
    CloseHandle(file);
    if (!read) bytes->clear();
    return read;
}

bool createFolders(const wchar_t* path) {
    if (!path) return false;
    StrBuffer* folder = StrBuffer::acquire();
    if (!folder || !folder->set(path)) {
        if (folder) folder->release();
        return false;
    }
    // Each prefix that ends before a separator is a folder to make. Prefixes that
    // are no folders ("C:", "\\server") fail harmlessly; so do existing ones.
    const uint32_t length = folder->length();
    for (uint32_t i = 1; i < length; ++i) {
        if (!isSeparator(folder->charAt(i)) || isSeparator(folder->charAt(i - 1))) continue;
        const wchar_t saved = folder->charAt(i);
        folder->data()[i] = 0;
        CreateDirectoryW(folder->data(), nullptr);
        folder->data()[i] = saved;
    }
    folder->release();
    return true;
}

bool replaceFile(const wchar_t* path, const void* data, uint32_t size) {
    if (!path || !*path) return false;
    createFolders(path);
    StrBuffer* temporaryName = StrBuffer::acquire();
    if (!temporaryName) return false;
    const bool replaced = writeTemporaryThenReplace(path, data, size, temporaryName);
    temporaryName->release();
    return replaced;
}

}  // namespace s::xml::win
