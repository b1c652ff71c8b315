#include "ui/dialogs/CNumberSpinBox.h"

#include <algorithm>

namespace {

// Five digits either way: wider than every field's range, narrow enough to
// keep the box small (its width follows the longest number it takes).
constexpr int kTypedLimit = 99999;

} // namespace

CNumberSpinBox::CNumberSpinBox(int low, int high, QWidget* parent)
    : QSpinBox(parent)
    , m_nLow(low)
    , m_nHigh(high)
{
    setRange(std::min(low, -kTypedLimit), std::max(high, kTypedLimit));
    setValue(low);
}

void CNumberSpinBox::SetLimits(int low, int high)
{
    m_nLow = low;
    m_nHigh = high;
    setRange(std::min(low, -kTypedLimit), std::max(high, kTypedLimit));
}

void CNumberSpinBox::stepBy(int steps)
{
    // From a number typed outside the range the first step lands on its edge.
    interpretText();
    const long long next = static_cast<long long>(value()) + static_cast<long long>(steps) * singleStep();
    setValue(static_cast<int>(std::clamp<long long>(next, m_nLow, m_nHigh)));
    selectAll();
}

QAbstractSpinBox::StepEnabled CNumberSpinBox::stepEnabled() const
{
    if (isReadOnly()) {
        return StepNone;
    }
    StepEnabled enabled = StepNone;
    if (value() < m_nHigh) {
        enabled |= StepUpEnabled;
    }
    if (value() > m_nLow) {
        enabled |= StepDownEnabled;
    }
    return enabled;
}
