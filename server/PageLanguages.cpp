#include "server/PageLanguages.h"

#include <QCoreApplication>
#include <QDir>
#include <QStringList>

PageLanguages::PageLanguages(const QString& translationsFolder)
{
    const QDir folder(translationsFolder);
    for (const QString& file : folder.entryList({QStringLiteral("pondrake_*.qm")}, QDir::Files)) {
        auto translation = std::make_unique<Translation>();
        const QString language = file.mid(9, file.size() - 12);
        if (translation->translator.load(folder.filePath(file)))
            m_translations.emplace(language, std::move(translation));
    }
}

QString PageLanguages::choose(const std::string& acceptLanguage) const
{
    QString chosen = QStringLiteral("en");
    double weight = 0;
    for (const QString& item : QString::fromStdString(acceptLanguage).split(u',')) {
        const QStringList parts = item.split(u';');
        const QString language = parts[0].trimmed().section(u'-', 0, 0).toLower();
        double q = 1;
        for (const QString& parameter : parts.mid(1))
            if (parameter.trimmed().startsWith(QStringLiteral("q=")))
                q = parameter.trimmed().mid(2).toDouble();  // not a number: 0, not accepted
        if (q > weight && (language == u"en" || m_translations.count(language) > 0)) {
            chosen = language;
            weight = q;
        }
    }
    return chosen;
}

QString PageLanguages::translate(const QString& language, const char* context, const char* source) const
{
    const auto found = m_translations.find(language);
    QString text;
    if (found != m_translations.end()) {
        const std::lock_guard lock(found->second->mutex);
        text = found->second->translator.translate(context, source);
    }
    return text.isEmpty() ? QString::fromUtf8(source) : text;
}
