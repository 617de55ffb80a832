// Functions of a system DLL looked up at run time, for those the DLL must not import by name
// (newer than some systems, or of a DLL loaded only when it is needed).
#pragma once

#include <windows.h>

namespace vorlane {

// A function of `module` by name, as the type it is known to have; null where there is none.
template <class Proc>
Proc FindProc(HMODULE module, const char* name) {
    if (module == nullptr) {
        return nullptr;
    }
    // Through the generic function type, which converts to any other without a warning.
    return reinterpret_cast<Proc>(reinterpret_cast<void (*)()>(GetProcAddress(module, name)));
}

}  // namespace vorlane
