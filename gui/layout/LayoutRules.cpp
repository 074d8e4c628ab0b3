#include "gui/layout/LayoutRules.h"

#include <climits>
#include <cstdint>

namespace s::gui::layout {

namespace {

int notNegative(int value) {
    return value < 0 ? 0 : value;
}
int larger(int a, int b) {
    return a > b ? a : b;
}
int smaller(int a, int b) {
    return a < b ? a : b;
}

// Sums of many sizes are kept in 64 bits and brought back into int range.
int saturate(int64_t value) {
    if (value > INT_MAX) return INT_MAX;
    return value < INT_MIN ? INT_MIN : static_cast<int>(value);
}

// Offset of a run of `extra` spare pixels for an alignment (only when there is spare room).
int alignOffset(int alignment, int extra) {
    if (extra < 1) return 0;
    if (alignment == LayoutRules::CENTRE) return extra / 2;
    return alignment == LayoutRules::END ? extra : 0;
}

// (preferred - current) x extra / spread with 64-bit intermediates; spread > 0.
int proportionalGrowth(int preferred, int current, int extra, int spread) {
    return saturate(int64_t(preferred - current) * extra / spread);
}

// ---- Row and column: one rule along a main axis

// The column works along heights, the row along widths; this picks the axis.
struct Axis {
    bool horizontal;  // true for the row

