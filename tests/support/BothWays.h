#pragma once

#include "draw/Drawing.h"

#include <QImage>
#include <functional>
#include <gtest/gtest.h>
#include <vector>

// Plays the same game twice from a fresh start, with the caches off and then on,
// keeping the surface after every call of the frame function; every frame must match.
inline void ExpectSameBothWays(const std::function<void()>& restart,
                               const std::function<void(const std::function<void()>&)>& play) {
    std::vector<QImage> frames[2];
    for (bool caches : {false, true}) {
        restart();
        Drawing().Caches = caches;
        std::vector<QImage>& kept = frames[caches];
        play([&kept] { kept.push_back(Drawing().SpeedBuffer.copy()); });
    }
    ASSERT_EQ(frames[0].size(), frames[1].size());
    ASSERT_FALSE(frames[0].empty());
    for (size_t i = 0; i < frames[0].size(); ++i)
        ASSERT_EQ(frames[0][i], frames[1][i]) << "frame " << i;
}
