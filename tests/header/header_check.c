/* Compiled alone in each language mode a client may use (see CMakeLists.txt): vorlane.h must
   compile there without a warning, and a false layout check must stop the compilation. */
#include "vorlane.h"

#ifdef VORLANE_CHECK_FALSE_LAYOUT
VORLANE_LAYOUT(sizeof(GridValue) == 3);
#endif

int VorlaneHeaderCheck(HWND grid);
int VorlaneHeaderCheck(HWND grid) {
    ColumnDesc column;
    GridValue row[1];
    column.width = VORLANE_VERSION_MAJOR + VORLANE_VERSION_MINOR + VORLANE_VERSION_PATCH;
    column.title = VORLANE_VERSION_STRING;
    row[0] = (GridValue)column.title;
    Grid_AddColumn(grid, &column);
    return Grid_AddRow(grid, row);
}
