#pragma once

// The What's This texts of the property and settings dialogs, each ending
// with a link to the guide's page about it (Shift+F1 in the dialog shows it).

#include <QString>
#include <QStringList>

// The text of the dialog titled `title`; empty for a dialog without one.
QString DialogWhatsThis(const QString& title);
// The titles of the dialogs that have a text.
QStringList DialogWhatsThisTitles();
