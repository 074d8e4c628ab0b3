// The shipped listeners act on their targets, in order, only for their watched source.
#include <gtest/gtest.h>

#include "gui/IComponent.h"
#include "gui/events/Disabler.h"
#include "gui/events/Editabler.h"
#include "gui/events/Enabler.h"
#include "gui/events/UnEditabler.h"

namespace {

using namespace s::gui;

class PlainComponent : public IComponent {
public:
    static constexpr wchar_t CLASS_NAME[] = L"test_PlainComponent";
    const wchar_t* getClassName() const override { return CLASS_NAME; }
    PlainComponent* newInstance() const override { return nullptr; }
};

TEST(ShippedListeners, ActOnEveryTargetOnlyForTheirSource) {
    PlainComponent source, other, a, b;
    a.setEnabled(false);
    b.setEnabled(false);
    events::Enabler* enabler = events::Enabler::acquire();
    ASSERT_NE(enabler, nullptr);
    enabler->setSource(&source);
    enabler->addTarget(&a);
    enabler->addTarget(&b);
    enabler->onEvent(&other, 5);
    EXPECT_FALSE(a.isEnabled());
    enabler->onEvent(&source, 5);
    EXPECT_TRUE(a.isEnabled());
    EXPECT_TRUE(b.isEnabled());
    enabler->release();

    events::Disabler* disabler = events::Disabler::acquire();
    disabler->setSource(&source);
    disabler->addTarget(&b);
    disabler->onEvent(&source, 12);
    EXPECT_TRUE(a.isEnabled());
    EXPECT_FALSE(b.isEnabled());
    disabler->release();
}

TEST(ShippedListeners, EditablersSwitchEditability) {
    PlainComponent source, target;
    events::UnEditabler* off = events::UnEditabler::acquire();
    events::Editabler* on = events::Editabler::acquire();
    off->setSource(&source);
    off->addTarget(&target);
    on->setSource(&source);
    on->addTarget(&target);
    off->onEvent(&source, 1);
    EXPECT_FALSE(target.isEditable());
    on->onEvent(&source, 1);
    EXPECT_TRUE(target.isEditable());
    EXPECT_EQ(on->getClassName(), events::Editabler::CLASS_NAME);
    on->release();
    off->release();
}

TEST(ShippedListeners, WithoutSourceNothingHappensAndResetForgets) {
    PlainComponent target;
    events::Disabler* disabler = events::Disabler::acquire();
    disabler->addTarget(&target);
    disabler->onEvent(nullptr, 1);
    EXPECT_TRUE(target.isEnabled());
    disabler->reset();
    EXPECT_EQ(disabler->getTargetCount(), 0);
    EXPECT_EQ(disabler->getSource(), nullptr);
    disabler->release();
}

}  // namespace
