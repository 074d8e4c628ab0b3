#include "framework/WinApp.h"

#include <shellapi.h>

#include <atomic>

#include "framework/CommandLineInfo.h"

namespace framework {

namespace {

// Constant-initialised, so an application object defined at namespace scope in
// any file can register itself during static construction.
std::atomic<WinApp*> gCurrent{nullptr};

bool isSwitchCharacter(wchar_t c) {
    return c == L'-' || c == L'/';
}

}  // namespace

WinApp::WinApp() {
    WinApp* none = nullptr;
    if (!gCurrent.compare_exchange_strong(none, this)) {
        // Kept out of the way, not fatal: the first object goes on running the program.
        OutputDebugStringW(L"framework::WinApp: a second application object was ignored\n");
    }
}

WinApp::~WinApp() {
    WinApp* self = this;
    gCurrent.compare_exchange_strong(self, nullptr);
}

WinApp* WinApp::current() {
    return gCurrent.load();
}

int WinApp::runMain(HINSTANCE instance, int showCommand) {
    WinApp* app = current();
    if (!app) return -1;
    app->instance_ = instance;
    app->showCommand_ = showCommand;
    const int code = app->initInstance() ? app->run() : 0;
    return app->exitInstance(code);
}

int WinApp::run() {
    MSG msg;
    for (;;) {
        const BOOL got = GetMessageW(&msg, nullptr, 0, 0);
        if (got == 0) return int(msg.wParam);
        if (got < 0) return -1;
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
}

void WinApp::parseCommandLine(CommandLineInfo& info) const {
    parseCommandLine(GetCommandLineW(), info);
}

void WinApp::parseCommandLine(const wchar_t* commandLine, CommandLineInfo& info) {
    // An empty text would make CommandLineToArgvW answer the program's path: no arguments either way.
    if (!commandLine || !*commandLine) return;
    int count = 0;
    wchar_t** args = CommandLineToArgvW(commandLine, &count);
    if (!args) return;
    for (int i = 1; i < count; ++i) {  // args[0] is the program name
        const wchar_t* arg = args[i];
        const bool isSwitch = isSwitchCharacter(arg[0]);
        info.parseParam(isSwitch ? arg + 1 : arg, isSwitch, i == count - 1);
    }
    LocalFree(args);
}

}  // namespace framework
