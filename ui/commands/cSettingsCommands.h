#pragma once

// The commands of the Settings menu.

#include "ui/commands/cCommandHandler.h"

class QWidget;

class cSettingsCommands : public cCommandHandler
{
public:
    using cCommandHandler::cCommandHandler;

    void OnScheduleSettings();
    void OnOfficialSettings();
    // Runs one of the two table settings dialogs; the shown table or results are drawn anew.
    void OnTableSettings(bool (*run)(CTournelDoc& doc, QWidget* parent));
    void OnWebTemplates();
    void OnPrintFont();
    void OnDocumentInfo();
};
