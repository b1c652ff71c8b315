#include "Shell_test.h"

#include "ui/help/CSplashWnd.h"
#include "ui/help/CTipDialog.h"
#include "ui/help/cTipFile.h"
#include "ui/print/PrintFont.h"
#include "ui/window/CMessagePrompt.h"

#include <QCheckBox>
#include <QFile>
#include <QMainWindow>
#include <QProgressDialog>
#include <QPushButton>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

namespace {

void WriteFile(const QString& path, const QByteArray& text)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(text);
}

} // namespace

void tst_Shell::TipsSkipCommentsAndWrap()
{
    cTipFile tips;
    tips.LoadText("; comment\n first indented\nOne\n\n\tTabbed\nTwo\r\nThree", "stamp");
    tips.Start("other", 0);
    QCOMPARE(tips.NextTip().value(), std::string("One"));
    QCOMPARE(tips.NextTip().value(), std::string("Two"));
    QCOMPARE(tips.NextTip().value(), std::string("Three"));
    QCOMPARE(tips.NextTip().value(), std::string("One")); // wraps to the beginning

    cTipFile longLine;
    longLine.LoadText(std::string(1500, 'x') + "\nShort\n", "stamp");
    QCOMPARE(longLine.NextTip()->size(), cTipFile::kMaxTipLength);
    QCOMPARE(longLine.NextTip().value(), std::string("Short"));

    // A long line is cut before a character that would be split, and only there.
    cTipFile wide;
    wide.LoadText(std::string(999, 'x') + "\xE2\x82\xAC tail\n" + std::string(997, 'y') +
                      "\xF0\x9F\x98\x80 tail\n",
                  "stamp");
    QCOMPARE(wide.NextTip().value(), std::string(999, 'x'));
    QCOMPARE(wide.NextTip().value(), std::string(997, 'y'));
    cTipFile broken; // no UTF-8: 1,200 continuation bytes after the first
    broken.LoadText("a" + std::string(1200, '\x80') + "\nNext\n", "stamp");
    QCOMPARE(broken.NextTip().value(), "a" + std::string(999, '\x80'));
    QCOMPARE(broken.NextTip().value(), std::string("Next"));
}

void tst_Shell::TipsWithoutUsableLineDoNotLoop()
{
    // A stored position inside a comment line never turns the comment's tail into a tip.
    cTipFile inside;
    inside.LoadText("; not a tip\n\tnor this\n", "stamp");
    QVERIFY(!inside.Start("stamp", 2));
    QVERIFY(!inside.NextTip().has_value());
    cTipFile resumed;
    resumed.LoadText("; comment\nOne\nTwo\n", "stamp");
    QVERIFY(!resumed.Start("stamp", 3));
    QCOMPARE(resumed.NextTip().value(), std::string("One"));

    for (const char* text : {"", "; only comments\n\n  indented\n", "\n\n\n"}) {
        cTipFile tips;
        tips.LoadText(text, "stamp");
        QVERIFY2(!tips.NextTip().has_value(), text);
    }
}

void tst_Shell::TipsResumeOnlyWithTheSameTimeStamp()
{
    cTipFile tips;
    tips.LoadText("One\nTwo\nThree\n", "Mon Mar  2 10:00:00 2026");
    QVERIFY(!tips.Start("Mon Mar  2 10:00:00 2026", 4));
    QCOMPARE(tips.NextTip().value(), std::string("Two"));
    QCOMPARE(tips.Position(), 8L);
    QVERIFY(tips.Start("Sun Mar  1 10:00:00 2026", 4)); // the file changed: from the first tip
    QCOMPARE(tips.NextTip().value(), std::string("One"));
    QVERIFY(!tips.Start("Mon Mar  2 10:00:00 2026", 9999)); // a position past the end restarts
    QCOMPARE(tips.NextTip().value(), std::string("One"));
}

void tst_Shell::TipDialogKeepsItsProfileKeys()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("tips.txt"));
    WriteFile(path, "First tip\nSecond tip\n");
    QSettings profile(dir.filePath(QStringLiteral("profile.ini")), QSettings::IniFormat);
    QVERIFY(CTipDialog::ShowAtStartUp(profile));
    {
        CTipDialog dialog(path, profile);
        QCOMPARE(dialog.TipText(), QStringLiteral("First tip"));
        QVERIFY(dialog.m_pShowAtStartUp->isChecked());
        QVERIFY(!profile.value(QStringLiteral("Tip/TimeStamp")).toString().isEmpty());
        dialog.m_pShowAtStartUp->setChecked(false);
        dialog.accept();
    }
    QCOMPARE(profile.value(QStringLiteral("Tip/StartUp")).toInt(), 1);
    QCOMPARE(profile.value(QStringLiteral("Tip/FilePos")).toInt(), 10);
    QVERIFY(!CTipDialog::ShowAtStartUp(profile));
    {
        CTipDialog dialog(path, profile);
        QCOMPARE(dialog.TipText(), QStringLiteral("Second tip"));
        QVERIFY(!dialog.m_pShowAtStartUp->isChecked());
        dialog.m_pNext->click();
        QCOMPARE(dialog.TipText(), QStringLiteral("First tip"));
        dialog.reject();
    }
    // A file that changed since starts again at its first tip.
    profile.setValue(QStringLiteral("Tip/TimeStamp"), QStringLiteral("Thu Jan  1 00:00:00 1970"));
    CTipDialog dialog(path, profile);
    QCOMPARE(dialog.TipText(), QStringLiteral("First tip"));
}

