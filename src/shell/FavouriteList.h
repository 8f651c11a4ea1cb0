#pragma once

class QWidget;
class cWindow;

// The screens an operator may have opened right after login, by description.
void fillFavouriteList(cWindow& window, QWidget* screen);
