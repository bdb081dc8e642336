#pragma once

#include <QImage>

#include <cstdint>

// The one pixel transfer of the board drawing: a plain source copy between two pictures.
namespace BoardBlit {

// Copies the width x height block at (0, 0) of source onto the block at (x, y) of destination,
// replacing its pixels; whatever falls outside either picture is left out. The board's pictures
// are all Format_RGB32, so a copy is one memcpy per row: a QPainter set up for each of the 400
// tiles of a redraw costs more than twice as much (bench/).
void blitTile(const QImage& source, QImage& destination, std::int32_t x, std::int32_t y, std::int32_t width,
              std::int32_t height);

}  // namespace BoardBlit
