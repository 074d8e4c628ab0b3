#include "gui/win/Image.h"

#include "foundation/thread/EasyPooler.h"
#include "image/win/BufferedImage.h"
#include "image/win/BufferedImageSet.h"

namespace s::gui::win {

// Images hold a native window: a released one is always deleted.
S_POOLED_CLASS_IMPL(Image, thread::EasyPooler::NO_CAPACITY)

namespace {
constexpr DWORD STOP_POLL_MS = 10;
}  // namespace

Image::Image() : Control<IImage>(0), frames_(nullptr) {
    InitializeCriticalSection(&lock_);
    reset();
}

Image::~Image() {
    destroyNative();
    releasePicture();
    DeleteCriticalSection(&lock_);
}

void Image::reset() {
    resetControl();  // the window goes, and its timer with it
    releasePicture();
    Guard guard(lock_);
    current_ = 0;
    frameShownAt_ = 0;
    scaled_ = false;
    placement_ = TOP_LEFT;
    animating_ = false;
    startWhenCreated_ = false;
    painting_ = false;
}

void Image::releasePicture() {
    image::win::BufferedImageSet* old = nullptr;
    {
        Guard guard(lock_);
        old = frames_;
        frames_ = nullptr;
        current_ = 0;
    }
    if (old) old->release();
}

bool Image::create(HWND parent) {
    if (isBound()) return true;
    if (!NativeChild::ensureClass()) return false;  // the registration reported it
    if (!createNative(0, NativeChild::CLASS_NAME, L"", STYLE, 0, parent)) return false;
    placeCreated();
    if (startWhenCreated_.exchange(false)) onStart();
    return true;
}

bool Image::onOwnThread() const {
    return GetWindowThreadProcessId(handle(), nullptr) == GetCurrentThreadId();
}

// ---- Picture

void Image::setPicture(image::win::BufferedImageSet* frames) {
    stopAnimation(true);
    image::win::BufferedImageSet* old = nullptr;
    {
        Guard guard(lock_);
        old = frames_ != frames ? frames_ : nullptr;
        frames_ = frames;
        current_ = 0;
    }
    if (old) old->release();
    repaint();
}

void Image::setScaled(bool scaled) {
    {
        Guard guard(lock_);
        scaled_ = scaled;
    }
    repaint();
}

void Image::setPlacement(int placement) {
    {
        Guard guard(lock_);
        placement_ = placement;
    }
    repaint();
}

void Image::fitToPicture() {
    Guard guard(lock_);
    const int width = frames_ ? frames_->width() : 0;
    const int height = frames_ ? frames_->height() : 0;
    setMinimumSize(width, height);
    setPreferredSize(width, height);
}

int Image::getCurrentFrame() const {
    Guard guard(lock_);
    return current_;
}

// ---- Animation

bool Image::startAnimation() {
    if (isBound()) return send(WM_APP_IMAGE_START) != 0;
    Guard guard(lock_);
    const bool possible = frames_ && frames_->frameCount() > 1;
    startWhenCreated_ = possible;
    return possible;
}

void Image::stopAnimation(bool rewind) {
    startWhenCreated_ = false;
    if (!isBound()) {
        Guard guard(lock_);
        animating_ = false;
        if (rewind) current_ = 0;
        return;
    }
    // A paint under way on the window's thread finishes with the frame it took.
    if (!onOwnThread())
        while (painting_.load()) Sleep(STOP_POLL_MS);
    send(WM_APP_IMAGE_STOP, rewind ? 1 : 0);
}

// Every start plays from the first frame for its full delay, also after a stop
// that stayed on a later frame.
bool Image::onStart() {
    bool rewound = false;
    {
        Guard guard(lock_);
        if (!frames_ || frames_->frameCount() <= 1) return false;
        rewound = current_ != 0;
        current_ = 0;
        frameShownAt_ = GetTickCount();
    }
    if (rewound) repaint();
    animating_ = SetTimer(handle(), ANIMATION_TIMER, TICK_MS, nullptr) != 0;
    return animating_.load();
}

void Image::onStop(bool rewind) {
    KillTimer(handle(), ANIMATION_TIMER);
    animating_ = false;
    if (!rewind) return;
    {
        Guard guard(lock_);
        current_ = 0;
    }
    repaint();
}

void Image::onTick() {
    bool advanced = false;
    {
        Guard guard(lock_);
        const DWORD now = GetTickCount();
        if (frames_ && frames_->frameCount() > 1 && now - frameShownAt_ >= DWORD(frames_->delayAt(current_))) {
            current_ = (current_ + 1) % frames_->frameCount();
            frameShownAt_ = now;
            advanced = true;
        }
    }
    if (advanced) repaint();
}

bool Image::handleFirst(UINT msg, WPARAM wp, LPARAM lp, LRESULT* result) {
    switch (msg) {
        case WM_APP_IMAGE_START:
            *result = onStart() ? 1 : 0;
            return true;
        case WM_APP_IMAGE_STOP:
            onStop(wp != 0);
            *result = 0;
            return true;
        case WM_TIMER:
            if (wp != ANIMATION_TIMER) return false;
            onTick();
            *result = 0;
            return true;
        case WM_ERASEBKGND:
            *result = 1;
            return true;
        case WM_PAINT:
            *result = paintWindow();
            return true;
        case WM_PRINTCLIENT:
            paintBufferedTo(reinterpret_cast<HDC>(wp));
            *result = 0;
            return true;
        case WM_DESTROY:
            KillTimer(handle(), ANIMATION_TIMER);
            animating_ = false;
            return false;
        default:
            return false;
    }
}

// ---- Painting

void Image::paintClient(HDC dc, int width, int height) {
    painting_ = true;
    ControlPaint::fill(dc, 0, 0, width, height, ControlCore::parentBackground(*this));
    if (!core_.isTransparent()) ControlPaint::fill(dc, 0, 0, width, height, getBackground());
    {
        Guard guard(lock_);
        image::win::BufferedImage* frame = frames_ ? frames_->frameAt(current_) : nullptr;
        if (frame && scaled_) {
            frame->drawTo(dc, 0, 0, width, height, true);
        } else if (frame) {
            const int x = placement_ == CENTRE ? (width - frame->width()) / 2 : 0;
            const int y = placement_ == CENTRE ? (height - frame->height()) / 2 : 0;
            frame->drawTo(dc, x, y, frame->width(), frame->height(), false);
        }
    }
    painting_ = false;
}

}  // namespace s::gui::win
