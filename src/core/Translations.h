#pragma once

#include <QString>
#include <QStringList>
#include <optional>

// The interface language, chosen in one place. Arabic is the office's own;
// English shows the source texts as written.
namespace Translations {

enum class Language { Arabic, English };

// "ar" or "en", as given to --lang; nothing for any other code.
std::optional<Language> fromCode(const QString& code);

// English when the desktop's first language is English, else Arabic.
Language fromDesktop(const QStringList& uiLanguages);

// What was asked for, else what the desktop's language list says.
Language choose(std::optional<Language> asked);

// Puts the language into the running application: its catalogue and Qt's,
// the layout direction and the fonts. Switching again replaces the previous
// language. Returns one line per catalogue that could not be loaded.
QStringList apply(Language language);

// The embedded catalogue of a language, or an empty string for the source texts.
QString catalogue(Language language);

}
