// An enumeration of child ids (VT_I4), what get_accSelection answers for more than one child.
#pragma once

#include <windows.h>
#include <oleauto.h>

#include <vector>

namespace vorlane {

class ChildEnum : public IEnumVARIANT {
  public:
    explicit ChildEnum(std::vector<LONG> ids) : ids_(std::move(ids)) {}
    virtual ~ChildEnum() = default;
    ChildEnum(const ChildEnum&) = delete;
    ChildEnum& operator=(const ChildEnum&) = delete;

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override;
    ULONG STDMETHODCALLTYPE AddRef() override;
    ULONG STDMETHODCALLTYPE Release() override;
    HRESULT STDMETHODCALLTYPE Next(ULONG count, VARIANT* items, ULONG* fetched) override;
    HRESULT STDMETHODCALLTYPE Skip(ULONG count) override;
    HRESULT STDMETHODCALLTYPE Reset() override;
    HRESULT STDMETHODCALLTYPE Clone(IEnumVARIANT** copy) override;

  private:
    LONG references_ = 1;
    std::vector<LONG> ids_;
    size_t next_ = 0;  // index of the id Next gives first
};

}  // namespace vorlane
