#pragma once

// A cUserPrompt for widget tests: records what would be shown and answers
// questions from a script, so that no message box ever opens. A question
// nobody scripted fails the running test.

#include "model/cUserPrompt.h"

#include <QTest>

#include <deque>
#include <functional>
#include <string>
#include <vector>

class cQtScriptedPrompt : public cUserPrompt
{
public:
    using cUserPrompt::AskYesNo;
    using cUserPrompt::ShowMessage;

    void Answer(bool yes) { m_answers.push_back(yes); }

    void ShowMessage(int messageId, std::string_view text) override
    {
        m_ids.push_back(messageId);
        m_texts.emplace_back(text);
        if (m_fnWhileShown) {
            m_fnWhileShown();
        }
    }
    bool AskYesNo(int messageId, std::string_view text) override
    {
        m_ids.push_back(messageId);
        m_texts.emplace_back(text);
        if (m_fnWhileShown) {
            m_fnWhileShown();
        }
        if (m_answers.empty()) {
            QTest::qFail(("unscripted question: " + std::string(text)).c_str(), __FILE__, __LINE__);
            return false;
        }
        const bool answer = m_answers.front();
        m_answers.pop_front();
        return answer;
    }
    void BeginProgress(std::string_view) override {}
    void SetProgress(int) override {}
    bool PollCancel() override { return false; }
    void EndProgress() override {}
    void BeginWait(std::string_view text) override { m_waits.emplace_back(text); }

    std::vector<int> m_ids;
    std::vector<std::string> m_texts; // as shown, beside m_ids
    std::vector<std::string> m_waits;
    // Runs while a box would be open (a repaint under it, for instance).
    std::function<void()> m_fnWhileShown;

private:
    std::deque<bool> m_answers;
};
