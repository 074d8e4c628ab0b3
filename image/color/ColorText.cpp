#include "image/color/ColorText.h"

#include <cmath>
#include <cwctype>

namespace s {
namespace image {
namespace color {

namespace {

constexpr int MAX_DECIMALS = 6;
constexpr double POWERS_OF_TEN[MAX_DECIMALS + 1] = {1, 10, 100, 1000, 10000, 100000, 1000000};

// ---- Writing

class Writer {
public:
    explicit Writer(ColorText::Text* target) : out_(target->text) { out_[0] = L'\0'; }
    void put(wchar_t c) {
        if (at_ + 1 < CAPACITY) out_[at_++] = c;
        out_[at_] = L'\0';
    }
    void put(const wchar_t* text) {
        while (*text) put(*text++);
    }
    void putInt(long long value) {
        wchar_t reversed[24];
        int count = 0;
        do {
            reversed[count++] = wchar_t(L'0' + value % 10);
            value /= 10;
        } while (value > 0);
        while (count > 0) put(reversed[--count]);
    }
    // `scaled` / 10^decimals with the trailing zeros of the fraction left off;
    // with `pointAlways` at least one decimal stays ("1.0").
    void putScaled(long long scaled, int decimals, bool pointAlways) {
        const long long unit = (long long)POWERS_OF_TEN[decimals];
        putInt(scaled / unit);
        long long fraction = scaled % unit;
        int digits = decimals;
        while (digits > 0 && fraction % 10 == 0) {
            fraction /= 10;
            --digits;
        }
        if (digits == 0 && !pointAlways) return;
        put(L'.');
        if (digits == 0) {
            put(L'0');
            return;
        }
        for (int i = digits - 1; i >= 0; --i) put(wchar_t(L'0' + (long long)(fraction / (long long)POWERS_OF_TEN[i]) % 10));
    }
    void putHex(ColorValue colour) { put(formatHex(colour).digits); }

private:
    static constexpr int CAPACITY = int(sizeof(ColorText::Text::text) / sizeof(wchar_t));
    wchar_t* out_;
    int at_ = 0;
};

long long scaledBy(double value, int decimals) {
    return std::llround(value * POWERS_OF_TEN[decimals]);
}

int toChannel(double unit) {
    const double scaled = std::floor(unit * 255.0 + 0.5);
    return scaled < 0.0 ? 0 : scaled > 255.0 ? 255 : int(scaled);
}

// ---- CSS's hue, saturation and lightness (exact, not the sliders' whole numbers)

struct ExactHsl {
    double hue;         // degrees, 0 <= hue < 360
    double saturation;  // percent
    double lightness;   // percent
};

ExactHsl exactHsl(ColorValue colour) {
    const double r = redOf(colour) / 255.0, g = greenOf(colour) / 255.0, b = blueOf(colour) / 255.0;
    const double max = std::fmax(r, std::fmax(g, b)), min = std::fmin(r, std::fmin(g, b));
    const double l = (max + min) / 2.0, d = max - min;
    ExactHsl hsl = {0.0, 0.0, l * 100.0};
    if (d == 0.0) return hsl;
    hsl.saturation = d / (1.0 - std::fabs(2.0 * l - 1.0)) * 100.0;
    double sixths = max == r ? std::fmod((g - b) / d + 6.0, 6.0) : max == g ? (b - r) / d + 2.0 : (r - g) / d + 4.0;
    hsl.hue = sixths * 60.0;
    if (hsl.hue >= 360.0) hsl.hue -= 360.0;
    return hsl;
}

ColorValue fromExactHsl(double hue, double saturationPercent, double lightnessPercent) {
    hue = std::fmod(hue, 360.0);
    if (hue < 0.0) hue += 360.0;
    const double s = saturationPercent / 100.0, l = lightnessPercent / 100.0;
    const double a = s * std::fmin(l, 1.0 - l);
    int channels[3];
    const double offsets[3] = {0.0, 8.0, 4.0};
    for (int i = 0; i < 3; ++i) {
        const double k = std::fmod(offsets[i] + hue / 30.0, 12.0);
        const double f = l - a * std::fmax(-1.0, std::fmin(std::fmin(k - 3.0, 9.0 - k), 1.0));
        channels[i] = toChannel(f);
    }
    return makeColor(channels[0], channels[1], channels[2]);
}

void writeHsl(Writer* out, ColorValue colour) {
    const ExactHsl hsl = exactHsl(colour);
    int decimals = 0;
    long long h = 0, s = 0, l = 0;
    for (; decimals <= MAX_DECIMALS; ++decimals) {
        h = scaledBy(hsl.hue, decimals);
        if (h >= scaledBy(360.0, decimals)) h = 0;
        s = scaledBy(hsl.saturation, decimals);
        l = scaledBy(hsl.lightness, decimals);
        const double unit = POWERS_OF_TEN[decimals];
        if (fromExactHsl(h / unit, s / unit, l / unit) == colour || decimals == MAX_DECIMALS) break;
    }
    out->put(L"hsl(");
    out->putScaled(h, decimals, false);
    out->put(L", ");
    out->putScaled(s, decimals, false);
    out->put(L"%, ");
    out->putScaled(l, decimals, false);
    out->put(L"%)");
}

// One channel as a 0-1 number with the fewest decimals that read back to it.
void writeUnitChannel(Writer* out, int channel) {
    int decimals = 1;
    long long scaled = 0;
    for (; decimals <= MAX_DECIMALS; ++decimals) {
        scaled = scaledBy(channel / 255.0, decimals);
        if (toChannel(scaled / POWERS_OF_TEN[decimals]) == channel) break;
    }
    if (decimals > MAX_DECIMALS) decimals = MAX_DECIMALS;
    out->putScaled(scaled, decimals, true);
}

void writeChannels(Writer* out, ColorValue colour, bool unit) {
    const int channels[3] = {redOf(colour), greenOf(colour), blueOf(colour)};
    for (int i = 0; i < 3; ++i) {
        if (i > 0) out->put(L", ");
        if (unit) {
            writeUnitChannel(out, channels[i]);
        } else {
            out->putInt(channels[i]);
        }
    }
}

// ---- Reading

struct Number {
    double value;
    bool hasPoint;
};

class Reader {
public:
    Reader(const wchar_t* begin, const wchar_t* end) : at_(begin), end_(end) {}

