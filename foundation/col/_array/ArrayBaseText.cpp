// The text forms of the arrays: element texts, toString, toXml, the element dump and the digest.
#include "foundation/col/_array/ArrayBase.h"
#include "foundation/digest/md5/Md5.h"
#include "foundation/str/strbuffer/StrBuffer.h"

namespace s::col::_array {

using str::strbuffer::StrBuffer;

namespace {

// The string to write into: the caller's (cleared unless appending) or a new one from the pool.
StrBuffer* target(StrBuffer* string, bool append) {
    if (!string) return StrBuffer::acquire();
    if (!append) string->clear();
    return string;
}

}  // namespace

void ArrayBase::appendElementText(StrBuffer*, const void*) const {}

void ArrayBase::appendElementXml(StrBuffer*, const void*) const {}

StrBuffer* ArrayBase::toString(StrBuffer* string, bool append) const {
    StrBuffer* out = target(string, append);
    if (!out) return nullptr;
    out->append(getClassName());
    out->append(L" [");
    for (uint32_t i = 0; i < length_; ++i) {
        if (i != 0) out->appendChar(L' ');
        appendElementText(out, elementAddress(i));
    }
    out->appendChar(L']');
    return out;
}

StrBuffer* ArrayBase::toXml(StrBuffer* string, bool append) const {
    StrBuffer* out = target(string, append);
    if (!out) return nullptr;
    out->appendChar(L'<');
    out->append(getClassName());
    out->append(L" length=\"");
    out->appendU32(length_);
    out->append(L"\">");
    appendElements(out, true);
    out->append(L"</");
    out->append(getClassName());
    out->appendChar(L'>');
    return out;
}

StrBuffer* ArrayBase::appendElements(StrBuffer* string, bool append) const {
    StrBuffer* out = target(string, append);
    if (!out) return nullptr;
    for (uint32_t i = 0; i < length_; ++i) appendElementXml(out, elementAddress(i));
    return out;
}

ArrayU08* ArrayBase::digest(digest::md5::Md5* digester, ArrayU08* result, bool append) const {
    digest::md5::Md5* md5 = digester ? digester : digest::md5::Md5::acquire();
    if (!md5) return nullptr;
    if (length_ != 0) md5->update(block_, bytes(length_));
    ArrayU08* out = md5->finishInto(result, append);
    if (!digester) md5->release();
    return out;
}

}  // namespace s::col::_array
