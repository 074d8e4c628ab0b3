#pragma once
// Helpers of the XML tests: nodes that go back to their pool at the end of a test,
// texts of a node as std::wstring, and a temporary folder removed afterwards.
#include <windows.h>

#include <string>

#include "support/TestFiles.h"

#include "foundation/col/_array/ArrayU08.h"
#include "foundation/str/strbuffer/StrBuffer.h"
#include "xml/Node.h"

namespace xmltest {

// A node from the pool, released when the test ends.
class PooledNode {
public:
    PooledNode() : node_(s::xml::Node::acquire()) {}
    ~PooledNode() {
        if (node_) node_->release();
    }
    PooledNode(const PooledNode&) = delete;
    PooledNode& operator=(const PooledNode&) = delete;
    s::xml::Node* operator->() const { return node_; }
    s::xml::Node* get() const { return node_; }

private:
    s::xml::Node* node_;  // owned
};

inline std::wstring text(const s::str::strbuffer::StrBuffer* string) {
    return std::wstring(string->c_str(), string->length());
}

inline std::wstring toXml(const s::xml::Node* node) {
    s::str::strbuffer::StrBuffer* out = node->toXml();
    std::wstring result = text(out);
    out->release();
    return result;
}

// getText with the given default, as a std::wstring.
inline std::wstring getText(const s::xml::Node* node, const wchar_t* name, const wchar_t* defaultValue = L"") {
    s::str::strbuffer::StrBuffer* out = node->getText(name, nullptr, defaultValue, false);
    std::wstring result = text(out);
    out->release();
    return result;
}

inline std::wstring name(const s::xml::Node* node) {
    return node->getName() ? node->getName() : L"(null)";
}

using testing_files::TemporaryFolder;
using testing_files::fileExists;
using testing_files::readBytes;
using testing_files::writeBytes;

}  // namespace xmltest
