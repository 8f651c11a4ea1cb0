#include "shell/FavouriteList.h"

#include "engine/cWindow.h"

void fillFavouriteList(cWindow& window, QWidget* screen)
{
    window.FillGridCombo(screen, QStringLiteral("dfgFAVOURITEWINDOW"),
                         QStringLiteral("select windowname as  [Name:], OPENWINDOWDESC as [Description] from "
                                        "_windowtable  order by OPENWINDOWDESC, windowname"),
                         1, 0);
}
