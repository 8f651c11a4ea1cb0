#pragma once

class ScreenRegistry;

// Puts the diary and the calendar pop-up into the registry.
void registerReminderScreens(ScreenRegistry& screens);