    bool atEnd() const { return at_ == end_; }
    wchar_t peek() const { return at_ < end_ ? *at_ : L'\0'; }
    int skipSpaces() {
        int count = 0;
        while (at_ < end_ && std::iswspace(*at_)) ++at_, ++count;
        return count;
    }
    bool take(wchar_t c) {
        if (peek() != c) return false;
        ++at_;
        return true;
    }
    // The word in any case.
    bool takeWord(const wchar_t* word) {
        const wchar_t* at = at_;
        for (; *word; ++word, ++at)
            if (at >= end_ || std::towlower(*at) != *word) return false;
        at_ = at;
        return true;
    }
    // Digits with an optional fraction (".5" and "5." too); no sign.
    bool number(Number* out) {
        double value = 0.0, scale = 1.0;
        int digits = 0;
        bool point = false;
        for (; at_ < end_; ++at_) {
            if (*at_ >= L'0' && *at_ <= L'9') {
                if (point) scale /= 10.0;
                value = value * 10.0 + (*at_ - L'0');
                ++digits;
            } else if (*at_ == L'.' && !point) {
                point = true;
            } else {
                break;
            }
        }
        if (digits == 0 || digits > 12) return false;
        *out = Number{value * scale, point};
        return true;
    }

private:
    const wchar_t* at_;
    const wchar_t* end_;
};

// Three numbers apart by commas, or (when `spacesAllowed`) by white space alone;
// a number marked in `percent` must carry '%'.
bool readThree(Reader* in, Number out[3], bool spacesAllowed, const bool percent[3]) {
    bool commas = false;
    for (int i = 0; i < 3; ++i) {
        if (i > 0) {
            const int spaces = in->skipSpaces();
            if (in->take(L',')) {
                if (i == 2 && !commas) return false;
                commas = true;
                in->skipSpaces();
            } else if (commas || !spacesAllowed || spaces == 0) {
                return false;
            }
        }
        if (!in->number(&out[i])) return false;
        if (percent[i] && !in->take(L'%')) return false;
    }
    return true;
}

bool inRange(double value, double maximum) {
    return value >= 0.0 && value <= maximum;
}

bool readCssRgb(Reader* in, ColorValue* colour) {
    const bool percent[3] = {false, false, false};
    Number n[3];
    in->skipSpaces();
    if (!readThree(in, n, true, percent)) return false;
    in->skipSpaces();
    if (!in->take(L')') || !in->atEnd()) return false;
    for (const Number& channel : n)
        if (!inRange(channel.value, 255.0)) return false;
    *colour = makeColor(toChannel(n[0].value / 255.0), toChannel(n[1].value / 255.0), toChannel(n[2].value / 255.0));
    return true;
}

bool readCssHsl(Reader* in, ColorValue* colour) {
    const bool percent[3] = {false, true, true};
    Number n[3];
    in->skipSpaces();
    if (!readThree(in, n, true, percent)) return false;
    in->skipSpaces();
    if (!in->take(L')') || !in->atEnd()) return false;
    if (!inRange(n[1].value, 100.0) || !inRange(n[2].value, 100.0)) return false;
    *colour = fromExactHsl(n[0].value, n[1].value, n[2].value);
    return true;
}

// "r, g, b": whole numbers 0-255, or (when any has a decimal point) 0-1 numbers.
bool readChannels(Reader* in, ColorValue* colour) {
    const bool percent[3] = {false, false, false};
    Number n[3];
    if (!readThree(in, n, false, percent) || !in->atEnd()) return false;
    const bool unit = n[0].hasPoint || n[1].hasPoint || n[2].hasPoint;
    int channels[3];
    for (int i = 0; i < 3; ++i) {
        if (!inRange(n[i].value, unit ? 1.0 : 255.0)) return false;
        channels[i] = unit ? toChannel(n[i].value) : int(n[i].value);
    }
    *colour = makeColor(channels[0], channels[1], channels[2]);
    return true;
}

int hexValue(wchar_t c) {
    if (c >= L'0' && c <= L'9') return c - L'0';
    if (c >= L'a' && c <= L'f') return c - L'a' + 10;
    if (c >= L'A' && c <= L'F') return c - L'A' + 10;
    return -1;
}

// Exactly `count` hex digits, 3 (each doubled) or 6.
bool readHexDigits(const wchar_t* begin, const wchar_t* end, ColorValue* colour) {
    const long count = long(end - begin);
    if (count != 3 && count != 6) return false;
    int digits[6];
    for (long i = 0; i < count; ++i)
        if ((digits[i] = hexValue(begin[i])) < 0) return false;
    if (count == 3) {
        *colour = makeColor(digits[0] * 17, digits[1] * 17, digits[2] * 17);
    } else {
        *colour = makeColor(digits[0] * 16 + digits[1], digits[2] * 16 + digits[3], digits[4] * 16 + digits[5]);
    }
    return true;
}

}  // namespace

ColorText::Text ColorText::format(ColorValue colour, int format) {
    Text text;
    Writer out(&text);
    switch (format) {
    case HASH_HEX:
        out.put(L'#');
        out.putHex(colour);
        break;
    case CSS_RGB:
        out.put(L"rgb(");
        writeChannels(&out, colour, false);
        out.put(L')');
        break;
    case CSS_HSL:
        writeHsl(&out, colour);
        break;
    case CHANNELS:
        writeChannels(&out, colour, false);
        break;
    case CODE_HEX:
        out.put(L"0x");
        out.putHex(colour);
        break;
    case UNIT_CHANNELS:
        writeChannels(&out, colour, true);
        break;
    default:
        out.putHex(colour);
        break;
    }
    return text;
}

bool ColorText::parse(const wchar_t* text, ColorValue* colour) {
    if (!text || !colour) return false;
    const wchar_t* begin = text;
    const wchar_t* end = text;
    while (*end) ++end;
    while (begin < end && std::iswspace(*begin)) ++begin;
    while (end > begin && std::iswspace(end[-1])) --end;
    if (begin == end) return false;
    if (*begin == L'#') return readHexDigits(begin + 1, end, colour);
    if (end - begin == 8 && begin[0] == L'0' && (begin[1] == L'x' || begin[1] == L'X'))
        return readHexDigits(begin + 2, end, colour);
    // Six characters may also be "1,2,30": only six hex digits are hex.
    if (end - begin == 6 && readHexDigits(begin, end, colour)) return true;
    Reader in(begin, end);
    if (in.takeWord(L"rgb(")) return readCssRgb(&in, colour);
    if (in.takeWord(L"hsl(")) return readCssHsl(&in, colour);
    return readChannels(&in, colour);
}

}  // namespace color
}  // namespace image
}  // namespace s
