#include "ui/window/cDocumentController.h"

#include "document/CTournelDoc.h"
#include "document/cDirectoryPath.h"
#include "model/Strings.h"
#include "standings/Standings.h"
#include "ui/dialogs/CNewSeasonDialog.h"
#include "ui/dialogs/DialogFields.h"
#include "ui/window/CTournelView.h"
#include "ui/window/CommandIds.h"
#include "ui/window/CommandTable.h"
#include "ui/window/cTournelListView.h"
#include "ui/window/cViewSync.h"

#include <QAction>
#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMimeData>
#include <QSettings>
#include <QUrl>

#include <algorithm>

namespace {

const QString kFileFilter = QStringLiteral("Tournel Database (*.tnd)");
const QString kRecentSection = QStringLiteral("Recent File List");

} // namespace

cDocumentController::cDocumentController(CMainFrame& frame)
    : m_frame(frame)
    , m_doc(frame.Document())
{
}

void cDocumentController::ShowRecentFiles(QAction* separator)
{
    m_pRecentSeparator = separator;
    for (int i = 0; i < CMainFrame::kRecentFiles; ++i) {
        m_recentActions[static_cast<std::size_t>(i)] = m_frame.Action(ID_FILE_MRU_FILE1 + i);
    }
    LoadRecentFiles();
}

void cDocumentController::OpenRecentFile(int index)
{
    if (index < m_recentFiles.size()) {
        // A copy: saving the document first reorders the list.
        const QString path = m_recentFiles[index];
        OpenDocumentFile(path);
    }
}

bool cDocumentController::SaveModified()
{
    if (!m_doc.IsModified()) {
        return true;
    }
    const QString name =
        QString::fromStdString(m_doc.GetPathName().empty() ? m_doc.GetTitle() : m_doc.GetPathName());
    const QString text = QString::fromStdString(FormatString(IDS_SAVE_CHANGES, {name.toStdString()}));
    const QMessageBox::StandardButton answer =
        m_frame.m_fnAskSaveChanges
            ? m_frame.m_fnAskSaveChanges(text)
            : QMessageBox::question(&m_frame, QStringLiteral("Tournel"), text,
                                    QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel,
                                    QMessageBox::Yes);
    switch (answer) {
    case QMessageBox::Yes:
        return DoSave(QString::fromStdString(m_doc.GetPathName()));
    case QMessageBox::No:
        return true;
    default:
        return false;
    }
}

bool cDocumentController::OpenDocumentFile(QString path)
{
    if (!SaveModified()) {
        return false;
    }
    emit m_frame.OpeningFile(path);
    const QString absolute = QFileInfo(path).absoluteFilePath();
    // A file the document refuses leaves the season as it was: its views,
    // the directory shown and the undo history stay. A taken file announces
    // the new containers itself before the old ones go.
    if (!m_doc.OnOpenDocument(absolute.toStdString())) {
        // A recent file that has gone is dropped from the list; one that is
        // there but unreadable stays, it may be readable again later.
        if (!QFileInfo::exists(absolute) && m_recentFiles.removeAll(absolute) > 0) {
            SaveRecentFiles();
            UpdateRecentMenu();
        }
        return false;
    }
    AddRecentFile(absolute);
    // The tables as the results read count them: the state the first step goes back to.
    if (m_doc.HasContainers()) {
        BringTablesUpToDate(m_doc);
    }
    ClearHistory();
    m_frame.Views().UpdateAllViews();
    return true;
}

void cDocumentController::OpenAtStartUp(const QString& path)
{
    m_frame.show();
    QCoreApplication::processEvents();
    OpenDocumentFile(path);
}

