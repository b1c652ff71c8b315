#include "ui/help/CAboutDialog.h"

#include "TournelVersion.h"
#include "ui/window/Images.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QVBoxLayout>

CAboutDialog::CAboutDialog(QWidget* parent)
    : QDialog(parent)
{
    setWindowTitle(QStringLiteral("About Tournel"));
    auto* layout = new QVBoxLayout(this);
    auto* picture = new QLabel(this);
    picture->setPixmap(ProgramPicture());
    layout->addWidget(picture);
    layout->addWidget(new QLabel(QStringLiteral("Tournel Version ") + QLatin1String(kTournelVersion), this));
    auto* notice = new QLabel(QStringLiteral("Warning: this program comes without any warranty. Keep backup "
                                             "copies of your databases; a schedule is only as good as the "
                                             "data it was made from."),
                              this);
    notice->setWordWrap(true);
    layout->addWidget(notice);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    layout->addWidget(buttons);
}
