#pragma once
// JumpToClick: where a slider in jump-to-click mode moves for a click. The point
// is mapped over the trackbar's channel onto the range, rounded to the nearest
// position (halves away from zero) and kept inside the range.
namespace s::gui::control {

class JumpToClick {
public:
    // `point` and the channel's ends along the slider's axis (x, or y for a
    // vertical slider). An empty channel or range gives the minimum. `minimum`
    // must not be above `maximum`.
    static int position(int point, int channelStart, int channelEnd, int minimum, int maximum);
};

}  // namespace s::gui::control
