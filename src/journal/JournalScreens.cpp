#include "journal/JournalScreens.h"

#include "core/ScreenRegistry.h"
#include "journal/F1M0.h"
#include "journal/F1M1.h"
#include "journal/F3M0O.h"

namespace {

template <typename Screen>
ScreenRegistry::Factory make()
{
    return [](RunState& state, QWidget* parent) { return new Screen(state, parent); };
}

}

void registerJournalScreens(ScreenRegistry& screens)
{
    screens.add(QStringLiteral("F1M0"), make<F1M0>());
    screens.add(QStringLiteral("F1M1"), make<F1M1>());
    screens.add(QStringLiteral("F3M0O"), make<F3M0O>());
}
