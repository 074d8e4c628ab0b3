#pragma once
// Slider: a system trackbar ("msctls_trackbar32", WS_CHILD | TBS_TOP, id 1040)
// over an integer range.
//
// Creation applies the enabled state, tick marks (TBS_AUTOTICKS or TBS_NOTICKS),
// the range, the position, tick frequency = step, page = 10 x step, line = step,
// and a fixed thumb length when one is set.
//
// CHANGED (0) is raised whenever the trackbar's position, read back after it
// handled a scroll notification, key, click or wheel turn, differs from the
// stored one. The window class reflects both WM_HSCROLL and WM_VSCROLL (group
// boxes pass them on the same way), so horizontal and vertical sliders hear
// their own notifications; input messages are read back as well.
//
// Jump-to-click: a click moves straight to the clicked point (control::JumpToClick
// over TBM_GETCHANNELRECT), and so does dragging while held; each change is set
// with TBM_SETPOS and announced to the parent as WM_HSCROLL / TB_THUMBTRACK. The
// drag ends with the release, or as soon as it is cut short (the capture taken
// by another window, WM_CANCELMODE, or the slider disabled while held).
//
// Keys: Up moves like Page Down and Down like Page Up (a page each). The wheel
// moves the slider only when it takes the wheel (setAcceptingWheel): the
// trackbar then handles the turn itself and the position is read back; otherwise
// turns go to the top-level window. Not every trackbar implementation turns the
// wheel (one that does not hands the turn to its parent, so the slider would not
// move and the window would hear the turn): there the slider moves itself one
// step per notch, as the system trackbar does (trackbarTurnsWheel tells which).
//
// With a slider drawer (the skin's, not owned) the toolkit paints the track, its
// gradient and the thumb; without one the system paints the trackbar.
#include <windows.h>

#include "foundation/thread/Pooled.h"
#include "gui/ISlider.h"
#include "gui/win/Control.h"

namespace s::gui::drawer {
class ISlider;
}

namespace s::gui::win {

class Slider : public Control<ISlider> {
    S_POOLED_CLASS(Slider, L"s_gui_win_Slider")

public:
    static constexpr DWORD STYLE = WS_CHILD | 0x4;  // TBS_TOP: 0x40000004
    static constexpr int CONTROL_ID = 1040;
    static constexpr int PAGE_STEPS = 10;

    Slider();
    ~Slider() override;
    // Range 0..100, position 0, step 1, no ticks, horizontal, no gradient.
    void reset() override;
    bool create(HWND parent) override;

    // ---- ISlider
    void setRange(int minimum, int maximum) override;
    int getMinimum() const override { return minimum_; }
    int getMaximum() const override { return maximum_; }
    void setPosition(int position) override;
    int getPosition() const override { return position_; }
    void setStep(int step) override;
    int getStep() const override { return step_; }
    void setTicks(bool ticks) override;
    void setThumbLength(int length) override;
    void setJumpToClick(bool jump) override { jumpToClick_ = jump; }
    bool isJumpToClick() const override { return jumpToClick_; }
    void setVertical(bool vertical) override { vertical_ = vertical; }
    bool isVertical() const override { return vertical_; }
    void setGradient(int mode, int first, int second) override;
    int getGradientMode() const { return gradientMode_; }

    void setDrawer(drawer::ISlider* drawer);

    // Whether the system trackbar moves on a wheel turn itself (asked once).
    static bool trackbarTurnsWheel();
    drawer::ISlider* getDrawer() const { return drawer_; }

protected:
    bool handleFirst(UINT msg, WPARAM wp, LPARAM lp, LRESULT* result) override;
    void handleAfter(UINT msg, WPARAM wp, LPARAM lp, LRESULT* result) override;
    void paintClient(HDC dc, int width, int height) override;

private:
    DWORD creationStyle() const;
    void applyRange();
    void applyStep();
    int clampToRange(int position) const;
    int readPosition() const;
    // Stores the trackbar's position and raises CHANGED when it moved.
    void takePosition();
    bool handleJump(UINT msg, LPARAM lp, LRESULT* result);
    void jumpTo(LPARAM lp);
    // The jump-to-click drag is over: by the release, or cut short (the capture
    // taken away, WM_CANCELMODE, disabled while held); the pointer is no longer followed.
    void endJump();
    // Moves one step per whole notch, for a trackbar that does not turn the wheel.
    void turnWheel(WPARAM wp);
    bool readsBackAfter(UINT msg, LPARAM lp) const;

    int minimum_, maximum_, position_, step_, thumbLength_;
    bool ticks_, jumpToClick_, vertical_, tracking_;
    int wheelDelta_;  // part of a notch not yet turned into a step (own turning only)
    int gradientMode_, gradientFirst_, gradientSecond_;
    drawer::ISlider* drawer_;  // not owned: the skin's
};

}  // namespace s::gui::win
