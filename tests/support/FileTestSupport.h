#pragma once

// Files for tests: a whole file read or written, and a folder tree made from a line of words.

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QString>

#include <gtest/gtest.h>

#include <sys/stat.h>

inline void writeFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size()) << path.toStdString();
}

// The whole file, or "(missing)" when there is none to read.
inline QByteArray readFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(missing)");
}

// Makes under root each word's path, in order, with the folders it lies in: "a/" a folder, "a|" a
// pipe, "a~" an empty file, "a" a file of one byte; a last "-" takes the right to write from it.
inline void makeTree(const QString& root, const QString& words)
{
    for (QString word : words.split(u' ', Qt::SkipEmptyParts)) {
        const bool readOnly = word.endsWith(u'-');
        word.chop(readOnly ? 1 : 0);
        const QChar kind = word.back();
        const QString path = root + u'/' + (kind == u'/' || kind == u'|' || kind == u'~' ? word.chopped(1) : word);
        ASSERT_TRUE(QDir().mkpath(kind == u'/' ? path : QFileInfo(path).path())) << word.toStdString();
        if (kind == u'|') {
            ASSERT_EQ(mkfifo(QFile::encodeName(path), 0600), 0) << word.toStdString();
        } else if (kind != u'/') {
            writeFile(path, kind == u'~' ? "" : "x");
        }
        if (readOnly) {
            ASSERT_TRUE(QFile::setPermissions(path, QFile::ReadOwner | QFile::ExeOwner)) << word.toStdString();
        }
    }
}
