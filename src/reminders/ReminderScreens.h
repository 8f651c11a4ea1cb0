#pragma once

class ScreenRegistry;

// Puts the diary, the calendar and the message pop-ups into the registry.
void registerReminderScreens(ScreenRegistry& screens);
