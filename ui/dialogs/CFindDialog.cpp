#include "ui/dialogs/CFindDialog.h"

#include "model/Calendar.h"
#include "model/Text.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QVBoxLayout>

CFindDialog::CFindDialog(const cValues& values, QWidget* parent)
    : QDialog(parent)
{
    setWindowTitle(QStringLiteral("Find item"));
    auto* layout = new QVBoxLayout(this);

    auto* direction = new QGroupBox(QStringLiteral("Direction"), this);
    auto* directionLayout = new QHBoxLayout(direction);
    m_pForward = new QRadioButton(QStringLiteral("Search forwards"), direction);
    m_pBackward = new QRadioButton(QStringLiteral("Search backwards"), direction);
    directionLayout->addWidget(m_pForward);
    directionLayout->addWidget(m_pBackward);
    (values.forward ? m_pForward : m_pBackward)->setChecked(true);
    layout->addWidget(direction);

    m_pFromEnd = new QCheckBox(QStringLiteral("Search from beginning/end of directory"), this);
    m_pFromEnd->setChecked(values.fromEnd);
    m_pWholeWord = new QCheckBox(QStringLiteral("Search for complete word only"), this);
    m_pWholeWord->setChecked(values.wholeWord);
    layout->addWidget(m_pFromEnd);
    layout->addWidget(m_pWholeWord);

    auto* anyAll = new QHBoxLayout;
    anyAll->addWidget(new QLabel(QStringLiteral("Search for an item including"), this));
    m_pAny = new QRadioButton(QStringLiteral("any"), this);
    m_pAll = new QRadioButton(QStringLiteral("all"), this);
    (values.all ? m_pAll : m_pAny)->setChecked(true);
    anyAll->addWidget(m_pAny);
    anyAll->addWidget(m_pAll);
    anyAll->addWidget(new QLabel(QStringLiteral("of these texts:"), this));
    anyAll->addStretch();
    layout->addLayout(anyAll);

    for (std::size_t i = 0; i < m_pText.size(); ++i) {
        m_pText[i] = new QLineEdit(QString::fromStdString(values.texts[i]), this);
        m_pText[i]->setMaxLength(50);
        layout->addWidget(m_pText[i]);
    }

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
    m_pText[0]->setFocus();
}

CFindDialog::cValues CFindDialog::Values() const
{
    cValues values;
    for (std::size_t i = 0; i < m_pText.size(); ++i) {
        values.texts[i] = Trim(m_pText[i]->text().toStdString());
    }
    values.forward = m_pForward->isChecked();
    values.fromEnd = m_pFromEnd->isChecked();
    values.wholeWord = m_pWholeWord->isChecked();
    values.all = m_pAll->isChecked();
    return values;
}
