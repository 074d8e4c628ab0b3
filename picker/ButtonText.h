#pragma once
// The width a push button needs to show its text whole. Buttons take the sizes
// the layout gives them and never measure their texts, so a translation, or a
// system font, wider than the width the layout planned would be cut off: the
// windows raise such a button's minimum width to what its text needs, and the
// window then grows to its content.
namespace s::gui::win {
class Button;
class FontSetting;
}  // namespace s::gui::win

namespace s::image::gui::dialogs::huesnap {

// Pixels on each side of a button's text: the button's frame and a gap that
// keeps the text off it.
constexpr int BUTTON_TEXT_INSET = 6;

// Raises `button`'s minimum width to its text's width in the font made from
// `widest` (the widest font the button shows its text in; null: the button's
// own) with the inset on both sides, never below `plannedWidth`; the minimum
// height stays. Does nothing before the button's window exists. On the
// window's thread.
void fitButtonToText(s::gui::win::Button* button, const s::gui::win::FontSetting* widest, int plannedWidth);
// The same at `dpi`, whether or not the button's window exists yet (a window is
// laid out before its controls are made); a button with no font setting at all
// is then measured in the font its window has, or not at all before it has one.
void fitButtonToText(s::gui::win::Button* button, const s::gui::win::FontSetting* widest, int plannedWidth, int dpi);

}  // namespace s::image::gui::dialogs::huesnap
