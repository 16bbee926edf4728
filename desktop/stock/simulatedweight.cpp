#include "desktop/stock/simulatedweight.h"

#include "desktop/stock/decimaltext.h"

#include <cmath>

namespace korvell {

float WeightSimulator::next()
{
    state = (state * 0x43FD43FDu + 0xC39EC3u) & 0xFFFFFFu;
    const float r = float(state) / 16777216.0f;
    return std::floor(r * 10000.0f) / 100.0f;
}

QString WeightSimulator::text(float weight)
{
    return numberText(weight, 7);
}

} // namespace korvell
