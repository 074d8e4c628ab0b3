#include "picker/ScreenSampler.h"

#include "gui/IWindow.h"
#include "gui/win/Dpi.h"

namespace s::image::gui::dialogs::huesnap {

namespace {

// The top bit tells the key is down now; the low bit (pressed since the last
// query) is ignored so a released key samples nothing.
bool systemAltDown() {
    return (GetAsyncKeyState(VK_LMENU) & 0x8000) != 0 || (GetAsyncKeyState(VK_RMENU) & 0x8000) != 0;
}

// A screen DC made for each sample and released at once: nothing is held while
// Alt is up. The pointer and the read are both physical pixels (the sampling
// thread is per-monitor aware where the system allows), so nothing scales or
// blends between them. Without a DC or the pointer's place there is nothing to
// read, and GetPixel with a null DC would not say so reliably: CLR_INVALID,
// which the loop drops.
COLORREF systemPixelUnderPointer() {
    POINT at = {0, 0};
    if (!s::gui::win::Dpi::physicalPointer(&at)) return CLR_INVALID;
    HDC screen = CreateDCW(L"DISPLAY", nullptr, nullptr, nullptr);
    if (!screen) return CLR_INVALID;
    const COLORREF colour = GetPixel(screen, at.x, at.y);
    DeleteDC(screen);
    return colour;
}

}  // namespace

ScreenSampler::Probe ScreenSampler::systemProbe() { return Probe{systemAltDown, systemPixelUnderPointer}; }

ScreenSampler::ScreenSampler(Probe probe) : probe_(probe), stopEvent_(CreateEventW(nullptr, TRUE, FALSE, nullptr)) {}

ScreenSampler::~ScreenSampler() {
    if (stopEvent_) CloseHandle(stopEvent_);
}

void ScreenSampler::requestStop() {
    stop_.store(1);
    if (stopEvent_) SetEvent(stopEvent_);
}

void ScreenSampler::clearStop() {
    stop_.store(0);
    if (stopEvent_) ResetEvent(stopEvent_);
}

void ScreenSampler::pause(DWORD ms) {
    // Without the event (no kernel objects left) the plain sleep still paces the loop.
    if (!stopEvent_ || WaitForSingleObject(stopEvent_, ms) == WAIT_FAILED) Sleep(ms);
}

bool ScreenSampler::isReadColour(COLORREF colour) {
    return (colour & 0xFF000000) == 0;
}

void ScreenSampler::sampleOnce(s::gui::IWindow* window) {
    COLORREF colour = probe_.pixelUnderPointer();
    // A failed read (CLR_INVALID, or anything with the top byte set) is no
    // colour: the window keeps the one it has and stores nothing.
    if (!isReadColour(colour)) return;
    // Returns after the window applied it: `colour` may live on this stack.
    window->sendUserEvent(PROCESS_NEW_COLOR, &colour, 0, 0);
}

void ScreenSampler::run(s::gui::IWindow* window) {
    const bool stopAtOnce = isStopRequested();
    running_.store(1);
    // Even where the process could not be made per-monitor aware, this thread is.
    HANDLE awareness = s::gui::win::Dpi::makeThreadPerMonitorAware();
    if (!stopAtOnce && window) {
        do {
            // The period runs from one look at the keys to the next, so the time a
            // sample takes does not stretch the wait for the next Alt press.
            const DWORD lookedAt = GetTickCount();
            if (probe_.altDown()) sampleOnce(window);
            // A slow window still gets a breath between samples.
            const DWORD spent = GetTickCount() - lookedAt;
            pause(spent + MIN_PAUSE_MS < PERIOD_MS ? PERIOD_MS - spent : MIN_PAUSE_MS);
        } while (!isStopRequested());
    }
    s::gui::win::Dpi::restoreThread(awareness);
    running_.store(0);
}

}  // namespace s::image::gui::dialogs::huesnap
