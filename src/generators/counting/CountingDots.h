#pragma once
// The counting task: how many dots of the grid lie under the yellow triangle? Draws the
// triangle and counts the hidden dots on the painted cover (DotGrid); the exercise window
// paints and reveals the picture with DrawDotGrid.

#include "core/Generation.h"

// Three corners, each at least 10 pixels inside the drawing area.
TCoverTriangle DrawCoverTriangle(Random &random, QSize area);

// Generator of kind 403 (the level is not used).
GeneratedTask Zaehlen(GenerationContext &context, int level);
