#pragma once
// Something that can hand out an input stream over its content.

namespace s::io {

class IInputStream;

class IInputStreamable {
public:
    virtual ~IInputStreamable() = default;
    // A new stream (from its class pool) at position 0; the caller releases it.
    virtual IInputStream* getInputStream() = 0;
};

}  // namespace s::io
