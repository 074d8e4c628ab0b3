#pragma once
// ISampleWatcher: what the sampler tells about its reads, for whatever must
// happen around them (the magnifier keeps itself out of the read and shows what
// was read). Every call comes on the sampler's thread.
#include <windows.h>

namespace s::image::gui::dialogs::huesnap {

class ISampleWatcher {
public:
    virtual ~ISampleWatcher() = default;
    // The screen at `at` is about to be read.
    virtual void beforeRead(POINT at) = 0;
    // `colour` was read at `at` and the window has applied it.
    virtual void afterRead(POINT at, COLORREF colour) = 0;
    // Alt is up, or the sampler is ending: nothing is read until the next beforeRead.
    virtual void readingPaused() = 0;
};

}  // namespace s::image::gui::dialogs::huesnap
