#pragma once

// Hostile files made from a good one: each row replaces text in the good bytes, and the reader must
// refuse the result at the line at fault, saying why in words that contain the row's message.

#include "files/ReplayFile.h"
#include "files/sets/SetFileFormat.h"

#include <QByteArray>
#include <QString>

#include <gtest/gtest.h>

#include <vector>

struct RefusalRow {
    QByteArray from;
    QByteArray to;
    int line;
    const char* message;
};

inline bool holdsOne(const SetReading& reading) { return reading.set.has_value(); }
inline bool holdsOne(const RecordingReading& reading) { return reading.recording.has_value(); }

template <typename Read>
void expectRefusals(const QByteArray& good, const std::vector<RefusalRow>& rows, Read read)
{
    for (const RefusalRow& row : rows) {
        QByteArray bytes = good;
        ASSERT_TRUE(bytes.contains(row.from)) << row.from.toStdString();
        bytes.replace(row.from, row.to);
        const auto reading = read(bytes);
        EXPECT_FALSE(holdsOne(reading)) << row.to.left(80).toStdString();
        EXPECT_EQ(reading.line, row.line) << row.to.left(80).toStdString();
        EXPECT_TRUE(reading.error.english().contains(QLatin1String(row.message)))
            << row.to.left(80).toStdString() << ": " << reading.error.english().toStdString();
    }
}
