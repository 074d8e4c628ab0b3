#include "image/win/BufferedImageSet.h"

#include "foundation/thread/EasyPooler.h"
#include "image/win/BufferedImage.h"

namespace s::image::win {

S_POOLED_CLASS_IMPL(BufferedImageSet, thread::EasyPooler::DEFAULT_CAPACITY)

bool BufferedImageSet::addFrame(BufferedImage* frame, int32_t delayMs) {
    if (!frame) return false;
    if (!frames_.addObject(frame)) {
        frame->release();
        return false;
    }
    if (!delays_.add(delayMs < 0 ? 0 : delayMs)) {
        frames_.removeLast();
        frame->release();
        return false;
    }
    return true;
}

BufferedImage* BufferedImageSet::frameAt(int32_t index) const {
    if (index < 0 || index >= frameCount()) return nullptr;
    return static_cast<BufferedImage*>(frames_.objectAt(uint32_t(index)));
}

int32_t BufferedImageSet::delayAt(int32_t index) const {
    if (index < 0 || index >= frameCount()) return 0;
    return delays_.get(uint32_t(index));
}

int32_t BufferedImageSet::width() const {
    const BufferedImage* first = frameAt(0);
    return first ? first->width() : 0;
}

int32_t BufferedImageSet::height() const {
    const BufferedImage* first = frameAt(0);
    return first ? first->height() : 0;
}

void BufferedImageSet::clear() {
    for (uint32_t i = 0; i < frames_.length(); ++i) static_cast<BufferedImage*>(frames_.objectAt(i))->release();
    frames_.clear();
    delays_.clear();
}

}  // namespace s::image::win
