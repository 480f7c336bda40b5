#include "game/GameImages.h"

GameImages& TheGameImages() {
    static GameImages images;
    return images;
}