    int minMain(const IComponent* c) const { return horizontal ? c->getMinimumWidth() : c->getMinimumHeight(); }
    int prefMain(const IComponent* c) const { return horizontal ? c->getPreferredWidth() : c->getPreferredHeight(); }
    int main(const IComponent* c) const { return horizontal ? c->getWidth() : c->getHeight(); }
    int minCross(const IComponent* c) const { return horizontal ? c->getMinimumHeight() : c->getMinimumWidth(); }
    int prefCross(const IComponent* c) const { return horizontal ? c->getPreferredHeight() : c->getPreferredWidth(); }
    int cross(const IComponent* c) const { return horizontal ? c->getHeight() : c->getWidth(); }
    void setSize(IComponent* c, int mainSize, int crossSize) const {
        if (horizontal)
            c->setSize(mainSize, crossSize);
        else
            c->setSize(crossSize, mainSize);
    }
    void setLocation(IComponent* c, int mainPos, int crossPos) const {
        if (horizontal)
            c->setLocation(mainPos, crossPos);
        else
            c->setLocation(crossPos, mainPos);
    }
};

// Sum of main sizes with a gap before every child whose predecessor is present
// (visible with a size of at least 1), without a gap after the last present child.
template <class SizeOf>
int sumWithGaps(const IContainer& box, int gap, SizeOf sizeOf) {
    const int n = box.getComponentCount();
    int64_t total = 0;
    bool anyPresent = false;
    bool previousPresent = false;
    for (int i = 0; i < n; ++i) {
        const IComponent* child = box.getComponent(i);
        const int size = sizeOf(child);
        if (i > 0 && previousPresent) total += gap;
        total += size;
        previousPresent = IComponent::isPresent(child, size);
        anyPresent = anyPresent || previousPresent;
    }
    // A gap was counted before the child after the last present one: it is trailing.
    if (anyPresent && !previousPresent) total -= gap;
    return saturate(total);
}

// Heights (or widths) for every child: start at the minimum, grow towards the
// preferred sizes. `grown` true means all reach their preferred size.
struct Growth {
    int extra;   // E: spare pixels before the growth (after it, see remaining)
    int spread;  // Hpref - Hmin, > 0 when proportional growth runs
    bool toPreferred;
    bool proportional;
    int leftover;   // pixels still to hand out in list order after rounding
    int remaining;  // E after the growth: the alignment's spare room
};

Growth planGrowth(const IContainer& box, const Axis& axis, int available, int minSum, int prefSum) {
    Growth g = {available - minSum, prefSum - minSum, false, false, 0, available - minSum};
    if (g.extra < 1 || minSum >= prefSum) return g;
    if (available >= prefSum) {
        g.toPreferred = true;
        g.remaining = available - prefSum;
        return g;
    }
    g.proportional = true;
    int64_t grown = 0;
    for (int i = 0; i < box.getComponentCount(); ++i) {
        const IComponent* child = box.getComponent(i);
        const int minimum = axis.minMain(child);
        const int preferred = axis.prefMain(child);
        if (minimum < preferred) grown += proportionalGrowth(preferred, minimum, g.extra, g.spread);
    }
    g.leftover = saturate(g.extra - grown);
    return g;
}

// The main size of one child; hands out the leftover in list order.
int grownMain(const IComponent* child, const Axis& axis, Growth& g) {
    const int minimum = axis.minMain(child);
    const int preferred = axis.prefMain(child);
    if (g.toPreferred) return preferred;
    if (!g.proportional || minimum >= preferred) return minimum;
    int size = minimum + proportionalGrowth(preferred, minimum, g.extra, g.spread);
    if (g.leftover > 0 && size < preferred) {
        const int add = smaller(g.leftover, preferred - size);
        size += add;
        g.leftover -= add;
    }
    return size;
}

LayoutResults line(const IContainer& box, const LayoutParams& p, const Axis& axis) {
    const int n = box.getComponentCount();
    const int mainInner = notNegative(axis.horizontal ? p.innerWidth : p.innerHeight);
    const int crossInner = notNegative(axis.horizontal ? p.innerHeight : p.innerWidth);
    const int gap = axis.horizontal ? p.horizontalGap : p.verticalGap;
    const int mainAlignment = axis.horizontal ? p.horizontalAlignment : p.verticalAlignment;
    const int crossAlignment = axis.horizontal ? p.verticalAlignment : p.horizontalAlignment;

    int largestMinCross = 0, largestPrefCross = 0;
    for (int i = 0; i < n; ++i) {
        largestMinCross = larger(largestMinCross, axis.minCross(box.getComponent(i)));
        largestPrefCross = larger(largestPrefCross, axis.prefCross(box.getComponent(i)));
    }
    const int minSum = sumWithGaps(box, gap, [&](const IComponent* c) { return axis.minMain(c); });
    const int prefSum = sumWithGaps(box, gap, [&](const IComponent* c) { return axis.prefMain(c); });

    LayoutResults results;
    results.minWidth = axis.horizontal ? minSum : largestMinCross;
    results.minHeight = axis.horizontal ? largestMinCross : minSum;
    results.prefWidth = axis.horizontal ? prefSum : largestPrefCross;
    results.prefHeight = axis.horizontal ? largestPrefCross : prefSum;
    if (p.measureOnly) return results;

    const int crossArea = larger(crossInner, largestMinCross);  // CW or RH
    Growth growth = planGrowth(box, axis, larger(mainInner, minSum), minSum, prefSum);
    int position = alignOffset(mainAlignment, growth.remaining);
    bool previousPresent = false;
    for (int i = 0; i < n; ++i) {
        IComponent* child = box.getComponent(i);
        axis.setSize(child, grownMain(child, axis, growth), crossArea);
        if (i > 0 && previousPresent) position += gap;
        const int crossSize = axis.cross(child);
        const int crossPosition = crossSize < crossArea ? alignOffset(crossAlignment, crossArea - crossSize) : 0;
        axis.setLocation(child, position, crossPosition);
        position += axis.main(child);
        previousPresent = IComponent::isPresent(child, axis.main(child));
    }
    return results;
}

// ---- Flow

struct FlowRow {
    int end;        // one past the row's last child
    int remaining;  // R: width left over in the row
    int height;     // tallest minimum height
    int wanted;     // tallest preferred height
};

// The row that starts at `first`: children whose width still fits in the flow width.
FlowRow nextFlowRow(const IContainer& box, int first, int flowWidth, int gap) {
    FlowRow row = {first, flowWidth, 0, 0};
    bool rowHasPresent = false;
    for (int i = first; i < box.getComponentCount(); ++i) {
        const IComponent* child = box.getComponent(i);
        const int width = child->clampWidth(flowWidth);
        const bool present = IComponent::isPresent(child, width);
        const int before = rowHasPresent && present ? gap : 0;
        if (i > first && row.remaining - before - width < 0) break;
        row.remaining -= before + width;
        rowHasPresent = rowHasPresent || present;
        row.height = larger(row.height, child->getMinimumHeight());
        row.wanted = larger(row.wanted, child->getPreferredHeight());
        row.end = i + 1;
    }
    return row;
}

// Height of a child after the flow's vertical growth.
int grownFlowHeight(const IComponent* child, int extra, int spread) {
    const int minimum = child->getMinimumHeight();
    const int preferred = child->getPreferredHeight();
    if (spread <= 0 || extra <= 0 || minimum >= preferred) return minimum;
    return child->clampHeight(saturate(int64_t(minimum) + proportionalGrowth(preferred, minimum, extra, spread)));
}

int flowPreferredWidth(const IContainer& box, int gap) {
    int64_t total = 0;
    bool anyPresent = false;
    for (int i = 0; i < box.getComponentCount(); ++i) {
        const IComponent* child = box.getComponent(i);
        const int width = child->getPreferredWidth();
        const bool present = IComponent::isPresent(child, width);
        if (present && anyPresent) total += gap;
        total += width;
        anyPresent = anyPresent || present;
    }
    return saturate(total);
}

}  // namespace

LayoutResults LayoutRules::run(const IContainer& box, const LayoutParams& params) {
    switch (params.kind) {
        case ROW:
            return row(box, params);
        case FLOW:
            return flow(box, params);
        case PILE:
            return pile(box, params);
        default:
            return column(box, params);
    }
}

LayoutResults LayoutRules::column(const IContainer& box, const LayoutParams& params) {
    return line(box, params, Axis{false});
}

LayoutResults LayoutRules::row(const IContainer& box, const LayoutParams& params) {
    return line(box, params, Axis{true});
}

LayoutResults LayoutRules::flow(const IContainer& box, const LayoutParams& p) {
    const int n = box.getComponentCount();
    const int hg = p.horizontalGap;
    const int vg = p.verticalGap;
    int largestMinWidth = 0;
    for (int i = 0; i < n; ++i) largestMinWidth = larger(largestMinWidth, box.getComponent(i)->getMinimumWidth());
    const int flowWidth = larger(notNegative(p.innerWidth), largestMinWidth);  // FW

    int64_t contentHeight = 0, wantedHeight = 0;  // CH, WH
    for (int first = 0, rows = 0; first < n; ++rows) {
        const FlowRow row = nextFlowRow(box, first, flowWidth, hg);
        const int between = rows > 0 ? vg : 0;
        contentHeight += between + row.height;
        wantedHeight += between + row.wanted;
        first = row.end;
    }
    const LayoutResults results = {largestMinWidth, saturate(contentHeight), flowPreferredWidth(box, hg),
                                   saturate(wantedHeight)};
    if (p.measureOnly) return results;

    const int ch = results.minHeight;
    const int wh = results.prefHeight;
    const int extra = larger(notNegative(p.innerHeight), ch) - ch;  // E
    const int spread = extra > 0 && ch < wh ? wh - ch : 0;
    int remaining = extra;
    if (spread > 0) {
        for (int first = 0; first < n;) {
            const FlowRow row = nextFlowRow(box, first, flowWidth, hg);
            int grownRow = 0;
            for (int i = first; i < row.end; ++i)
                grownRow = larger(grownRow, grownFlowHeight(box.getComponent(i), extra, spread));
            remaining -= grownRow - row.height;
            first = row.end;
        }
        remaining = notNegative(remaining);
    }

    int top = alignOffset(p.verticalAlignment, remaining);
    for (int first = 0; first < n;) {
        const FlowRow row = nextFlowRow(box, first, flowWidth, hg);
        int x = alignOffset(p.horizontalAlignment, row.remaining);
        int rowHeight = 0;
        bool rowHasPresent = false;
        for (int i = first; i < row.end; ++i) {
            IComponent* child = box.getComponent(i);
            child->setSize(flowWidth, grownFlowHeight(child, extra, spread));
            const bool present = IComponent::isPresent(child, child->getWidth());
            if (rowHasPresent && present) x += hg;
            child->setLocation(x, top);
            x += child->getWidth();
            rowHasPresent = rowHasPresent || present;
            rowHeight = larger(rowHeight, child->getHeight());
        }
        top += rowHeight + vg;
        first = row.end;
    }
    return results;
}

LayoutResults LayoutRules::pile(const IContainer& box, const LayoutParams& p) {
    const int n = box.getComponentCount();
    LayoutResults results = {0, 0, 0, 0};
    for (int i = 0; i < n; ++i) {
        const IComponent* child = box.getComponent(i);
        if (!child->isVisible()) continue;
        results.minWidth = larger(results.minWidth, child->getMinimumWidth());
        results.minHeight = larger(results.minHeight, child->getMinimumHeight());
        results.prefWidth = larger(results.prefWidth, child->getPreferredWidth());
        results.prefHeight = larger(results.prefHeight, child->getPreferredHeight());
    }
    if (p.measureOnly) return results;

    const int pileWidth = larger(notNegative(p.innerWidth), results.minWidth);     // PW
    const int pileHeight = larger(notNegative(p.innerHeight), results.minHeight);  // PH
    for (int i = 0; i < n; ++i) {
        IComponent* child = box.getComponent(i);
        if (!child->isVisible()) continue;
        child->setSize(pileWidth, child->getPreferredHeight());
        const int x =
            child->getWidth() < pileWidth ? alignOffset(p.horizontalAlignment, pileWidth - child->getWidth()) : 0;
        const int y =
            child->getHeight() < pileHeight ? alignOffset(p.verticalAlignment, pileHeight - child->getHeight()) : 0;
        child->setLocation(x, y);
    }
    return results;
}

}  // namespace s::gui::layout
