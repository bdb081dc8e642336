#pragma once

#include <QString>
#include <QStringList>

#include <utility>

// A sentence for the player as the layers below the windows say it: its English text, marked for
// the translators with QT_TRANSLATE_NOOP in its context, and the values for its %1, %2, ...
// A phrase with a count (marked with QT_TRANSLATE_N_NOOP) says it as %n, in the plural form the
// language gives that count. A window shows it translated; a log, a file or the server keeps it
// in English.
struct Phrase {
    const char* context = "";
    const char* text = "";  // English
    QStringList args;       // at most four
    int count = -1;         // for %n; none when negative

    // Words that are no sentence of ours (a folder's own name): shown as they are.
    static Phrase verbatim(const QString& words) { return {"", "%1", {words}}; }
    static Phrase counted(const char* context, const char* text, int count, QStringList args = {})
    {
        return {context, text, std::move(args), count};
    }

    bool isEmpty() const { return !*text; }
    QString english() const;
    // In the language the game speaks; English where no translation is installed or it has none.
    QString translated() const;
};
