#include "model/cRandom.h"

#include <chrono>

void cRandom::SeedFromClock()
{
    const auto now = std::chrono::system_clock::now().time_since_epoch();
    m_nState = static_cast<std::uint32_t>(std::chrono::duration_cast<std::chrono::microseconds>(now).count());
}
