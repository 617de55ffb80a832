// The fuzzer's actions on columns and looks: adding columns, their widths, titles and kinds,
// the heights, the partners, the appearance and the notifying and shared settings, each with
// hostile parameters and checked where a client may rely on the answer.
#include <cstring>

#include "reliability_fuzzer.h"
#include "vorlane.h"

namespace testing_support {

void MessageFuzzer::AddColumn() {
    ColumnDesc desc = {};
    std::string title = HostileText();
    std::string mask = RandomText(rng_, rng_.Below(12)) + "###-####";
    const int32_t kinds[] = {GRID_CELL_TEXT, GRID_CELL_NUMBER, GRID_CELL_VALUE, -1, 1000};
    desc.width = rng_.Chance(70) ? rng_.Between(0, 200) : HostileSize();
    desc.title = rng_.Chance(20) ? nullptr : title.c_str();
    desc.titleAlign = static_cast<int>(HostileValue(rng_));
    desc.cellAlign = static_cast<int>(HostileValue(rng_));
    desc.cellKind = rng_.Pick(kinds);
    desc.editLimit = rng_.Chance(50) ? 0 : HostileValue(rng_);
    desc.mask = rng_.Chance(50) ? nullptr : mask.c_str();
    desc.imageList = rng_.Chance(50) ? nullptr : images_;
    desc.folderPrefix = rng_.Chance(50) ? nullptr : LongPrefix().c_str();
    desc.flags = rng_.Chance(70) ? rng_.Below(4) : HostileValue(rng_);
    desc.editorKind =
        rng_.Chance(80) ? static_cast<int>(rng_.Below(3)) : static_cast<int>(HostileValue(rng_));
    const bool null = rng_.Chance(5);
    const LRESULT result =
        Send(grid_, GRM_ADDCOLUMN, 0, null ? 0 : reinterpret_cast<LPARAM>(&desc));
    const bool refused = null || model_.RowCount() != 0 || model_.ColumnCount() >= kMaxColumns;
    if (result != (refused ? 1 : 0)) {
        Fail("GRM_ADDCOLUMN answered " + std::to_string(result));
        return;
    }
    if (!refused) {
        model_.AddColumn({desc.cellKind, desc.width, desc.title != nullptr, false,
                          desc.title != nullptr ? title : std::string()});
    }
}

void MessageFuzzer::ColumnWidth() {
    const uint32_t column = AnyColumn();
    if (rng_.Chance(40)) {
        const LRESULT width = Send(grid_, GRM_GETCOLWIDTH, column, 0);
        const int32_t expected = column < model_.ColumnCount() ? model_.columns[column].width : 0;
        if (static_cast<int32_t>(width) != expected) {
            Fail("GRM_GETCOLWIDTH answered " + std::to_string(width));
        }
        return;
    }
    const int32_t width = rng_.Chance(60) ? rng_.Between(0, 300) : HostileSize();
    Send(grid_, GRM_SETCOLWIDTH, column, width);
    if (column < model_.ColumnCount()) {
        model_.columns[column].width = width;
    }
}

void MessageFuzzer::Heights() {
    const int32_t height = HostileSize();
    switch (rng_.Below(4)) {
        case 0: Send(grid_, GRM_GETHEADERHEIGHT, 0, 0); break;
        case 1: Send(grid_, GRM_GETROWHEIGHT, 0, 0); break;
        case 2:
            Send(grid_, GRM_SETHEADERHEIGHT, rng_.Bits32(), height);
            model_.headerHeight = height;
            break;
        default:
            Send(grid_, GRM_SETROWHEIGHT, rng_.Bits32(), height);
            if (height != 0) {
                model_.rowHeight = height;
            }
            break;
    }
}

void MessageFuzzer::ColumnTitle() {
    const uint32_t column = AnyColumn();
    if (rng_.Chance(50)) {
        std::string title = HostileText();
        const bool null = rng_.Chance(20);
        Send(grid_, GRM_SETCOLTITLE, column, null ? 0 : reinterpret_cast<LPARAM>(title.c_str()));
        if (column < model_.ColumnCount()) {
            model_.columns[column].titled = !null;
            model_.columns[column].title = null ? std::string() : title;
        }
        return;
    }
    if (rng_.Chance(10)) {
        Send(grid_, GRM_GETCOLTITLE, column, 0);
        return;
    }
    // Only columns before the kind column serve their title; the buffer is left alone otherwise.
    const bool served = column + 1 < model_.ColumnCount() && model_.columns[column].titled;
    const std::string expected = served ? model_.columns[column].title : std::string();
    std::vector<char> buffer(expected.size() + 1 + kGuardBytes, kGuard);
    Send(grid_, GRM_GETCOLTITLE, column, reinterpret_cast<LPARAM>(buffer.data()));
    const bool right =
        served ? std::memcmp(buffer.data(), expected.c_str(), expected.size() + 1) == 0 &&
                     GuardIntact(buffer, expected.size() + 1)
               : GuardIntact(buffer, 0);
    if (!right) {
        Fail("GRM_GETCOLTITLE of column " + std::to_string(column) + " is not its title");
    }
}

void MessageFuzzer::GetColKind() {
    const uint32_t column = AnyColumn();
    const LRESULT kind = Send(grid_, GRM_GETCOLKIND, column, 0);
    const int32_t expected = column < model_.ColumnCount() ? model_.columns[column].kind : 0;
    if (static_cast<int32_t>(kind) != expected) {
        Fail("GRM_GETCOLKIND answered " + std::to_string(kind));
    }
}

void MessageFuzzer::SetPartners() {
    PartnerSet partners = {};
    partners.dragWindow = AnyWindow();
    partners.reserved = static_cast<LONG_PTR>(rng_.Bits32());
    partners.widthPartnerA = AnyWindow();
    partners.widthPartnerB = AnyWindow();
    partners.externalSource = AnyWindow();
    partners.rowImageList = rng_.Chance(50) ? images_ : nullptr;
    Send(grid_, GRM_SETPARTNERS, rng_.Bits32(),
         rng_.Chance(10) ? 0 : reinterpret_cast<LPARAM>(&partners));
}

void MessageFuzzer::Appearance() {
    ColorSet colors;
    COLORREF* fields = &colors.spare1;
    for (int i = 0; i < 10; ++i) {
        fields[i] = rng_.Bits32() & 0x00FFFFFF;
    }
    const HFONT fonts[] = {nullptr, fonts_[0], fonts_[1]};
    switch (rng_.Below(5)) {
        case 0:
            Send(grid_, GRM_SETCOLORS, 0, rng_.Chance(15) ? 0 : reinterpret_cast<LPARAM>(&colors));
            break;
        case 1:
            Send(grid_, GRM_SETFONTS, reinterpret_cast<WPARAM>(rng_.Pick(fonts)),
                 reinterpret_cast<LPARAM>(rng_.Pick(fonts)));
            break;
        case 2: Send(grid_, GRM_SETGRIDLINES, rng_.Chance(50) ? 0 : rng_.Bits32(), 0); break;
        case 3:
            Send(grid_, GRM_SETACTIVELOOK, rng_.Chance(50) ? 0 : rng_.Bits32(),
                 rng_.Chance(50) ? 0 : rng_.Bits32());
            break;
        default: Send(grid_, GRM_REDRAW, rng_.Bits32(), rng_.Bits32()); break;
    }
}

void MessageFuzzer::SharedSettings() {
    static const UINT kMessages[] = {GRM_ACTIVATECELL, GRM_SETDROPDIVIDER, GRM_NOTIFYBUTTON,
                                     GRM_NOTIFYDROP,   GRM_SETOUTERZONE,   GRM_SETEXTERNALDRAG,
                                     GRM_ACTIVATECELL};
    const UINT message = rng_.Pick(kMessages);
    if (message == GRM_ACTIVATECELL) {
        Send(grid_, message, AnyColumn(), AnyRow());
    } else if (message == GRM_SETDROPDIVIDER || message == GRM_SETOUTERZONE) {
        Send(grid_, message, rng_.Chance(60) ? rng_.Below(800) : rng_.Bits32(),
             rng_.Chance(50) ? 0 : rng_.Bits32());
    } else {
        Send(grid_, message, rng_.Bits32(), rng_.Chance(50) ? 0 : rng_.Bits32());
    }
}

}  // namespace testing_support