bool cDocumentController::DoSave(const QString& path)
{
    QString target = path;
    if (target.isEmpty()) {
        const QString suggested =
            QString::fromStdString(m_doc.GetPathName().empty() ? m_doc.GetTitle() : m_doc.GetPathName());
        target = m_frame.m_fnAskFileName ? m_frame.m_fnAskFileName(true, suggested)
                                         : QFileDialog::getSaveFileName(&m_frame, QStringLiteral("Save As"),
                                                                        suggested, kFileFilter);
        if (target.isEmpty()) {
            return false;
        }
        if (QFileInfo(target).suffix().isEmpty()) {
            target += QStringLiteral(".tnd");
        }
    }
    target = QFileInfo(target).absoluteFilePath();
    if (!m_doc.OnSaveDocument(target.toStdString())) {
        return false;
    }
    m_doc.SetPathName(target.toStdString());
    m_doc.SetModifiedFlag(false);
    m_history.MarkSaved();
    AddRecentFile(target);
    m_frame.Tree().SetRootTitle(target);
    m_frame.UpdateTitle();
    return true;
}

void cDocumentController::OnFileNew()
{
    if (!SaveModified()) {
        return;
    }
    m_frame.Views().ContainersReplaced();
    m_doc.OnNewDocument();
    ClearHistory();
    m_frame.Views().UpdateAllViews();
}

void cDocumentController::OnNewSeason()
{
    CNewSeasonDialog dialog(m_doc, &m_frame);
    if (m_frame.RunDialog(dialog) != QDialog::Accepted) {
        return;
    }
    const cRolloverValues values = dialog.Values();
    // The new season is made from this one as it stands, saved or not.
    if (!SaveModified()) {
        return;
    }
    // A taken season announces the new containers itself before the old ones go.
    if (const cValidation refusal = m_doc.StartNextSeason(values)) {
        m_doc.Prompt().ShowMessage(refusal->messageId, refusal->text);
        return;
    }
    BringTablesUpToDate(m_doc);
    ClearHistory();
    m_frame.Views().UpdateAllViews();
}

void cDocumentController::OnFileOpen()
{
    const QString path =
        m_frame.m_fnAskFileName
            ? m_frame.m_fnAskFileName(false, {})
            : QFileDialog::getOpenFileName(&m_frame, QStringLiteral("Open"), {}, kFileFilter);
    if (!path.isEmpty()) {
        OpenDocumentFile(path);
    }
}

void cDocumentController::OnFileSave()
{
    DoSave(QString::fromStdString(m_doc.GetPathName()));
}

void cDocumentController::OnFileSaveAs()
{
    DoSave({});
}

void cDocumentController::LoadRecentFiles()
{
    m_recentFiles.clear();
    for (int i = 0; i < CMainFrame::kRecentFiles; ++i) {
        const QString path =
            m_frame.Profile().value(QStringLiteral("%1/File%2").arg(kRecentSection).arg(i + 1)).toString();
        if (!path.isEmpty() && !m_recentFiles.contains(path)) {
            m_recentFiles.append(path);
        }
    }
    UpdateRecentMenu();
}

void cDocumentController::SaveRecentFiles()
{
    for (int i = 0; i < CMainFrame::kRecentFiles; ++i) {
        const QString key = QStringLiteral("%1/File%2").arg(kRecentSection).arg(i + 1);
        if (i < m_recentFiles.size()) {
            m_frame.Profile().setValue(key, m_recentFiles[i]);
        } else {
            m_frame.Profile().remove(key);
        }
    }
}

void cDocumentController::AddRecentFile(const QString& path)
{
    const QString absolute = QFileInfo(path).absoluteFilePath();
    m_recentFiles.removeAll(absolute);
    m_recentFiles.prepend(absolute);
    while (m_recentFiles.size() > CMainFrame::kRecentFiles) {
        m_recentFiles.removeLast();
    }
    SaveRecentFiles();
    UpdateRecentMenu();
}

void cDocumentController::UpdateRecentMenu()
{
    for (int i = 0; i < CMainFrame::kRecentFiles; ++i) {
        QAction* action = m_recentActions[static_cast<std::size_t>(i)];
        if (i < m_recentFiles.size()) {
            action->setText(
                QStringLiteral("&%1 %2").arg(i + 1).arg(QDir::toNativeSeparators(m_recentFiles[i])));
            action->setVisible(true);
        } else {
            action->setVisible(false);
        }
    }
    m_pRecentSeparator->setVisible(!m_recentFiles.isEmpty());
}

