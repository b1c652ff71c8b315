#pragma once

// "Home ground properties": a new home ground of a team or the changes of one.

#include "model/cHomeGroundValues.h"
#include "ui/dialogs/CPropertyDialog.h"

class QComboBox;
class QSpinBox;

class CHomeGroundDialog : public CPropertyDialog
{
    Q_OBJECT

public:
    // `grounds` is the team's home-ground container; `editing` the home
    // ground to change (one of it), null for a new one.
    CHomeGroundDialog(CTournelDoc& doc, cTournelDb& grounds, cHomeGround* editing, QWidget* parent = nullptr);

    void SetValues(const cHomeGroundValues& values);
    cHomeGroundValues Values();

public slots:
    void accept() override;

private:
    cTournelDb& m_grounds;
    cHomeGround* m_pEditing;
    QComboBox* m_pCourt;
    QComboBox* m_pWeekday;
    QSpinBox* m_pStart;
    QSpinBox* m_pEnd;
};
