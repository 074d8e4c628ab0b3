#include "app/system/icon/win/IconSet.h"

#include "foundation/thread/EasyPooler.h"

namespace s::system::icon::win {

S_POOLED_CLASS_IMPL(IconSet, thread::EasyPooler::DEFAULT_CAPACITY)

namespace {

// Not shared (no LR_SHARED): each icon is a copy of our own that we must destroy.
HICON loadIcon(HMODULE module, int groupId, int size) {
    return static_cast<HICON>(LoadImageW(module, MAKEINTRESOURCEW(groupId), IMAGE_ICON, size, size, 0));
}

void destroyIcon(HICON& icon) {
    if (icon) DestroyIcon(icon);
    icon = nullptr;
}

}  // namespace

IconSet::~IconSet() {
    reset();
}

void IconSet::reset() {
    destroyIcon(small_);
    destroyIcon(large_);
    destroyIcon(huge_);
}

bool IconSet::load(HMODULE module, int groupId) {
    reset();
    if (!module) module = GetModuleHandleW(nullptr);
    small_ = loadIcon(module, groupId, 16);
    large_ = loadIcon(module, groupId, 32);
    huge_ = loadIcon(module, groupId, 64);
    return small_ && large_ && huge_;
}

HICON IconSet::iconOfSize(int size) const {
    if (size <= 16) return small_;
    if (size <= 32) return large_;
    return huge_;
}

}  // namespace s::system::icon::win
