// The list pane as the store sees it: each call is one list box message to the pane, sent, or
// handed straight to the list box's own procedure when one is given (a sort makes two calls per
// row, and the pane's subclass procedure would only pass them on).
#pragma once

#include <windows.h>

#include "store/list_items.h"

namespace vorlane {

class ListBoxItems final : public ListItems {
  public:
    explicit ListBoxItems(HWND listPane, WNDPROC listBoxProcedure = nullptr)
        : pane_(listPane), procedure_(listBoxProcedure) {}

    int32_t Count() const override;
    // True once an item's data was written.
    bool Rewritten() const { return rewritten_; }
    uint32_t GetData(int32_t index) const override;
    void SetData(int32_t index, uint32_t data) override;

  private:
    LRESULT Send(UINT message, WPARAM wParam, LPARAM lParam) const {
        return procedure_ != nullptr ? CallWindowProcA(procedure_, pane_, message, wParam, lParam)
                                     : SendMessageA(pane_, message, wParam, lParam);
    }
    HWND pane_;
    WNDPROC procedure_;  // the list box's own procedure, or null to send
    bool rewritten_ = false;
};

}  // namespace vorlane
