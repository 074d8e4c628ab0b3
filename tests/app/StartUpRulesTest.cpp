// The start's decisions without a window: the systems the program runs on, the
// switch that starts it in the notification area, the instance lock's name and
// states, and the wait that keeps answering messages.
#include <gtest/gtest.h>

#include <windows.h>

#include <thread>

#include "app/process/commandline/win/CommandLine.h"
#include "app/win/InstanceLock.h"
#include "app/win/StartUpRules.h"
#include "foundation/str/strbuffer/StrBuffer.h"

namespace {

using s::app::win::InstanceLock;
using s::process::commandline::win::CommandLine;
using s::str::strbuffer::StrBuffer;

TEST(StartUpRules, RunsOnXpServer2003AndEverythingFromVistaOn) {
    EXPECT_TRUE(s::app::win::isSupportedSystem(5, 1, VER_PLATFORM_WIN32_NT));
    EXPECT_TRUE(s::app::win::isSupportedSystem(5, 2, VER_PLATFORM_WIN32_NT));
    EXPECT_TRUE(s::app::win::isSupportedSystem(6, 0, VER_PLATFORM_WIN32_NT));
    EXPECT_TRUE(s::app::win::isSupportedSystem(10, 0, VER_PLATFORM_WIN32_NT));
    EXPECT_FALSE(s::app::win::isSupportedSystem(5, 0, VER_PLATFORM_WIN32_NT));   // 2000
    EXPECT_FALSE(s::app::win::isSupportedSystem(4, 90, VER_PLATFORM_WIN32_WINDOWS));  // Me
    EXPECT_FALSE(s::app::win::isSupportedSystem(5, 1, VER_PLATFORM_WIN32_WINDOWS));
    EXPECT_TRUE(s::app::win::isRunningOnSupportedSystem());
}

bool iconizedFor(const wchar_t* commandLine) {
    CommandLine* arguments = CommandLine::acquire();
    arguments->parse(commandLine);
    const bool iconized = s::app::win::wantsIconizedStart(arguments);
    arguments->release();
    return iconized;
}

TEST(StartUpRules, StartupSwitchInAnySpellingAndPlaceStartsIconized) {
    EXPECT_TRUE(iconizedFor(L"HueSnap.exe -startup"));
    EXPECT_TRUE(iconizedFor(L"HueSnap.exe /STARTUP"));
    EXPECT_TRUE(iconizedFor(L"HueSnap.exe one -StartUp two"));
    EXPECT_FALSE(iconizedFor(L"HueSnap.exe startup"));
    EXPECT_FALSE(iconizedFor(L"HueSnap.exe -startups"));
    EXPECT_FALSE(iconizedFor(L"HueSnap.exe"));
    EXPECT_FALSE(s::app::win::wantsIconizedStart(nullptr));
}

std::wstring nameOf(const wchar_t* product, const wchar_t* path) {
    StrBuffer* name = StrBuffer::acquire();
    const bool made = InstanceLock::lockName(product, path, *name);
    std::wstring text = made ? name->c_str() : L"";
    name->release();
    return text;
}

TEST(InstanceLock, NameIgnoresLetterCaseButNotTheFolder) {
    const std::wstring name = nameOf(L"Tuvo HueSnap", L"C:\\Programs\\HueSnap.exe");
    ASSERT_EQ(0u, name.find(L"Local\\Tuvo HueSnap."));
    EXPECT_EQ(std::wstring::npos, name.find(L'\\', 6)) << "a backslash after the namespace makes the name invalid";
    EXPECT_EQ(name, nameOf(L"Tuvo HueSnap", L"c:\\PROGRAMS\\huesnap.EXE"));
    EXPECT_NE(name, nameOf(L"Tuvo HueSnap", L"C:\\Other\\HueSnap.exe"));
    EXPECT_EQ(std::wstring::npos, nameOf(L"Odd\\Id", L"C:\\x.exe").find(L'\\', 6));
    EXPECT_EQ(L"", nameOf(L"Tuvo HueSnap", L""));
    EXPECT_EQ(L"", nameOf(nullptr, L"C:\\x.exe"));
}

InstanceLock::State takeOnAnotherThread(const wchar_t* path) {
    InstanceLock::State state = InstanceLock::State::UNAVAILABLE;
    std::thread other([&] {
        InstanceLock lock;
        state = lock.take(L"HueSnap Lock Test", path);
    });
    other.join();
    return state;
}

TEST(InstanceLock, OneOwnerUntilReleasedOrEnded) {
    const wchar_t* path = L"C:\\Tests\\LockTest.exe";
    InstanceLock first;
    ASSERT_EQ(InstanceLock::State::OWNED, first.take(L"HueSnap Lock Test", path));
    EXPECT_EQ(InstanceLock::State::OWNED, first.take(L"HueSnap Lock Test", path)) << "taking again is harmless";
    EXPECT_EQ(InstanceLock::State::HELD, takeOnAnotherThread(path));
    EXPECT_EQ(InstanceLock::State::OWNED, takeOnAnotherThread(L"C:\\Elsewhere\\LockTest.exe"));
    first.release();
    EXPECT_FALSE(first.isOwned());
    EXPECT_EQ(InstanceLock::State::OWNED, takeOnAnotherThread(path));

    // An owner that ends without giving the lock back leaves it to the next start.
    InstanceLock* abandoned = new InstanceLock;
    std::thread crashed([&] { abandoned->take(L"HueSnap Lock Test", path); });
    crashed.join();
    EXPECT_TRUE(abandoned->isOwned());
    EXPECT_EQ(InstanceLock::State::OWNED, takeOnAnotherThread(path));
    delete abandoned;
}

bool gDelivered = false;

LRESULT CALLBACK recordingProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    if (msg == WM_APP) gDelivered = true;
    return DefWindowProcW(hwnd, msg, wp, lp);
}

TEST(StartUpRules, WaitAnswersMessagesAndStopsWhenDoneOrTimedOut) {
    WNDCLASSW windowClass = {};
    windowClass.lpfnWndProc = recordingProc;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.lpszClassName = L"HueSnapPumpTest";
    RegisterClassW(&windowClass);
    HWND window = CreateWindowExW(0, L"HueSnapPumpTest", L"", 0, 0, 0, 1, 1, HWND_MESSAGE, nullptr,
                                  GetModuleHandleW(nullptr), nullptr);
    ASSERT_NE(nullptr, window);
    gDelivered = false;
    PostMessageW(window, WM_APP, 0, 0);
    auto delivered = [](void*) { return gDelivered; };
    EXPECT_TRUE(s::app::win::pumpUntil(delivered, nullptr, 10000)) << "a posted message must be handled while waiting";

    auto never = [](void*) { return false; };
    const DWORD start = GetTickCount();
    EXPECT_FALSE(s::app::win::pumpUntil(never, nullptr, 100));
    EXPECT_GE(GetTickCount() - start, 90u);

    // A quit request ends the wait at once and stays for the thread's own loop.
    PostQuitMessage(7);
    EXPECT_FALSE(s::app::win::pumpUntil(never, nullptr, INFINITE));
    MSG msg;
    EXPECT_TRUE(PeekMessageW(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
    DestroyWindow(window);
    UnregisterClassW(L"HueSnapPumpTest", GetModuleHandleW(nullptr));
}

}  // namespace
