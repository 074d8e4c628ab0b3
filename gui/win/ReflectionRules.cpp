#include "gui/win/ReflectionRules.h"

namespace s {
namespace gui {
namespace win {

UINT reflectedCommand(UINT notificationCode) {
    switch (notificationCode) {
        case 0:
            return 0x8004;  // BN_CLICKED
        case 1:
            return 0x800A;  // BN_PAINT / CBN_SELCHANGE / LBN_SELCHANGE
        case 5:
            return 0x8005;  // BN_DOUBLECLICKED / BN_DBLCLK
        case 7:
            return 0x800F;  // CBN_DROPDOWN
        case 8:
            return 0x8010;  // CBN_CLOSEUP
        case 0x200:
            return 0x8015;  // EN_KILLFOCUS
        case 0x300:
            return 0x800C;  // EN_CHANGE
        default:
            return 0;
    }
}

UINT reflectedNotify(int code, bool* returnsZero) {
    *returnsZero = false;
    switch (code) {
        case -100:
            return 0x8013;
        case -101:
            *returnsZero = true;
            return 0x8006;
        case -108:
            return 0x800D;
        case -109:
            *returnsZero = true;
            return 0x8008;
        case -115:
            *returnsZero = true;
            return 0x8007;
        case -176:
            return 0x8009;
        case -551:
            return 0x800B;
        case -12:
            return 0x800E;  // NM_CUSTOMDRAW
        case -310:
            return 0x8011;
        case -311:
            return 0x8012;
        default:
            return 0;
    }
}

bool isControlColourMessage(UINT msg) {
    return msg == 0x19 || (msg >= WM_CTLCOLOREDIT && msg <= WM_CTLCOLORSTATIC);
}

}  // namespace win
}  // namespace gui
}  // namespace s
