#pragma once

class ScreenRegistry;

// Puts the chart of accounts, the ledger entry and the four vouchers into the registry.
void registerAccountingScreens(ScreenRegistry& screens);
