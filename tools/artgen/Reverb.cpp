#include "Reverb.h"

namespace art {

namespace {

constexpr int kCombLengths[] = {1557, 1617, 1491, 1422, 1277, 1356};
constexpr int kAllpassLengths[] = {556, 441};
constexpr int kStereoSpread = 23;
constexpr float kFeedback = 0.84f;
constexpr float kDamping = 0.3f;
constexpr float kAllpassGain = 0.5f;

} // namespace

Reverb::Reverb(int ear) {
    for (int length : kCombLengths)
        combs_.push_back(
            {std::vector<float>(static_cast<std::size_t>(length + ear * kStereoSpread))});
    for (int length : kAllpassLengths)
        allpasses_.push_back(
            {std::vector<float>(static_cast<std::size_t>(length + ear * kStereoSpread))});
}

float Reverb::process(float input) {
    float sum = 0;
    for (Line& comb : combs_) {
        const float out = comb.buffer[comb.at];
        comb.damped = out * (1 - kDamping) + comb.damped * kDamping;
        comb.buffer[comb.at] = input + comb.damped * kFeedback;
        comb.at = (comb.at + 1) % comb.buffer.size();
        sum += out;
    }
    float out = sum / static_cast<float>(combs_.size());
    for (Line& allpass : allpasses_) {
        const float delayed = allpass.buffer[allpass.at];
        allpass.buffer[allpass.at] = out + delayed * kAllpassGain;
        allpass.at = (allpass.at + 1) % allpass.buffer.size();
        out = delayed - out * kAllpassGain;
    }
    return out;
}

} // namespace art
