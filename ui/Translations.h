#pragma once

#include <QLocale>
#include <QString>
#include <QStringList>

// The language the game speaks in a run. It is chosen at start-up, before any window exists:
// the language the player chose (Game > Language...) when the game speaks it, otherwise the
// desktop's. A translation that cannot be loaded leaves the game in English, never blank.
namespace Translations {

inline const QString English = QStringLiteral("en");
// The languages besides English, by their codes; each has translations/pondrake_<code>.qm in the
// program folder.
inline const QStringList Shipped{QStringLiteral("de"), QStringLiteral("fr"), QStringLiteral("es")};

// The language of a run: chosen when the game ships it ("" is the desktop's, and so is one the
// game does not ship); else the first of the desktop's languages, most wanted first
// (QLocale::uiLanguages), that is English or shipped; else English.
QString pick(const QString& chosen, const QStringList& desktopLanguages);

// The locale of numbers and dates for a language: the language as the desktop's country writes
// it (Spanish in Mexico, English in Britain), else as the language's own country does.
QLocale localeFor(const QString& language, const QLocale& desktop);

// Speaks language from now on: the game's translation from the program folder and Qt's own for
// its dialogs, replacing those installed before, and writes numbers and dates as the language
// and the desktop's country do. Returns the language the game now speaks: English when the
// game's translation is missing or broken.
QString install(const QString& programFolder, const QString& language, const QLocale& desktop = QLocale::system());

// The language installed last (English before any).
QString current();

// A language's own name for itself: "Deutsch", "Français", ...
QString nativeName(const QString& language);

}  // namespace Translations
