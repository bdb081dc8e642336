#pragma once

#include <QLocale>
#include <QString>
#include <QTranslator>

#include <map>
#include <memory>
#include <mutex>
#include <string>

// The languages the world table's pages speak: English, and each language whose translation of
// the game (translations/pondrake_<language>.qm, the game's own) is in the folder. Each request
// chooses its own from Accept-Language, so no translator is installed for the process: each is
// asked directly, one thread at a time.
class PageLanguages {
public:
    explicit PageLanguages(const QString& translationsFolder);

    // The language to answer in: of those the request accepts (Accept-Language), the one it
    // weighs most that the pages speak, the first of equals; English when none is.
    QString choose(const std::string& acceptLanguage) const;
    // The text in the language, English where it has none.
    QString translate(const QString& language, const char* context, const char* source) const;

    static QLocale locale(const QString& language) { return QLocale(language); }

private:
    struct Translation {
        QTranslator translator;
        std::mutex mutex;
    };
    std::map<QString, std::unique_ptr<Translation>> m_translations;
};
