#pragma once

class ScreenRegistry;

// Puts the password, users and user rights screens into the registry.
void registerSecurityScreens(ScreenRegistry& screens);
