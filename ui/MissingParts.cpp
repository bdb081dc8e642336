#include "ui/MissingParts.h"

#include <QDir>
#include <QFileInfo>

#include <cstdio>

QString missingPartsLine(const QString& folder, const QStringList& files, const QString& without,
                         const QString& withoutSome)
{
    if (files.isEmpty())
        return {};
    if (!QFileInfo(folder).isDir())
        return QStringLiteral("Pondrake: the folder %1 is missing; %2.").arg(QDir::toNativeSeparators(folder), without);
    QStringList names;
    for (const QString& file : files)
        names << QFileInfo(file).fileName();
    return QStringLiteral("Pondrake: missing or unreadable in %1: %2; %3.")
        .arg(QDir::toNativeSeparators(folder), names.join(QStringLiteral(", ")), withoutSome);
}

void reportMissingParts(const QString& folder, const QStringList& files, const QString& without,
                        const QString& withoutSome)
{
    const QString line = missingPartsLine(folder, files, without, withoutSome);
    if (!line.isEmpty())
        std::fprintf(stderr, "%s\n", qPrintable(line));
}
