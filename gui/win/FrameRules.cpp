#include "gui/win/FrameRules.h"

namespace s {
namespace gui {
namespace win {

namespace {

const int DESIGN_BAND = 5;     // width of the sizing borders
const int DESIGN_CORNER = 30;  // length of the corner zones along each edge

LRESULT borderHit(int x, int y, int w, int h, int dpi) {
    const int kBand = Dpi::scale(DESIGN_BAND, dpi), kCorner = Dpi::scale(DESIGN_CORNER, dpi);
    if (x > w - kBand) return y < kCorner ? HTTOPRIGHT : (y > h - kCorner ? HTBOTTOMRIGHT : HTRIGHT);
    if (y > h - kBand) return x < kCorner ? HTBOTTOMLEFT : (x > w - kCorner ? HTBOTTOMRIGHT : HTBOTTOM);
    if (x < kBand) return y < kCorner ? HTTOPLEFT : (y > h - kCorner ? HTBOTTOMLEFT : HTLEFT);
    if (y < kBand) return x < kCorner ? HTTOPLEFT : (x > w - kCorner ? HTTOPRIGHT : HTTOP);
    return HTNOWHERE;
}

}  // namespace

LRESULT plainHitTest(LRESULT defaultResult, bool dragByBody, bool rightButtonDown) {
    return (dragByBody && defaultResult == HTCLIENT && !rightButtonDown) ? LRESULT(HTCAPTION) : defaultResult;
}

LRESULT skinnedHitTest(int x, int y, int width, int height, LRESULT defaultResult, bool dragByBody,
                       bool rightButtonDown, int dpi) {
    const LRESULT border = borderHit(x, y, width, height, dpi);
    if (border != HTNOWHERE) return border;
    return plainHitTest(defaultResult, dragByBody, rightButtonDown);
}

LPCWSTR sizingCursorFor(LRESULT hit) {
    switch (hit) {
        case HTLEFT:
        case HTRIGHT:
            return IDC_SIZEWE;
        case HTTOP:
        case HTBOTTOM:
            return IDC_SIZENS;
        case HTTOPLEFT:
        case HTBOTTOMRIGHT:
            return IDC_SIZENWSE;
        case HTTOPRIGHT:
        case HTBOTTOMLEFT:
            return IDC_SIZENESW;
        default:
            return nullptr;
    }
}

BufferAction backBufferAction(bool haveBuffer, int bufferWidth, int bufferHeight, int neededWidth, int neededHeight) {
    if (!haveBuffer) return BufferAction::Create;
    const double bufferArea = double(bufferWidth) * bufferHeight;
    const double neededArea = double(neededWidth) * neededHeight;
    if (0.7 * bufferArea > neededArea) return BufferAction::Recreate;
    if (bufferWidth >= neededWidth && bufferHeight >= neededHeight) return BufferAction::Keep;
    return BufferAction::Resize;
}

}  // namespace win
}  // namespace gui
}  // namespace s
