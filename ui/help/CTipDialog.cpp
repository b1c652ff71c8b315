#include "ui/help/CTipDialog.h"

#include "ui/window/Images.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSettings>
#include <QVBoxLayout>

namespace {

const QString kStartUp = QStringLiteral("Tip/StartUp");
const QString kFilePos = QStringLiteral("Tip/FilePos");
const QString kTimeStamp = QStringLiteral("Tip/TimeStamp");

} // namespace

bool CTipDialog::ShowAtStartUp(QSettings& profile)
{
    return profile.value(kStartUp, 0).toInt() == 0;
}

QString CTipDialog::FindTipsFile()
{
    const QString name = QStringLiteral("tips.txt");
    for (const QString& folder :
         {QDir::currentPath(), QCoreApplication::applicationDirPath(), QStringLiteral(TOURNEL_DATADIR)}) {
        const QString path = QDir(folder).filePath(name);
        if (QFileInfo(path).isFile()) {
            return path;
        }
    }
    return QDir::current().filePath(name);
}

CTipDialog::CTipDialog(const QString& tipsPath, QSettings& profile, QWidget* parent)
    : QDialog(parent)
    , m_profile(profile)
{
    setWindowTitle(QStringLiteral("Tip of the Day"));
    auto* layout = new QVBoxLayout(this);

    auto* panel = new QWidget(this);
    panel->setAutoFillBackground(true);
    QPalette palette = panel->palette();
    palette.setColor(QPalette::Window, Qt::white);
    palette.setColor(QPalette::WindowText, Qt::black);
    panel->setPalette(palette);
    auto* panelLayout = new QHBoxLayout(panel);
    auto* bulb = new QLabel(panel);
    bulb->setPixmap(TipPicture());
    bulb->setAlignment(Qt::AlignTop);
    panelLayout->addWidget(bulb);
    auto* text = new QVBoxLayout;
    auto* heading = new QLabel(QStringLiteral("Did you know..."), panel);
    QFont headingFont = heading->font();
    headingFont.setBold(true);
    headingFont.setPointSizeF(headingFont.pointSizeF() * 1.4);
    heading->setFont(headingFont);
    text->addWidget(heading);
    m_pTip = new QLabel(panel);
    m_pTip->setWordWrap(true);
    m_pTip->setMinimumSize(360, 110);
    m_pTip->setAlignment(Qt::AlignTop | Qt::AlignLeft);
    text->addWidget(m_pTip, 1);
    panelLayout->addLayout(text, 1);
    layout->addWidget(panel, 1);

    auto* bottom = new QHBoxLayout;
    m_pShowAtStartUp = new QCheckBox(QStringLiteral("&Show Tips on StartUp"), this);
    m_pShowAtStartUp->setChecked(ShowAtStartUp(profile));
    bottom->addWidget(m_pShowAtStartUp);
    bottom->addStretch();
    m_pNext = new QPushButton(QStringLiteral("&Next Tip"), this);
    auto* close = new QPushButton(QStringLiteral("&Close"), this);
    close->setDefault(true);
    bottom->addWidget(m_pNext);
    bottom->addWidget(close);
    layout->addLayout(bottom);
    connect(m_pNext, &QPushButton::clicked, this, &CTipDialog::NextTip);
    connect(close, &QPushButton::clicked, this, &QDialog::accept);

    switch (m_tips.Load(tipsPath.toStdString())) {
    case cTipFile::eLoad::Missing:
        m_pTip->setText(QStringLiteral("Tips file does not exist in the prescribed directory"));
        m_pNext->setEnabled(false);
        return;
    case cTipFile::eLoad::ReadError:
        m_pTip->setText(QStringLiteral("Trouble reading the tips file"));
        m_pNext->setEnabled(false);
        return;
    case cTipFile::eLoad::Loaded:
        break;
    }
    m_bLoaded = true;
    const QString stamp = QString::fromStdString(m_tips.TimeStamp());
    if (m_tips.Start(profile.value(kTimeStamp).toString().toStdString(),
                     profile.value(kFilePos, 0).toInt())) {
        profile.setValue(kTimeStamp, stamp);
    }
    NextTip();
}

void CTipDialog::NextTip()
{
    if (!m_bLoaded) {
        return;
    }
    if (const std::optional<std::string> tip = m_tips.NextTip()) {
        m_pTip->setText(QString::fromStdString(*tip));
    } else {
        m_pTip->setText(QStringLiteral("The tips file holds no tips."));
        m_pNext->setEnabled(false);
    }
}

QString CTipDialog::TipText() const
{
    return m_pTip->text();
}

void CTipDialog::done(int result)
{
    if (m_bLoaded) {
        m_profile.setValue(kFilePos, static_cast<qlonglong>(m_tips.Position()));
    }
    m_profile.setValue(kStartUp, m_pShowAtStartUp->isChecked() ? 0 : 1);
    QDialog::done(result);
}
