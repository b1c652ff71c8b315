#pragma once

// The "Conflicts" panel under the list: the scheduled matches that break a
// placement or assignment rule as the season now stands, one row each, and
// the rows of the scheduled matches list marked for them. It is checked
// again only when the document changed (a new state of the undo history:
// a command, Undo, Redo, a document opened), and only while it is shown.

#include <QObject>

#include <unordered_set>
#include <vector>

class CMainFrame;
class QDockWidget;
class QTreeWidget;
class QTreeWidgetItem;
class cDbItem;
class cMatch;

class cConflictPanel : public QObject
{
    Q_OBJECT

public:
    // Adds the hidden panel to the bottom of the frame.
    explicit cConflictPanel(CMainFrame& frame);

    QDockWidget& Dock() const { return *m_pDock; }
    QTreeWidget& Table() const { return *m_pTable; }
    // Checks the schedule again when the document changed since the last
    // check and the panel is shown; cheap otherwise. Hidden, it forgets the
    // conflicts.
    void Follow();
    // View > Conflicts.
    void SetShown(bool shown);
    bool IsShown() const;
    // Shows the panel, checked as the document stands; answers the number of conflicts.
    int ShowChecked();
    // Whether the row of `item` is marked as a conflict (never reads the item).
    bool Marks(const cDbItem* item) const { return IsShown() && m_marked.count(item) > 0; }

private:
    void Check();
    void Clear();
    // Shows the match of a conflict selected in the scheduled matches list.
    void OnActivated(QTreeWidgetItem* row);

    CMainFrame& m_frame;
    QDockWidget* m_pDock = nullptr;
    QTreeWidget* m_pTable = nullptr;
    long long m_nCheckedState = -1;           // the undo history's state last checked; -1 none
    std::vector<const cMatch*> m_matches;     // by row; valid while the state is the one checked
    std::unordered_set<const void*> m_marked; // the matches in conflict, compared by address only
};
