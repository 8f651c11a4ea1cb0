#include "shell/ShellShipped.h"

// The options live in _CONFIG, which the screen reads and writes itself: no
// table is bound, the screen has no open dialog and no rules.
void ScreenMetadata::frmOptions(Database&)
{
}
