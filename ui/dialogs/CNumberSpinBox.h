#pragma once

// A spin box for a number field whose check lives in the core. The arrows,
// keys and wheel step only within [low, high], but the text takes any integer
// of up to five digits: a number typed outside the range stays as typed, so
// that the dialog's check refuses it with IDS_ENTER_INTEGER_BETWEEN instead
// of the box quietly going back to its last value (a plain QSpinBox keeps 0
// out of 1 ... 52 only as text and drops it on Enter or on leaving the field).

#include <QSpinBox>

class CNumberSpinBox : public QSpinBox
{
    Q_OBJECT

public:
    CNumberSpinBox(int low, int high, QWidget* parent);

    // The range of the arrows; minimum() and maximum() are the range of typing.
    int Low() const { return m_nLow; }
    int High() const { return m_nHigh; }
    // Changes the range of the arrows; the value stays as it is.
    void SetLimits(int low, int high);

    void stepBy(int steps) override;

protected:
    StepEnabled stepEnabled() const override;

private:
    int m_nLow;
    int m_nHigh;
};
