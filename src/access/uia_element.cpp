// The elements' identity, lifetime and patterns, and how they are handed out.
#include "access/uia_element.h"

#include <oleacc.h>

#include <algorithm>
#include <new>

#include "access/access_objects.h"
#include "access/accessible_list.h"
#include "access/row_actions.h"
#include "access/uia_core.h"
#include "frame/row_positions.h"

namespace vorlane {

int TablePlace(const GridInstance& grid, uint32_t column) {
    const std::vector<uint32_t> columns = TableColumns(grid);
    const auto found = std::find(columns.begin(), columns.end(), column);
    return found == columns.end() ? -1 : static_cast<int>(found - columns.begin());
}

bool IsCheckColumn(const GridInstance& grid, uint32_t column) {
    return grid.store.columns().CellKind(column) == kCellCheck;
}

UiaElement* UiaElement::Make(UiaHome& home, UiaPart part, uint32_t column, uint32_t row) {
    return new (std::nothrow) UiaElement(home, part, column, row);
}

UiaElement::UiaElement(UiaHome& home, UiaPart part, uint32_t column, uint32_t row)
    : home_(&home), part_(part), column_(column), row_(row), generation_(home.Generation()) {
    home_->AddRef();
}

UiaElement::~UiaElement() {
    home_->Release();
}

GridInstance* UiaElement::Live() const {
    GridInstance* grid = home_->Grid();
    if (grid == nullptr || grid->destroyed) {
        return nullptr;
    }
    if (part_ == UiaPart::Row || part_ == UiaPart::Cell) {
        if (generation_ != home_->Generation() || row_ >= RowCount(*grid)) {
            return nullptr;
        }
    }
    if ((part_ == UiaPart::Title || part_ == UiaPart::Cell) && TablePlace(*grid, column_) < 0) {
        return nullptr;
    }
    return grid;
}

// An identifier only this code uses: it finds the element behind one of its interfaces.
static const GUID kElementSelf = {
    0x6b1f0a52, 0x83d4, 0x4c5e, {0x9a, 0x11, 0x3e, 0x70, 0x2c, 0x58, 0xd6, 0x0b}};

UiaElement* ElementBehind(IUnknown* object) {
    UiaElement* element = nullptr;
    if (object != nullptr &&
        SUCCEEDED(object->QueryInterface(kElementSelf, reinterpret_cast<void**>(&element)))) {
        return element;  // no reference taken
    }
    return nullptr;
}

HRESULT STDMETHODCALLTYPE UiaElement::QueryInterface(REFIID iid, void** object) {
    if (object == nullptr) {
        return E_INVALIDARG;
    }
    *object = nullptr;
    if (IsEqualIID(iid, kElementSelf)) {
        *object = this;
        return S_OK;
    }
    void* found = nullptr;
    if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, __uuidof(IRawElementProviderSimple))) {
        found = static_cast<IRawElementProviderSimple*>(this);
    } else if (IsEqualIID(iid, __uuidof(IRawElementProviderFragment))) {
        found = static_cast<IRawElementProviderFragment*>(this);
    } else if (IsEqualIID(iid, __uuidof(IAccessibleEx))) {
        found = static_cast<IAccessibleEx*>(this);
    } else if (IsEqualIID(iid, __uuidof(IRawElementProviderFragmentRoot))) {
        found =
            part_ == UiaPart::Grid ? static_cast<IRawElementProviderFragmentRoot*>(this) : nullptr;
    } else {
        const struct {
            const IID& iid;
            PATTERNID pattern;
            void* face;
        } patterns[] = {
            {__uuidof(IGridProvider), UIA_GridPatternId, static_cast<IGridProvider*>(this)},
            {__uuidof(ITableProvider), UIA_TablePatternId, static_cast<ITableProvider*>(this)},
            {__uuidof(ISelectionProvider), UIA_SelectionPatternId,
             static_cast<ISelectionProvider*>(this)},
            {__uuidof(IScrollProvider), UIA_ScrollPatternId, static_cast<IScrollProvider*>(this)},
            {__uuidof(IItemContainerProvider), UIA_ItemContainerPatternId,
             static_cast<IItemContainerProvider*>(this)},
            {__uuidof(ISelectionItemProvider), UIA_SelectionItemPatternId,
             static_cast<ISelectionItemProvider*>(this)},
            {__uuidof(IScrollItemProvider), UIA_ScrollItemPatternId,
             static_cast<IScrollItemProvider*>(this)},
            {__uuidof(IInvokeProvider), UIA_InvokePatternId, static_cast<IInvokeProvider*>(this)},
            {__uuidof(IGridItemProvider), UIA_GridItemPatternId,
             static_cast<IGridItemProvider*>(this)},
            {__uuidof(ITableItemProvider), UIA_TableItemPatternId,
             static_cast<ITableItemProvider*>(this)},
            {__uuidof(IValueProvider), UIA_ValuePatternId, static_cast<IValueProvider*>(this)},
            {__uuidof(IToggleProvider), UIA_TogglePatternId, static_cast<IToggleProvider*>(this)},
            {__uuidof(IVirtualizedItemProvider), UIA_VirtualizedItemPatternId,
             static_cast<IVirtualizedItemProvider*>(this)},
        };
        for (const auto& pattern : patterns) {
            if (IsEqualIID(iid, pattern.iid) && Offers(pattern.pattern)) {
                found = pattern.face;
            }
        }
    }
    if (found == nullptr) {
        return E_NOINTERFACE;
    }
    *object = found;
    AddRef();
    return S_OK;
}

