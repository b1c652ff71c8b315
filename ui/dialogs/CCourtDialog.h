#pragma once

// "Court properties": a new court or the changes of one.

#include "model/cCourtValues.h"
#include "ui/dialogs/CPropertyDialog.h"

class QCheckBox;
class QLineEdit;
class QSpinBox;

class CCourtDialog : public CPropertyDialog
{
    Q_OBJECT

public:
    // `editing` is the court to change, null for a new court.
    CCourtDialog(CTournelDoc& doc, cCourt* editing, QWidget* parent = nullptr);

    void SetValues(const cCourtValues& values);
    cCourtValues Values();

public slots:
    void accept() override;

private:
    cCourt* m_pEditing;
    QLineEdit* m_pShortName;
    QLineEdit* m_pFullName;
    QCheckBox* m_pReserved;
    QSpinBox* m_pRating;
};
