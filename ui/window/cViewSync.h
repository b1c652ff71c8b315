#pragma once

// The tree and the list of the window following the document: which
// directory is shown, the lists and nodes that changes of the document left
// behind, and showing them again before the user sees them. It hears the
// document's announcements, so that no view ever holds an item that is gone.

#include "model/cDatabaseListener.h"
#include "model/cTournelDb.h"

#include <QElapsedTimer>
#include <QTimer>

class CMainFrame;
class CTournelDoc;
class CTournelView;
class cDbItem;
class cTournelListView;
class cTournelObject;

class cViewSync : public cDatabaseListener
{
public:
    // Listens to the frame's document until destroyed.
    explicit cViewSync(CMainFrame& frame);
    ~cViewSync() override;
    cViewSync(const cViewSync&) = delete;
    cViewSync& operator=(const cViewSync&) = delete;

    // What the list shows: a directory id (kDirRoot, kDirItem for an item's
    // folder) and its container, null for the root and for an item's folder.
    int CurrentDirectory() const { return m_nCurrentDirectory; }
    cTournelDb* CurrentContainer() const { return m_pCurrentContainer; }
    // The container shown, or the item whose folder is shown; null at the root.
    const cTournelObject* ShownObject() const;
    // The list or the tree may show items that are gone, to be shown again soon.
    bool IsStale() const { return m_bListStale || m_bTreeStale; }
    // An undo step is being shown: lists as they stand, none regenerated.
    void SetRestoring(bool restoring) { m_bRestoring = restoring; }

    // Builds the tree again for the document as it stands and selects the root.
    void UpdateAllViews();
    void SelectDirectory(cTournelObject* object, bool updateStatus, bool selectInTree);
    void OnTreeSelection(cTournelObject* object);
    void RefreshList();
    void FillList(cTournelDb& container);
    // A list regenerated from the rest of the season (the unscheduled matches,
    // a standings table) is regenerated when the user opens it: the one place
    // where showing a list may ask a question.
    void RegenerateDerivedList(cTournelDb& container);
    // Lists and tree that changes of the document left behind are shown
    // again, as the items stand (a standings table counted afresh when out
    // of date); nothing when they are up to date.
    void BringViewsUpToDate();
    void MarkSelected();
    void ClearMarks();
    // The item of the row with the focus, or null.
    cDbItem* GetCurrentItem() const;

    // The document's announcements.
    void ItemsChanged(const cTournelDb& container, const cDbItem* removed) override;
    void ContainersReplaced() override;
    void BeforePrompt(bool waitsForUser) override;

private:
    // The list lets go of its rows, to be shown again soon.
    void ForgetList();
    void ScheduleViewUpdate();
    void SyncTree();
    // A standings table about to be shown is counted afresh when out of
    // date: it reads only the results and the table settings, so this is
    // safe at any moment, even in the middle of a command.
    void BringShownTableUpToDate(cTournelDb& container);

    CMainFrame& m_frame;
    CTournelDoc& m_doc;
    CTournelView& m_tree;
    cTournelListView& m_list;
    // The item whose directories the list shows (the current node is an
    // item's); null otherwise. Like the current container it never outlives
    // its item: the announcements reset both.
    int m_nCurrentDirectory = kDirRoot;
    cTournelDb* m_pCurrentContainer = nullptr;
    cDbItem* m_pFolderItem = nullptr;
    bool m_bListStale = false; // the list let go of rows the document changed
    bool m_bTreeStale = false; // item nodes may stand for items that are gone
    bool m_bTreeGone = false;  // the containers were replaced: the tree is built anew
    bool m_bFilling = false;   // the list is being filled: its own changes are no news
    bool m_bRestoring = false; // an undo step is shown: lists as they stand, none regenerated
    QTimer m_timer;            // shows the views left behind by a long run
    QElapsedTimer m_sinceViewUpdate;
};
