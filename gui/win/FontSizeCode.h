#pragma once
// Controls and labels are given a font size code rather than a font:
//   |n| < 100          regular, n + 10 points        (-2: 8 pt, -1: 9 pt)
//   100 <= |n| < 1000  bold, (n rem 100) + 14 points (-103: bold 11 pt)
//   100001             regular, 8 points
// Any other code of magnitude 1000 or more leaves the font as it is.
namespace s {
namespace gui {
namespace win {

struct FontSize {
    int weight;  // 400 regular, 700 bold
    int points;
};

// False (and *size untouched) for a code that changes nothing.
bool fontSizeFromCode(int code, FontSize* size);

}  // namespace win
}  // namespace gui
}  // namespace s
