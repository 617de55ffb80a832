// The accessible objects of one grid, made at the first WM_GETOBJECT that asks for each and
// kept, one reference each, until the grid's destruction disconnects them.
#pragma once

namespace vorlane {

class GridAccessible;
class HeaderAccessible;
class UiaHome;
class UiaElement;

struct AccessObjects {
    GridAccessible* grid = nullptr;      // the rows' list: the control's and the list pane's object
    HeaderAccessible* header = nullptr;  // the titles' list: the header pane's object
    UiaHome* uiaHome = nullptr;          // what the UI Automation elements share
    UiaElement* uiaRoot = nullptr;       // the grid's UI Automation element
    bool uiaHandedOut = false;           // a UiaRootObjectId request was answered
};

}  // namespace vorlane
