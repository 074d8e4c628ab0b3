#include "gui/drawer/skin/SkinBody.h"

namespace s::gui::drawer::skin {

SkinBody::SkinBody() {
    for (IDrawer*& drawer : drawers_) drawer = nullptr;
}

SkinBody::~SkinBody() {
    for (int32_t kind = 0; kind < kKindCount; ++kind) replace(kind, nullptr);
}

const wchar_t* SkinBody::getName() const {
    const wchar_t* name = name_.c_str();
    return name ? name : L"";
}

bool SkinBody::setName(const wchar_t* name) {
    return name_.set(name ? name : L"");
}

IDrawer* SkinBody::drawerAt(int32_t kind) const {
    return kind >= 0 && kind < kKindCount ? drawers_[kind] : nullptr;
}

void SkinBody::replace(int32_t kind, IDrawer* drawer) {
    if (drawers_[kind] == drawer) return;
    if (drawers_[kind]) drawers_[kind]->release();
    drawers_[kind] = drawer;
}

void SkinBody::reset() {
    name_.reset();
    for (int32_t kind = 0; kind < kKindCount; ++kind) replace(kind, nullptr);
}

}  // namespace s::gui::drawer::skin
