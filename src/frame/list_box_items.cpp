#include "frame/list_box_items.h"

namespace vorlane {

int32_t ListBoxItems::Add(uint32_t data) {
    return static_cast<int32_t>(Send(LB_ADDSTRING, 0, static_cast<LPARAM>(data)));
}

uint32_t ListBoxItems::GetData(int32_t index) const {
    return static_cast<uint32_t>(Send(LB_GETITEMDATA, static_cast<WPARAM>(index), 0));
}

void ListBoxItems::SetData(int32_t index, uint32_t data) {
    Send(LB_SETITEMDATA, static_cast<WPARAM>(index), static_cast<LPARAM>(data));
}

int32_t ListBoxItems::Count() const {
    return static_cast<int32_t>(Send(LB_GETCOUNT, 0, 0));
}

void ListBoxItems::Reset() {
    Send(LB_RESETCONTENT, 0, 0);
}

int32_t ListBoxItems::TopIndex() const {
    return static_cast<int32_t>(Send(LB_GETTOPINDEX, 0, 0));
}

void ListBoxItems::SetTopIndex(int32_t index) {
    Send(LB_SETTOPINDEX, static_cast<WPARAM>(index), 0);
}

int32_t ListBoxItems::Caret() const {
    return static_cast<int32_t>(Send(LB_GETCARETINDEX, 0, 0));
}

void ListBoxItems::SetSel(bool select, int32_t index) {
    Send(LB_SETSEL, select ? TRUE : FALSE, static_cast<LPARAM>(index));
}

bool ListBoxItems::GetSel(int32_t index) const {
    return Send(LB_GETSEL, static_cast<WPARAM>(index), 0) > 0;
}

void ListBoxItems::SelectRange(int32_t first, int32_t last) {
    Send(LB_SELITEMRANGEEX, static_cast<WPARAM>(first), static_cast<LPARAM>(last));
}

int32_t ListBoxItems::GetSelItems(int32_t* out, int32_t max) const {
    if (out == nullptr || max <= 0) {
        return 0;
    }
    LRESULT count = Send(LB_GETSELITEMS, static_cast<WPARAM>(max), reinterpret_cast<LPARAM>(out));
    return count < 0 ? 0 : static_cast<int32_t>(count);
}

int32_t ListBoxItems::GetSelCount() const {
    LRESULT count = Send(LB_GETSELCOUNT, 0, 0);
    return count < 0 ? 0 : static_cast<int32_t>(count);
}

}  // namespace vorlane
