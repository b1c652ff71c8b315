#pragma once

// "Close court time": a court (or every court), the first and the last
// minute closed and whether the matches sent back are placed again at once.
// The dialog only picks the values; the caller closes the time.

#include "model/cCloseCourtsValues.h"
#include "ui/dialogs/CPropertyDialog.h"

#include <array>

class CNumberSpinBox;
class QCheckBox;
class QComboBox;

class CCloseCourtsDialog : public CPropertyDialog
{
    Q_OBJECT

public:
    explicit CCloseCourtsDialog(CTournelDoc& doc, QWidget* parent = nullptr);

    void SetValues(const cCloseCourtsValues& values);
    cCloseCourtsValues Values();

    // What OK took; the initial values before that.
    const cCloseCourtsValues& Chosen() const { return m_chosen; }

public slots:
    void accept() override;

private:
    QComboBox* m_pCourt;
    // The number fields by the field ids kFromDay ... kToTime.
    std::array<CNumberSpinBox*, cCloseCourtsValues::kToTime + 1> m_numbers{};
    QCheckBox* m_pReplan;
    cCloseCourtsValues m_chosen;
};

// Runs the dialog through the dialog runner of the item dialogs
// (SetDialogRunner); true on OK, with the values in `chosen`, which is left
// alone on Cancel.
bool RunCloseCourtsDialog(CTournelDoc& doc, QWidget* parent, cCloseCourtsValues& chosen);
