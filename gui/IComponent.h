#pragma once
// IComponent: a rectangular element of a window: position, size, the sizes it
// can take, visibility, a parent.
//
// Geometry is recorded first and pushed to the native window later (commit), so
// that a layout pass over nested boxes moves each native window at most once,
// however often the pass changes a size on its way. The base keeps both the
// recorded geometry and the geometry last committed; commit compares them and
// calls moveNative only for a real change.
//
// Sizes: minimum and preferred width/height. A preferred value below the minimum
// counts as the minimum, so the preferred size is always the largest size a
// layout hands out. setSize clamps into [minimum, preferred]: 0 asks for the
// minimum, anything at or above the preferred gives the preferred. Negative
// sizes given anywhere count as 0.
//
// This holds what layout needs. The window core extends it: native creation
// inside a parent window, enabled/editable flags and colours with their native
// effects, fonts and drawers.
#include <windows.h>

#include <cstdint>

#include "foundation/base/IObject.h"
#include "gui/events/IEventListener.h"

namespace s::gui {

class IContainer;

class IComponent : public events::IEventListener, public base::IObject {
public:
    static constexpr wchar_t CLASS_NAME[] = L"s_gui_IComponent";

    IComponent();
    ~IComponent() override = default;
    IComponent(const IComponent&) = delete;
    IComponent& operator=(const IComponent&) = delete;

    // Components ignore events unless a subclass cares.
    void onEvent(IComponent* source, int kind) override {}

    // ---- Current geometry (x, y relative to the parent's origin, see setOrigin)
    int getX() const { return x_; }
    int getY() const { return y_; }
    int getWidth() const { return width_; }
    int getHeight() const { return height_; }
    void setLocation(int x, int y);
    // Clamps each value into [minimum, preferred] and records it; a box then lays
    // itself out again.
    virtual void setSize(int width, int height);
    // Records a size without clamping (negative counts as 0): for whoever owns the
    // outer size, a top-level window fitting its client area.
    virtual void setExactSize(int width, int height);

    // ---- Minimum and preferred sizes
    int getMinimumWidth() const { return minWidth_; }
    int getMinimumHeight() const { return minHeight_; }
    // max(preferred, minimum): a preferred below the minimum counts as the minimum.
    int getPreferredWidth() const { return prefWidth_ > minWidth_ ? prefWidth_ : minWidth_; }
    int getPreferredHeight() const { return prefHeight_ > minHeight_ ? prefHeight_ : minHeight_; }
    void setMinimumSize(int width, int height);
    void setPreferredSize(int width, int height);
    // What setSize would make of a requested width or height.
    int clampWidth(int width) const { return clamp(width, minWidth_, getPreferredWidth()); }
    int clampHeight(int height) const { return clamp(height, minHeight_, getPreferredHeight()); }
    // Brings the minimum and preferred sizes up to date with the content; a box
    // measures its children. Plain components keep what their owner set.
    virtual void measure() {}

    // ---- Visibility and presence
    bool isVisible() const { return visible_; }
    virtual void setVisible(bool visible) { visible_ = visible; }
    // Present along a flow (for gaps): visible with a size greater than 0.
    static bool isPresent(const IComponent* component, int sizeAlongFlow) {
        return component->isVisible() && sizeAlongFlow > 0;
    }

    // ---- Mouse wheel
    // A component that takes the wheel is offered the wheel turns made over it
    // before its window raises its own wheel event (sliders move with the wheel).
    bool isAcceptingWheel() const { return acceptsWheel_; }
    virtual void setAcceptingWheel(bool accept) { acceptsWheel_ = accept; }

    // ---- Parent and origin
    IContainer* getParent() const { return parent_; }
    void setParent(IContainer* parent) { parent_ = parent; }
    virtual bool isContainer() const { return false; }
    // The parent's content origin (its left and top margins): the native window sits
    // at origin + (x, y) in the parent's client area.
    void setOrigin(int originX, int originY);
    int getOriginX() const { return originX_; }
    int getOriginY() const { return originY_; }

    // ---- Committing recorded geometry
    // True when the recorded geometry differs from what was last committed.
    bool isGeometryChanged() const;
    // Moves the native window to the recorded geometry when it changed. A container
    // then commits its children.
    virtual void commit();
    // The native window now has the given geometry (e.g. it was just created with an
    // empty rectangle): the next commit moves it only if the record differs.
    void setCommittedGeometry(int x, int y, int width, int height);

    // ---- Stubs the window core fills
    virtual HWND getHandle() const { return nullptr; }
    // Creates the native window inside `parent`; components without one succeed.
    virtual bool create(HWND parent) { return true; }
    bool isEnabled() const { return enabled_; }
    virtual void setEnabled(bool enabled) { enabled_ = enabled; }
    bool isEditable() const { return editable_; }
    virtual void setEditable(bool editable) { editable_ = editable; }
    COLORREF getForeground() const { return foreground_; }
    virtual void setForeground(COLORREF colour) { foreground_ = colour; }
    COLORREF getBackground() const { return background_; }
    virtual void setBackground(COLORREF colour) { background_ = colour; }

protected:
    // Moves the native window to (x, y, width, height) in the parent's client area.
    // False when there is no native window (then the geometry stays uncommitted).
    virtual bool moveNative(int x, int y, int width, int height) { return false; }
    // Back to the defaults of a new component (for the pools' reset).
    void resetComponent();

private:
    static int clamp(int value, int minimum, int maximum) {
        if (value < minimum) return minimum;
        return value > maximum ? maximum : value;
    }

    int x_, y_, width_, height_;
    int minWidth_, minHeight_, prefWidth_, prefHeight_;
    int originX_, originY_;
    // The geometry the native window has (absolute in the parent's client area).
    int committedX_, committedY_, committedWidth_, committedHeight_;
    bool visible_, enabled_, editable_, acceptsWheel_;
    COLORREF foreground_, background_;
    IContainer* parent_;  // not owned
};

}  // namespace s::gui
