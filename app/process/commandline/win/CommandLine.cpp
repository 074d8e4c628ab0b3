#include "app/process/commandline/win/CommandLine.h"

#include <cwchar>

#include "foundation/str/strarray/StrArray.h"
#include "foundation/str/strbuffer/StrBuffer.h"
#include "foundation/thread/EasyPooler.h"
#include "framework/WinApp.h"

namespace s::process::commandline::win {

using str::strarray::StrArray;
using str::strbuffer::StrBuffer;

S_POOLED_CLASS_IMPL(CommandLine, thread::EasyPooler::DEFAULT_CAPACITY)

CommandLine::CommandLine() : arguments_(StrArray::acquire()) {}

CommandLine::~CommandLine() {
    delete arguments_;
}

void CommandLine::reset() {
    if (arguments_) arguments_->clear();
}

void CommandLine::parse(const wchar_t* commandLine) {
    reset();
    framework::WinApp::parseCommandLine(commandLine, *this);
}

void CommandLine::parseParam(const wchar_t* param, bool isSwitch, bool isLast) {
    if (!arguments_ || !param) return;
    StrBuffer* argument = StrBuffer::acquire();
    if (!argument) return;
    // Either switch character is kept as '-', so later comparisons need only one spelling.
    const bool stored = (!isSwitch || argument->appendChar(L'-')) && argument->append(param);
    if (!stored) {
        argument->release();
        return;
    }
    arguments_->add(argument);  // releases the text itself when the list cannot grow
}

uint32_t CommandLine::argumentCount() const {
    return arguments_ ? arguments_->count() : 0;
}

const wchar_t* CommandLine::argument(uint32_t index) const {
    if (index >= argumentCount()) return L"";
    return arguments_->get(index)->c_str();
}

bool CommandLine::hasArgument(const wchar_t* text) const {
    if (!arguments_ || !text) return false;
    return arguments_->indexOfIgnoreCase(text, uint32_t(wcslen(text))) >= 0;
}

}  // namespace s::process::commandline::win
