#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

// POST /api/v1/games: {"replay": "<replay text>", "entry": {"kind": 0 or 1, "name": "<name line>"}}.
struct Submission {
    QByteArray replay;  // the text's UTF-8 bytes, as stored and served again
    int kind = 0;       // 0 typed, 1 handwritten
    QString name;       // the typed name, or the Base64 text of the handwriting's ink bytes
};

struct SubmissionReading {
    std::optional<Submission> submission;
    int status = 0;  // when refused: 400, 415 or 422
    QString message;
};

// Reads a request's body as the API says, and checks the name as the score file would take it.
SubmissionReading readSubmission(const QByteArray& body, const QString& contentType);

// Why a text of a stranger's (what it is: "name") cannot be shown: broken text, control
// characters, or format characters that make one text look like another.
std::optional<QString> textFault(const QString& what, const QString& text);

// Why the name cannot go into the table, or nothing: a typed name longer than a score file
// holds, ink that the ink reader refuses, control or format characters, broken text.
std::optional<QString> nameFault(int kind, const QString& name);
