#include "app/system/icon/win/IconSet.h"

#include "foundation/thread/EasyPooler.h"
#include "gui/win/Dpi.h"

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

bool IconSet::load(HMODULE module, int groupId, int dpi) {
    using s::gui::win::Dpi;
    reset();
    if (!module) module = GetModuleHandleW(nullptr);
    if (dpi <= 0) dpi = Dpi::forSystem();
    smallSize_ = Dpi::scale(16, dpi);
    largeSize_ = Dpi::scale(32, dpi);
    small_ = loadIcon(module, groupId, smallSize_);
    large_ = loadIcon(module, groupId, largeSize_);
    huge_ = loadIcon(module, groupId, Dpi::scale(64, dpi));
    return small_ && large_ && huge_;
}

HICON IconSet::iconOfSize(int size) const {
    if (size <= smallSize_) return small_;
    if (size <= largeSize_) return large_;
    return huge_;
}

}  // namespace s::system::icon::win
