#pragma once

// "Official properties": a new official or the changes of one.

#include "model/cOfficialValues.h"
#include "ui/dialogs/CPropertyDialog.h"

class QComboBox;
class QLineEdit;
class QSpinBox;

class COfficialDialog : public CPropertyDialog
{
    Q_OBJECT

public:
    // `editing` is the official to change, null for a new one.
    COfficialDialog(CTournelDoc& doc, cReferee* editing, QWidget* parent = nullptr);

    void SetValues(const cOfficialValues& values);
    cOfficialValues Values();

public slots:
    void accept() override;

private:
    cReferee* m_pEditing;
    QLineEdit* m_pName;
    QLineEdit* m_pClub;
    QComboBox* m_pFirstDayOff;
    QComboBox* m_pSecondDayOff;
    QSpinBox* m_pRating;
    QSpinBox* m_pMaxGames;
    QSpinBox* m_pMaxSubsequent;
};
