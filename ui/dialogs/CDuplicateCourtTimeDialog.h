#pragma once

// "Duplicate court time": copies all free time of the selected period's
// court to another court.

#include "model/cDuplicateCourtTimeValues.h"
#include "ui/dialogs/CPropertyDialog.h"

class QComboBox;

class CDuplicateCourtTimeDialog : public CPropertyDialog
{
    Q_OBJECT

public:
    // `source` is the selected period; its court is the source court.
    CDuplicateCourtTimeDialog(CTournelDoc& doc, cUnusedTime& source, QWidget* parent = nullptr);

    void SetValues(const cDuplicateCourtTimeValues& values);
    cDuplicateCourtTimeValues Values() const;

public slots:
    void accept() override;

private:
    cUnusedTime& m_source;
    QComboBox* m_pCourt;
};
