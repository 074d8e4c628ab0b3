#include "RealInput.h"

#include <cstdlib>

#include "ProgramDriver.h"

namespace testing_program {

namespace {

// Pauses between the events of one gesture: the receiving thread gets time to
// handle each before the next arrives, as it does with a person's hand.
constexpr DWORD kGesturePauseMs = 30;
constexpr int kDragSteps = 12;

void sendMouse(DWORD flags, LONG x = 0, LONG y = 0) {
    INPUT input = {};
    input.type = INPUT_MOUSE;
    input.mi.dx = x;
    input.mi.dy = y;
    input.mi.dwFlags = flags;
    SendInput(1, &input, sizeof(INPUT));
}

// Absolute input coordinates run from 0 to 65535 across the primary screen.
LONG normalised(int value, int extent) {
    return extent > 1 ? LONG((value * 65535LL + (extent - 1) / 2) / (extent - 1)) : 0;
}

bool pointerIsAt(POINT at) {
    POINT now;
    return GetCursorPos(&now) && now.x == at.x && now.y == at.y;
}

bool isExtendedKey(WORD key) {
    switch (key) {
        case VK_LEFT:
        case VK_RIGHT:
        case VK_UP:
        case VK_DOWN:
        case VK_HOME:
        case VK_END:
        case VK_PRIOR:
        case VK_NEXT:
        case VK_INSERT:
        case VK_DELETE:
        case VK_RMENU:
        case VK_RCONTROL:
            return true;
        default:
            return false;
    }
}

void sendKey(WORD virtualKey, bool up) {
    INPUT input = {};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = virtualKey;
    input.ki.wScan = WORD(MapVirtualKeyW(virtualKey, MAPVK_VK_TO_VSC));
    input.ki.dwFlags = (up ? KEYEVENTF_KEYUP : 0) | (isExtendedKey(virtualKey) ? KEYEVENTF_EXTENDEDKEY : 0);
    SendInput(1, &input, sizeof(INPUT));
}

void sendUnicode(wchar_t character, bool up) {
    INPUT input = {};
    input.type = INPUT_KEYBOARD;
    input.ki.wScan = character;
    input.ki.dwFlags = KEYEVENTF_UNICODE | (up ? KEYEVENTF_KEYUP : 0);
    SendInput(1, &input, sizeof(INPUT));
}

DWORD downFlag(MouseButton button) {
    switch (button) {
        case MouseButton::Right:
            return MOUSEEVENTF_RIGHTDOWN;
        case MouseButton::Middle:
            return MOUSEEVENTF_MIDDLEDOWN;
        default:
            return MOUSEEVENTF_LEFTDOWN;
    }
}

DWORD upFlag(MouseButton button) {
    switch (button) {
        case MouseButton::Right:
            return MOUSEEVENTF_RIGHTUP;
        case MouseButton::Middle:
            return MOUSEEVENTF_MIDDLEUP;
        default:
            return MOUSEEVENTF_LEFTUP;
    }
}

}  // namespace

bool movePointer(POINT at) {
    const int width = GetSystemMetrics(SM_CXSCREEN);
    const int height = GetSystemMetrics(SM_CYSCREEN);
    sendMouse(MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE, normalised(at.x, width), normalised(at.y, height));
    if (!waitUntil(1000, [&] { return pointerIsAt(at); })) {
        // Rounding of the absolute scale can land a pixel off; a relative step corrects it.
        POINT now = {};
        GetCursorPos(&now);
        sendMouse(MOUSEEVENTF_MOVE, at.x - now.x, at.y - now.y);
        if (!waitUntil(1000, [&] { return pointerIsAt(at); })) return false;
    }
    Sleep(kGesturePauseMs);
    return true;
}

bool parkPointer() { return movePointer(POINT{2, GetSystemMetrics(SM_CYSCREEN) - 2}); }

void pressButton(MouseButton button) {
    sendMouse(downFlag(button));
    Sleep(kGesturePauseMs);
}

void releaseButton(MouseButton button) {
    sendMouse(upFlag(button));
    Sleep(kGesturePauseMs);
}

namespace {

struct LastPress {
    bool known = false;
    MouseButton button = MouseButton::Left;
    POINT at = {};
    DWORD time = 0;
};
LastPress gLastPress;  // the test's own thread only

// Two presses count as a double click when the second comes within the
// double-click time and rectangle of the first.
void waitOutDoubleClick(POINT at, MouseButton button) {
    if (!gLastPress.known || gLastPress.button != button) return;
    if (abs(at.x - gLastPress.at.x) > GetSystemMetrics(SM_CXDOUBLECLK) ||
        abs(at.y - gLastPress.at.y) > GetSystemMetrics(SM_CYDOUBLECLK))
        return;
    const DWORD limit = GetDoubleClickTime() + 50;
    const DWORD since = GetTickCount() - gLastPress.time;
    if (since < limit) Sleep(limit - since);
}

}  // namespace

bool clickAtOnce(POINT at, MouseButton button) {
    if (!movePointer(at)) return false;
    pressButton(button);
    gLastPress = {true, button, at, GetTickCount()};
    releaseButton(button);
    return true;
}

bool click(POINT at, MouseButton button) {
    waitOutDoubleClick(at, button);
    return clickAtOnce(at, button);
}

bool drag(POINT from, POINT to) {
    if (!movePointer(from)) return false;
    pressButton(MouseButton::Left);
    bool moved = true;
    for (int step = 1; step <= kDragSteps && moved; ++step) {
        const POINT between = {from.x + (to.x - from.x) * step / kDragSteps,
                               from.y + (to.y - from.y) * step / kDragSteps};
        moved = movePointer(between);
    }
    releaseButton(MouseButton::Left);
    return moved;
}

void keyDown(WORD virtualKey) {
    sendKey(virtualKey, false);
    Sleep(kGesturePauseMs);
}

void keyUp(WORD virtualKey) {
    sendKey(virtualKey, true);
    Sleep(kGesturePauseMs);
}

void pressKey(WORD virtualKey, int times) {
    for (int i = 0; i < times; ++i) {
        keyDown(virtualKey);
        keyUp(virtualKey);
    }
}

void typeText(const std::wstring& text) {
    for (wchar_t character : text) {
        sendUnicode(character, false);
        sendUnicode(character, true);
        Sleep(kGesturePauseMs);
    }
}

}  // namespace testing_program
