#include "render/list_background.h"

namespace vorlane {

void FillListPaneOutsideRows(const GridInstance&) {}

}  // namespace vorlane
