#pragma once
// The four layout rules of a box, run over component geometry only (no native
// windows), so they can be tested and measured without a screen.
//
// A rule sizes each child with setSize and places it with setLocation relative
// to the box's content origin (inside the margins), and reports four results:
// the content's minimum and preferred width and height. In measuring mode it
// only computes the results and touches no child.
//
// Sizes are computed before they are applied, so each child gets exactly one
// setSize per pass: a child box lays itself out once per pass of its parent,
// and deep nesting costs depth x children instead of growing exponentially.
#include "gui/IContainer.h"

namespace s::gui::layout {

struct LayoutParams {
    int kind;                 // LayoutRules::ROW, COLUMN, FLOW or PILE
    int horizontalAlignment;  // LayoutRules::START, CENTRE or END
    int verticalAlignment;
    int horizontalGap;
    int verticalGap;
    int innerWidth;  // the box's size inside its margins (negative counts as 0)
    int innerHeight;
    bool measureOnly;  // compute the results, leave the children alone
};

struct LayoutResults {
    int minWidth;
    int minHeight;
    int prefWidth;
    int prefHeight;
};

class LayoutRules {
public:
    static constexpr int ROW = 0;
    static constexpr int COLUMN = 1;
    static constexpr int FLOW = 2;
    static constexpr int PILE = 3;

    static constexpr int START = 0;
    static constexpr int CENTRE = 1;
    static constexpr int END = 2;

    // Runs the rule of params.kind (an unknown kind runs the column rule).
    static LayoutResults run(const IContainer& box, const LayoutParams& params);

    // Children top to bottom; widths up to the column width, heights from the
    // minimum growing towards the preferred heights.
    static LayoutResults column(const IContainer& box, const LayoutParams& params);
    // The column rule with the axes swapped.
    static LayoutResults row(const IContainer& box, const LayoutParams& params);
    // Left to right, wrapping into new rows.
    static LayoutResults flow(const IContainer& box, const LayoutParams& params);
    // Every visible child over the same area.
    static LayoutResults pile(const IContainer& box, const LayoutParams& params);
};

}  // namespace s::gui::layout
