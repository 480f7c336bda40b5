#pragma once

#include <vector>

namespace art {

// A small room: parallel feedback combs and two allpass stages per ear,
// with slightly different lengths left and right for width.
class Reverb {
public:
    explicit Reverb(int ear);
    float process(float input);

private:
    struct Line {
        std::vector<float> buffer;
        std::size_t at = 0;
        float damped = 0;
    };
    std::vector<Line> combs_;
    std::vector<Line> allpasses_;
};

} // namespace art
