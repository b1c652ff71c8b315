#include "ui/window/CMainFrame.h"

#include "model/Strings.h"
#include "model/cCourt.h"
#include "model/cLeague.h"
#include "ui/commands/cEditCommands.h"
#include "ui/commands/cHelpCommands.h"
#include "ui/commands/cImportCommands.h"
#include "ui/commands/cOfficialsCommands.h"
#include "ui/commands/cPrintCommands.h"
#include "ui/commands/cResultsCommands.h"
#include "ui/commands/cScheduleCommands.h"
#include "ui/commands/cSettingsCommands.h"
#include "ui/help/CHelpWindow.h"
#include "ui/window/CMessagePrompt.h"
#include "ui/window/CTournelView.h"
#include "ui/window/CommandIds.h"
#include "ui/window/CommandTable.h"
#include "ui/window/Images.h"
#include "ui/window/cConflictPanel.h"
#include "ui/window/cDocumentController.h"
#include "ui/window/cTournelListView.h"
#include "ui/window/cViewSync.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDockWidget>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QSettings>
#include <QSplitter>
#include <QStatusBar>
#include <QToolBar>
#include <QWhatsThisClickedEvent>

#include <algorithm>

namespace {

QString Text(int id)
{
    return QString::fromUtf8(GetString(id));
}

} // namespace

CMainFrame::CMainFrame(QSettings* profile, QWidget* parent)
    : QMainWindow(parent)
    , m_pProfile(profile)
    , m_pPrompt(std::make_unique<CMessagePrompt>(this))
{
    if (m_pProfile == nullptr) {
        m_pOwnProfile = std::make_unique<QSettings>(QSettings::IniFormat, QSettings::UserScope,
                                                    QStringLiteral("Tournel"), QStringLiteral("Tournel"));
        m_pProfile = m_pOwnProfile.get();
    }
    m_doc.SetPrompt(m_pPrompt.get());

    m_pSplitter = new QSplitter(Qt::Horizontal, this);
    m_pTree = new CTournelView(m_pSplitter);
    m_pList = new cTournelListView(m_pSplitter);
    m_pSplitter->addWidget(m_pTree);
    m_pSplitter->addWidget(m_pList);
    m_pSplitter->setStretchFactor(0, 0);
    m_pSplitter->setStretchFactor(1, 1);
    m_pSplitter->setSizes({TreeWidth(), 600});
    m_pSplitter->setChildrenCollapsible(false);
    setCentralWidget(m_pSplitter);
    m_pTree->setWhatsThis(CHelpWindow::WithGuideLink(
        QStringLiteral("The directories of the database. Select one to list its items on the "
                       "right; leagues, teams and officials hold directories of their own."),
        QStringLiteral("start.html"), QStringLiteral("window")));
    m_pList->setWhatsThis(CHelpWindow::WithGuideLink(
        QStringLiteral("The items of the selected directory. Double-click an item to edit it "
                       "(or to open a league, team or official); right-click for its commands."),
        QStringLiteral("start.html"), QStringLiteral("list")));
    // A click on a What's This text's link into the guide, in this window or any dialog.
    qApp->installEventFilter(this);

    CreateStatusBar();
    m_pViews = std::make_unique<cViewSync>(*this);
    m_pDocuments = std::make_unique<cDocumentController>(*this);
    m_pEdit = std::make_unique<cEditCommands>(*this);
    m_pSchedule = std::make_unique<cScheduleCommands>(*this);
    m_pOfficials = std::make_unique<cOfficialsCommands>(*this);
    m_pResults = std::make_unique<cResultsCommands>(*this);
    m_pPrint = std::make_unique<cPrintCommands>(*this);
    m_pImport = std::make_unique<cImportCommands>(*this);
    m_pSettings = std::make_unique<cSettingsCommands>(*this);
    m_pHelp = std::make_unique<cHelpCommands>(*this);
    CreateActions();
    m_pDocuments->ShowRecentFiles(CreateMenus());
    CreateToolBar();
    connect(Action(ID_VIEW_STATUS_BAR), &QAction::toggled, statusBar(), &QWidget::setVisible);
    m_pConflicts = new cConflictPanel(*this);
    Action(ID_VIEW_CONFLICTS)->setChecked(false);
    connect(Action(ID_VIEW_CONFLICTS), &QAction::toggled, m_pConflicts,
            [this](bool shown) { m_pConflicts->SetShown(shown); });
    // Shown by Check Schedule, closed by its own button (not merely covered).
    connect(&m_pConflicts->Dock(), &QDockWidget::visibilityChanged, this,
            [this] { Action(ID_VIEW_CONFLICTS)->setChecked(m_pConflicts->IsShown()); });
    m_pList->Model().SetMarked([this](const cDbItem* item) { return m_pConflicts->Marks(item); });

    connect(m_pTree, &CTournelView::DirectoryChosen, this,
            [this](cTournelObject* object) { m_pViews->OnTreeSelection(object); });
    connect(m_pList, &cTournelListView::RowActivated, this, &CMainFrame::OnRowActivated);
    connect(m_pList, &cTournelListView::ContextMenuWanted, this, &CMainFrame::OnContextMenu);
    connect(m_pList->selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this] { UpdateCommands(); });
    connect(m_pList->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            [this] { UpdateCommands(); });

    setAcceptDrops(true);
    RestoreWindowState();
    m_pViews->UpdateAllViews();
    m_pList->setFocus();
}

