#pragma once

#include "server/Refusal.h"

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
    Refusal refusal;
};

// Reads a request's body as the API says, and checks the name as the score file would take it.
SubmissionReading readSubmission(const QByteArray& body, const QString& contentType);

// Why a text of a stranger's cannot be shown: broken text, control characters, or format
// characters that make one text look like another. field names it: "name", "set-name", "author"
// or "description", the refusal's argument.
std::optional<Refusal> textFault(const char* field, const QString& text);

// Why the name cannot go into the table, or nothing: a typed name longer than a score file
// holds, ink that the ink reader refuses, control or format characters, broken text.
std::optional<Refusal> nameFault(int kind, const QString& name);
