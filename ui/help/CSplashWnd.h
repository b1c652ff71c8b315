#pragma once

// The splash screen: a borderless picture centred over the main window. It
// closes itself after four seconds, or at once on a key press or a mouse
// button press anywhere in the program. Only one exists at a time.

#include <QPixmap>
#include <QWidget>

class CSplashWnd : public QWidget
{
    Q_OBJECT

public:
    static constexpr int kLifetimeMs = 4000;

    // Shows the splash over `mainWindow` (null: the screen), closing a previous one first.
    static CSplashWnd* ShowSplashScreen(QWidget* mainWindow);
    static CSplashWnd* Current() { return s_pCurrent; }
    ~CSplashWnd() override;

protected:
    void paintEvent(QPaintEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    explicit CSplashWnd(QWidget* mainWindow);
    void HideSplashScreen();

    static CSplashWnd* s_pCurrent;
    QPixmap m_picture;
};
