#include "app/system/resource/win/ResourceArchive.h"

#include "foundation/thread/EasyPooler.h"
#include "image/win/ResourceBytes.h"

namespace s::system::resource::win {

S_POOLED_CLASS_IMPL(ResourceArchive, thread::EasyPooler::DEFAULT_CAPACITY)

bool ResourceArchive::find(const wchar_t* type, int id, const uint8_t*& data, uint32_t& size) const {
    const image::win::ResourceBytes found = image::win::ResourceBytes::find(type, id, module_);
    data = found.empty() ? nullptr : found.data;
    size = found.empty() ? 0 : uint32_t(found.size);
    return data != nullptr;
}

}  // namespace s::system::resource::win
