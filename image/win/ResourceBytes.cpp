#include "image/win/ResourceBytes.h"

namespace s::image::win {

ResourceBytes ResourceBytes::find(const wchar_t* type, int id, HMODULE module) {
    ResourceBytes found;
    if (!type) return found;
    HRSRC info = FindResourceW(module, MAKEINTRESOURCEW(id), type);
    if (!info) return found;
    HGLOBAL block = LoadResource(module, info);
    if (!block) return found;
    const void* data = LockResource(block);
    const DWORD size = SizeofResource(module, info);
    if (!data || size == 0) return found;
    found.data = static_cast<const uint8_t*>(data);
    found.size = size;
    return found;
}

}  // namespace s::image::win
