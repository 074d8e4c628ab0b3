// Starting the program: the first-run check, the start iconized to the
// notification area, and a second copy handing over to the first.
#include <windows.h>

#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "ProgramSettings.h"
#include "ProgramTest.h"
#include "RealInput.h"
#include "SystemOutputs.h"
#include "TrayArea.h"
#include "WindowQuery.h"

namespace testing_program {
namespace {

const wchar_t kProductPage[] = L"https://tuvo.example/software/huesnap/";

class Startup : public ProgramTest {
protected:
    // Starts with the arguments and waits until the program sits in the
    // notification area: its icon shown and its main window made but hidden.
    HWND startIconized(const std::wstring& arguments, size_t iconsBefore) {
        if (!program_.start(arguments)) return nullptr;
        if (!waitForTrayIconCount(iconsBefore + 1, kStartTimeoutMs)) {
            ADD_FAILURE() << "no notification icon after starting with " << testing::PrintToString(arguments) << "\n"
                          << describeScreen();
            return nullptr;
        }
        HWND window = program_.waitForHiddenMainWindow(kReactionTimeoutMs);
        if (!window) ADD_FAILURE() << "the main window is shown or missing\n" << describeScreen();
        return window;
    }

    // Ends an iconized program through its notification icon: right click, "Exit".
    bool exitThroughTrayIcon() {
        std::vector<HWND> icons = trayIcons();
        if (icons.empty()) return false;
        click(centreOf(icons.back()), MouseButton::Right);
        if (!waitUntil(kReactionTimeoutMs, [] { return visiblePopupMenu() != nullptr; })) {
            ADD_FAILURE() << "no menu after a right click on the notification icon";
            return false;
        }
        return chooseMenuItem(EXIT_ITEM) && program_.waitForExit(kExitTimeoutMs);
    }
};

TEST_F(Startup, FirstStartAfterSilentInstallOpensTheProductPageOnce) {
    OpenedPages pages;
    if (!pages.available()) GTEST_SKIP() << "web pages cannot be recorded here (run through tools/test.sh)";
    pages.clear();
    ASSERT_TRUE(settings::writeNumber(nullptr, L"Silent", 1));
    HWND window = startShown();
    ASSERT_NE(nullptr, window);
    const std::vector<std::wstring> opened = pages.waitFor(1, kReactionTimeoutMs);
    ASSERT_EQ(1u, opened.size());
    EXPECT_EQ(kProductPage, opened[0]);
    DWORD silent = 1;
    EXPECT_TRUE(settings::readNumber(nullptr, L"Silent", &silent));
    EXPECT_EQ(0u, silent);
    ASSERT_TRUE(closeWithButton(window));

    ProgramDriver second;
    ASSERT_TRUE(second.start());
    HWND again = second.waitForMainWindow(kStartTimeoutMs);
    ASSERT_NE(nullptr, again);
    // The launcher runs apart from the program: give a page that should not come every chance to show.
    Sleep(2000);
    EXPECT_EQ(1u, pages.read().size()) << "the page was opened again on the second start";
}

TEST_F(Startup, AnArgumentSkipsTheFirstRunCheck) {
    OpenedPages pages;
    if (!pages.available()) GTEST_SKIP() << "web pages cannot be recorded here (run through tools/test.sh)";
    pages.clear();
    ASSERT_TRUE(settings::writeNumber(nullptr, L"Silent", 1));
    HWND window = startShown(L"anything");
    ASSERT_NE(nullptr, window);
    Sleep(2000);
    EXPECT_TRUE(pages.read().empty());
    DWORD silent = 0;
    EXPECT_TRUE(settings::readNumber(nullptr, L"Silent", &silent));
    EXPECT_EQ(1u, silent);
    EXPECT_TRUE(closeWithButton(window));
}

TEST_F(Startup, NoSilentValueOpensNothing) {
    OpenedPages pages;
    if (!pages.available()) GTEST_SKIP() << "web pages cannot be recorded here (run through tools/test.sh)";
    pages.clear();
    HWND window = startShown();
    ASSERT_NE(nullptr, window);
    Sleep(2000);
    EXPECT_TRUE(pages.read().empty());
    EXPECT_TRUE(closeWithButton(window));
}

class StartupSwitch : public Startup, public testing::WithParamInterface<const wchar_t*> {};

TEST_P(StartupSwitch, StartsIconizedToTheNotificationArea) {
    const size_t iconsBefore = trayIcons().size();
    HWND window = startIconized(GetParam(), iconsBefore);
    ASSERT_NE(nullptr, window);
    // Nothing a person could see: the program's hidden owner window may carry the
    // visible flag, but it has no size.
    for (HWND shown : visibleWindowsOf(program_.processId())) {
        const RECT rect = screenRect(shown);
        EXPECT_TRUE(IsRectEmpty(&rect)) << "a window of the program is on the screen\n" << describeScreen();
    }
    EXPECT_TRUE(exitThroughTrayIcon());
    EXPECT_TRUE(waitForTrayIconCount(iconsBefore, kReactionTimeoutMs)) << "the icon stayed after the exit";
}

INSTANTIATE_TEST_SUITE_P(Spellings, StartupSwitch, testing::Values(L"-startup", L"/STARTUP", L"first -StartUp last"));

TEST_F(Startup, TheWordStartupWithoutSwitchStartsShown) {
    HWND window = startShown(L"startup");
    ASSERT_NE(nullptr, window);
    EXPECT_TRUE(closeWithButton(window));
}

TEST_F(Startup, ClickOnTheNotificationIconRestoresTheWindow) {
    const size_t iconsBefore = trayIcons().size();
    HWND window = startIconized(L"-startup", iconsBefore);
    ASSERT_NE(nullptr, window);
    std::vector<HWND> icons = trayIcons();
    ASSERT_FALSE(icons.empty());
    ASSERT_TRUE(click(centreOf(icons.back())));
    EXPECT_TRUE(waitUntil(kReactionTimeoutMs, [&] { return IsWindowVisible(window) != FALSE; })) << describeScreen();
    EXPECT_TRUE(waitForTrayIconCount(iconsBefore, kReactionTimeoutMs)) << "the icon stayed after the restore";
    EXPECT_TRUE(closeWithButton(window));
}

TEST_F(Startup, SecondCopyRestoresTheFirstAndEnds) {
    const size_t iconsBefore = trayIcons().size();
    HWND window = startIconized(L"-startup", iconsBefore);
    ASSERT_NE(nullptr, window);
    ProgramDriver second;
    ASSERT_TRUE(second.start());
    ASSERT_TRUE(second.waitForExit(kStartTimeoutMs)) << "the second copy still runs";
    EXPECT_TRUE(waitUntil(kReactionTimeoutMs, [&] { return IsWindowVisible(window) != FALSE; }))
        << "the first copy's window was not restored\n"
        << describeScreen();
    EXPECT_TRUE(program_.running());
    EXPECT_TRUE(closeWithButton(window));
}

TEST_F(Startup, CopiesStartedTogetherLeaveExactlyOneRunning) {
    const int kCopies = 3;
    std::vector<std::unique_ptr<ProgramDriver>> copies;
    for (int i = 0; i < kCopies; ++i) copies.push_back(std::make_unique<ProgramDriver>());
    for (auto& copy : copies) ASSERT_TRUE(copy->start());
    auto runningCount = [&] {
        int count = 0;
        for (auto& copy : copies) count += copy->running() ? 1 : 0;
        return count;
    };
    // The copies that hand over end; wait until only one can remain.
    EXPECT_TRUE(waitUntil(kStartTimeoutMs, [&] { return runningCount() <= 1; }))
        << runningCount() << " copies still run\n"
        << describeScreen();
    ASSERT_EQ(1, runningCount()) << "no copy kept running";
    for (auto& copy : copies) {
        if (!copy->running()) continue;
        HWND window = copy->waitForMainWindow(kStartTimeoutMs);
        EXPECT_NE(nullptr, window) << "the remaining copy shows no window\n" << describeScreen();
        HWND close = window ? MainWindowView(window).closeButton() : nullptr;
        if (close) click(centreOf(close));
        EXPECT_TRUE(copy->waitForExit(kExitTimeoutMs));
    }
}

}  // namespace
}  // namespace testing_program
