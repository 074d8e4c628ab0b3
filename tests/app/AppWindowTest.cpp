// The window settings binding: identity values, defaults, the middle-click
// action in any letter case, placement values and a window's own skin.
#include <gtest/gtest.h>

#include "AppWindowTestSupport.h"
#include "foundation/str/strbuffer/StrBuffer.h"
#include "gui/drawer/Skinner.h"

namespace {

using app_testing::kTestKey;
using app_testing::kViewKey;
using s::app::IAppWindow;
using s::app::win::AppWindow;

class AppWindowTest : public app_testing::BoundTest {};

TEST_F(AppWindowTest, InitialisationWritesTheIdentityAndDefaultsApply) {
    AppWindow& binding = bind();
    const std::wstring section = std::wstring(kTestKey) + L"\\MainWindow\\";
    EXPECT_EQ(L"Freeware", app_testing::textAt((section + L"SoftwareType").c_str(), L""));
    EXPECT_EQ(L"Tuvo HueSnap", app_testing::textAt((section + L"SoftwareID").c_str(), L""));
    EXPECT_EQ(HUESNAP_TEST_VERSION, app_testing::textAt((section + L"Version").c_str(), L""));
    EXPECT_STREQ(L"MainWindow\\View", binding.sectionPath(L"View"));

    EXPECT_FALSE(binding.hasPosition());
    EXPECT_EQ(800, binding.getWidth());
    EXPECT_EQ(600, binding.getHeight());
    EXPECT_TRUE(binding.getEasyDrag());
    EXPECT_TRUE(binding.getKeepOnTop());
    EXPECT_FALSE(binding.getMaximized());
    // Nothing stored: the given default is current, but no stored value says "Close".
    EXPECT_EQ(IAppWindow::ACTION_CLOSE, binding.middleClickAction());
    EXPECT_EQ(IAppWindow::ACTION_CLOSE, binding.getMiddleClickAction());
    EXPECT_FALSE(binding.isMiddleClickClose());
}

TEST_F(AppWindowTest, MiddleClickActionIsReadInAnyLetterCase) {
    ASSERT_TRUE(app_testing::putText(kViewKey, L"OnMClick", L"iconize"));
    AppWindow& binding = bind();
    EXPECT_EQ(IAppWindow::ACTION_ICONIZE, binding.middleClickAction());
    EXPECT_TRUE(binding.isMiddleClickIconize());
    EXPECT_FALSE(binding.isMiddleClickClose());

    ASSERT_TRUE(app_testing::putText(kViewKey, L"OnMClick", L"Sometimes"));
    EXPECT_EQ(IAppWindow::ACTION_DO_NOTHING, binding.getMiddleClickAction());

    // A value of another type reads as the current action.
    ASSERT_TRUE(app_testing::putDword(L"OnMClick", 1));
    EXPECT_EQ(IAppWindow::ACTION_ICONIZE, binding.getMiddleClickAction());
}

TEST_F(AppWindowTest, SettingTheMiddleClickActionWritesOnlyAChange) {
    AppWindow& binding = bind();
    EXPECT_TRUE(binding.setMiddleClickAction(L"close"));  // already current: nothing written
    EXPECT_EQ(L"(missing)", app_testing::textAt(kViewKey, L"OnMClick"));
    EXPECT_TRUE(binding.setMiddleClickAction(L"DONOTHING"));
    EXPECT_EQ(L"DoNothing", app_testing::textAt(kViewKey, L"OnMClick"));
    EXPECT_EQ(IAppWindow::ACTION_DO_NOTHING, binding.middleClickAction());
    EXPECT_TRUE(binding.setMiddleClickAction(L"Close"));
    EXPECT_TRUE(binding.isMiddleClickClose());
}

TEST_F(AppWindowTest, PlacementValuesAreWrittenAndForgotten) {
    AppWindow& binding = bind();
    ASSERT_TRUE(binding.saveBounds(-20, 30, 640, 480));
    EXPECT_TRUE(binding.hasPosition());
    EXPECT_EQ(-20, app_testing::dwordAt(kViewKey, L"X"));
    EXPECT_EQ(30, app_testing::dwordAt(kViewKey, L"Y"));
    EXPECT_EQ(640, binding.getWidth());
    EXPECT_EQ(480, binding.getHeight());
    ASSERT_TRUE(binding.setKeepOnTop(false));
    EXPECT_EQ(0, app_testing::dwordAt(kViewKey, L"KeepOnTop"));

    binding.forgetPlacement();
    EXPECT_FALSE(binding.hasPosition());
    EXPECT_FALSE(binding.hasWidth());
    EXPECT_EQ(800, binding.getWidth());
    // The other values stay.
    EXPECT_FALSE(binding.getKeepOnTop());

    EXPECT_FALSE(binding.isWidthValid(9));
    EXPECT_TRUE(binding.isWidthValid(10));
    EXPECT_TRUE(binding.isWidthValid(GetSystemMetrics(SM_CXVIRTUALSCREEN)));
    EXPECT_FALSE(binding.isWidthValid(GetSystemMetrics(SM_CXVIRTUALSCREEN) + 1));
    EXPECT_FALSE(binding.isHeightValid(GetSystemMetrics(SM_CYVIRTUALSCREEN) + 1));
}

TEST_F(AppWindowTest, OwnSkinSetKeepsItsOwnSkinName) {
    const std::wstring skinKey = std::wstring(kTestKey) + L"\\AboutWindow\\Skin";
    ASSERT_TRUE(app_testing::putText(skinKey.c_str(), L"", L"White"));
    s::gui::drawer::Skinner* own = s::gui::drawer::skin::createThinWindowSkinner();
    AppWindow* about = AppWindow::acquire();
    ASSERT_TRUE(about->initialize(app_, L"AboutWindow", L"Freeware", 340, 285, own, L"DoNothing", L"Classic LG"));
    EXPECT_TRUE(about->hasOwnSkinner());
    int32_t white = -1;
    ASSERT_TRUE(own->findSkin(L"White", white));
    EXPECT_EQ(white, own->getSelection());

    s::str::strbuffer::StrBuffer* name = s::str::strbuffer::StrBuffer::acquire();
    ASSERT_TRUE(app_testing::putText(skinKey.c_str(), L"", L"No Such Skin"));
    ASSERT_TRUE(about->getSkinName(*name));
    EXPECT_STREQ(L"Classic LG", name->c_str());
    ASSERT_TRUE(about->setSkinName(L"Sky Blue"));
    EXPECT_EQ(L"Sky Blue", app_testing::textAt(skinKey.c_str(), L""));

    // The shared set answers the application's skin.
    AppWindow& main = bind();
    EXPECT_FALSE(main.hasOwnSkinner());
    ASSERT_TRUE(main.getSkinName(*name));
    EXPECT_STREQ(L"Black Black", name->c_str());

    name->release();
    about->release();
    own->release();
}

}  // namespace
