#pragma once

// "Document properties": author, comments, weekday language, date format and
// the backup interval, with the document's times and version shown read-only.

#include "document/cDocumentInfoValues.h"

#include <QDialog>

class CTournelDoc;
class QCheckBox;
class QComboBox;
class QLineEdit;
class QPlainTextEdit;
class QSpinBox;

class CDocumentInfoDialog : public QDialog
{
    Q_OBJECT

public:
    CDocumentInfoDialog(CTournelDoc& doc, QWidget* parent = nullptr);

    // The values as the widgets hold them now.
    cDocumentInfoValues ReadWidgets() const;
    QWidget* FieldWidget(int field) const;

public slots:
    void accept() override;

private:
    CTournelDoc& m_doc;
    cDocumentInfoValues m_values;
    QLineEdit* m_pAuthor = nullptr;
    QPlainTextEdit* m_pComments = nullptr;
    QComboBox* m_pLanguage = nullptr;
    QComboBox* m_pDateFormat = nullptr;
    QCheckBox* m_pAutoBackup = nullptr;
    QSpinBox* m_pBackupMinutes = nullptr;
};
