#pragma once
// Receives the program's arguments one at a time (see WinApp::parseCommandLine).
//
// The parser has already split the command line and taken the program name
// off; a receiver decides what each argument means and what it keeps of it.

namespace framework {

class CommandLineInfo {
public:
    CommandLineInfo() = default;
    CommandLineInfo(const CommandLineInfo&) = delete;
    CommandLineInfo& operator=(const CommandLineInfo&) = delete;
    virtual ~CommandLineInfo();

    // param: the argument, without its switch character when isSwitch is true (a lone "-" gives "").
    // isLast: true for the final argument, so a receiver can finish its work there.
    virtual void parseParam(const wchar_t* param, bool isSwitch, bool isLast) = 0;
};

}  // namespace framework
