#include "ui/window/CMessagePrompt.h"

#include "model/Strings.h"
#include "ui/help/CSplashWnd.h"

#include <QApplication>
#include <QDateTime>
#include <QLabel>
#include <QMessageBox>
#include <QProgressDialog>
#include <QTimer>
#include <QVBoxLayout>

#include <algorithm>

namespace {

QString ToQt(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// Places a parentless window over the middle of the main window.
void CentreOver(QWidget& window, const QWidget* over)
{
    window.adjustSize();
    if (over != nullptr) {
        const QRect frame = over->geometry();
        window.move(frame.center() - QPoint(window.width() / 2, window.height() / 2));
    }
}

} // namespace

CMessagePrompt::CMessagePrompt(QWidget* mainWindow)
    : m_pMainWindow(mainWindow)
{
}

CMessagePrompt::~CMessagePrompt()
{
    delete m_pProgress;
    delete m_pWait;
}

namespace {

// A box must not open underneath the splash screen, which stays on top.
void CloseSplash()
{
    if (CSplashWnd* splash = CSplashWnd::Current()) {
        splash->close();
    }
}

} // namespace

void CMessagePrompt::ShowMessage(int, std::string_view text)
{
    CloseSplash();
    QMessageBox::information(m_pMainWindow, QStringLiteral("Tournel"), ToQt(text));
}

bool CMessagePrompt::AskYesNo(int, std::string_view text)
{
    CloseSplash();
    return QMessageBox::question(m_pMainWindow, QStringLiteral("Tournel"), ToQt(text),
                                 QMessageBox::Yes | QMessageBox::No, QMessageBox::No) == QMessageBox::Yes;
}

void CMessagePrompt::BeginProgress(std::string_view title)
{
    EndProgress();
    m_bCancelled = false;
    // Without a parent: a disabled main window would disable its child windows too.
    m_pProgress = new QProgressDialog(ToQt(title), QStringLiteral("Cancel"), 0, 100);
    m_pProgress->setWindowTitle(ToQt(title));
    m_pProgress->setWindowModality(Qt::NonModal);
    m_pProgress->setAutoClose(false);
    m_pProgress->setAutoReset(false);
    m_pProgress->setMinimumDuration(0);
    m_pProgress->setValue(0);
    QObject::connect(m_pProgress, &QProgressDialog::canceled, [this] { m_bCancelled = true; });
    if (m_pMainWindow) {
        m_pMainWindow->setEnabled(false);
    }
    CentreOver(*m_pProgress, m_pMainWindow);
    m_pProgress->show();
    QCoreApplication::processEvents();
}

void CMessagePrompt::SetProgress(int percent)
{
    if (m_pProgress != nullptr) {
        m_pProgress->setValue(std::clamp(percent, 0, 100));
    }
}

bool CMessagePrompt::PollCancel()
{
    QCoreApplication::processEvents();
    const bool cancelled = m_bCancelled;
    m_bCancelled = false;
    if (cancelled && m_pProgress != nullptr) {
        // QProgressDialog resets itself on Cancel; the run decides what happens next.
        m_pProgress->show();
    }
    return cancelled;
}

void CMessagePrompt::EndProgress()
{
    if (m_pProgress == nullptr) {
        return;
    }
    delete m_pProgress;
    m_pProgress = nullptr;
    if (m_pMainWindow) {
        m_pMainWindow->setEnabled(true);
    }
}

void CMessagePrompt::BeginWait(std::string_view text)
{
    if (m_nWaitDepth++ > 0) {
        return;
    }
    m_pWait = new QWidget(m_pMainWindow, Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint);
    m_pWait->setAttribute(Qt::WA_ShowWithoutActivating);
    auto* layout = new QVBoxLayout(m_pWait);
    auto* label = new QLabel(ToQt(text), m_pWait);
    label->setAlignment(Qt::AlignCenter);
    label->setFrameStyle(QFrame::Panel | QFrame::Raised);
    label->setMargin(16);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(label);
    CentreOver(*m_pWait, m_pMainWindow);
    // The backup notice stays long enough to be read.
    m_nWaitMinimumMs = text == GetString(IDS_SAVING_BACKUP) ? 1500 : 0;
    m_nWaitShownAt = QDateTime::currentMSecsSinceEpoch();
    m_pWait->show();
    // Paint it now: the work that follows does not return to the event loop.
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

void CMessagePrompt::EndWait()
{
    if (m_nWaitDepth == 0 || --m_nWaitDepth > 0) {
        return;
    }
    const qint64 remaining = m_nWaitMinimumMs - (QDateTime::currentMSecsSinceEpoch() - m_nWaitShownAt);
    if (remaining > 0) {
        // Closed later without holding up the user: the notice is modeless.
        QTimer::singleShot(static_cast<int>(remaining), m_pWait, &QObject::deleteLater);
    } else {
        delete m_pWait;
    }
    m_pWait = nullptr;
}
