#pragma once

// Undo and Redo of the commands that change the database, kept as the bytes
// of the database file before each command (the writer takes milliseconds
// even for large seasons, and the bytes restore every detail). Each state of
// the database between commands has a serial number, so that the document
// knows whether it stands where it was last saved.

#include <cstddef>
#include <deque>
#include <string>

class cUndoHistory
{
public:
    static constexpr std::size_t kDefaultSteps = 100;
    // Fewer steps are never kept, however large the season.
    static constexpr std::size_t kMinimumSteps = 50;
    // Beyond kMinimumSteps, the oldest steps go while the snapshots take more.
    static constexpr std::size_t kDefaultMemory = std::size_t{512} << 20;

    explicit cUndoHistory(std::size_t steps = kDefaultSteps, std::size_t memory = kDefaultMemory);

    // A command named `name` changed the database from `before` (its bytes)
    // into a new state. The steps that could be redone are dropped.
    void Record(std::string name, std::string before);

    bool CanUndo() const { return !m_undo.empty(); }
    bool CanRedo() const { return !m_redo.empty(); }
    std::size_t UndoCount() const { return m_undo.size(); }
    std::size_t RedoCount() const { return m_redo.size(); }
    // The name of the command Undo or Redo would take back or do again; empty: none.
    std::string UndoName() const { return m_undo.empty() ? std::string() : m_undo.back().name; }
    std::string RedoName() const { return m_redo.empty() ? std::string() : m_redo.back().name; }

    // Steps back: `current` (the bytes as they stand) is kept for Redo; the
    // answer is what to restore. Empty when there is nothing to undo.
    std::string Undo(std::string current);
    // Steps forward again; `current` is kept for Undo.
    std::string Redo(std::string current);

    // A document was made or opened: no steps. `saved` false: what stands
    // differs from its file (a repaired file), so it is modified.
    void Clear(bool saved = true);
    // The state as it stands is what the file holds now.
    void MarkSaved() { m_nSaved = m_nCurrent; }
    // False when the document differs from its file (or has none that holds it).
    bool IsAtSaved() const { return m_nSaved == m_nCurrent; }
    // The serial number of the state as it stands; a new one after each step.
    long long CurrentState() const { return m_nCurrent; }
    // The bytes the steps hold together.
    std::size_t MemoryUsed() const { return m_nMemory; }

private:
    struct cStep
    {
        std::string name;
        std::string bytes; // the state to go back (or forward) to
        long long state;   // its serial number
    };

    void Push(std::deque<cStep>& to, cStep step);
    cStep Pop(std::deque<cStep>& from);
    void DropRedo();
    void Trim();

    std::deque<cStep> m_undo; // oldest first
    std::deque<cStep> m_redo; // the next to redo last
    std::size_t m_nSteps;
    std::size_t m_nMemoryLimit;
    std::size_t m_nMemory = 0;
    long long m_nCurrent = 0;
    long long m_nNext = 1;
    long long m_nSaved = 0; // -1: no state is the file's
};