void tst_Shell::TipDialogWithoutFile()
{
    QTemporaryDir dir;
    QSettings profile(dir.filePath(QStringLiteral("profile.ini")), QSettings::IniFormat);
    CTipDialog missing(dir.filePath(QStringLiteral("tips.txt")), profile);
    QCOMPARE(missing.TipText(), QStringLiteral("Tips file does not exist in the prescribed directory"));
    QVERIFY(!missing.m_pNext->isEnabled());

    const QString empty = dir.filePath(QStringLiteral("empty.txt"));
    WriteFile(empty, "; nothing here\n\n");
    CTipDialog noTips(empty, profile);
    QVERIFY(!noTips.m_pNext->isEnabled());
    QVERIFY(!noTips.TipText().isEmpty());
}

void tst_Shell::PrintFontConversions()
{
    QCOMPARE(PointsToPixels(10, 96), 13);
    QCOMPARE(PointsToPixels(12, 96), 16);
    QCOMPARE(PixelsToPoints(16, 96), 12);
    QCOMPARE(PixelsToPoints(13, 96), 10);
    QCOMPARE(PointsToPixels(10, 120), 17);

    const cLogFont stored;
    const QFont shown = PrintFontToQFont(stored, 96);
    QCOMPARE(shown.pixelSize(), 13);
    QCOMPARE(shown.family(), QStringLiteral("Arial"));
    // Unchanged in the dialog, the font comes back as it was stored.
    const cLogFont back = QFontToPrintFont(shown, 96, stored);
    QCOMPARE(back.lfHeight, -10);
    QCOMPARE(back.lfOutPrecision, std::uint8_t(4));
    QCOMPARE(back.lfPitchAndFamily, std::uint8_t(0x22));

    QFont twelve(QStringLiteral("Arial"));
    twelve.setPointSize(12);
    twelve.setBold(true);
    const cLogFont chosen = QFontToPrintFont(twelve, 96, stored);
    QCOMPARE(chosen.lfHeight, -12);
    QCOMPARE(chosen.lfWeight, 700);
    QFont longName(QString(40, QLatin1Char('F')));
    QCOMPARE(QFontToPrintFont(longName, 96, stored).lfFaceName.size(), std::size_t(31));
}

void tst_Shell::ProgressDisablesMainWindowAndCancels()
{
    QMainWindow window;
    window.show();
    CMessagePrompt prompt(&window);
    prompt.BeginProgress("Scheduling progress");
    QVERIFY(!window.isEnabled());
    QProgressDialog* progress = prompt.ProgressWindow();
    QVERIFY(progress != nullptr);
    QVERIFY(progress->isEnabled());
    prompt.SetProgress(40);
    QCOMPARE(progress->value(), 40);
    QVERIFY(!prompt.PollCancel());
    progress->findChild<QPushButton*>()->click();
    QVERIFY(prompt.PollCancel());
    QVERIFY(!prompt.PollCancel()); // the mark is cleared by the poll
    prompt.EndProgress();
    QVERIFY(prompt.ProgressWindow() == nullptr);
    QVERIFY(window.isEnabled());
}

void tst_Shell::WaitWindowNests()
{
    CMessagePrompt prompt(nullptr);
    prompt.BeginWait("Just a moment!");
    QVERIFY(prompt.WaitWindow() != nullptr);
    prompt.BeginWait("Just a moment!");
    prompt.EndWait();
    QVERIFY(prompt.WaitWindow() != nullptr);
    prompt.EndWait();
    QVERIFY(prompt.WaitWindow() == nullptr);
    prompt.EndWait(); // unbalanced: harmless
}

void tst_Shell::SplashClosesOnKeyPress()
{
    CSplashWnd* splash = CSplashWnd::ShowSplashScreen(nullptr);
    QVERIFY(splash != nullptr);
    QCOMPARE(CSplashWnd::Current(), splash);
    QPointer<CSplashWnd> watch(splash);
    QWidget other;
    other.show();
    QTest::keyClick(&other, Qt::Key_Space);
    QCOMPARE(CSplashWnd::Current(), nullptr);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(watch.isNull());
}
