#pragma once

// "Web document templates": the two template files that web pages of the
// schedule and of the tables are merged into. OK stores both paths as typed;
// whether the files exist is found out when a web page is written.

#include "output/PrintValues.h"
#include "ui/dialogs/CPropertyDialog.h"

#include <functional>

class QLineEdit;

class CWebTemplatesDialog : public CPropertyDialog
{
    Q_OBJECT

public:
    explicit CWebTemplatesDialog(CTournelDoc& doc, QWidget* parent = nullptr);

    cWebTemplateValues Values() const;
    QLineEdit& Field(int field) const;
    // "Browse" beside a field: asks for an existing web page, starting at the
    // field's text; the answer replaces the text, an empty answer keeps it.
    void Browse(int field);

    // How Browse asks; an open-file dialog unless replaced (tests).
    std::function<QString(const QString& current)> m_fnAskTemplate;

public slots:
    void accept() override;

private:
    QLineEdit* m_pSchedule = nullptr;
    QLineEdit* m_pTable = nullptr;
};

// Runs the dialog through the dialog runner of the item dialogs
// (SetDialogRunner); true when the paths were stored.
bool RunWebTemplatesDialog(CTournelDoc& doc, QWidget* parent);
