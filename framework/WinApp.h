#pragma once
// The process's application object and the program entry that runs it.
//
// A program defines exactly one object of a WinApp subclass at namespace
// scope; wWinMain only calls WinApp::runMain, which runs that object:
// initInstance, then the message loop only when initInstance succeeded, then
// exitInstance, whose result is the process exit code. Returning false from
// initInstance ends the program without a loop; a program that does all its
// work inside initInstance ends that way too, so exitInstance then gets 0.
//
// Registration rule: the first object constructed becomes current() and stays
// so until it is destroyed. A later object while one is current is never
// registered (isCurrent() tells), and it does not take over when the first
// one goes: a stray second object must not redirect the program's entry.
#include <windows.h>

namespace framework {

class CommandLineInfo;

class WinApp {
public:
    WinApp();
    WinApp(const WinApp&) = delete;
    WinApp& operator=(const WinApp&) = delete;
    // Unregisters the object if it is the current one.
    virtual ~WinApp();

    // The registered application object, or null.
    static WinApp* current();
    bool isCurrent() const { return current() == this; }

    // What wWinMain calls. Returns -1 when no application object exists.
    static int runMain(HINSTANCE instance, int showCommand);

    HINSTANCE instance() const { return instance_; }
    int showCommand() const { return showCommand_; }

    // Passes each argument after the program name, in order, to info.parseParam. One leading '-' or '/'
    // makes an argument a switch and is taken off. The process's own command line, or the given text.
    void parseCommandLine(CommandLineInfo& info) const;
    static void parseCommandLine(const wchar_t* commandLine, CommandLineInfo& info);

protected:
    // The program's start-up; false ends the program without a message loop.
    virtual bool initInstance() { return true; }
    // The message loop of the process's main thread: runs until WM_QUIT and returns its code (-1 on error).
    virtual int run();
    // Runs last; code is the loop's result, or 0 when initInstance returned false. The result is the exit code.
    virtual int exitInstance(int code) { return code; }

private:
    HINSTANCE instance_ = nullptr;  // not owned: the module of the running program
    int showCommand_ = SW_SHOWDEFAULT;
};

}  // namespace framework
