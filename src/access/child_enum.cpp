#include "access/child_enum.h"

#include <new>

namespace vorlane {

HRESULT STDMETHODCALLTYPE ChildEnum::QueryInterface(REFIID iid, void** object) {
    if (object == nullptr) {
        return E_POINTER;
    }
    if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_IEnumVARIANT)) {
        *object = static_cast<IEnumVARIANT*>(this);
        AddRef();
        return S_OK;
    }
    *object = nullptr;
    return E_NOINTERFACE;
}

ULONG STDMETHODCALLTYPE ChildEnum::AddRef() {
    return static_cast<ULONG>(InterlockedIncrement(&references_));
}

ULONG STDMETHODCALLTYPE ChildEnum::Release() {
    const LONG left = InterlockedDecrement(&references_);
    if (left == 0) {
        delete this;
    }
    return static_cast<ULONG>(left);
}

HRESULT STDMETHODCALLTYPE ChildEnum::Next(ULONG count, VARIANT* items, ULONG* fetched) {
    if (items == nullptr && count > 0) {
        return E_POINTER;
    }
    ULONG given = 0;
    for (; given < count && next_ < ids_.size(); ++given, ++next_) {
        VariantInit(&items[given]);
        items[given].vt = VT_I4;
        items[given].lVal = ids_[next_];
    }
    if (fetched != nullptr) {
        *fetched = given;
    }
    return given == count ? S_OK : S_FALSE;
}

HRESULT STDMETHODCALLTYPE ChildEnum::Skip(ULONG count) {
    const size_t left = ids_.size() - next_;
    next_ += count < left ? count : left;
    return count <= left ? S_OK : S_FALSE;
}

HRESULT STDMETHODCALLTYPE ChildEnum::Reset() {
    next_ = 0;
    return S_OK;
}

HRESULT STDMETHODCALLTYPE ChildEnum::Clone(IEnumVARIANT** copy) {
    if (copy == nullptr) {
        return E_POINTER;
    }
    try {
        auto* clone = new ChildEnum(ids_);
        clone->next_ = next_;
        *copy = clone;
        return S_OK;
    } catch (const std::bad_alloc&) {
        *copy = nullptr;
        return E_OUTOFMEMORY;
    }
}

}  // namespace vorlane
