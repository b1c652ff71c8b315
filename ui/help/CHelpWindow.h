#pragma once

// "Tournel Help": the user guide (HTML pages and pictures in a folder
// "guide") in a browser with Back, Forward, Home and a contents pane built
// from the guide's index page. Not modal; the main window keeps one.

#include <QStringList>
#include <QWidget>

class QPushButton;
class QTextBrowser;
class QTreeWidget;
class QTreeWidgetItem;

class CHelpWindow : public QWidget
{
    Q_OBJECT

public:
    // What's This texts link into the guide with this scheme: "guide:PAGE#ANCHOR".
    static constexpr const char* kLinkScheme = "guide";

    // `folders` are looked through in order for the guide's index page.
    explicit CHelpWindow(QWidget* parent = nullptr, const QStringList& folders = GuideFolders());

    // Where the guide is looked for: beside the program (the build tree),
    // the shared data folder next to the program's folder, and the shared
    // data folder of the configured installation.
    static QStringList GuideFolders();
    // The first of `folders` holding "index.html"; empty when none does.
    static QString FindGuide(const QStringList& folders);
    // `text` followed by a link "More in the guide" to PAGE#ANCHOR, as a What's This text.
    static QString WithGuideLink(const QString& text, const QString& page, const QString& anchor = {});
    // Page and anchor of a "guide:PAGE#ANCHOR" link; false for any other link.
    static bool ParseGuideLink(const QString& href, QString& page, QString& anchor);

    // The folder the guide was found in; empty when it was not found.
    QString GuideFolder() const { return m_strFolder; }
    // Shows PAGE (a file name of the guide) scrolled to ANCHOR; without a
    // guide, a page that says where it was looked for.
    void ShowHelp(const QString& page, const QString& anchor = {});

    QTextBrowser& Browser() const { return *m_pBrowser; }
    QTreeWidget& Contents() const { return *m_pContents; }
    QPushButton& BackButton() const { return *m_pBack; }
    QPushButton& ForwardButton() const { return *m_pForward; }
    QPushButton& HomeButton() const { return *m_pHome; }
    QPushButton& ContentsButton() const { return *m_pContentsButton; }

private:
    void FillContents();
    void ShowNotFound();
    void OnContentsClicked(QTreeWidgetItem* item);

    QStringList m_folders;
    QString m_strFolder;
    QTextBrowser* m_pBrowser = nullptr;
    QTreeWidget* m_pContents = nullptr;
    QPushButton* m_pBack = nullptr;
    QPushButton* m_pForward = nullptr;
    QPushButton* m_pHome = nullptr;
    QPushButton* m_pContentsButton = nullptr;
};
