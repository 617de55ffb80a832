#include "frame/grid_instance.h"

#include "frame/grid_handlers.h"

namespace vorlane {

GridInstance* InstanceOf(HWND grid) {
    if (grid == nullptr) {
        return nullptr;
    }
    auto* instance = reinterpret_cast<GridInstance*>(GetWindowLongPtrA(grid, 0));
    if (instance == nullptr || instance->destroyed) {
        return nullptr;
    }
    return instance;
}

InstanceHold::InstanceHold(HWND grid, bool countOwedRows) : instance_(InstanceOf(grid)) {
    if (instance_ == nullptr) {
        return;
    }
    ++instance_->busy;
    if (countOwedRows && instance_->paneRowsOwed != 0) {
        CountOwedRows(*instance_);
    }
}

InstanceHold::~InstanceHold() {
    if (instance_ == nullptr || --instance_->busy != 0) {
        return;
    }
    if (instance_->destroyed) {
        delete instance_;
    } else if (instance_->uiaInvalidationOwed) {
        RaiseOwedUiaEvents(*instance_);
    }
}

}  // namespace vorlane
