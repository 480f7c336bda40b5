#include "draw/Graphics.h"

Graphics::Graphics(QImage& target) : image(&target), painter(&target) {}
