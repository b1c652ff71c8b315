#include "ui/help/CHelpWindow.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QSplitter>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextDocument>
#include <QTextList>
#include <QTreeWidget>
#include <QUrl>
#include <QVBoxLayout>

namespace {

const QString kIndexPage = QStringLiteral("index.html");

} // namespace

QStringList CHelpWindow::GuideFolders()
{
    const QDir program(QCoreApplication::applicationDirPath());
    return {program.filePath(QStringLiteral("guide")),
            QDir::cleanPath(program.filePath(QStringLiteral("../share/tournel/guide"))),
            QStringLiteral(TOURNEL_DATADIR "/guide")};
}

QString CHelpWindow::FindGuide(const QStringList& folders)
{
    for (const QString& folder : folders) {
        if (QFileInfo(QDir(folder).filePath(kIndexPage)).isFile()) {
            return QDir(folder).absolutePath();
        }
    }
    return {};
}

QString CHelpWindow::WithGuideLink(const QString& text, const QString& page, const QString& anchor)
{
    QString link = QStringLiteral("%1:%2").arg(QLatin1String(kLinkScheme), page);
    if (!anchor.isEmpty()) {
        link += QLatin1Char('#') + anchor;
    }
    return QStringLiteral("<p>%1</p><p><a href=\"%2\">More in the guide</a></p>").arg(text, link);
}

bool CHelpWindow::ParseGuideLink(const QString& href, QString& page, QString& anchor)
{
    const QUrl url(href);
    if (url.scheme() != QLatin1String(kLinkScheme) || url.path().isEmpty()) {
        return false;
    }
    page = url.path();
    anchor = url.fragment();
    return true;
}

CHelpWindow::CHelpWindow(QWidget* parent, const QStringList& folders)
    : QWidget(parent, Qt::Window)
    , m_folders(folders)
    , m_strFolder(FindGuide(folders))
{
    setWindowTitle(QStringLiteral("Tournel Help"));
    resize(1000, 700);

    auto* buttons = new QHBoxLayout;
    m_pBack = new QPushButton(QStringLiteral("&Back"), this);
    m_pForward = new QPushButton(QStringLiteral("&Forward"), this);
    m_pHome = new QPushButton(QStringLiteral("&Home"), this);
    m_pContentsButton = new QPushButton(QStringLiteral("&Contents"), this);
    m_pContentsButton->setCheckable(true);
    m_pContentsButton->setChecked(true);
    for (QPushButton* button : {m_pBack, m_pForward, m_pHome, m_pContentsButton}) {
        button->setAutoDefault(false);
        buttons->addWidget(button);
    }
    buttons->addStretch();

    auto* splitter = new QSplitter(Qt::Horizontal, this);
    m_pContents = new QTreeWidget(splitter);
    m_pContents->setHeaderHidden(true);
    m_pContents->setColumnCount(1);
    m_pBrowser = new QTextBrowser(splitter);
    m_pBrowser->setOpenExternalLinks(true);
    splitter->addWidget(m_pContents);
    splitter->addWidget(m_pBrowser);
    splitter->setStretchFactor(0, 0);
    splitter->setStretchFactor(1, 1);
    splitter->setSizes({230, 770});
    splitter->setChildrenCollapsible(false);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(buttons);
    layout->addWidget(splitter, 1);

    m_pBack->setEnabled(false);
    m_pForward->setEnabled(false);
    connect(m_pBrowser, &QTextBrowser::backwardAvailable, m_pBack, &QPushButton::setEnabled);
    connect(m_pBrowser, &QTextBrowser::forwardAvailable, m_pForward, &QPushButton::setEnabled);
    connect(m_pBack, &QPushButton::clicked, m_pBrowser, &QTextBrowser::backward);
    connect(m_pForward, &QPushButton::clicked, m_pBrowser, &QTextBrowser::forward);
    connect(m_pHome, &QPushButton::clicked, this, [this] { ShowHelp(kIndexPage); });
    connect(m_pContentsButton, &QPushButton::toggled, m_pContents, &QWidget::setVisible);
    connect(m_pContents, &QTreeWidget::itemClicked, this, &CHelpWindow::OnContentsClicked);
    connect(m_pContents, &QTreeWidget::itemActivated, this, &CHelpWindow::OnContentsClicked);

    if (m_strFolder.isEmpty()) {
        m_pHome->setEnabled(false);
        m_pContentsButton->setChecked(false);
        m_pContentsButton->setEnabled(false);
        ShowNotFound();
    } else {
        FillContents();
    }
}

void CHelpWindow::ShowHelp(const QString& page, const QString& anchor)
{
    if (m_strFolder.isEmpty()) {
        ShowNotFound();
        return;
    }
    QUrl url = QUrl::fromLocalFile(QDir(m_strFolder).filePath(page.isEmpty() ? kIndexPage : page));
    if (!anchor.isEmpty()) {
        url.setFragment(anchor);
    }
    m_pBrowser->setSource(url);
}

void CHelpWindow::ShowNotFound()
{
    QString places;
    for (const QString& folder : m_folders) {
        places += QStringLiteral("<li>%1</li>").arg(QDir(folder).filePath(kIndexPage).toHtmlEscaped());
    }
    m_pBrowser->setHtml(QStringLiteral("<h1>The user guide was not found</h1>"
                                       "<p>Tournel looked for the guide's contents page here:</p><ul>%1</ul>"
                                       "<p>Install the guide (the folder <tt>docs/guide</tt> of the "
                                       "sources) into one of these folders.</p>")
                            .arg(places));
}

// The contents pane lists the links of the index page's first list: the
// chapters, each with the sections of the list nested in it.
void CHelpWindow::FillContents()
{
    m_pContents->clear();
    QFile file(QDir(m_strFolder).filePath(kIndexPage));
    if (!file.open(QIODevice::ReadOnly)) {
        return;
    }
    QTextDocument index;
    index.setHtml(QString::fromUtf8(file.readAll()));
    QTreeWidgetItem* chapter = nullptr;
    const QTextList* chapters = nullptr;
    for (QTextBlock block = index.begin(); block.isValid(); block = block.next()) {
        const QTextList* list = block.textList();
        if (list == nullptr) {
            continue;
        }
        if (list->format().indent() <= 1) {
            if (chapters != nullptr && list != chapters) {
                break;
            }
            chapters = list;
        }
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            const QString href = fragment.charFormat().anchorHref();
            if (href.isEmpty() || href.contains(QLatin1Char(':'))) {
                continue;
            }
            const bool section = list->format().indent() > 1 && chapter != nullptr;
            auto* item = section ? new QTreeWidgetItem(chapter) : new QTreeWidgetItem(m_pContents);
            item->setText(0, fragment.text().simplified());
            item->setData(0, Qt::UserRole, href);
            if (!section) {
                chapter = item;
            }
            break;
        }
    }
}

void CHelpWindow::OnContentsClicked(QTreeWidgetItem* item)
{
    if (item == nullptr) {
        return;
    }
    const QUrl link(item->data(0, Qt::UserRole).toString());
    ShowHelp(link.path(), link.fragment());
}
