#include "framework/DeviceContext.h"

namespace framework {

MemoryDC::~MemoryDC() {
    if (!dc_) return;
    if (originalBitmap_) SelectObject(dc_, originalBitmap_);
    DeleteDC(dc_);
}

bool MemoryDC::selectBitmap(HBITMAP bitmap) {
    if (!dc_ || !bitmap) return false;
    HGDIOBJ previous = SelectObject(dc_, bitmap);
    if (!previous || previous == HGDI_ERROR) return false;
    if (!originalBitmap_) originalBitmap_ = previous;
    return true;
}

}  // namespace framework
