#pragma once
// ResourceArchive: the embedded resources of one module, found by type name and
// numeric id. The bytes stay valid while the module is loaded; nothing is copied.
#include <windows.h>

#include <cstdint>

#include "foundation/base/IObject.h"
#include "foundation/thread/IPoolable.h"
#include "foundation/thread/Pooled.h"

namespace s::system::resource::win {

class ResourceArchive : public base::IObject, public thread::IPoolable {
    S_POOLED_CLASS(ResourceArchive, L"s_system_resource_win_ResourceArchive")

public:
    ResourceArchive() = default;

    // Forgets the module.
    void reset() override { module_ = nullptr; }

    // The resources of `module` (null: the running executable).
    void open(HMODULE module) { module_ = module ? module : GetModuleHandleW(nullptr); }
    HMODULE module() const { return module_; }

    // The bytes of resource (type, id); false, with null and 0, when it is missing or empty.
    bool find(const wchar_t* type, int id, const uint8_t*& data, uint32_t& size) const;

private:
    HMODULE module_ = nullptr;  // not owned: loaded for as long as the process uses it
};

}  // namespace s::system::resource::win
