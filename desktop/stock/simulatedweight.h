#pragma once
// The weights of simulated weighing: 0 to 99.99 kg in steps of 0.01 from a generator that is
// never reseeded, so every run gives the same sequence.
#include <QString>
#include <cstdint>

namespace korvell {

class WeightSimulator {
public:
    // The next weight, a single-precision number.
    float next();
    // A weight as the window shows it: at most 7 significant digits (37.05, 5.3, 0).
    static QString text(float weight);

private:
    // A 24-bit linear congruential generator, uniform in [0, 1) by steps of 2^-24.
    std::uint32_t state = 0x50000;
};

} // namespace korvell
