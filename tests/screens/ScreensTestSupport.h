#pragma once

#include "files/ScoreFile.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QWidget>

#include <gtest/gtest.h>

// A program folder of its own for each test, with helpers to see what the score file holds.
class ProgramFolderTest : public ::testing::Test {
protected:
    QTemporaryDir folder;

    QString scoresPath() const { return ScoresPath(folder.path()); }

    void writeScores(const QByteArray& bytes)
    {
        QDir(folder.path()).mkpath(QStringLiteral("levels"));
        QFile file(scoresPath());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }

    // Ten typed entries falling from 100 to 10.
    void writeFallingScores()
    {
        QByteArray bytes;
        for (int i = 0; i < ScoreEntries; ++i)
            bytes += " 0 \r\n " + QByteArray::number(100 - 10 * i) + " \r\nn" + QByteArray::number(i) + "\r\n";
        writeScores(bytes);
    }

    ScoreTable savedScores() const
    {
        ScoreTable table;
        LoadScores(scoresPath(), table);
        return table;
    }

    template <class T>
    static T* child(const QWidget& window, const char* name)
    {
        T* found = window.findChild<T*>(QLatin1StringView(name));
        EXPECT_NE(found, nullptr) << name;
        return found;
    }
};
