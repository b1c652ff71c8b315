#pragma once

// The commands of the Help menu and the guide's window.

#include "ui/commands/cCommandHandler.h"

#include <QString>

class CHelpWindow;

class cHelpCommands : public cCommandHandler
{
public:
    using cCommandHandler::cCommandHandler;

    void OnTipOfTheDay();
    void OnAbout();
    // Opens the help window on PAGE of the user guide (a file name such as
    // "scheduling.html"), scrolled to ANCHOR.
    void ShowHelp(const QString& page, const QString& anchor = {});
    // Opens the guide for a What's This link "guide:PAGE#ANCHOR"; false when
    // `href` is no such link.
    bool OpenGuideLink(const QString& href);
    // The help window once it was opened; null before.
    CHelpWindow* HelpWindow() const { return m_pHelpWindow; }

private:
    CHelpWindow* m_pHelpWindow = nullptr; // a child window of the frame, made when first asked for
};
