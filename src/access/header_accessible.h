// The header pane's accessible object, as the system's header control has one: a list whose
// children are the titles of the shown columns (wider than 0; the kind column never shows), in
// column order, each with its sort state and "Click" as its default action.
#pragma once

#include <vector>

#include "access/accessible_list.h"

namespace vorlane {

class HeaderAccessible : public AccessibleList {
  public:
    explicit HeaderAccessible(GridInstance& grid) : AccessibleList(grid, grid.headerPane) {}

    HRESULT STDMETHODCALLTYPE get_accChildCount(LONG* count) override;
    HRESULT STDMETHODCALLTYPE get_accName(VARIANT id, BSTR* name) override;
    HRESULT STDMETHODCALLTYPE get_accDescription(VARIANT id, BSTR* description) override;
    HRESULT STDMETHODCALLTYPE get_accRole(VARIANT id, VARIANT* role) override;
    HRESULT STDMETHODCALLTYPE get_accState(VARIANT id, VARIANT* state) override;
    HRESULT STDMETHODCALLTYPE get_accFocus(VARIANT* id) override;
    HRESULT STDMETHODCALLTYPE get_accSelection(VARIANT* ids) override;
    HRESULT STDMETHODCALLTYPE get_accDefaultAction(VARIANT id, BSTR* action) override;
    HRESULT STDMETHODCALLTYPE accSelect(LONG flags, VARIANT id) override;
    HRESULT STDMETHODCALLTYPE accLocation(LONG* left, LONG* top, LONG* width, LONG* height,
                                          VARIANT id) override;
    HRESULT STDMETHODCALLTYPE accNavigate(LONG direction, VARIANT start, VARIANT* end) override;
    HRESULT STDMETHODCALLTYPE accHitTest(LONG x, LONG y, VARIANT* id) override;
    HRESULT STDMETHODCALLTYPE accDoDefaultAction(VARIANT id) override;

  protected:
    uint32_t ChildCount(const GridInstance& grid) const override;
};

}  // namespace vorlane
