#pragma once
// MemDC: a pooled memory device context with an image's bitmap selected into it,
// for painting into a back buffer. Releasing it selects the DC's own bitmap back,
// deletes the DC and releases the image when it owns it, so a paint leaves no
// GDI object behind.
#include <windows.h>

#include "foundation/base/IObject.h"
#include "foundation/thread/IPoolable.h"
#include "foundation/thread/Pooled.h"

namespace s::image::win {
class BufferedImage;
}

namespace s::gui::win {

class MemDC : public base::IObject, public thread::IPoolable {
    S_POOLED_CLASS(MemDC, L"s_gui_win_MemDC")

public:
    // A DC compatible with `window`'s DC with `image`'s bitmap selected; null when the
    // image has no bitmap or no DC could be made (an owned image is released then too).
    static MemDC* acquireFor(HWND window, image::win::BufferedImage* image, bool ownsImage);

    MemDC() = default;
    ~MemDC() override { clear(); }
    MemDC(const MemDC&) = delete;
    MemDC& operator=(const MemDC&) = delete;

    HDC handle() const { return dc_; }
    image::win::BufferedImage* image() const { return image_; }
    void reset() override { clear(); }

private:
    bool bind(HWND window, image::win::BufferedImage* image, bool ownsImage);
    void clear();

    HDC dc_ = nullptr;                         // owned: DeleteDC
    image::win::BufferedImage* image_ = nullptr;   // owned when ownsImage_
    HGDIOBJ previousBitmap_ = nullptr;         // the DC's own bitmap, selected back before deletion
    bool ownsImage_ = false;
};

}  // namespace s::gui::win
