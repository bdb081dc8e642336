#pragma once

#include <array>
#include <cstdint>

// The timers of the game window; the editor's test uses all but the countdown.
enum class GameTimer { CountDown, Bonus, Turtle, Dog };
inline constexpr std::array<GameTimer, 4> AllTimers{GameTimer::CountDown, GameTimer::Bonus, GameTimer::Turtle,
                                                    GameTimer::Dog};

// Game time, and spans of it, in milliseconds.
using Millis = std::int64_t;
