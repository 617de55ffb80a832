// What the frame asks of accessibility, which access/ does: the accessible objects one grid has
// handed out (made at the first WM_GETOBJECT), which the grid's destruction disconnects. Only a
// forward declaration here: the frame never sees inside.
#pragma once

#include <memory>

namespace vorlane {

struct AccessObjects;  // access/access_objects.h

// Disconnects the objects, whose holders then get errors instead of the grid's state, and
// drops the grid's references to them.
struct AccessObjectsFree {
    void operator()(AccessObjects* objects) const;
};
using AccessObjectsHold = std::unique_ptr<AccessObjects, AccessObjectsFree>;

}  // namespace vorlane
