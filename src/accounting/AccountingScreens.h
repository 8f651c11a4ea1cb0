#pragma once

class ScreenRegistry;

// Puts the chart of accounts and the ledger entry into the registry.
void registerAccountingScreens(ScreenRegistry& screens);
