// StrBuffer: searches, region tests, trims, replaceAll, prefixes, split and words.
// Every search works on the counted text, so embedded NULs neither stop a search
// nor hide a match behind them.
#include <cstring>
#include <cwchar>

#include "foundation/str/strarray/StrArray.h"
#include "foundation/str/strbuffer/StrBuffer.h"

namespace s::str::strbuffer {

using strarray::StrArray;

namespace {

// Space, line feed, ideographic space, tab, carriage return.
const wchar_t WHITESPACE[] = L" \n\x3000\t\r";
const int32_t WHITESPACE_COUNT = 5;

uint32_t minimum(uint32_t a, uint32_t b) { return a < b ? a : b; }

uint32_t setSize(const wchar_t* set, int32_t count) {
    if (!set) return 0;
    return count < 0 ? uint32_t(wcslen(set)) : uint32_t(count);
}

bool unitsEqual(wchar_t a, wchar_t b, bool ignoreCase) {
    return ignoreCase ? StrBuffer::lowerAscii(a) == StrBuffer::lowerAscii(b) : a == b;
}

bool inSet(wchar_t c, const wchar_t* set, uint32_t count, bool ignoreCase) {
    for (uint32_t i = 0; i < count; ++i) {
        if (unitsEqual(c, set[i], ignoreCase)) return true;
    }
    return false;
}

// Where a backward search starts (exclusive): FROM_END is the length.
uint32_t backwardStart(uint32_t position, uint32_t length) {
    return position == IStr::FROM_END ? length : minimum(position, length);
}

// Forward scan for one unit or a member of a set.
bool scanForward(const wchar_t* text, uint32_t length, uint32_t from, const wchar_t* set, uint32_t setCount,
                 bool ignoreCase, uint32_t& index) {
    for (uint32_t i = from; i < length; ++i) {
        if (inSet(text[i], set, setCount, ignoreCase)) {
            index = i;
            return true;
        }
    }
    return false;
}

bool scanBackward(const wchar_t* text, uint32_t start, const wchar_t* set, uint32_t setCount, bool ignoreCase,
                  uint32_t& index) {
    for (uint32_t i = start; i-- > 0;) {
        if (inSet(text[i], set, setCount, ignoreCase)) {
            index = i;
            return true;
        }
    }
    return false;
}

// The comparison of two NUL-terminated runs of at most `count` units (wcsncmp rules).
int32_t compareRuns(const wchar_t* a, const wchar_t* b, uint64_t count, bool ignoreCase) {
    for (uint64_t i = 0; i < count; ++i) {
        const wchar_t x = ignoreCase ? StrBuffer::lowerAscii(a[i]) : a[i];
        const wchar_t y = ignoreCase ? StrBuffer::lowerAscii(b[i]) : b[i];
        if (x != y) return x < y ? -1 : 1;
        if (x == 0) return 0;
    }
    return 0;
}

// Word separators: every code unit that is neither a letter nor a digit for the
// word list. "%", "+" and "-" belong to words; so does everything above 255 but
// the CJK punctuation below.
bool isWordSeparator(wchar_t c) {
    if (c <= 36 || (c >= 38 && c <= 42) || c == 44 || c == 46 || c == 47) return true;
    if ((c >= 58 && c <= 64) || (c >= 91 && c <= 96) || (c >= 123 && c <= 255)) return true;
    switch (c) {
        case 0x3000:
        case 0x3001:
        case 0x3002:
        case 0x300C:
        case 0x300D:
        case 0x3010:
        case 0x3011:
        case 0xFF08:
        case 0xFF09:
            return true;
        default:
            return false;
    }
}

const wchar_t* const STOP_WORDS[] = {L"the", L"of", L"and"};

bool isStopWord(const wchar_t* word, uint32_t count) {
    for (const wchar_t* stop : STOP_WORDS) {
        if (wcslen(stop) != count) continue;
        uint32_t i = 0;
        while (i < count && StrBuffer::lowerAscii(word[i]) == stop[i]) ++i;
        if (i == count) return true;
    }
    return false;
}

}  // namespace

// ---- Code-unit searches

bool StrBuffer::indexOfChar(wchar_t c, uint32_t& index, uint32_t from) const {
    return scanForward(text_, length_, from, &c, 1, false, index);
}

bool StrBuffer::indexOfCharIgnoreCase(wchar_t c, uint32_t& index, uint32_t from) const {
    return scanForward(text_, length_, from, &c, 1, true, index);
}

bool StrBuffer::indexOfAny(const wchar_t* set, int32_t setCount, uint32_t& index, uint32_t from) const {
    return scanForward(text_, length_, from, set, setSize(set, setCount), false, index);
}

bool StrBuffer::indexOfAnyIgnoreCase(const wchar_t* set, int32_t setCount, uint32_t& index, uint32_t from) const {
    return scanForward(text_, length_, from, set, setSize(set, setCount), true, index);
}

bool StrBuffer::lastIndexOfChar(wchar_t c, uint32_t& index, uint32_t position) const {
    return scanBackward(text_, backwardStart(position, length_), &c, 1, false, index);
}

bool StrBuffer::lastIndexOfCharIgnoreCase(wchar_t c, uint32_t& index, uint32_t position) const {
    return scanBackward(text_, backwardStart(position, length_), &c, 1, true, index);
}

bool StrBuffer::lastIndexOfAny(const wchar_t* set, int32_t setCount, uint32_t& index, uint32_t position) const {
    return scanBackward(text_, backwardStart(position, length_), set, setSize(set, setCount), false, index);
}

bool StrBuffer::lastIndexOfAnyIgnoreCase(const wchar_t* set, int32_t setCount, uint32_t& index,
                                         uint32_t position) const {
    return scanBackward(text_, backwardStart(position, length_), set, setSize(set, setCount), true, index);
}

// ---- Substring searches

bool StrBuffer::regionEquals(uint32_t index, const wchar_t* text, uint32_t count, bool ignoreCase) const {
    if (uint64_t(index) + count > length_) return false;
    if (!ignoreCase) return count == 0 || wmemcmp(text_ + index, text, count) == 0;
    for (uint32_t i = 0; i < count; ++i) {
        if (lowerAscii(text_[index + i]) != lowerAscii(text[i])) return false;
    }
    return true;
}

bool StrBuffer::findForward(const wchar_t* text, uint32_t& index, uint32_t from, bool ignoreCase) const {
    const uint32_t count = text ? uint32_t(wcslen(text)) : 0;
    if (count == 0) {
        // As a NUL-terminated substring search: the empty text is found where the
        // search starts; the ignore-case search finds no empty text.
        if (ignoreCase || !text || from > length_) return false;
        index = from;
        return true;
    }
    if (uint64_t(from) + count > length_) return false;
    const uint32_t last = length_ - count;
    for (uint32_t i = from; i <= last; ++i) {
        if (unitsEqual(text_[i], text[0], ignoreCase) && regionEquals(i, text, count, ignoreCase)) {
            index = i;
            return true;
        }
    }
    return false;
}

bool StrBuffer::findBackward(const wchar_t* text, uint32_t& index, uint32_t before, bool ignoreCase) const {
    const uint32_t count = text ? uint32_t(wcslen(text)) : 0;
    const uint32_t limit = backwardStart(before, length_);
    if (count == 0 || count > limit) return false;
    // Candidates start where the whole text still fits before the limit.
    for (uint32_t i = limit - count + 1; i-- > 0;) {
        if (unitsEqual(text_[i], text[0], ignoreCase) && regionEquals(i, text, count, ignoreCase)) {
            index = i;
            return true;
        }
    }
    return false;
}

bool StrBuffer::indexOf(const wchar_t* text, uint32_t& index, uint32_t from) const {
    return findForward(text, index, from, false);
}

bool StrBuffer::indexOfIgnoreCase(const wchar_t* text, uint32_t& index, uint32_t from) const {
    return findForward(text, index, from, true);
}

bool StrBuffer::lastIndexOf(const wchar_t* text, uint32_t& index, uint32_t before) const {
    return findBackward(text, index, before, false);
}

bool StrBuffer::lastIndexOfIgnoreCase(const wchar_t* text, uint32_t& index, uint32_t before) const {
    return findBackward(text, index, before, true);
}

// ---- Region tests

bool StrBuffer::matchesRegion(uint32_t index, const wchar_t* text, uint32_t textIndex, int32_t count,
                              bool ignoreCase) const {
    if (!text) return false;
    if (count >= 0) return regionEquals(index, text + textIndex, uint32_t(count), ignoreCase);
    // All of the text, ending exactly at the end of this string.
    const uint32_t whole = uint32_t(wcslen(text + textIndex));
    return uint64_t(index) + whole == length_ && regionEquals(index, text + textIndex, whole, ignoreCase);
}

bool StrBuffer::regionMatches(uint32_t index, const wchar_t* text, uint32_t textIndex, int32_t count) const {
    return matchesRegion(index, text, textIndex, count, false);
}

bool StrBuffer::regionMatchesIgnoreCase(uint32_t index, const wchar_t* text, uint32_t textIndex,
                                        int32_t count) const {
    return matchesRegion(index, text, textIndex, count, true);
}

bool StrBuffer::startsOrEnds(const wchar_t* text, int32_t count, bool atEnd, bool ignoreCase) const {
    if (!text) return false;
    const uint32_t n = count < 0 ? uint32_t(wcslen(text)) : uint32_t(count);
    if (length_ < n) return false;
    return regionEquals(atEnd ? length_ - n : 0, text, n, ignoreCase);
}

bool StrBuffer::endsWith(const wchar_t* text, int32_t count) const { return startsOrEnds(text, count, true, false); }

bool StrBuffer::endsWithIgnoreCase(const wchar_t* text, int32_t count) const {
    return startsOrEnds(text, count, true, true);
}

bool StrBuffer::startsWith(const wchar_t* text, int32_t count) const {
    return startsOrEnds(text, count, false, false);
}

bool StrBuffer::startsWithIgnoreCase(const wchar_t* text, int32_t count) const {
    return startsOrEnds(text, count, false, true);
}

// ---- Trims

void StrBuffer::trimEnd() { trimEnd(WHITESPACE, 0, WHITESPACE_COUNT); }

void StrBuffer::trimEnd(uint32_t minimumLength) { trimEnd(WHITESPACE, minimumLength, WHITESPACE_COUNT); }

void StrBuffer::trimEnd(const wchar_t* set, int32_t setCount) { trimEnd(set, 0, setCount); }

void StrBuffer::trimEnd(const wchar_t* set, uint32_t minimumLength, int32_t setCount) {
    const uint32_t count = setSize(set, setCount);
    while (length_ > minimumLength && inSet(text_[length_ - 1], set, count, false)) --length_;
}

void StrBuffer::trimStart() { trimStart(WHITESPACE, WHITESPACE_COUNT); }

void StrBuffer::trimStart(const wchar_t* set, int32_t setCount) {
    const uint32_t count = setSize(set, setCount);
    uint32_t first = 0;
    while (first < length_ && inSet(text_[first], set, count, false)) ++first;
    if (first == 0) return;
    memmove(text_, text_ + first, (length_ - first) * sizeof(wchar_t));
    length_ -= first;
}

// ---- compareAt

int32_t StrBuffer::compareAtImpl(uint32_t index, const wchar_t* text, uint32_t textIndex, int32_t count,
                                 bool ignoreCase) const {
    if (index >= length_) return -1;
    if (!text) return 1;
    const uint64_t limit = count < 0 ? UINT64_MAX : uint64_t(count);
    return compareRuns(c_str() + index, text + textIndex, limit, ignoreCase);
}

int32_t StrBuffer::compareAt(uint32_t index, const wchar_t* text, uint32_t textIndex, int32_t count) const {
    return compareAtImpl(index, text, textIndex, count, false);
}

int32_t StrBuffer::compareAtIgnoreCase(uint32_t index, const wchar_t* text, uint32_t textIndex,
                                       int32_t count) const {
    return compareAtImpl(index, text, textIndex, count, true);
}

// ---- replaceAll

uint32_t StrBuffer::replaceAllImpl(const wchar_t* find, const wchar_t* replacement, bool ignoreCase) {
    const uint32_t findCount = find ? uint32_t(wcslen(find)) : 0;
    const uint32_t replacementCount = replacement ? uint32_t(wcslen(replacement)) : 0;
    uint32_t at;
    if (findCount == 0 || length_ < findCount || !findForward(find, at, 0, ignoreCase)) return 0;
    uint32_t replaced = 0;
    if (replacementCount == findCount) {
        // Same length: overwrite in place.
        do {
            wmemcpy(text_ + at, replacement, replacementCount);
            ++replaced;
        } while (findForward(find, at, at + findCount, ignoreCase));
        return replaced;
    }
    if (replacementCount < findCount) {
        // Shorter: compact in place; the write side never overtakes the read side.
        uint32_t read = 0;
        uint32_t write = 0;
        do {
            memmove(text_ + write, text_ + read, (at - read) * sizeof(wchar_t));
            write += at - read;
            if (replacementCount) wmemcpy(text_ + write, replacement, replacementCount);
            write += replacementCount;
            read = at + findCount;
            ++replaced;
        } while (findForward(find, at, read, ignoreCase));
        memmove(text_ + write, text_ + read, (length_ - read) * sizeof(wchar_t));
        length_ = write + (length_ - read);
        return replaced;
    }
    // Longer: build the result in a temporary string and take over its block.
    StrBuffer* result = acquire();
    if (!result) return 0;
    uint32_t read = 0;
    bool ok = true;
    do {
        ok = result->append(text_ + read, int32_t(at - read)) && result->append(replacement, int32_t(replacementCount));
        read = at + findCount;
        ++replaced;
    } while (ok && findForward(find, at, read, ignoreCase));
    ok = ok && result->append(text_ + read, int32_t(length_ - read));
    if (ok) swapContent(*result);
    result->release();
    return ok ? replaced : 0;
}

uint32_t StrBuffer::replaceAll(const wchar_t* find, const wchar_t* replacement) {
    return replaceAllImpl(find, replacement, false);
}

uint32_t StrBuffer::replaceAllIgnoreCase(const wchar_t* find, const wchar_t* replacement) {
    return replaceAllImpl(find, replacement, true);
}

// ---- Prefixes before the last occurrence

StrBuffer* StrBuffer::prefixBefore(bool found, uint32_t index) const {
    return found ? substring(0, index) : acquire();
}

StrBuffer* StrBuffer::prefixBeforeLastChar(wchar_t c, uint32_t before) const {
    uint32_t index = 0;
    const bool found = lastIndexOfChar(c, index, before);
    return prefixBefore(found, index);
}

StrBuffer* StrBuffer::prefixBeforeLastCharIgnoreCase(wchar_t c, uint32_t before) const {
    uint32_t index = 0;
    const bool found = lastIndexOfCharIgnoreCase(c, index, before);
    return prefixBefore(found, index);
}

StrBuffer* StrBuffer::prefixBeforeLastAny(const wchar_t* set, int32_t setCount, uint32_t before) const {
    uint32_t index = 0;
    const bool found = lastIndexOfAny(set, setCount, index, before);
    return prefixBefore(found, index);
}

StrBuffer* StrBuffer::prefixBeforeLastAnyIgnoreCase(const wchar_t* set, int32_t setCount, uint32_t before) const {
    uint32_t index = 0;
    const bool found = lastIndexOfAnyIgnoreCase(set, setCount, index, before);
    return prefixBefore(found, index);
}

StrBuffer* StrBuffer::prefixBeforeLast(const wchar_t* text, uint32_t before) const {
    uint32_t index = 0;
    const bool found = lastIndexOf(text, index, before);
    return prefixBefore(found, index);
}

StrBuffer* StrBuffer::prefixBeforeLastIgnoreCase(const wchar_t* text, uint32_t before) const {
    uint32_t index = 0;
    const bool found = lastIndexOfIgnoreCase(text, index, before);
    return prefixBefore(found, index);
}

// ---- split and words

StrArray* StrBuffer::split(wchar_t separator) const {
    StrArray* pieces = StrArray::acquire();
    if (!pieces) return nullptr;
    uint32_t start = 0;
    for (uint32_t i = 0; i <= length_; ++i) {
        if (i < length_ && text_[i] != separator) continue;
        if (i > start) pieces->addCopy(text_ + start, int32_t(i - start));
        start = i + 1;
    }
    return pieces;
}

StrArray* StrBuffer::words(bool skipStopWords) const {
    StrArray* result = StrArray::acquire();
    if (!result) return nullptr;
    uint32_t start = 0;
    for (uint32_t i = 0; i <= length_; ++i) {
        if (i < length_ && !isWordSeparator(text_[i])) continue;
        const uint32_t count = i - start;
        const wchar_t* word = text_ + start;
        start = i + 1;
        if (count == 0) continue;
        if (skipStopWords && isStopWord(word, count)) continue;
        if (result->indexOfIgnoreCase(word, count) < 0) result->addCopy(word, int32_t(count));
    }
    return result;
}

}  // namespace s::str::strbuffer
