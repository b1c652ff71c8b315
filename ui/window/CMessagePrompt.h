#pragma once

// The desktop answer to the core's prompt: message boxes, Yes/No questions, a
// modeless progress window that disables the main window while it is open, and
// the small "Just a moment!" notice.

#include "model/cUserPrompt.h"

#include <QPointer>

class QProgressDialog;
class QWidget;

class CMessagePrompt : public cUserPrompt
{
public:
    // `mainWindow` parents the boxes and is disabled during a progress run; not owned.
    explicit CMessagePrompt(QWidget* mainWindow);
    ~CMessagePrompt() override;

    using cUserPrompt::AskYesNo;
    using cUserPrompt::ShowMessage;
    void ShowMessage(int messageId, std::string_view text) override;
    bool AskYesNo(int messageId, std::string_view text) override;
    void BeginProgress(std::string_view title) override;
    void SetProgress(int percent) override;
    bool PollCancel() override;
    void EndProgress() override;
    void BeginWait(std::string_view text) override;
    void EndWait() override;

    QProgressDialog* ProgressWindow() const { return m_pProgress; }
    QWidget* WaitWindow() const { return m_pWait; }

private:
    QPointer<QWidget> m_pMainWindow;
    QProgressDialog* m_pProgress = nullptr; // owned; null while no run is going on
    QWidget* m_pWait = nullptr;             // owned; null while no notice is shown
    int m_nWaitDepth = 0;
    int m_nWaitMinimumMs = 0;  // how long the notice stays at least
    qint64 m_nWaitShownAt = 0; // when it appeared, ms since the epoch
    bool m_bCancelled = false;
};
