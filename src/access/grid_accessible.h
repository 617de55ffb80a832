// The grid's accessible object: a list (the control, whose list pane answers with it too) whose
// children are the rows, by position: child id 1 is the row shown first.
#pragma once

#include <servprov.h>

#include "access/accessible_list.h"

namespace vorlane {

class GridAccessible : public AccessibleList, public IServiceProvider {
  public:
    explicit GridAccessible(GridInstance& grid) : AccessibleList(grid, grid.ownWindow) {}

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override;
    ULONG STDMETHODCALLTYPE AddRef() override { return AccessibleList::AddRef(); }
    ULONG STDMETHODCALLTYPE Release() override { return AccessibleList::Release(); }
    // IServiceProvider: the service IAccessibleEx is the grid's UI Automation element, through
    // which a client of this object reaches the automation patterns of the grid and its rows.
    HRESULT STDMETHODCALLTYPE QueryService(REFGUID service, REFIID iid, void** object) override;

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

  private:
    // The STATE_SYSTEM_ flags of the list or of one row.
    LONG StateFlags(const GridInstance& grid, const AccessTarget& target) const;
};

}  // namespace vorlane
