// gui_bench.exe: one layout pass over a three-level tree of 200 components,
// and how many native moves a pass makes (it must equal the number of
// components whose geometry changed).
#include <cstdio>

#include "bench/harness/Bench.h"
#include "gui/IBox.h"
#include "gui/IComponent.h"

namespace {

int g_moves = 0;

class BenchLeaf : public s::gui::IComponent {
public:
    const wchar_t* getClassName() const override { return L"bench_BenchLeaf"; }
    BenchLeaf* newInstance() const override { return new BenchLeaf(); }

protected:
    bool moveNative(int, int, int, int) override {
        ++g_moves;
        return true;
    }
};

class BenchBox : public s::gui::IBox {
public:
    const wchar_t* getClassName() const override { return L"bench_BenchBox"; }
    BenchBox* newInstance() const override { return new BenchBox(); }

protected:
    bool moveNative(int, int, int, int) override {
        ++g_moves;
        return true;
    }
};

// Root column > 4 row boxes > 4 flow/column boxes each > 11 leaves each:
// 1 + 4 + 16 boxes and 176 leaves, 197 components below the root (~200).
struct Tree {
    static constexpr int MIDDLE = 4;
    static constexpr int INNER = 4;
    static constexpr int LEAVES = 11;
    BenchBox root;
    BenchBox middle[MIDDLE];
    BenchBox inner[MIDDLE * INNER];
    BenchLeaf leaves[MIDDLE * INNER * LEAVES];

    Tree() {
        root.setVerticalGap(3);
        for (int m = 0; m < MIDDLE; ++m) {
            middle[m].setLayoutRow();
            middle[m].setHorizontalGap(2);
            middle[m].setMargins(2, 2, 2, 2);
            root.add(&middle[m]);
            for (int i = 0; i < INNER; ++i) {
                BenchBox& box = inner[m * INNER + i];
                if (i % 2) box.setLayoutFlow();
                box.setHorizontalGap(1);
                box.setVerticalGap(1);
                middle[m].add(&box);
                for (int l = 0; l < LEAVES; ++l) {
                    BenchLeaf& leaf = leaves[(m * INNER + i) * LEAVES + l];
                    leaf.setMinimumSize(8 + l, 6 + l % 3);
                    leaf.setPreferredSize(30 + 2 * l, 12 + l % 5);
                    box.add(&leaf);
                }
            }
        }
    }
    int components() const { return MIDDLE + MIDDLE * INNER + MIDDLE * INNER * LEAVES; }
};

}  // namespace

int main() {
    static Tree tree;
    int height = 300;
    // Alternating heights change the geometry every pass.
    const bench::Result pass = bench::measure(L"layout pass, 3 levels, 196 components", 200, [&] {
        height = height == 300 ? 420 : 300;
        tree.root.setExactSize(800, height);
    });
    bench::keep(pass);

    // Moves per pass against the number of components whose geometry changed. A
    // flow measures itself at its current width, so the first pass of a new tree
    // differs from later ones: settle the tree first.
    static Tree check;
    check.root.setExactSize(800, 300);
    check.root.setExactSize(800, 420);
    check.root.setExactSize(800, 300);
    int changed = 0;
    int widths[256], heights[256], xs[256], ys[256];
    auto snapshot = [&](int i, s::gui::IComponent& c, bool compare) {
        const bool differs = widths[i] != c.getWidth() || heights[i] != c.getHeight() ||
                             xs[i] != c.getX() + c.getOriginX() || ys[i] != c.getY() + c.getOriginY();
        if (compare && differs) ++changed;
        widths[i] = c.getWidth();
        heights[i] = c.getHeight();
        xs[i] = c.getX() + c.getOriginX();
        ys[i] = c.getY() + c.getOriginY();
    };
    auto walk = [&](bool compare) {
        int i = 0;
        for (auto& m : check.middle) snapshot(i++, m, compare);
        for (auto& b : check.inner) snapshot(i++, b, compare);
        for (auto& l : check.leaves) snapshot(i++, l, compare);
    };
    walk(false);
    g_moves = 0;
    check.root.setExactSize(800, 420);
    walk(true);
    const int moves = g_moves;
    g_moves = 0;
    check.root.doLayout();
    wprintf(L"components below the root: %d\n", check.components());
    wprintf(L"pass 300 -> 420 high: changed components %d, native moves %d -> %ls\n", changed, moves,
            changed == moves ? L"equal" : L"DIFFERENT");
    wprintf(L"pass that changes nothing: native moves %d\n", g_moves);
    return changed == moves && g_moves == 0 ? 0 : 1;
}
