#include "xml/XmlText.h"

#include <cwchar>

#include "foundation/str/strbuffer/StrBuffer.h"

namespace s::xml {

using str::strbuffer::StrBuffer;

namespace {

struct Entity {
    const wchar_t* name;  // what follows the "&", ";" included
    uint32_t length;
    wchar_t character;
};

// Attribute values: the five entities the attribute writer produces.
const Entity ATTRIBUTE_ENTITIES[] = {
    {L"amp;", 4, L'&'}, {L"lt;", 3, L'<'}, {L"quot;", 5, L'"'}, {L"#13;", 4, L'\r'}, {L"#10;", 4, L'\n'},
};
// Text content: "&#160;" is how a space is written, so it reads back as a plain space.
const Entity TEXT_ENTITIES[] = {
    {L"amp;", 4, L'&'},  {L"lt;", 3, L'<'},   {L"gt;", 3, L'>'},
    {L"#160;", 5, L' '}, {L"#13;", 4, L'\r'}, {L"#10;", 4, L'\n'},
};

template <size_t N>
const Entity* entityAt(const Entity (&entities)[N], const wchar_t* text, uint32_t available) {
    for (const Entity& entity : entities) {
        if (entity.length <= available && wmemcmp(text, entity.name, entity.length) == 0) return &entity;
    }
    return nullptr;
}

const wchar_t* attributeEscape(wchar_t c) {
    switch (c) {
        case L'\n':
            return L"&#10;";
        case L'\r':
            return L"&#13;";
        case L'"':
            return L"&quot;";
        case L'&':
            return L"&amp;";
        case L'<':
            return L"&lt;";
        default:
            return nullptr;
    }
}

const wchar_t* textEscape(wchar_t c) {
    switch (c) {
        case L'\n':
            return L"&#10;";
        case L'\r':
            return L"&#13;";
        case L' ':
            return L"&#160;";
        case L'&':
            return L"&amp;";
        case L'<':
            return L"&lt;";
        case L'>':
            return L"&gt;";
        default:
            return nullptr;
    }
}

// Copies runs of plain characters in one piece and the escapes between them.
template <class EscapeFunction>
bool appendEscaped(StrBuffer* out, const wchar_t* value, uint32_t count, EscapeFunction escapeOf) {
    if (!out->reserve(out->length() + count)) return false;
    uint32_t runStart = 0;
    for (uint32_t i = 0; i < count; ++i) {
        const wchar_t* escape = escapeOf(value[i]);
        if (!escape) continue;
        if (!out->append(value + runStart, int32_t(i - runStart)) || !out->append(escape)) return false;
        runStart = i + 1;
    }
    return out->append(value + runStart, int32_t(count - runStart));
}

// Decodes `count` code units; answers through `afterLastEntity` the length of `out`
// right after the last entity decoded (unchanged when none was).
template <size_t N>
bool appendDecoded(StrBuffer* out, const wchar_t* stored, uint32_t count, const Entity (&entities)[N],
                   uint32_t& afterLastEntity) {
    if (!out->reserve(out->length() + count)) return false;
    uint32_t runStart = 0;
    uint32_t i = 0;
    while (i < count) {
        if (stored[i] != L'&') {
            ++i;
            continue;
        }
        const Entity* entity = entityAt(entities, stored + i + 1, count - i - 1);
        if (!entity) {
            ++i;
            continue;
        }
        if (!out->append(stored + runStart, int32_t(i - runStart)) || !out->appendChar(entity->character)) {
            return false;
        }
        afterLastEntity = out->length();
        i += 1 + entity->length;
        runStart = i;
    }
    return out->append(stored + runStart, int32_t(count - runStart));
}

}  // namespace

bool appendEscapedAttribute(StrBuffer* out, const wchar_t* value, uint32_t count) {
    return appendEscaped(out, value, count, attributeEscape);
}

bool appendEscapedText(StrBuffer* out, const wchar_t* value, uint32_t count) {
    return appendEscaped(out, value, count, textEscape);
}

bool appendDecodedAttribute(StrBuffer* out, const wchar_t* stored, uint32_t count) {
    uint32_t ignored = 0;
    return appendDecoded(out, stored, count, ATTRIBUTE_ENTITIES, ignored);
}

bool appendDecodedText(StrBuffer* out, const wchar_t* stored, uint32_t count) {
    uint32_t start = 0;
    while (start < count && isXmlSpace(stored[start])) ++start;
    // Trimming never reaches into what `out` held before, nor below the last entity.
    uint32_t floor = out->length();
    if (!appendDecoded(out, stored + start, count - start, TEXT_ENTITIES, floor)) return false;
    out->trimEnd(floor);
    return true;
}

}  // namespace s::xml
