#pragma once

// How the core tells and asks the user. The desktop application answers with
// message boxes and a progress window, the command-line tool with standard
// error and its --yes flag, the tests with a scripted fake.

#include "model/Strings.h"

#include <string>
#include <string_view>

class cUserPrompt
{
public:
    virtual ~cUserPrompt() = default;

    // A plain message box. `messageId` is the string id the text came from
    // (0 for a text built from pieces); `text` is the whole text as shown.
    virtual void ShowMessage(int messageId, std::string_view text) = 0;

    // A Yes/No question; true for Yes.
    virtual bool AskYesNo(int messageId, std::string_view text) = 0;

    // The progress window of a long run. PollCancel lets pending events be
    // handled and answers whether Cancel was pressed since the last poll
    // (clearing that mark).
    virtual void BeginProgress(std::string_view title) = 0;
    virtual void SetProgress(int percent) = 0;
    virtual bool PollCancel() = 0;
    virtual void EndProgress() = 0;

    // A short "Just a moment!" notice while something takes a while.
    virtual void BeginWait(std::string_view text) { (void)text; }
    virtual void EndWait() {}

    void ShowMessage(int messageId) { ShowMessage(messageId, GetString(messageId)); }
    bool AskYesNo(int messageId) { return AskYesNo(messageId, GetString(messageId)); }
};

// Shows nothing, answers every question No and never cancels: for work done
// where nobody is watching.
class cSilentPrompt : public cUserPrompt
{
public:
    using cUserPrompt::AskYesNo;
    using cUserPrompt::ShowMessage;
    void ShowMessage(int, std::string_view) override {}
    bool AskYesNo(int, std::string_view) override { return false; }
    void BeginProgress(std::string_view) override {}
    void SetProgress(int) override {}
    bool PollCancel() override { return false; }
    void EndProgress() override {}
};