CMainFrame::~CMainFrame()
{
    // The views point into the document; empty them before it goes, and let
    // no signal of a dying view reach this half-destroyed frame.
    m_pViews.reset();
    m_pTree->disconnect(this);
    m_pList->disconnect(this);
    m_pList->selectionModel()->disconnect(this);
    m_pList->Model().Clear();
    m_pTree->clear();
    m_doc.SetPrompt(nullptr);
}

int CMainFrame::CurrentDirectory() const
{
    return m_pViews->CurrentDirectory();
}

cTournelDb* CMainFrame::CurrentContainer() const
{
    return m_pViews->CurrentContainer();
}

QAction* CMainFrame::Action(int commandId) const
{
    const auto it = m_actions.find(commandId);
    return it != m_actions.end() ? it->second : nullptr;
}

void CMainFrame::CreateActions()
{
    for (const cCommandRow& row : CommandTable()) {
        const QString text = QString::fromUtf8(row.text != nullptr ? row.text : "");
        auto* action = new QAction(text, this);
        if (row.keys != nullptr) {
            action->setShortcuts(QKeySequence::listFromString(QString::fromUtf8(row.keys)));
        }
        action->setStatusTip(QString::fromUtf8(row.prompt));
        action->setToolTip(row.tip != nullptr
                               ? QString::fromUtf8(row.tip)
                               : QString(text).remove(QLatin1Char('&')).remove(QStringLiteral("...")));
        action->setData(row.id);
        if (const QIcon icon = CommandImage(row.id); !icon.isNull()) {
            action->setIcon(icon);
        }
        if (row.checkable) {
            action->setCheckable(true);
            action->setChecked(true);
        }
        if (row.run != nullptr) {
            connect(action, &QAction::triggered, this, [this, id = row.id, run = row.run] {
                m_pDocuments->RunCommand(id, [this, run] { run(*this); });
            });
        }
        m_actions[row.id] = action;
    }
    for (const cCommandRow& row : CommandTable()) {
        if (row.keysOf != 0) {
            QAction* action = Action(row.id);
            action->setText(action->text() + QLatin1Char('\t') +
                            Action(row.keysOf)->shortcut().toString(QKeySequence::NativeText));
        }
    }
}

