#pragma once

// "Tip of the Day": one tip of the tips file at a time, remembering in the
// profile (section "Tip") where the next tip begins and whether to show the
// dialog at start-up.

#include "ui/help/cTipFile.h"

#include <QDialog>

class QCheckBox;
class QLabel;
class QPushButton;
class QSettings;

class CTipDialog : public QDialog
{
    Q_OBJECT

public:
    // `tipsPath` is the tips file; `profile` is the profile store (not owned).
    CTipDialog(const QString& tipsPath, QSettings& profile, QWidget* parent = nullptr);

    // True when the profile asks for tips at start-up ("StartUp" 0).
    static bool ShowAtStartUp(QSettings& profile);
    // "tips.txt" in the current directory, else beside the program, else where it is installed.
    static QString FindTipsFile();

    // Shows the next tip.
    void NextTip();
    QString TipText() const;
    // Writes "FilePos" and "StartUp".
    void done(int result) override;

    QCheckBox* m_pShowAtStartUp = nullptr;
    QPushButton* m_pNext = nullptr;

private:
    QSettings& m_profile;
    cTipFile m_tips;
    bool m_bLoaded = false;
    QLabel* m_pTip = nullptr;
};
