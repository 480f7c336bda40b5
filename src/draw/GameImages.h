#pragma once

#include "draw/Picture.h"

// Images of the game screen that others draw with too: the grid cells flash with the
// surface bitmap, and the overlay dialogs draw over the background.
struct GameImages {
    // The game screen's background; the board's cell tiles are painted into it.
    ImageHandle Background;
    // A strip of cell-sized pictures drawn in parts.
    ImageHandle Surface;
};

GameImages& TheGameImages();