ULONG STDMETHODCALLTYPE UiaElement::AddRef() {
    return static_cast<ULONG>(InterlockedIncrement(&references_));
}

ULONG STDMETHODCALLTYPE UiaElement::Release() {
    const LONG left = InterlockedDecrement(&references_);
    if (left == 0) {
        delete this;
    }
    return static_cast<ULONG>(left);
}

bool UiaElement::Offers(PATTERNID pattern) const {
    const GridInstance* grid = Live();
    switch (part_) {
        case UiaPart::Grid:
            return pattern == UIA_GridPatternId || pattern == UIA_TablePatternId ||
                   pattern == UIA_SelectionPatternId || pattern == UIA_ScrollPatternId ||
                   pattern == UIA_ItemContainerPatternId;
        case UiaPart::Header: return false;
        case UiaPart::Title: return pattern == UIA_InvokePatternId;
        case UiaPart::Row:
            if (pattern == UIA_VirtualizedItemPatternId) {
                return grid != nullptr && !RowInView(*grid, row_);
            }
            return pattern == UIA_SelectionItemPatternId || pattern == UIA_ScrollItemPatternId ||
                   pattern == UIA_InvokePatternId || pattern == UIA_GridItemPatternId ||
                   pattern == UIA_TableItemPatternId;
        case UiaPart::Cell: {
            const bool check = grid != nullptr && IsCheckColumn(*grid, column_);
            return pattern == UIA_GridItemPatternId || pattern == UIA_TableItemPatternId ||
                   pattern == UIA_ScrollItemPatternId ||
                   (pattern == UIA_ValuePatternId && !check) ||
                   (pattern == UIA_TogglePatternId && check);
        }
    }
    return false;
}

HRESULT STDMETHODCALLTYPE UiaElement::get_ProviderOptions(ProviderOptions* options) {
    if (options == nullptr) {
        return E_INVALIDARG;
    }
    *options = ProviderOptions_ServerSideProvider;
    return S_OK;
}

HRESULT STDMETHODCALLTYPE UiaElement::GetPatternProvider(PATTERNID pattern, IUnknown** provider) {
    if (provider == nullptr) {
        return E_INVALIDARG;
    }
    *provider = nullptr;
    if (Live() == nullptr) {
        return kElementNotAvailable;
    }
    if (!Offers(pattern)) {
        return S_OK;
    }
    AddRef();
    *provider = static_cast<IRawElementProviderSimple*>(this);
    return S_OK;
}

HRESULT STDMETHODCALLTYPE UiaElement::get_HostRawElementProvider(IRawElementProviderSimple** host) {
    if (host == nullptr) {
        return E_INVALIDARG;
    }
    *host = nullptr;
    const GridInstance* grid = Live();
    if (grid == nullptr) {
        return kElementNotAvailable;
    }
    return part_ == UiaPart::Grid ? UiaHostProvider(grid->ownWindow, host) : S_OK;
}

HRESULT HandOutElement(UiaHome& home, UiaPart part, uint32_t column, uint32_t row,
                       IRawElementProviderSimple** out) {
    UiaElement* element = part == UiaPart::Grid && home.Grid() != nullptr
                              ? GridElement(*home.Grid())
                              : UiaElement::Make(home, part, column, row);
    if (element == nullptr) {
        return E_OUTOFMEMORY;
    }
    if (part == UiaPart::Grid) {
        element->AddRef();
    }
    *out = element;
    return S_OK;
}

HRESULT HandOutFragment(UiaHome& home, UiaPart part, uint32_t column, uint32_t row,
                        IRawElementProviderFragment** out) {
    IRawElementProviderSimple* simple = nullptr;
    const HRESULT made = HandOutElement(home, part, column, row, &simple);
    if (FAILED(made)) {
        return made;
    }
    *out = static_cast<UiaElement*>(simple);
    return S_OK;
}

HRESULT ElementArray(UiaHome& home, UiaPart part, const std::vector<CellAddress>& places,
                     SAFEARRAY** out) {
    SAFEARRAY* array = SafeArrayCreateVector(VT_UNKNOWN, 0, static_cast<ULONG>(places.size()));
    if (array == nullptr) {
        return E_OUTOFMEMORY;
    }
    for (LONG i = 0; i < static_cast<LONG>(places.size()); ++i) {
        IRawElementProviderSimple* element = nullptr;
        const CellAddress& place = places[static_cast<size_t>(i)];
        if (FAILED(HandOutElement(home, part, place.column, place.row, &element))) {
            SafeArrayDestroy(array);
            return E_OUTOFMEMORY;
        }
        SafeArrayPutElement(array, &i, element);  // takes its own reference
        element->Release();
    }
    *out = array;
    return S_OK;
}

UiaElement* GridElement(GridInstance& grid) {
    if (!grid.access) {
        grid.access.reset(new (std::nothrow) AccessObjects);
        if (!grid.access) {
            return nullptr;
        }
    }
    AccessObjects& objects = *grid.access;
    if (objects.uiaHome == nullptr) {
        objects.uiaHome = new (std::nothrow) UiaHome(grid);
        if (objects.uiaHome == nullptr) {
            return nullptr;
        }
    }
    if (objects.uiaRoot == nullptr) {
        objects.uiaRoot = UiaElement::Make(*objects.uiaHome, UiaPart::Grid);
    }
    return objects.uiaRoot;
}

}  // namespace vorlane
