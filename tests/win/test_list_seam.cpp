// The store's view of the list pane: the list box implementation and the in-memory one used by
// the unit tests must agree, step by step, on one scripted sequence.
#include <gtest/gtest.h>

#include <functional>
#include <sstream>
#include <string>
#include <vector>

#include "frame/list_box_items.h"
#include "harness.h"
#include "store/memory_list_items.h"

using namespace testing_support;

namespace {

constexpr int kRowHeight = 17;
constexpr int kPage = 6;

std::string Describe(const vorlane::ListItems& list) {
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
    vorlane::ListBoxItems windowed(box);
    vorlane::MemoryListItems memory(kPage);

    std::vector<std::function<void(vorlane::ListItems&)>> steps = {
        [](vorlane::ListItems& l) {
            for (uint32_t i = 0; i < 20; ++i)
                l.Add(i * 12);
        },
        [](vorlane::ListItems& l) { l.SetSel(true, 3); },
        [](vorlane::ListItems& l) { l.SetSel(true, 7); },
        [](vorlane::ListItems& l) { l.SelectRange(10, 14); },
        [](vorlane::ListItems& l) { l.SelectRange(13, 11); },
        [](vorlane::ListItems& l) { l.SetSel(false, 3); },
        [](vorlane::ListItems& l) { l.SetData(5, 999); },
        [](vorlane::ListItems& l) { l.SetTopIndex(8); },
        [](vorlane::ListItems& l) { l.SetTopIndex(19); },
        [](vorlane::ListItems& l) { l.SetSel(true, -1); },
        [](vorlane::ListItems& l) { l.SetSel(false, -1); },
        [](vorlane::ListItems& l) { l.SetSel(true, 19); },
        [](vorlane::ListItems& l) { l.Reset(); },
        [](vorlane::ListItems& l) { l.Add(7); },
    };
    for (size_t i = 0; i < steps.size(); ++i) {
        steps[i](windowed);
        steps[i](memory);
        EXPECT_EQ(Describe(windowed), Describe(memory)) << "after step " << i;
    }
}

}  // namespace
