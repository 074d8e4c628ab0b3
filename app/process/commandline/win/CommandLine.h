#pragma once
// CommandLine: the arguments of ICommandLine, received one at a time from the
// framework's parser (framework::WinApp::parseCommandLine), which has already
// taken the program name off and one leading '-' or '/' off each switch.
#include <cstdint>

#include "app/process/commandline/ICommandLine.h"
#include "foundation/thread/IPoolable.h"
#include "foundation/thread/Pooled.h"
#include "framework/CommandLineInfo.h"

namespace s::str::strarray {
class StrArray;
}

namespace s::process::commandline::win {

class CommandLine : public ICommandLine, public thread::IPoolable, public framework::CommandLineInfo {
    S_POOLED_CLASS(CommandLine, L"s_process_commandline_win_CommandLine")

public:
    CommandLine();
    ~CommandLine() override;
    CommandLine(const CommandLine&) = delete;
    CommandLine& operator=(const CommandLine&) = delete;

    // Forgets every argument.
    void reset() override;

    // Replaces the arguments by those of a whole command line (program name first),
    // split by the framework's rules.
    void parse(const wchar_t* commandLine);

    // ---- framework::CommandLineInfo: a switch is stored as "-" + param, anything else unchanged.
    void parseParam(const wchar_t* param, bool isSwitch, bool isLast) override;

    // ---- ICommandLine
    uint32_t argumentCount() const override;
    const wchar_t* argument(uint32_t index) const override;
    bool hasArgument(const wchar_t* text) const override;

private:
    str::strarray::StrArray* arguments_;  // owned: the stored arguments in order
};

}  // namespace s::process::commandline::win
