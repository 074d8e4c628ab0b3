#pragma once
// The raw bytes of a module's resource, found by type name and numeric id.
#include <windows.h>

#include <cstddef>
#include <cstdint>

namespace s::image::win {

struct ResourceBytes {
    // Not owned: resource memory lives as long as the module stays loaded.
    const uint8_t* data = nullptr;
    size_t size = 0;

    // `module` null means the program's own executable. Empty when not found.
    static ResourceBytes find(const wchar_t* type, int id, HMODULE module = nullptr);
    bool empty() const { return !data || size == 0; }
};

}  // namespace s::image::win
