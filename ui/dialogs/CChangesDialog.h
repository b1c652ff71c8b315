#pragma once

// What changed since another version of the season, as text grouped by team
// and by official, with a button that saves it as a text or spreadsheet
// file. It shows; it changes nothing in the document.

#include <QDialog>

#include <functional>

class QPlainTextEdit;
class QPushButton;

class CChangesDialog : public QDialog
{
    Q_OBJECT

public:
    // `save` runs when "Save..." is pressed: it asks for the file and writes it.
    CChangesDialog(const QString& title, const QString& text, std::function<void()> save,
                   QWidget* parent = nullptr);

    QPlainTextEdit& Text() const { return *m_pText; }
    QPushButton& SaveButton() const { return *m_pSave; }

private:
    QPlainTextEdit* m_pText = nullptr;
    QPushButton* m_pSave = nullptr;
};
