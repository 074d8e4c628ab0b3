#pragma once
// ScreenSampler: the Alt-key colour sampling loop the main colour window runs on
// its worker thread.
//
// While either Alt key is down, the pixel under the pointer is read every
// 100 ms and, unless the read failed, handed to the window as the user event PROCESS_NEW_COLOR, whose
// data points to the sampled colour on this thread's stack. The event is sent,
// not posted: it returns after the window applied the colour, so the pointer
// stays valid and the window's thread needs no lock. The window's thread must
// therefore never wait for the sampler while it handles an event.
//
// The pause between samples is a wait on an event that a stop request sets, so
// the loop ends at once instead of at the end of the period: closing the
// program never waits out a sampling period. The two flags are shared between
// the sampler thread and the window's thread, hence atomic.
#include <windows.h>

#include <atomic>
#include <cstdint>

namespace s::gui {
class IWindow;
}

namespace s::image::gui::dialogs::huesnap {

class ScreenSampler {
public:
    // The event's name: receivers recognise it by this pointer, not by its text.
    static constexpr wchar_t PROCESS_NEW_COLOR[] = L"ProcessNewColor";
    static constexpr DWORD PERIOD_MS = 100;
    static constexpr DWORD MIN_PAUSE_MS = 10;

    // Where samples come from: the system's keyboard and screen, or a test's.
    struct Probe {
        bool (*altDown)();               // either Alt key down at this moment
        COLORREF (*pixelUnderPointer)();  // the screen pixel under the pointer; CLR_INVALID when unreadable
    };
    static Probe systemProbe();
    // True for a colour a read can give: bits 24-31 clear (CLR_INVALID has them set).
    static bool isReadColour(COLORREF colour);

    explicit ScreenSampler(Probe probe = systemProbe());
    ~ScreenSampler();
    ScreenSampler(const ScreenSampler&) = delete;
    ScreenSampler& operator=(const ScreenSampler&) = delete;

    // The loop: samples into `window` (not owned) until a stop is requested.
    void run(s::gui::IWindow* window);
    void requestStop();
    // After the loop ended, so the sampler can run again for a reused window.
    void clearStop();
    bool isStopRequested() const { return stop_.load() != 0; }
    bool isRunning() const { return running_.load() != 0; }

private:
    void sampleOnce(s::gui::IWindow* window);
    // Waits `ms` or until a stop is requested.
    void pause(DWORD ms);

    Probe probe_;
    HANDLE stopEvent_;  // owned: manual-reset, set while a stop is requested
    std::atomic<uint8_t> running_{0};
    std::atomic<uint8_t> stop_{0};
};

}  // namespace s::image::gui::dialogs::huesnap
