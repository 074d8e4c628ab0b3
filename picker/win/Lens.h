#pragma once
// Lens: the magnifier shown beside the pointer while Alt is held. It shows the
// screen pixels around the pointer enlarged (LensPicture), the centre one being
// exactly the pixel the sample read, with its hex under the grid, and goes when
// Alt comes up.
//
// Threads: the window is made, refreshed and destroyed on the sampler's thread,
// through the ISampleWatcher calls; it exists only while Alt is held, so the
// thread, which does not run a message loop, never holds a window while it
// waits for Alt, and nothing is left behind when the sampler ends. Messages sent
// to the window meanwhile are handled at each refresh. Only `setEnabled` may be
// called from another thread.
//
// Never sampled: it is a layered, click-through, never-activated tool window on
// top, and before a read that could see it, it must be out of the way. Where the
// system has SetWindowDisplayAffinity with WDA_EXCLUDEFROMCAPTURE (Windows 10
// 2004 and later), the system keeps it out of every screen read. Elsewhere
// (older systems, Wine) it moves to its next place before a read whose area it
// covers, and the read waits until the windows below have painted over what it
// left there.
#include <windows.h>

#include <atomic>
#include <cstdint>

#include "picker/ISampleWatcher.h"
#include "picker/LensPicture.h"

namespace s::image::gui::dialogs::huesnap::win {

class Lens : public ISampleWatcher {
public:
    static constexpr wchar_t CLASS_NAME[] = L"HueSnapLens";
    static constexpr int GAP_UNITS = 20;  // from the magnified area, so the pointer's arrow stays clear
    static constexpr DWORD UNCOVER_WAIT_MS = 100;

    Lens() = default;
    ~Lens() override;  // the window is normally gone already (readingPaused)
    Lens(const Lens&) = delete;
    Lens& operator=(const Lens&) = delete;

    // Any thread: whether the lens shows while Alt is held (from the next refresh).
    void setEnabled(bool on) { enabled_.store(on); }
    bool isEnabled() const { return enabled_.load(); }

    void beforeRead(POINT at) override;
    void afterRead(POINT at, COLORREF colour) override;
    void readingPaused() override;

private:
    bool open(int dpi);
    void close();
    bool makePicture();
    RECT placeFor(POINT at) const;
    // Reads the block around `at` into block_ (false when the screen could not be read).
    bool captureBlock(POINT at);
    // True when a pixel of the captured block that lay under the lens still shows the lens's own pixel.
    bool blockShowsLens(POINT at) const;
    bool stepAside(POINT at);
    void refresh(POINT at, COLORREF colour);
    void handleMessages();

    std::atomic<bool> enabled_{true};
    HWND window_ = nullptr;  // owned, on the sampler's thread
    bool excluded_ = false;  // the system keeps the window out of screen reads
    bool shown_ = false;
    bool captured_ = false;        // block_ holds the block around the point being read
    RECT shownAt_ = {0, 0, 0, 0};  // on the screen, while shown
    int dpi_ = 0;
    LensPicture::Geometry geometry_ = {};
    HDC pictureDC_ = nullptr;    // owned, with picture_ and font_ selected
    HBITMAP picture_ = nullptr;  // owned: the lens's pixels
    HGDIOBJ oldPicture_ = nullptr;
    uint32_t* pixels_ = nullptr;  // picture_'s bits
    HFONT font_ = nullptr;        // owned
    HGDIOBJ oldFont_ = nullptr;
    HDC blockDC_ = nullptr;          // owned, with blockBitmap_ selected
    HBITMAP blockBitmap_ = nullptr;  // owned: the screen block around the pointer
    HGDIOBJ oldBlock_ = nullptr;
    uint32_t* blockPixels_ = nullptr;
    COLORREF block_[LensPicture::CELLS * LensPicture::CELLS] = {};
};

}  // namespace s::image::gui::dialogs::huesnap::win
