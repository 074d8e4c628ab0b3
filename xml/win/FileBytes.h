#pragma once
// Whole-file reading and writing for the document model.
//
// replaceFile is how a document reaches the disk: the bytes go to a new file in
// the same folder, are flushed, and only then does that file take the target's
// name (one rename that replaces the old file). A crash, power loss or full disk
// while writing leaves the previous file as it was; a failed attempt removes its
// temporary file.
//
// Tests can put a write function of their own in the way (setWriteFunction) to
// make writes fail part-way, the way a full disk does.
#include <windows.h>

#include <cstdint>

namespace s::col::_array {
class ArrayU08;
}

namespace s::xml::win {

// Writes `size` bytes to an open file; false when not all of them were written.
using WriteFunction = bool (*)(HANDLE file, const void* data, uint32_t size);

// Replaces the content of `bytes` with the file's; false (bytes empty) when the file
// does not exist or cannot be read.
bool readFile(const wchar_t* path, col::_array::ArrayU08* bytes);
// Appends what is left of an open file, from its position to its end.
bool readRest(HANDLE file, col::_array::ArrayU08* bytes);
// Writes through the current write function.
bool writeAll(HANDLE file, const void* data, uint32_t size);
// Creates the folders above the file `path` that do not exist yet.
bool createFolders(const wchar_t* path);
// Creates missing folders and replaces `path` with a file holding exactly `size`
// bytes of `data`, through a temporary file in the same folder.
bool replaceFile(const wchar_t* path, const void* data, uint32_t size);

// The write function in use; null restores the plain WriteFile loop. Answers the
// previous one.
WriteFunction setWriteFunction(WriteFunction function);

}  // namespace s::xml::win
