#pragma once

#include <QString>

#include <optional>

// A handwritten name as the pages draw it: an inline SVG of its strokes, one path a stroke in whole
// pixels, styled by attributes alone, with its text alternative. The name is the Base64 text of
// its ink, as stored; nothing when it is not ink the game can draw. However many points the ink
// holds, the SVG stays within MaxInkSvgBytes: points closer together are dropped until it does.
inline constexpr qsizetype MaxInkSvgBytes = 24 * 1024;

std::optional<QString> inkSvg(const QString& base64Name, const QString& alternative);
