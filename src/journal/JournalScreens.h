#pragma once

class ScreenRegistry;

// The archive screens F1M0 and F1M1 and the customer search F3M0O.
void registerJournalScreens(ScreenRegistry& screens);
