#include "gui/win/FontSizeCode.h"

namespace s {
namespace gui {
namespace win {

bool fontSizeFromCode(int code, FontSize* size) {
    const int magnitude = code < 0 ? -code : code;
    if (magnitude < 100) {
        *size = FontSize{400, code + 10};
        return true;
    }
    if (magnitude < 1000) {
        *size = FontSize{700, code % 100 + 14};  // C++ remainder keeps the sign of the code
        return true;
    }
    if (code == 100001) {
        *size = FontSize{400, 8};
        return true;
    }
    return false;
}

}  // namespace win
}  // namespace gui
}  // namespace s
