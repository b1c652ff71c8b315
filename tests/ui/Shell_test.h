#pragma once

#include <QObject>

// The small windows of the shell and the desktop prompt.
class tst_Shell : public QObject
{
    Q_OBJECT

private slots:
    void TipsSkipCommentsAndWrap();
    void TipsWithoutUsableLineDoNotLoop();
    void TipsResumeOnlyWithTheSameTimeStamp();
    void TipDialogKeepsItsProfileKeys();
    void TipDialogWithoutFile();
    void PrintFontConversions();
    void ProgressDisablesMainWindowAndCancels();
    void WaitWindowNests();
    void SplashClosesOnKeyPress();
};
