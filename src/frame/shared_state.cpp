#include "frame/shared_state.h"

namespace vorlane {

SharedGridState& Shared() {
    static SharedGridState state;
    return state;
}

}  // namespace vorlane
