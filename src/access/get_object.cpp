// WM_GETOBJECT: the objects are made once per grid and handed out through LresultFromObject,
// which takes its own reference; the grid keeps one until it is destroyed.
#include <new>

#include "access/access_objects.h"
#include "access/grid_accessible.h"
#include "access/header_accessible.h"
#include "access/uia_core.h"
#include "access/uia_element.h"
#include "frame/grid_handlers.h"

namespace vorlane {

namespace {

AccessObjects* ObjectsOf(GridInstance& grid) {
    if (!grid.access) {
        grid.access.reset(new (std::nothrow) AccessObjects);
    }
    return grid.access.get();
}

// Hands out `object` of the grid's objects, made first if need be.
template <class Object>
LRESULT HandOut(GridInstance& grid, Object* AccessObjects::*object, WPARAM flags) {
    AccessObjects* objects = ObjectsOf(grid);
    if (objects == nullptr) {
        return 0;
    }
    Object*& made = objects->*object;
    if (made == nullptr) {
        made = new (std::nothrow) Object(grid);
        if (made == nullptr) {
            return 0;
        }
    }
    const LRESULT result =
        LresultFromObject(IID_IAccessible, flags, static_cast<IAccessible*>(made));
    return result < 0 ? 0 : result;
}

}  // namespace

LRESULT OnGetObject(GridInstance& grid, WPARAM flags) {
    return HandOut(grid, &AccessObjects::grid, flags);
}

LRESULT OnGetHeaderObject(GridInstance& grid, WPARAM flags) {
    return HandOut(grid, &AccessObjects::header, flags);
}

LRESULT OnGetUiaRoot(GridInstance& grid, HWND window, WPARAM wParam, LPARAM lParam) {
    UiaElement* root = GridElement(grid);
    if (root == nullptr) {
        return 0;
    }
    grid.access->uiaHandedOut = true;
    return UiaReturnProvider(window, wParam, lParam, root);
}

// The automation core is told that the windows' providers are gone; the elements clients
// still hold answer UIA_E_ELEMENTNOTAVAILABLE from now on.
void AccessObjectsFree::operator()(AccessObjects* objects) const {
    if (objects->uiaHome != nullptr) {
        if (const GridInstance* grid = objects->uiaHome->Grid();
            grid != nullptr && objects->uiaHandedOut) {
            UiaReturnProvider(grid->ownWindow, 0, 0, nullptr);
            UiaReturnProvider(grid->listPane, 0, 0, nullptr);
        }
        objects->uiaHome->Disconnect();
        if (objects->uiaRoot != nullptr) {
            objects->uiaRoot->Release();
        }
        objects->uiaHome->Release();
    }
    if (objects->grid != nullptr) {
        objects->grid->Disconnect();
        objects->grid->Release();
    }
    if (objects->header != nullptr) {
        objects->header->Disconnect();
        objects->header->Release();
    }
    delete objects;
}

}  // namespace vorlane
