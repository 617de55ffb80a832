// WM_GETOBJECT: the objects are made once per grid and handed out through LresultFromObject,
// which takes its own reference; the grid keeps one until it is destroyed.
#include <new>

#include "access/access_objects.h"
#include "access/grid_accessible.h"
#include "frame/grid_handlers.h"

namespace vorlane {

namespace {

AccessObjects* ObjectsOf(GridInstance& grid) {
    if (!grid.access) {
        grid.access.reset(new (std::nothrow) AccessObjects);
    }
    return grid.access.get();
}

}  // namespace

LRESULT OnGetObject(GridInstance& grid, WPARAM flags) {
    AccessObjects* objects = ObjectsOf(grid);
    if (objects == nullptr) {
        return 0;
    }
    if (objects->grid == nullptr) {
        objects->grid = new (std::nothrow) GridAccessible(grid);
        if (objects->grid == nullptr) {
            return 0;
        }
    }
    const LRESULT result = LresultFromObject(IID_IAccessible, flags, objects->grid);
    return result < 0 ? 0 : result;
}

void AccessObjectsFree::operator()(AccessObjects* objects) const {
    if (objects->grid != nullptr) {
        objects->grid->Disconnect();
        objects->grid->Release();
    }
    delete objects;
}

}  // namespace vorlane
