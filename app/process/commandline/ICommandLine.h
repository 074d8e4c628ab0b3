#pragma once
// ICommandLine: the program's arguments after the program name, in order. A
// switch keeps a leading '-' whichever switch character was typed, so "/startup"
// and "-startup" read the same; any other argument is kept as typed.
#include <cstdint>

#include "foundation/base/IObject.h"

namespace s::process::commandline {

class ICommandLine : public base::IObject {
public:
    static constexpr wchar_t CLASS_NAME[] = L"s_process_commandline_ICommandLine";

    virtual uint32_t argumentCount() const = 0;
    // The argument at 0-based `index`; "" outside the range. Valid until the next change.
    virtual const wchar_t* argument(uint32_t index) const = 0;
    // True when an argument equals `text` ignoring letter case (ASCII letters fold).
    virtual bool hasArgument(const wchar_t* text) const = 0;
};

}  // namespace s::process::commandline
