#pragma once
// The application icon as a picture for an Image control: the icon drawn at
// the size the window shows it, its transparent parts kept.
#include <windows.h>

namespace s::image::win {
class BufferedImageSet;
}

namespace s::image::gui::dialogs::huesnap {

// A one-frame picture of `icon` drawn at size x size pixels, owned by the caller
// (an Image control takes it over); null without an icon or when no picture could be had.
image::win::BufferedImageSet* iconPicture(HICON icon, int size);

}  // namespace s::image::gui::dialogs::huesnap
