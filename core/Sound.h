#pragma once

#include <string_view>

// The aliases of the sound effects the rules ask for; the window plays them through its effect table.
namespace Sound {
// The tick.
inline constexpr std::string_view Step = "step";
inline constexpr std::string_view Fall = "fall";
inline constexpr std::string_view Alien = "alien";
inline constexpr std::string_view Oops = "oops";
inline constexpr std::string_view Water = "water";
inline constexpr std::string_view Boing = "boing";
// The mouse commands.
inline constexpr std::string_view TurtSelect = "TurtSelect";
inline constexpr std::string_view DogSelect = "DogSelect";
inline constexpr std::string_view TurtExecute = "TurtExecute";
inline constexpr std::string_view Dog = "dog";
// The level flow.
inline constexpr std::string_view Go = "Go";
inline constexpr std::string_view Cheer = "cheer";
inline constexpr std::string_view Boo = "boo";
}  // namespace Sound
