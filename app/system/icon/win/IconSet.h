#pragma once
// IconSet: one icon group resource of a module in the three sizes the program
// shows: 16 x 16 (window caption, notification area), 32 x 32 (task switcher)
// and 64 x 64 (large views), each in design units, so at 150 % they are 24, 48
// and 96 pixels (the group holds images for the usual scales). The icons are the
// set's own and are destroyed when it is reset.
#include <windows.h>

#include "foundation/base/IObject.h"
#include "foundation/thread/IPoolable.h"
#include "foundation/thread/Pooled.h"

namespace s::system::icon::win {

class IconSet : public base::IObject, public thread::IPoolable {
    S_POOLED_CLASS(IconSet, L"s_system_icon_win_IconSet")

public:
    // The program's icon group.
    static constexpr int PROGRAM_ICON_GROUP = 128;

    IconSet() = default;
    // Destroys the icons.
    ~IconSet() override;
    IconSet(const IconSet&) = delete;
    IconSet& operator=(const IconSet&) = delete;

    // Destroys the icons.
    void reset() override;

    // Replaces the icons by those of icon group `groupId` of `module` (null: the
    // running executable). True when all three sizes were made; a size that could
    // not be made stays null. The sizes are made for `dpi` (0: the system's).
    bool load(HMODULE module, int groupId, int dpi = 0);

    HICON smallIcon() const { return small_; }
    HICON largeIcon() const { return large_; }
    HICON icon64() const { return huge_; }
    // The icon of the three that suits `size` pixels: the small one up to its size,
    // the large one up to its size, else the largest (16, 32 and 64 at 100 %).
    HICON iconOfSize(int size) const;

private:
    HICON small_ = nullptr;  // owned: 16 x 16
    HICON large_ = nullptr;  // owned: 32 x 32
    HICON huge_ = nullptr;   // owned: 64 x 64
    int smallSize_ = 16, largeSize_ = 32;  // pixels, for the DPI they were made at
};

}  // namespace s::system::icon::win
