#include "document/cUndoHistory.h"

#include <algorithm>
#include <cassert>
#include <utility>

cUndoHistory::cUndoHistory(std::size_t steps, std::size_t memory)
    : m_nSteps(std::max(steps, kMinimumSteps))
    , m_nMemoryLimit(memory)
{
}

void cUndoHistory::Push(std::deque<cStep>& to, cStep step)
{
    m_nMemory += step.bytes.size();
    to.push_back(std::move(step));
}

cUndoHistory::cStep cUndoHistory::Pop(std::deque<cStep>& from)
{
    assert(!from.empty());
    cStep step = std::move(from.back());
    from.pop_back();
    m_nMemory -= step.bytes.size();
    return step;
}

void cUndoHistory::DropRedo()
{
    while (!m_redo.empty()) {
        Pop(m_redo);
    }
}

void cUndoHistory::Trim()
{
    while (m_undo.size() > m_nSteps || (m_undo.size() > kMinimumSteps && m_nMemory > m_nMemoryLimit)) {
        m_nMemory -= m_undo.front().bytes.size();
        m_undo.pop_front();
    }
}

void cUndoHistory::Record(std::string name, std::string before)
{
    DropRedo();
    Push(m_undo, {std::move(name), std::move(before), m_nCurrent});
    m_nCurrent = m_nNext++;
    Trim();
}

std::string cUndoHistory::Undo(std::string current)
{
    if (m_undo.empty()) {
        return {};
    }
    cStep step = Pop(m_undo);
    Push(m_redo, {step.name, std::move(current), m_nCurrent});
    m_nCurrent = step.state;
    return std::move(step.bytes);
}

std::string cUndoHistory::Redo(std::string current)
{
    if (m_redo.empty()) {
        return {};
    }
    cStep step = Pop(m_redo);
    Push(m_undo, {step.name, std::move(current), m_nCurrent});
    m_nCurrent = step.state;
    Trim();
    return std::move(step.bytes);
}

void cUndoHistory::Clear(bool saved)
{
    m_undo.clear();
    m_redo.clear();
    m_nMemory = 0;
    m_nCurrent = m_nNext++;
    m_nSaved = saved ? m_nCurrent : -1;
}