QString cDocumentController::DroppedFile(const QMimeData* data)
{
    if (data == nullptr || !data->hasUrls()) {
        return {};
    }
    // Any file: opening decides, as File > Open does.
    for (const QUrl& url : data->urls()) {
        if (url.isLocalFile()) {
            return url.toLocalFile();
        }
    }
    return {};
}

void cDocumentController::RunCommand(int commandId, const std::function<void()>& run)
{
    const cCommandRow* row = FindCommand(commandId);
    if (m_nCommandDepth > 0 || (row != nullptr && !row->makesStep) || !m_doc.HasContainers()) {
        run();
        return;
    }
    // Each step's bytes hold every table counted from its results, so that
    // Undo and Redo bring back tables that are up to date, and counting a
    // table is never taken for a command's change.
    BringTablesUpToDate(m_doc);
    const std::string before = m_doc.Snapshot();
    const TimePoint stamp = m_doc.m_tModified;
    ++m_nCommandDepth;
    run();
    --m_nCommandDepth;
    BringTablesUpToDate(m_doc);
    // A table shown may have been counted afresh in place, its rows in the same order.
    m_frame.List().viewport()->update();
    std::string after = m_doc.Snapshot();
    if (after != before && m_doc.m_tModified != stamp) {
        // A backup copy written on the way stamps the time: that alone is no change.
        const TimePoint backedUp = m_doc.m_tModified;
        m_doc.m_tModified = stamp;
        after = m_doc.Snapshot();
        m_doc.m_tModified = backedUp;
    }
    // Cancelled, or confirmed unchanged (a dialog's OK still marks the
    // document modified, as it always has): no step.
    if (after != before) {
        m_history.Record(CommandName(commandId).toStdString(), before);
        m_doc.SetModifiedFlag(!m_history.IsAtSaved());
    }
    m_frame.UpdateTitle();
    m_frame.UpdateCommands();
}

void cDocumentController::OnUndo()
{
    if (m_nCommandDepth == 0 && m_history.CanUndo()) {
        RestoreSnapshot(m_history.Undo(m_doc.Snapshot()));
    }
}

void cDocumentController::OnRedo()
{
    if (m_nCommandDepth == 0 && m_history.CanRedo()) {
        RestoreSnapshot(m_history.Redo(m_doc.Snapshot()));
    }
}

void cDocumentController::RestoreSnapshot(const std::string& bytes)
{
    const cDirectoryPath shown = cDirectoryPath::Of(m_frame.Views().ShownObject());
    const int row = m_frame.List().CurrentRow();
    // The views let go of the items when the document announces the new ones.
    if (!m_doc.RestoreSnapshot(bytes)) {
        m_doc.Prompt().ShowMessage(IDS_UNEXPECTED_ERROR);
        return;
    }
    // A step holds its tables up to date; should one not, it is counted
    // before anything shows it.
    BringTablesUpToDate(m_doc);
    m_doc.SetModifiedFlag(!m_history.IsAtSaved());
    m_frame.Views().SetRestoring(true);
    m_frame.Views().UpdateAllViews();
    if (cTournelObject* object = shown.Find(m_doc)) {
        m_frame.Tree().SelectNode(CTournelView::NodeOf(object));
    }
    m_frame.Views().SetRestoring(false);
    if (const int rows = m_frame.List().Model().rowCount(); row >= 0 && rows > 0) {
        m_frame.List().SelectOnly(std::min(row, rows - 1));
    }
    m_frame.UpdateTitle();
    m_frame.UpdateCommands();
}

void cDocumentController::ClearHistory()
{
    m_history.Clear(!m_doc.IsModified());
}

void cDocumentController::UpdateUndoCommands()
{
    const auto name = [this](int id, const char* verb, const std::string& command) {
        const QString text =
            command.empty() ? QString::fromUtf8(verb) : QStringLiteral("%1 %2").arg(verb, ToQString(command));
        QAction* action = m_frame.Action(id);
        action->setText(text);
        action->setToolTip(QString(text).remove(QLatin1Char('&')));
    };
    name(ID_EDIT_UNDO, "&Undo", m_history.UndoName());
    name(ID_EDIT_REDO, "&Redo", m_history.RedoName());
}
