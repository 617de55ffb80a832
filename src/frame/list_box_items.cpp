#include "frame/list_box_items.h"

namespace vorlane {

int32_t ListBoxItems::Count() const {
    return static_cast<int32_t>(Send(LB_GETCOUNT, 0, 0));
}

uint32_t ListBoxItems::GetData(int32_t index) const {
    return static_cast<uint32_t>(Send(LB_GETITEMDATA, static_cast<WPARAM>(index), 0));
}

void ListBoxItems::SetData(int32_t index, uint32_t data) {
    rewritten_ = true;
    Send(LB_SETITEMDATA, static_cast<WPARAM>(index), static_cast<LPARAM>(data));
}

}  // namespace vorlane
