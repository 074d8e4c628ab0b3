#pragma once
// Image: shows one frame of a BufferedImageSet in a child window of the toolkit
// class ("NivoWindowClass", WS_CHILD, id 0), and animates sets of more frames.
//
// The frame state (the set, the current frame, the animation clock) is guarded
// by the image's own lock, since other threads may set the picture or start and
// stop the animation while the window's thread paints. Timers belong to the
// window's thread, so starting and stopping are messages to it.
//
// Animation: starting goes to the first frame, records the time and starts
// timer 1 at 25 ms; on each tick the next frame is shown once the current one's
// delay has passed. Stopping
// kills the timer and, when asked, goes back to the first frame; a stop from
// another thread first waits (10 ms polling) for a paint under way.
#include <windows.h>

#include <atomic>

#include "foundation/thread/Pooled.h"
#include "gui/IImage.h"
#include "gui/win/Control.h"

namespace s::gui::win {

class Image : public Control<IImage> {
    S_POOLED_CLASS(Image, L"s_gui_win_Image")

public:
    static constexpr DWORD STYLE = WS_CHILD;
    static constexpr UINT_PTR ANIMATION_TIMER = 1;
    static constexpr UINT TICK_MS = 25;
    // Requests to the window's thread.
    enum : UINT {
        WM_APP_IMAGE_START = 0x8031,  // returns 1 when the animation runs
        WM_APP_IMAGE_STOP = 0x8032,   // wParam: 1 to go back to the first frame
    };

    Image();
    ~Image() override;
    // No picture (the set is released), top-left, not scaled, not animating.
    void reset() override;
    bool create(HWND parent) override;

    // ---- IImage
    void setPicture(image::win::BufferedImageSet* frames) override;
    image::win::BufferedImageSet* getPicture() const override { return frames_; }
    void setScaled(bool scaled) override;
    void setPlacement(int placement) override;
    void fitToPicture() override;
    bool startAnimation() override;
    void stopAnimation(bool rewind) override;
    bool isAnimating() const override { return animating_.load(); }
    int getCurrentFrame() const override;

protected:
    bool handleFirst(UINT msg, WPARAM wp, LPARAM lp, LRESULT* result) override;
    void paintClient(HDC dc, int width, int height) override;

private:
    class Guard {
    public:
        explicit Guard(CRITICAL_SECTION& lock) : lock_(lock) { EnterCriticalSection(&lock_); }
        ~Guard() { LeaveCriticalSection(&lock_); }
        Guard(const Guard&) = delete;
        Guard& operator=(const Guard&) = delete;

    private:
        CRITICAL_SECTION& lock_;
    };

    bool onStart();
    void onStop(bool rewind);
    void onTick();
    bool onOwnThread() const;
    void releasePicture();

    mutable CRITICAL_SECTION lock_;         // guards the fields below it
    image::win::BufferedImageSet* frames_;  // owned (pooled); may be null
    int current_;
    DWORD frameShownAt_;  // GetTickCount when the current frame came up
    bool scaled_;
    int placement_;
    std::atomic<bool> animating_;
    std::atomic<bool> startWhenCreated_;
    std::atomic<bool> painting_;
};

}  // namespace s::gui::win
