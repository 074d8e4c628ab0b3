#pragma once
// Components and boxes for layout tests: plain geometry objects that count how
// often their "native window" would move, with no window at all.
#include "gui/IBox.h"
#include "gui/IComponent.h"

namespace layout_test {

// A leaf with minimum and preferred size whose native move is counted.
class Leaf : public s::gui::IComponent {
public:
    static constexpr wchar_t CLASS_NAME[] = L"layout_test_Leaf";
    Leaf(int minWidth, int minHeight, int prefWidth, int prefHeight) {
        setMinimumSize(minWidth, minHeight);
        setPreferredSize(prefWidth, prefHeight);
    }
    const wchar_t* getClassName() const override { return CLASS_NAME; }
    Leaf* newInstance() const override { return new Leaf(0, 0, 0, 0); }

    int moves = 0;
    int lastX = 0, lastY = 0, lastWidth = 0, lastHeight = 0;

protected:
    bool moveNative(int x, int y, int width, int height) override {
        ++moves;
        lastX = x;
        lastY = y;
        lastWidth = width;
        lastHeight = height;
        return true;
    }
};

// A box whose native move is counted, and which counts its layout passes.
class CountingBox : public s::gui::IBox {
public:
    static constexpr wchar_t CLASS_NAME[] = L"layout_test_CountingBox";
    const wchar_t* getClassName() const override { return CLASS_NAME; }
    CountingBox* newInstance() const override { return new CountingBox(); }
    void doLayout() override {
        ++layouts;
        IBox::doLayout();
    }

    int moves = 0;
    int layouts = 0;

protected:
    bool moveNative(int, int, int, int) override {
        ++moves;
        return true;
    }
};

// Records the layout events it receives.
class LayoutCounter : public s::gui::events::IEventListener {
public:
    void onEvent(s::gui::IComponent* source, int kind) override {
        ++events;
        lastSource = source;
        lastKind = kind;
    }
    int events = 0;
    s::gui::IComponent* lastSource = nullptr;
    int lastKind = 0;
};

}  // namespace layout_test
