#pragma once

// What stands in a cell of the board: one character, compared exactly (case matters).
// A cell may also hold any other character read from a level file, or nothing at all;
// such a cell is inert: nothing moves it, movers treat it as an obstacle, nothing is drawn.
using TileCode = char32_t;

namespace Tile {
inline constexpr TileCode Empty = U'\0';  // what a short level row leaves behind
inline constexpr TileCode Blank = U'b';
inline constexpr TileCode Rock = U'r';
inline constexpr TileCode Hole = U'h';
inline constexpr TileCode Water = U'$';
inline constexpr TileCode TurtleLeft = U'a';
inline constexpr TileCode TurtleUp = U'w';
inline constexpr TileCode TurtleRight = U'd';
inline constexpr TileCode TurtleDown = U'x';
inline constexpr TileCode DogLeft = U'j';
inline constexpr TileCode DogUp = U'i';
inline constexpr TileCode DogRight = U'l';
inline constexpr TileCode DogDown = U'm';
inline constexpr TileCode DogSit = U'k';
inline constexpr TileCode Alien = U'@';
inline constexpr TileCode FootLeft = U'1';
inline constexpr TileCode FootRight = U'2';
// Only in level files: a turtle whose direction the loader draws at random.
inline constexpr TileCode TurtleAnyWay = U't';
}  // namespace Tile

constexpr bool isTurtle(TileCode c)
{
    return c == Tile::TurtleLeft || c == Tile::TurtleUp || c == Tile::TurtleRight || c == Tile::TurtleDown;
}

constexpr bool isWalkingDog(TileCode c)
{
    return c == Tile::DogLeft || c == Tile::DogUp || c == Tile::DogRight || c == Tile::DogDown;
}

constexpr bool isDog(TileCode c) { return isWalkingDog(c) || c == Tile::DogSit; }

constexpr bool isFoot(TileCode c) { return c == Tile::FootLeft || c == Tile::FootRight; }
