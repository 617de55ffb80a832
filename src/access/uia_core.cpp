#include "access/uia_core.h"

#include <cwchar>

#include "frame/find_proc.h"

namespace vorlane {

namespace {

using ReturnProviderFn = LRESULT(WINAPI*)(HWND, WPARAM, LPARAM, IRawElementProviderSimple*);
using HostProviderFn = HRESULT(WINAPI*)(HWND, IRawElementProviderSimple**);
using ListeningFn = BOOL(WINAPI*)();
using RaiseEventFn = HRESULT(WINAPI*)(IRawElementProviderSimple*, int);
using RaisePropertyFn = HRESULT(WINAPI*)(IRawElementProviderSimple*, int, VARIANT, VARIANT);
using RaiseStructureFn = HRESULT(WINAPI*)(IRawElementProviderSimple*, int, int*, int);

// The core's functions this process found, looked up once. The library stays loaded for the
// process's life: providers handed out may be called until it ends.
struct UiaCore {
    ReturnProviderFn returnProvider = nullptr;
    HostProviderFn hostProvider = nullptr;
    ListeningFn listening = nullptr;
    RaiseEventFn raiseEvent = nullptr;
    RaisePropertyFn raiseProperty = nullptr;
    RaiseStructureFn raiseStructure = nullptr;
    HWND tapWindow = nullptr;  // the events tap's window, if one was named
    UINT tapMessage = 0;
};

UiaCore LoadCore() {
    UiaCore core;
    // From the system folder only: a DLL of that name beside the application is not the core.
    HMODULE library =
        LoadLibraryExW(L"uiautomationcore.dll", nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32);
    core.returnProvider = FindProc<ReturnProviderFn>(library, "UiaReturnRawElementProvider");
    core.hostProvider = FindProc<HostProviderFn>(library, "UiaHostProviderFromHwnd");
    core.listening = FindProc<ListeningFn>(library, "UiaClientsAreListening");
    core.raiseEvent = FindProc<RaiseEventFn>(library, "UiaRaiseAutomationEvent");
    core.raiseProperty =
        FindProc<RaisePropertyFn>(library, "UiaRaiseAutomationPropertyChangedEvent");
    core.raiseStructure = FindProc<RaiseStructureFn>(library, "UiaRaiseStructureChangedEvent");
    wchar_t named[32] = {};
    if (GetEnvironmentVariableW(kUiaEventTapVariable, named, 32) > 0) {
        HWND window =
            reinterpret_cast<HWND>(static_cast<uintptr_t>(std::wcstoull(named, nullptr, 10)));
        if (IsWindow(window)) {
            core.tapWindow = window;
            core.tapMessage = RegisterWindowMessageW(kUiaEventTapMessage);
        }
    }
    return core;
}

// Looked up once per process, by whichever thread first needs it.
const UiaCore& Core() {
    static const UiaCore core = LoadCore();
    return core;
}

bool Tap(IRawElementProviderSimple* provider, int event) {
    const UiaCore& core = Core();
    if (core.tapWindow == nullptr) {
        return false;
    }
    SendMessageW(core.tapWindow, core.tapMessage, static_cast<WPARAM>(event),
                 reinterpret_cast<LPARAM>(provider));
    return true;
}

}  // namespace

LRESULT UiaReturnProvider(HWND window, WPARAM wParam, LPARAM lParam,
                          IRawElementProviderSimple* provider) {
    const UiaCore& core = Core();
    return core.returnProvider != nullptr ? core.returnProvider(window, wParam, lParam, provider)
                                          : 0;
}

HRESULT UiaHostProvider(HWND window, IRawElementProviderSimple** provider) {
    const UiaCore& core = Core();
    if (core.hostProvider == nullptr) {
        *provider = nullptr;
        return E_NOTIMPL;
    }
    return core.hostProvider(window, provider);
}

bool UiaListening() {
    const UiaCore& core = Core();
    return core.tapWindow != nullptr || (core.listening != nullptr && core.listening() != FALSE);
}

void UiaRaiseEvent(IRawElementProviderSimple* provider, int event) {
    if (!Tap(provider, event) && Core().raiseEvent != nullptr) {
        Core().raiseEvent(provider, event);
    }
}

void UiaRaisePropertyChange(IRawElementProviderSimple* provider, int property, const VARIANT& old,
                            const VARIANT& now) {
    if (!Tap(provider, property) && Core().raiseProperty != nullptr) {
        Core().raiseProperty(provider, property, old, now);
    }
}

void UiaRaiseStructureChange(IRawElementProviderSimple* provider, UiaStructureChange change) {
    if (!Tap(provider, kStructureChangedEvent) && Core().raiseStructure != nullptr) {
        int noRuntimeId = 0;
        Core().raiseStructure(provider, static_cast<int>(change), &noRuntimeId, 0);
    }
}

}  // namespace vorlane
