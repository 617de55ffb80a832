#include "frame/grid_instance.h"

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

InstanceHold::InstanceHold(HWND grid) : instance_(InstanceOf(grid)) {
    if (instance_ != nullptr) {
        ++instance_->busy;
    }
}

InstanceHold::~InstanceHold() {
    if (instance_ != nullptr && --instance_->busy == 0 && instance_->destroyed) {
        delete instance_;
    }
}

}  // namespace vorlane
