#pragma once
// Module: a loaded module of the process (normally the running executable) with
// its full path and the folder that holds it.
#include <windows.h>

#include "foundation/base/IObject.h"
#include "foundation/thread/IPoolable.h"
#include "foundation/thread/Pooled.h"

namespace s::str::strbuffer {
class StrBuffer;
}

namespace s::system::module::win {

class Module : public base::IObject, public thread::IPoolable {
    S_POOLED_CLASS(Module, L"s_system_module_win_Module")

public:
    Module();
    ~Module() override;
    Module(const Module&) = delete;
    Module& operator=(const Module&) = delete;

    // Forgets the module and its paths.
    void reset() override;

    // Takes `module` (null: the running executable) and reads its full path, however
    // long. False when the path cannot be read; the paths are then empty.
    bool open(HMODULE module);

    HMODULE handle() const { return handle_; }
    // "C:\\Programs\\HueSnap.exe"; "" before a successful open.
    const wchar_t* fullPath() const;
    // The folder of fullPath with its trailing backslash ("C:\\Programs\\"); "" before a successful open.
    const wchar_t* directory() const;

private:
    bool readFullPath();

    HMODULE handle_;                        // not owned: loaded for as long as the process uses it
    str::strbuffer::StrBuffer* fullPath_;   // owned
    str::strbuffer::StrBuffer* directory_;  // owned
};

}  // namespace s::system::module::win
