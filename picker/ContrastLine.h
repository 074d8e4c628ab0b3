#pragma once
// ContrastLine: the text of the line under the sample: the pair's contrast ratio
// and, for normal and for large text, whether AA and AAA are met. Each grade is
// a word, so the line never relies on colour to tell pass from fail.
#include "image/color/Contrast.h"

namespace s::image::gui::dialogs::huesnap {

struct ContrastLine {
    // The words of the current language; a null word counts as empty.
    struct Words {
        const wchar_t* contrast;    // "Contrast"
        const wchar_t* normalText;  // "Normal text:"
        const wchar_t* largeText;   // "Large text:"
        const wchar_t* pass;
        const wchar_t* fail;
    };
    struct Text {
        wchar_t text[256];
    };

    // Three lines: "Contrast 4.54:1", "Normal text: AA pass, AAA fail",
    // "Large text: AA pass, AAA pass". A text too long for the buffer is cut.
    static Text compose(const Words& words, double ratio);
};

}  // namespace s::image::gui::dialogs::huesnap
