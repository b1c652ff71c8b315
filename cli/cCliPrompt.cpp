#include "cli/cCliPrompt.h"

void cCliPrompt::ShowMessage(int, std::string_view text)
{
    m_err << text << '\n';
}

bool cCliPrompt::AskYesNo(int, std::string_view text)
{
    m_err << text << '\n' << "Answer: " << (m_bAnswerYes ? "Yes" : "No") << '\n';
    return m_bAnswerYes;
}

void cCliPrompt::BeginProgress(std::string_view title)
{
    m_err << title << '\n';
}

void cCliPrompt::BeginWait(std::string_view text)
{
    m_err << text << '\n';
}
