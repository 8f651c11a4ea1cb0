#pragma once

class ScreenRegistry;

// Puts the report dialog into the registry.
void registerReportScreens(ScreenRegistry& screens);
