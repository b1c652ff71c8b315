#pragma once

// A document for dialog tests: a fixed clock, a scripted prompt and small
// builders. Dialogs are shown without a modal loop and driven through their
// accept() and reject() slots.

#include "document/CTournelDoc.h"
#include "model/Calendar.h"
#include "model/cCourt.h"
#include "model/cLeague.h"
#include "model/cMatch.h"
#include "model/cReferee.h"
#include "model/cTableItem.h"
#include "model/cTeam.h"
#include "support/TestBuilders.h"
#include "support/cScriptedPrompt.h"
#include "ui/dialogs/CPropertyDialog.h"
#include "ui/dialogs/ItemDialogs.h"

#include <QComboBox>
#include <QDialog>
#include <QGroupBox>
#include <QLabel>
#include <QStringList>
#include <QtTest>

#include <functional>
#include <memory>
#include <string>

// Replaces the modal loop of the item dialogs while it lives: each dialog is
// shown, filled by `fill`, and OK is pressed (with `ok`) or Cancel; a dialog
// that refuses OK is then cancelled.
class cScriptedRunner
{
public:
    explicit cScriptedRunner(std::function<void(CPropertyDialog&)> fill, bool ok = true)
    {
        m_previous = SetDialogRunner([this, fill = std::move(fill), ok](QDialog& dialog) {
            ++m_runs;
            dialog.show();
            fill(dynamic_cast<CPropertyDialog&>(dialog));
            if (ok) {
                dialog.accept();
            }
            if (dialog.isVisible()) {
                m_refused += ok ? 1 : 0;
                dialog.reject();
            }
            return dialog.result();
        });
    }
    ~cScriptedRunner() { SetDialogRunner(std::move(m_previous)); }
    cScriptedRunner(const cScriptedRunner&) = delete;
    cScriptedRunner& operator=(const cScriptedRunner&) = delete;

    int m_runs = 0;
    int m_refused = 0;

private:
    DialogRunner m_previous;
};

class cDialogDoc
{
public:
    cDialogDoc()
    {
        m_doc.SetPrompt(&m_prompt);
        m_doc.m_fnClock = [] { return MakeTimePoint(2024, 3, 15, 10, 0, 0); };
    }
    ~cDialogDoc() { m_doc.SetPrompt(nullptr); }
    cDialogDoc(const cDialogDoc&) = delete;
    cDialogDoc& operator=(const cDialogDoc&) = delete;

    cCourt& Court(const std::string& name, const std::string& shortName)
    {
        return BuildCourt(m_doc, name, shortName);
    }
    cLeague& League(const std::string& name, const std::string& shortName)
    {
        return BuildLeague(m_doc, name, shortName);
    }
    cTeam& Team(cLeague& league, const std::string& name) { return BuildTeam(league, name); }
    cReferee& Official(const std::string& name) { return BuildOfficial(m_doc, name); }

    // The ids shown so far, and forgets them.
    std::vector<int> TakeShown()
    {
        std::vector<int> ids = m_prompt.Ids();
        m_prompt.m_shown.clear();
        return ids;
    }

    CTournelDoc m_doc;
    cScriptedPrompt m_prompt;
};

template <class W> W* Field(const CPropertyDialog& dialog, int field)
{
    auto* widget = qobject_cast<W*>(dialog.FieldWidget(field));
    if (widget == nullptr) {
        qFatal("field %d has no widget of the expected kind", field);
    }
    return widget;
}

// Presses OK on a dialog shown without a modal loop; true when it closed
// accepted.
inline bool PressOk(QDialog& dialog)
{
    if (!dialog.isVisible()) {
        dialog.show();
    }
    dialog.accept();
    return dialog.result() == QDialog::Accepted && !dialog.isVisible();
}

// The focus after a refusal stays in the dialog, on the field.
inline bool HasFocusOn(const CPropertyDialog& dialog, int field)
{
    return dialog.isVisible() && dialog.focusWidget() == dialog.FieldWidget(field);
}

inline QStringList GroupTitles(const QWidget& dialog)
{
    QStringList titles;
    for (const QGroupBox* group : dialog.findChildren<QGroupBox*>()) {
        titles << group->title();
    }
    return titles;
}

inline QStringList LabelTexts(const QWidget& dialog)
{
    QStringList texts;
    for (const QLabel* label : dialog.findChildren<QLabel*>()) {
        texts << label->text();
    }
    return texts;
}

// The field ids in the order the focus chain reaches their widgets.
inline QList<int> FieldsInTabOrder(const CPropertyDialog& dialog, int fieldCount)
{
    QList<int> order;
    QWidget* first = dialog.FieldWidget(0);
    QWidget* widget = first;
    do {
        for (int field = 0; field < fieldCount; ++field) {
            if (dialog.FieldWidget(field) == widget && !order.contains(field)) {
                order << field;
            }
        }
        widget = widget->nextInFocusChain();
    } while (widget != nullptr && widget != first);
    return order;
}

inline QList<int> Range(int count)
{
    QList<int> fields;
    for (int i = 0; i < count; ++i) {
        fields << i;
    }
    return fields;
}

// The texts of a combo box's entries.
inline QStringList EntryTexts(const QComboBox& combo)
{
    QStringList texts;
    for (int i = 0; i < combo.count(); ++i) {
        texts << combo.itemText(i);
    }
    return texts;
}
