#pragma once

// "Publish website": the season's title and the folder the website is
// written to. The values and their checks are the core's cWebsiteValues;
// the caller writes the site and remembers the folder.

#include "output/Website.h"
#include "ui/dialogs/CPropertyDialog.h"

#include <functional>

class QLineEdit;
class QPushButton;

class CWebsiteDialog : public CPropertyDialog
{
    Q_OBJECT

public:
    // `browse` asks for a folder, starting at the one given (empty: cancelled).
    CWebsiteDialog(CTournelDoc& doc, const cWebsiteValues& values,
                   std::function<QString(const QString&)> browse, QWidget* parent = nullptr);

    cWebsiteValues Values() const;
    const cWebsiteValues& Chosen() const { return m_chosen; }
    QLineEdit& Title() const { return *m_pTitle; }
    QLineEdit& Folder() const { return *m_pFolder; }
    QPushButton& Browse() const { return *m_pBrowse; }

public slots:
    void accept() override;

private:
    QLineEdit* m_pTitle = nullptr;
    QLineEdit* m_pFolder = nullptr;
    QPushButton* m_pBrowse = nullptr;
    std::function<QString(const QString&)> m_fnBrowse;
    cWebsiteValues m_chosen;
};
