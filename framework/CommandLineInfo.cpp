#include "framework/CommandLineInfo.h"

namespace framework {

// Out of line so the class's table of virtual functions has one home.
CommandLineInfo::~CommandLineInfo() = default;

}  // namespace framework