QAction* CMainFrame::CreateMenus()
{
    // Each menu's title and the menu it stands in; submenus appear where their first entry does.
    struct cMenuTitle
    {
        eMenu menu;
        QString title;
        eMenu parent;
    };
    const std::vector<cMenuTitle> titles = {
        {eMenu::kFile, QStringLiteral("&File"), eMenu::kNone},
        {eMenu::kPrintSpecial, QStringLiteral("Print Spe&cial..."), eMenu::kFile},
        {eMenu::kEdit, QStringLiteral("&Edit"), eMenu::kNone},
        {eMenu::kView, QStringLiteral("&View"), eMenu::kNone},
        {eMenu::kSchedule, QStringLiteral("&Schedule"), eMenu::kNone},
        {eMenu::kOfficials, QStringLiteral("&Assign Officials"), eMenu::kNone},
        {eMenu::kRemoveOfficials, QStringLiteral("&Remove Officials"), eMenu::kOfficials},
        {eMenu::kSettings, QStringLiteral("Se&ttings"), eMenu::kNone},
        {eMenu::kTables, QStringLiteral("&Tables..."), eMenu::kSettings},
        {eMenu::kHelp, Text(IDS_HELP_MENU), eMenu::kNone},
    };
    std::map<eMenu, QMenu*> menus;
    QAction* recentSeparator = nullptr;
    for (const cMenuTitle& title : titles) {
        if (title.parent == eMenu::kNone) {
            menus[title.menu] = menuBar()->addMenu(title.title);
        }
    }
    for (const cCommandRow& row : CommandTable()) {
        if (row.menu == eMenu::kNone) {
            continue;
        }
        if (menus.count(row.menu) == 0) {
            const auto title = std::find_if(titles.begin(), titles.end(),
                                            [&row](const cMenuTitle& t) { return t.menu == row.menu; });
            menus[row.menu] = menus.at(title->parent)->addMenu(title->title);
        }
        QMenu* menu = menus.at(row.menu);
        if (row.separatorBefore) {
            QAction* separator = menu->addSeparator();
            if (row.id == ID_FILE_MRU_FILE1) {
                recentSeparator = separator;
            }
        }
        menu->addAction(Action(row.id));
    }

    for (QMenu* menu : menuBar()->findChildren<QMenu*>()) {
        connect(menu, &QMenu::aboutToShow, this, &CMainFrame::UpdateCommands);
        if (qobject_cast<QMenu*>(menu->parent()) != nullptr) {
            m_subMenus.push_back(menu);
        }
    }
    return recentSeparator;
}

void CMainFrame::CreateToolBar()
{
    m_pToolBar = addToolBar(QStringLiteral("Toolbar"));
    m_pToolBar->setObjectName(QStringLiteral("Toolbar"));
    m_pToolBar->setMovable(false);
    int group = 0;
    for (const cCommandRow& row : CommandTable()) {
        if (row.toolbarGroup == 0) {
            continue;
        }
        if (group != 0 && row.toolbarGroup != group) {
            m_pToolBar->addSeparator();
        }
        group = row.toolbarGroup;
        m_pToolBar->addAction(Action(row.id));
    }
    connect(Action(ID_VIEW_TOOLBAR), &QAction::toggled, m_pToolBar, &QWidget::setVisible);
}

void CMainFrame::CreateStatusBar()
{
    QStatusBar* bar = statusBar();
    bar->addWidget(new QLabel(QStringLiteral("Ready"), bar), 1);
    m_pDirectoryPane = new QLabel(Text(IDS_DATABASE), bar);
    m_pDirectoryPane->setMinimumWidth(3 *
                                      m_pDirectoryPane->fontMetrics().horizontalAdvance(Text(IDS_DATABASE)));
    m_pDirectoryPane->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    m_pFilterPane = new QLabel(bar);
    m_pFilterPane->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    m_pFilterPane->setVisible(false);
    bar->addPermanentWidget(m_pFilterPane);
    bar->addPermanentWidget(m_pDirectoryPane);
}

int CMainFrame::TreeWidth() const
{
    // Room for the deepest directory name: a team's "Preferred playing time"
    // sits five levels below the root.
    int widest = 0;
    for (int id : {IDS_DATABASE, IDS_COURTS, IDS_UNUSED_TIME, IDS_LEAGUES, IDS_OFFICIALS,
                   IDS_SCHEDULED_MATCHES, IDS_UNSCHEDULED_MATCHES, IDS_RESULTS, IDS_TEAMS, IDS_TABLE,
                   IDS_HOLIDAYS, IDS_HOME_GROUNDS, IDS_PREFERRED_TIMES, IDS_TEAM_CONFLICTS}) {
        widest = std::max(widest, m_pTree->fontMetrics().horizontalAdvance(Text(id)));
    }
    constexpr int kDeepest = 5;
    return std::max(kTreeWidth,
                    (kDeepest + 1) * m_pTree->indentation() + m_pTree->iconSize().width() + widest + 24);
}

