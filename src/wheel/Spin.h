#pragma once

#include "table/GameState.h"

#include <cstdint>

class RandomSource;

inline constexpr int kTickMilliseconds = 24;

// Draws the ball in pocket iBallPos at the current radius, after one step
// inwards while the radius is above the inner ring. Sets BallLeft/BallTop.
void PlaceBall(GameState& state, std::int16_t iBallPos);

// The last step of start-up: the ball rests in a random pocket on the inner ring.
void RestBall(GameState& state, RandomSource& random);

// The core of "Spin": draws WinPocket and sends the ball out to the rim.
void StartSpin(GameState& state, RandomSource& random);

// One timer tick: the ball moves one pocket. True in the tick the ball stops
// (after more than two wraps, in WinPocket); the direction is then reversed.
bool TickBall(GameState& state);
