#pragma once
// BufferedImageSet: a picture of one or more frames (BufferedImages), each with
// the time it shows in an animation. The set owns its frames.
//
// One thread uses a set at a time; the image control that shows one guards it
// with its own lock.
#include <cstdint>

#include "foundation/base/IObject.h"
#include "foundation/col/_array/ArrayP.h"
#include "foundation/col/_array/ArrayS32.h"
#include "foundation/thread/IPoolable.h"
#include "foundation/thread/Pooled.h"

namespace s::image::win {

class BufferedImage;

class BufferedImageSet : public base::IObject, public thread::IPoolable {
    S_POOLED_CLASS(BufferedImageSet, L"s_image_win_BufferedImageSet")

public:
    BufferedImageSet() = default;
    ~BufferedImageSet() override { clear(); }
    BufferedImageSet(const BufferedImageSet&) = delete;
    BufferedImageSet& operator=(const BufferedImageSet&) = delete;

    // Takes `frame` over as the last frame, shown for delayMs (negative counts as
    // 0). False for null; when the frame cannot be kept it is released and false
    // is returned.
    bool addFrame(BufferedImage* frame, int32_t delayMs);
    int32_t frameCount() const { return int32_t(frames_.length()); }
    // Null outside 0 .. frameCount() - 1.
    BufferedImage* frameAt(int32_t index) const;
    // 0 outside the frames.
    int32_t delayAt(int32_t index) const;
    // The first frame's size; 0 without frames.
    int32_t width() const;
    int32_t height() const;

    // Releases every frame.
    void reset() override { clear(); }

private:
    void clear();

    col::_array::ArrayP frames_;    // owned BufferedImage objects (released in clear)
    col::_array::ArrayS32 delays_;  // parallel to frames_, in ms
};

}  // namespace s::image::win
