#include "ui/Translations.h"

#include <QCoreApplication>
#include <QHash>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace {
// The translators this module installed are the application's children of this name.
const QString TranslatorName = QStringLiteral("pondrake-translation");

bool installTranslator(const QString& file, const QString& folder)
{
    auto* translator = new QTranslator(QCoreApplication::instance());
    translator->setObjectName(TranslatorName);
    if (translator->load(file, folder) && QCoreApplication::installTranslator(translator))
        return true;
    delete translator;
    return false;
}
}  // namespace

QString Translations::pick(const QString& chosen, const QStringList& desktopLanguages)
{
    if (chosen == English || Shipped.contains(chosen))
        return chosen;
    for (const QString& wanted : desktopLanguages) {
        QString language = QLocale(wanted).name().section(u'_', 0, 0);
        if (language == English || Shipped.contains(language))
            return language;
    }
    return English;
}

QLocale Translations::localeFor(const QString& language, const QLocale& desktop)
{
    // Qt takes the language's own country for a pair it has no data for (German in Mexico).
    return QLocale(QLocale(language).language(), desktop.territory());
}

QString Translations::install(const QString& programFolder, const QString& language, const QLocale& desktop)
{
    for (QTranslator* old : QCoreApplication::instance()->findChildren<QTranslator*>(TranslatorName))
        delete old;  // which takes it out of the application's list
    const QString folder = programFolder + QStringLiteral("/translations");
    // English's own plural forms ("1 level"), under every language: what a language lacks, or a
    // language whose file cannot be read, falls back to English said right. Installed first, so
    // searched last.
    installTranslator(QStringLiteral("pondrake_") + English, folder);
    QString speaking = English;
    if (language != English && installTranslator(QStringLiteral("pondrake_") + language, folder)) {
        speaking = language;
        // Qt's standard buttons and dialogs; without them they stay English.
        installTranslator(QStringLiteral("qtbase_") + language, QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    }
    QLocale::setDefault(localeFor(speaking, desktop));
    return speaking;
}

QString Translations::current()
{
    const QString language = QLocale().name().section(u'_', 0, 0);
    return Shipped.contains(language) ? language : English;
}

QString Translations::nativeName(const QString& language)
{
    // Qt's own names say more than a list of choices needs ("American English", "español de España").
    static const QHash<QString, QString> names{{English, QStringLiteral("English")},
                                               {QStringLiteral("de"), QStringLiteral("Deutsch")},
                                               {QStringLiteral("fr"), QStringLiteral("Français")},
                                               {QStringLiteral("es"), QStringLiteral("Español")}};
    return names.value(language, language);
}
