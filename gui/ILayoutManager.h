#pragma once
// A layout manager: a stateless object that lays out a box in place of the
// box's own layout kind. One object may serve any number of boxes.
#include "foundation/base/IObject.h"

namespace s::gui {

class IBox;

class ILayoutManager : public base::IObject {
public:
    // Lays out the box's children (or, while the box measures, only reports its
    // content sizes): reads the box's inner size and measuring flag, writes its results.
    virtual void layout(IBox* box) = 0;
};

}  // namespace s::gui
