#pragma once
// A PoolerBase for item factories (the XML attribute factory is one): adds nothing
// but its own name.
#include "foundation/thread/PoolerBase.h"

namespace s::thread {

class Factory : public PoolerBase {
public:
    static constexpr wchar_t CLASS_NAME[] = L"s_thread_Factory";

    const wchar_t* getClassName() const override { return CLASS_NAME; }
};

}  // namespace s::thread
