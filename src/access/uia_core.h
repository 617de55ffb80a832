// The functions of the platform's UI Automation core this control calls, loaded from
// uiautomationcore.dll at the first need (no import library exists for it), and the only way
// events leave the control. Each answers as the platform would without the library: no provider
// returned, nobody listening.
#pragma once

#include "access/uia_defs.h"

namespace vorlane {

// UiaReturnRawElementProvider; 0 without the library.
LRESULT UiaReturnProvider(HWND window, WPARAM wParam, LPARAM lParam,
                          IRawElementProviderSimple* provider);
// UiaHostProviderFromHwnd; E_NOTIMPL without the library.
HRESULT UiaHostProvider(HWND window, IRawElementProviderSimple** provider);

// Whether events are worth raising: a client listens (UiaClientsAreListening), or the events
// tap is on.
bool UiaListening();
// Raise one event: an automation event, a property change, or a structure change of the
// children of `provider`.
void UiaRaiseEvent(IRawElementProviderSimple* provider, int event);
void UiaRaisePropertyChange(IRawElementProviderSimple* provider, int property, const VARIANT& old,
                            const VARIANT& now);
void UiaRaiseStructureChange(IRawElementProviderSimple* provider, UiaStructureChange change);

// The events tap: while the environment variable VORLANE_UIA_EVENT_WINDOW names a window (its
// handle in decimal) when the core is first loaded, the control counts clients as listening and
// sends each event to that window instead of the core, as the registered message
// "VorlaneUiaEvent": wParam the event or property identifier, lParam the element
// (IRawElementProviderSimple*, valid for the length of the message). A development aid: it
// shows what a listening reader would hear where the platform has no listener to offer.
constexpr const wchar_t* kUiaEventTapVariable = L"VORLANE_UIA_EVENT_WINDOW";
constexpr const wchar_t* kUiaEventTapMessage = L"VorlaneUiaEvent";

}  // namespace vorlane
