#pragma once
// The two escaping rules of the document model, both ways.
//
// Values are kept in their escaped (document) form, so the writer copies them
// unchanged; they are decoded only when read as text. Attribute values and text
// content have different rules:
//
//                   escaped on write                      decoded on read
//   attribute       LF CR " & <                           &amp; &lt; &quot; &#13; &#10;
//   text content    LF CR space & < >                     &amp; &lt; &gt; &#160; &#13; &#10;
//
// (LF -> "&#10;", CR -> "&#13;", space -> "&#160;", " -> "&quot;", & -> "&amp;",
// < -> "&lt;", > -> "&gt;"). Any other "&" is kept as it is. Text content drops the
// raw white space around it when read (leading: tab, LF, CR, space; trailing: the
// string's default trim set), but never trims below the end of the last entity it
// decoded, so spaces written as "&#160;" survive while indentation does not.
// "&#160;" reads as a plain space (U+0020): it is how this model writes a space.
#include <cstdint>

namespace s::str::strbuffer {
class StrBuffer;
}

namespace s::xml {

// Each appends to `out`; false when `out` could not grow.
bool appendEscapedAttribute(str::strbuffer::StrBuffer* out, const wchar_t* value, uint32_t count);
bool appendEscapedText(str::strbuffer::StrBuffer* out, const wchar_t* value, uint32_t count);
bool appendDecodedAttribute(str::strbuffer::StrBuffer* out, const wchar_t* stored, uint32_t count);
bool appendDecodedText(str::strbuffer::StrBuffer* out, const wchar_t* stored, uint32_t count);

// Tab, line feed, carriage return or space: the white space the parser skips.
inline bool isXmlSpace(wchar_t c) {
    return c == L' ' || c == L'\t' || c == L'\n' || c == L'\r';
}

}  // namespace s::xml
