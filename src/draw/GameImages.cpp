#include "draw/GameImages.h"

GameImages& TheGameImages() {
    static GameImages images;
    return images;
}
