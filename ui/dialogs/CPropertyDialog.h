#pragma once

// What every property and settings dialog shares: the document it works on,
// the OK and Cancel buttons, the field widgets by the field ids of the core's
// value struct, and the answer to a refused entry: the message through the
// document's prompt, the focus on the field, and the dialog stays open.

#include "model/cValidation.h"

#include <QDialog>

#include <map>
#include <string>

class CTournelDoc;
class QLayout;
class cDbItem;

class CPropertyDialog : public QDialog
{
    Q_OBJECT

public:
    CPropertyDialog(CTournelDoc& doc, const QString& title, QWidget* parent);

    // The widget of a field (an id of the value struct's Field enum); null when none.
    QWidget* FieldWidget(int field) const;

    // The item inserted or changed by OK; null before that, and for dialogs
    // that change no single item.
    cDbItem* Result() const { return m_pResult; }

protected:
    // Puts `content` above the OK and Cancel buttons.
    void SetContent(QLayout* content);
    void SetField(int field, QWidget* widget);

    // With an error: shows it, focuses its field and answers true.
    bool Refuse(const cValidation& error);
    void Refuse(int messageId, const std::string& text, int field);
    void FocusField(int field);

    CTournelDoc& m_doc;
    cDbItem* m_pResult = nullptr;

private:
    std::map<int, QWidget*> m_fields;
};
