#pragma once

// A cUserPrompt for tests: records everything shown and answers questions
// from a script. A question nobody scripted fails the test.

#include "model/cUserPrompt.h"

#include <deque>
#include <gtest/gtest.h>
#include <string>
#include <vector>

class cScriptedPrompt : public cUserPrompt
{
public:
    struct cShown
    {
        int id = 0;
        std::string text;
        bool question = false;
    };

    using cUserPrompt::AskYesNo;
    using cUserPrompt::ShowMessage;

    // Queues the answers of the next questions, in order.
    void Answer(bool yes) { m_answers.push_back(yes); }
    // Queues what the next PollCancel calls report (afterwards: no Cancel).
    void Cancel(bool pressed) { m_cancels.push_back(pressed); }

    void ShowMessage(int messageId, std::string_view text) override
    {
        m_shown.push_back({messageId, std::string(text), false});
    }

    bool AskYesNo(int messageId, std::string_view text) override
    {
        m_shown.push_back({messageId, std::string(text), true});
        if (m_answers.empty()) {
            ADD_FAILURE() << "unscripted question " << messageId << ": " << text;
            return false;
        }
        const bool answer = m_answers.front();
        m_answers.pop_front();
        return answer;
    }

    void BeginProgress(std::string_view title) override
    {
        m_progressTitle = std::string(title);
        ++m_progressOpened;
    }
    void SetProgress(int percent) override { m_progress.push_back(percent); }
    bool PollCancel() override
    {
        ++m_polls;
        if (m_cancels.empty()) {
            return false;
        }
        const bool pressed = m_cancels.front();
        m_cancels.pop_front();
        return pressed;
    }
    void EndProgress() override { ++m_progressClosed; }
    void BeginWait(std::string_view text) override { m_waits.emplace_back(text); }

    // The ids of everything shown, in order.
    std::vector<int> Ids() const
    {
        std::vector<int> ids;
        for (const cShown& shown : m_shown) {
            ids.push_back(shown.id);
        }
        return ids;
    }
    bool AllAnswered() const { return m_answers.empty(); }

    std::vector<cShown> m_shown;
    std::vector<int> m_progress;
    std::vector<std::string> m_waits;
    std::string m_progressTitle;
    int m_progressOpened = 0;
    int m_progressClosed = 0;
    int m_polls = 0;

private:
    std::deque<bool> m_answers;
    std::deque<bool> m_cancels;
};
