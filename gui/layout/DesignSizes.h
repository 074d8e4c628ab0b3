#pragma once
// DesignSizes: the sizes a window's builder gives its components and boxes, kept
// in 96-DPI design units so they can be applied at any DPI and again when the
// window moves to a monitor of another scale. Each size goes through Dpi::scale,
// from the design value every time, so a DPI change and its way back give the
// very same pixels (nothing accumulates).
//
// A value of FILL or more ("as much as the box can spare") and a negative value
// ("not set", for size overrides) are handed on unscaled.
#include "gui/IBox.h"
#include "gui/IComponent.h"

namespace s::gui::layout {

class DesignSizes {
public:
    static constexpr int FILL = 10000;
    static constexpr int CAPACITY = 192;

    DesignSizes() = default;
    DesignSizes(const DesignSizes&) = delete;
    DesignSizes& operator=(const DesignSizes&) = delete;

    // Each records the size and applies it at once at the current DPI. False (and
    // nothing recorded or applied) for a null target or when the record is full.
    bool setMinimumSize(IComponent* component, int width, int height);
    bool setPreferredSize(IComponent* component, int width, int height);
    bool setLeftRightMargins(IBox* box, int left, int right);
    bool setTopBottomMargins(IBox* box, int top, int bottom);
    bool setSizeOverrides(IBox* box, int minWidth, int minHeight, int prefWidth, int prefHeight);

    // Applies every recorded size again at `dpi`, in the order they were recorded.
    void applyAt(int dpi);
    int dpi() const { return dpi_; }
    // A design value in pixels at the current DPI (FILL and negatives unscaled).
    int pixels(int designUnits) const;
    // Forgets everything (the components are going); the DPI stays.
    void clear() { count_ = 0; }
    int count() const { return count_; }

private:
    enum class Kind { Minimum, Preferred, LeftRight, TopBottom, Overrides };
    struct Entry {
        Kind kind;
        IComponent* component;  // not owned
        IBox* box;              // not owned: the same object, for the box kinds
        int values[4];
    };

    bool record(Kind kind, IComponent* component, IBox* box, int a, int b, int c, int d);
    void apply(const Entry& entry) const;

    Entry entries_[CAPACITY];
    int count_ = 0;
    int dpi_ = 96;
};

}  // namespace s::gui::layout
