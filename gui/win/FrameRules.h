#pragma once
// Rules of the toolkit's top-level windows that are plain arithmetic: where the
// skinned frame's sizing borders are, and when the back buffer is remade.
#include <windows.h>

#include "gui/win/Dpi.h"

namespace s {
namespace gui {
namespace win {

// Hit test of a skinned window for a point (x, y) relative to the window's
// top-left and the window size width x height: 5-pixel border bands with
// 30-pixel corner zones; elsewhere `defaultResult`. With drag-by-body on, a
// client hit becomes a caption hit (the window moves when dragged by its body)
// unless the right button is down (so a right click still reaches the body).
// Bands and zones are design units, in pixels at `dpi`.
LRESULT skinnedHitTest(int x, int y, int width, int height, LRESULT defaultResult, bool dragByBody,
                       bool rightButtonDown, int dpi = Dpi::DESIGN);

// Without a skin only the drag-by-body rule applies.
LRESULT plainHitTest(LRESULT defaultResult, bool dragByBody, bool rightButtonDown);

// The cursor a sizing border shows (IDC_SIZEWE ...), or null off the borders.
LPCWSTR sizingCursorFor(LRESULT hit);

// What to do with the back buffer for a needed size.
enum class BufferAction { Create, Keep, Recreate, Resize };
// No buffer: create. A buffer much larger than needed (0.7 of its area is still
// more than the need) is dropped for an exact one; otherwise kept when big
// enough both ways, else resized.
BufferAction backBufferAction(bool haveBuffer, int bufferWidth, int bufferHeight, int neededWidth, int neededHeight);

}  // namespace win
}  // namespace gui
}  // namespace s
