#pragma once

class ScreenRegistry;

// Puts the screens of the rental subsystem into the registry.
void registerRentalScreens(ScreenRegistry& screens);