void CMainFrame::RestoreWindowState()
{
    const QByteArray geometry = m_pProfile->value(QStringLiteral("Window/Geometry")).toByteArray();
    if (geometry.isEmpty() || !restoreGeometry(geometry)) {
        // Fits a 1366 x 768 screen with room for the panel and the window frame.
        resize(1100, 640);
    }
    const QByteArray splitter = m_pProfile->value(QStringLiteral("Window/Splitter")).toByteArray();
    if (!splitter.isEmpty()) {
        m_pSplitter->restoreState(splitter);
    }
}

void CMainFrame::SaveWindowState()
{
    m_pProfile->setValue(QStringLiteral("Window/Geometry"), saveGeometry());
    m_pProfile->setValue(QStringLiteral("Window/Splitter"), m_pSplitter->saveState());
}

void CMainFrame::UpdateFilterPane()
{
    QStringList parts;
    if (m_doc.HasContainers()) {
        if (m_doc.m_nCourtFilter != -1) {
            const cCourt* court = m_doc.GetCourt(m_doc.m_nCourtFilter);
            parts << QStringLiteral("court %1")
                         .arg(court != nullptr ? QString::fromStdString(court->m_strName)
                                               : QString::number(m_doc.m_nCourtFilter));
        }
        if (m_doc.m_nLeagueFilter != -1) {
            const cLeague* league = m_doc.GetLeague(m_doc.m_nLeagueFilter);
            parts << QStringLiteral("league %1")
                         .arg(league != nullptr ? QString::fromStdString(league->m_strName)
                                                : QString::number(m_doc.m_nLeagueFilter));
        }
    }
    const QString text =
        parts.isEmpty() ? QString() : QStringLiteral("Filter: ") + parts.join(QStringLiteral(", "));
    if (m_pFilterPane->text() != text) {
        m_pFilterPane->setText(text);
    }
    m_pFilterPane->setVisible(!text.isEmpty());
}

int CMainFrame::RunDialog(QDialog& dialog)
{
    return m_fnRunDialog ? m_fnRunDialog(dialog) : dialog.exec();
}

void CMainFrame::UpdateTitle()
{
    setWindowTitle(QStringLiteral("%1[*] - Tournel").arg(QString::fromStdString(m_doc.GetTitle())));
    setWindowModified(m_doc.IsModified());
}

void CMainFrame::closeEvent(QCloseEvent* event)
{
    if (m_pDocuments->SaveModified()) {
        SaveWindowState();
        event->accept();
    } else {
        event->ignore();
    }
}

void CMainFrame::dragEnterEvent(QDragEnterEvent* event)
{
    if (!cDocumentController::DroppedFile(event->mimeData()).isEmpty()) {
        event->acceptProposedAction();
    }
}

void CMainFrame::dropEvent(QDropEvent* event)
{
    const QString path = cDocumentController::DroppedFile(event->mimeData());
    if (path.isEmpty()) {
        return;
    }
    event->acceptProposedAction();
    activateWindow();
    m_pDocuments->OpenDocumentFile(path);
}

void CMainFrame::UpdateCommands()
{
    const bool hasRow = CurrentContainer() != nullptr && m_pViews->GetCurrentItem() != nullptr;
    const cUndoHistory& history = m_pDocuments->History();
    const cCommandContext context{m_doc,  CurrentDirectory(), CurrentContainer(),
                                  hasRow, history.CanUndo(),  history.CanRedo()};
    for (const cCommandRow& row : CommandTable()) {
        const bool enabled = (row.enabled == nullptr || row.enabled(context)) &&
                             (row.windowAllows == nullptr || row.windowAllows(*this));
        Action(row.id)->setEnabled(enabled);
    }
    m_pDocuments->UpdateUndoCommands();
    // A submenu none of whose entries would do anything is disabled itself.
    for (QMenu* menu : m_subMenus) {
        menu->menuAction()->setEnabled(AnyEnabled(*menu));
    }
    UpdateFilterPane();
    setWindowModified(m_doc.IsModified());
    // After every command, Undo and Redo: the conflicts as the document now stands.
    m_pConflicts->Follow();
}

