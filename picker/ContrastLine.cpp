#include "picker/ContrastLine.h"

namespace s::image::gui::dialogs::huesnap {

namespace {

class Appender {
public:
    explicit Appender(ContrastLine::Text* target) : out_(target->text) { out_[0] = L'\0'; }
    Appender& operator<<(const wchar_t* text) {
        for (; text && *text; ++text)
            if (at_ + 1 < CAPACITY) out_[at_++] = *text;
        out_[at_] = L'\0';
        return *this;
    }

private:
    static constexpr int CAPACITY = int(sizeof(ContrastLine::Text::text) / sizeof(wchar_t));
    wchar_t* out_;
    int at_ = 0;
};

}  // namespace

ContrastLine::Text ContrastLine::compose(const Words& words, double ratio) {
    using color::Contrast;
    const Contrast::Grades grades = Contrast::grade(ratio);
    auto word = [&](bool passed) { return passed ? words.pass : words.fail; };
    Text result;
    Appender out(&result);
    out << words.contrast << L" " << Contrast::format(ratio).text << L"\r\n";
    out << words.normalText << L" AA " << word(grades.aaNormal) << L", AAA " << word(grades.aaaNormal) << L"\r\n";
    out << words.largeText << L" AA " << word(grades.aaLarge) << L", AAA " << word(grades.aaaLarge);
    return result;
}

}  // namespace s::image::gui::dialogs::huesnap
