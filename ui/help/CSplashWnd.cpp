#include "ui/help/CSplashWnd.h"

#include "ui/window/Images.h"

#include <QApplication>
#include <QEvent>
#include <QPainter>
#include <QScreen>
#include <QTimer>

CSplashWnd* CSplashWnd::s_pCurrent = nullptr;

CSplashWnd::CSplashWnd(QWidget* mainWindow)
    : QWidget(nullptr, Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint)
    , m_picture(ProgramPicture())
{
    setAttribute(Qt::WA_DeleteOnClose);
    setFixedSize(m_picture.size());
    QRect area = mainWindow != nullptr && mainWindow->isVisible() ? mainWindow->frameGeometry()
                                                                  : QApplication::primaryScreen()->geometry();
    move(area.center() - QPoint(width() / 2, height() / 2));
    qApp->installEventFilter(this);
    QTimer::singleShot(kLifetimeMs, this, &CSplashWnd::HideSplashScreen);
}

CSplashWnd::~CSplashWnd()
{
    qApp->removeEventFilter(this);
    if (s_pCurrent == this) {
        s_pCurrent = nullptr;
    }
}

CSplashWnd* CSplashWnd::ShowSplashScreen(QWidget* mainWindow)
{
    if (s_pCurrent != nullptr) {
        s_pCurrent->HideSplashScreen();
    }
    s_pCurrent = new CSplashWnd(mainWindow);
    s_pCurrent->show();
    s_pCurrent->raise();
    return s_pCurrent;
}

void CSplashWnd::HideSplashScreen()
{
    if (s_pCurrent == this) {
        s_pCurrent = nullptr;
    }
    qApp->removeEventFilter(this);
    close();
}

void CSplashWnd::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.drawPixmap(0, 0, m_picture);
}

bool CSplashWnd::eventFilter(QObject* watched, QEvent* event)
{
    switch (event->type()) {
    case QEvent::KeyPress:
    case QEvent::MouseButtonPress:
    case QEvent::NonClientAreaMouseButtonPress:
        HideSplashScreen();
        break;
    default:
        break;
    }
    return QWidget::eventFilter(watched, event);
}