bool CMainFrame::AnyEnabled(const QMenu& menu)
{
    for (const QAction* action : menu.actions()) {
        if (!action->isSeparator() && action->isEnabled()) {
            return true;
        }
    }
    return false;
}

std::unique_ptr<QMenu> CMainFrame::CreateContextMenu(int row)
{
    if (CurrentContainer() == nullptr) {
        return nullptr;
    }
    const unsigned list = ContextListOf(CurrentDirectory());
    const eClick click = row >= 0 ? eClick::kOnRow : eClick::kBesideRows;
    std::vector<std::pair<const cContextEntry*, int>> entries; // with the command id
    for (const cCommandRow& command : CommandTable()) {
        for (const cContextEntry& entry : command.contexts) {
            if ((entry.lists & list) != 0 && (entry.click == eClick::kBoth || entry.click == click)) {
                entries.emplace_back(&entry, command.id);
            }
        }
    }
    if (entries.empty()) {
        return nullptr;
    }
    std::stable_sort(entries.begin(), entries.end(),
                     [](const auto& a, const auto& b) { return a.first->position < b.first->position; });
    UpdateCommands();
    auto menu = std::make_unique<QMenu>(this);
    std::map<QString, QMenu*> submenus;
    for (const auto& [entry, id] : entries) {
        QMenu* into = menu.get();
        if (entry->submenu != nullptr) {
            QMenu*& submenu = submenus[QString::fromUtf8(entry->submenu)];
            if (submenu == nullptr) {
                submenu = menu->addMenu(QString::fromUtf8(entry->submenu));
            }
            into = submenu;
        }
        QAction* command = Action(id);
        if (entry->text == nullptr) {
            into->addAction(command);
            continue;
        }
        // The entry's own text with the keys of the command as they stand.
        QString text = QString::fromUtf8(entry->text);
        if (!command->shortcut().isEmpty()) {
            text += QLatin1Char('\t') + command->shortcut().toString(QKeySequence::NativeText);
        }
        QAction* shown = into->addAction(text);
        shown->setData(id);
        shown->setEnabled(command->isEnabled());
        connect(shown, &QAction::triggered, command, &QAction::trigger);
    }
    for (const auto& [title, submenu] : submenus) {
        submenu->menuAction()->setEnabled(AnyEnabled(*submenu));
    }
    return menu;
}

void CMainFrame::OnContextMenu(int row, const QPoint& globalPos)
{
    if (std::unique_ptr<QMenu> menu = CreateContextMenu(row)) {
        menu->exec(globalPos);
    }
}

void CMainFrame::OnRowActivated(int row)
{
    QTreeWidgetItem* node = m_pTree->currentItem();
    if (node != nullptr && node->childCount() > 0) {
        // Rows of leagues, teams and officials, and of an item's directories, lead into their nodes.
        node->setExpanded(true);
        QTreeWidgetItem* target = CTournelView::NodeOf(m_pList->Model().ObjectAt(row));
        if (target == nullptr || target->parent() != node) {
            const QString text =
                m_pList->Model().data(m_pList->Model().index(row, 0), Qt::DisplayRole).toString();
            target = nullptr;
            for (int i = 0; i < node->childCount() && target == nullptr; ++i) {
                if (node->child(i)->text(0) == text) {
                    target = node->child(i);
                }
            }
        }
        if (target == nullptr) {
            m_doc.Prompt().ShowMessage(IDS_UNEXPECTED_ERROR);
            return;
        }
        m_pTree->SelectNode(target);
        return;
    }
    if (m_pList->Model().ItemAt(row) != nullptr) {
        // Editing by double-click or Enter is the Properties command.
        m_pDocuments->RunCommand(ID_PROPERTIES, [this, row] {
            if (cDbItem* item = m_pList->Model().ItemAt(row)) {
                m_pEdit->EditItem(*item, row);
            }
        });
    }
}

bool CMainFrame::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::WhatsThisClicked) {
        return QMainWindow::eventFilter(watched, event);
    }
    return m_pHelp->OpenGuideLink(static_cast<QWhatsThisClickedEvent*>(event)->href());
}
