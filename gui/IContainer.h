#pragma once
// IContainer: a component that holds an ordered list of child components.
// Windows and boxes are containers; the window core adds its own.
#include "gui/IComponent.h"

namespace s::gui {

class IContainer : public IComponent {
public:
    bool isContainer() const override { return true; }
    virtual int getComponentCount() const = 0;
    // The i-th child in list order, or null when i is out of range.
    virtual IComponent* getComponent(int i) const = 0;
    // True while this container runs a layout pass: a child box laid out by that
    // pass leaves committing to it, so each native window moves once per pass.
    virtual bool isLayingOut() const { return false; }
};

}  // namespace s::gui
