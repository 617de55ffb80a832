// The list box and the in-memory list of the unit tests must agree, step by step, on one scripted
// sequence.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <sstream>
#include <string>
#include <vector>

#include "harness.h"
#include "memory_list_items.h"

using namespace testing_support;

namespace {

constexpr int kRowHeight = 17;
constexpr int kPage = 6;

// The list box driven by its messages.
class ListBoxMessages final : public vorlane::ListBoxModel {
  public:
    explicit ListBoxMessages(HWND box) : box_(box) {}

    int32_t Count() const override { return Send(LB_GETCOUNT, 0, 0); }
    uint32_t GetData(int32_t index) const override {
        return static_cast<uint32_t>(Send(LB_GETITEMDATA, index, 0));
    }
    void SetData(int32_t index, uint32_t data) override { Send(LB_SETITEMDATA, index, data); }

    int32_t Add(uint32_t data) override { return Send(LB_ADDSTRING, 0, data); }
    void Reset() override { Send(LB_RESETCONTENT, 0, 0); }
    int32_t TopIndex() const override { return Send(LB_GETTOPINDEX, 0, 0); }
    void SetTopIndex(int32_t index) override { Send(LB_SETTOPINDEX, index, 0); }
    int32_t Caret() const override { return Send(LB_GETCARETINDEX, 0, 0); }
    void SetSel(bool select, int32_t index) override { Send(LB_SETSEL, select, index); }
    bool GetSel(int32_t index) const override { return Send(LB_GETSEL, index, 0) > 0; }
    void SelectRange(int32_t first, int32_t last) override { Send(LB_SELITEMRANGEEX, first, last); }
    int32_t GetSelItems(int32_t* out, int32_t max) const override {
        return std::max(0, Send(LB_GETSELITEMS, max, reinterpret_cast<LPARAM>(out)));
    }
    int32_t GetSelCount() const override { return std::max(0, Send(LB_GETSELCOUNT, 0, 0)); }

  private:
    int32_t Send(UINT message, WPARAM wParam, LPARAM lParam) const {
        return static_cast<int32_t>(SendMessageA(box_, message, wParam, lParam));
    }
    HWND box_;
};

std::string Describe(const vorlane::ListBoxModel& list) {
    std::ostringstream text;
    text << "count " << list.Count() << " top " << list.TopIndex() << " caret " << list.Caret()
         << " data";
    for (int32_t i = 0; i < list.Count(); ++i) {
        text << ' ' << list.GetData(i) << (list.GetSel(i) ? "*" : "");
    }
    int32_t selected[8] = {};
    int32_t fetched = list.GetSelItems(selected, 8);
    text << " sel " << list.GetSelCount() << ":";
    for (int32_t i = 0; i < fetched; ++i) {
        text << ' ' << selected[i];
    }
    return text.str();
}

TEST(ListSeam, TheListBoxAndTheInMemoryListAgreeStepByStep) {
    RecordingParent parent;
    HWND box = CreateWindowExA(
        0, "ListBox", nullptr,
        WS_CHILD | WS_VISIBLE | LBS_MULTIPLESEL | LBS_OWNERDRAWFIXED | LBS_NOINTEGRALHEIGHT, 0, 0,
        300, kPage * kRowHeight, parent.hwnd(), nullptr, GetModuleHandleA(nullptr), nullptr);
    ASSERT_NE(box, nullptr);
    SendMessageA(box, LB_SETITEMHEIGHT, 0, kRowHeight);
    ListBoxMessages windowed(box);
    vorlane::MemoryListItems memory(kPage);

    std::vector<std::function<void(vorlane::ListBoxModel&)>> steps = {
        [](vorlane::ListBoxModel& l) {
            for (uint32_t i = 0; i < 20; ++i)
                l.Add(i * 12);
        },
        [](vorlane::ListBoxModel& l) { l.SetSel(true, 3); },
        [](vorlane::ListBoxModel& l) { l.SetSel(true, 7); },
        [](vorlane::ListBoxModel& l) { l.SelectRange(10, 14); },
        [](vorlane::ListBoxModel& l) { l.SelectRange(13, 11); },
        [](vorlane::ListBoxModel& l) { l.SetSel(false, 3); },
        [](vorlane::ListBoxModel& l) { l.SetData(5, 999); },
        [](vorlane::ListBoxModel& l) { l.SetTopIndex(8); },
        [](vorlane::ListBoxModel& l) { l.SetTopIndex(19); },
        [](vorlane::ListBoxModel& l) { l.SetSel(true, -1); },
        [](vorlane::ListBoxModel& l) { l.SetSel(false, -1); },
        [](vorlane::ListBoxModel& l) { l.SetSel(true, 19); },
        [](vorlane::ListBoxModel& l) { l.Reset(); },
        [](vorlane::ListBoxModel& l) { l.Add(7); },
    };
    for (size_t i = 0; i < steps.size(); ++i) {
        steps[i](windowed);
        steps[i](memory);
        EXPECT_EQ(Describe(windowed), Describe(memory)) << "after step " << i;
    }
}

}  // namespace
