#include "gui/layout/DesignSizes.h"

#include "gui/win/Dpi.h"

namespace s::gui::layout {

int DesignSizes::pixels(int designUnits) const {
    if (designUnits < 0 || designUnits >= FILL) return designUnits;
    return s::gui::win::Dpi::scale(designUnits, dpi_);
}

bool DesignSizes::record(Kind kind, IComponent* component, IBox* box, int a, int b, int c, int d) {
    if (!component || count_ >= CAPACITY) return false;
    Entry& entry = entries_[count_++];
    entry = Entry{kind, component, box, {a, b, c, d}};
    apply(entry);
    return true;
}

bool DesignSizes::setMinimumSize(IComponent* component, int width, int height) {
    return record(Kind::Minimum, component, nullptr, width, height, 0, 0);
}

bool DesignSizes::setPreferredSize(IComponent* component, int width, int height) {
    return record(Kind::Preferred, component, nullptr, width, height, 0, 0);
}

bool DesignSizes::setLeftRightMargins(IBox* box, int left, int right) {
    return record(Kind::LeftRight, box, box, left, right, 0, 0);
}

bool DesignSizes::setTopBottomMargins(IBox* box, int top, int bottom) {
    return record(Kind::TopBottom, box, box, top, bottom, 0, 0);
}

bool DesignSizes::setSizeOverrides(IBox* box, int minWidth, int minHeight, int prefWidth, int prefHeight) {
    return record(Kind::Overrides, box, box, minWidth, minHeight, prefWidth, prefHeight);
}

void DesignSizes::applyAt(int dpi) {
    dpi_ = dpi > 0 ? dpi : s::gui::win::Dpi::DESIGN;
    for (int i = 0; i < count_; ++i) apply(entries_[i]);
}

void DesignSizes::apply(const Entry& entry) const {
    const int a = pixels(entry.values[0]), b = pixels(entry.values[1]);
    IBox* box = entry.box;
    switch (entry.kind) {
        case Kind::Minimum:
            entry.component->setMinimumSize(a, b);
            break;
        case Kind::Preferred:
            entry.component->setPreferredSize(a, b);
            break;
        case Kind::LeftRight:
            box->setLeftRightMargins(a, b);
            break;
        case Kind::TopBottom:
            box->setTopBottomMargins(a, b);
            break;
        case Kind::Overrides:
            box->setSizeOverrides(a, b, pixels(entry.values[2]), pixels(entry.values[3]));
            break;
    }
}

}  // namespace s::gui::layout
