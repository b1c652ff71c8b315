#pragma once

// The prompt of the command-line tool: every message and question goes to
// standard error with its exact text; questions are answered from --yes.

#include "model/cUserPrompt.h"

#include <ostream>

class cCliPrompt : public cUserPrompt
{
public:
    cCliPrompt(std::ostream& err, bool answerYes)
        : m_err(err)
        , m_bAnswerYes(answerYes)
    {
    }

    using cUserPrompt::AskYesNo;
    using cUserPrompt::ShowMessage;

    void ShowMessage(int messageId, std::string_view text) override;
    // Writes the question and, on a line of its own, the answer taken.
    bool AskYesNo(int messageId, std::string_view text) override;
    void BeginProgress(std::string_view title) override;
    void SetProgress(int) override {}
    bool PollCancel() override { return false; }
    void EndProgress() override {}
    void BeginWait(std::string_view text) override;

private:
    std::ostream& m_err;
    bool m_bAnswerYes;
};
