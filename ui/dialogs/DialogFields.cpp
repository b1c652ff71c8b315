#include "ui/dialogs/DialogFields.h"

#include "model/Calendar.h"
#include "model/cCourt.h"
#include "model/cDatabase.h"
#include "model/cLeague.h"
#include "model/cTeam.h"
#include "model/cValidation.h"
#include "output/PrintValues.h"
#include "ui/dialogs/CNumberSpinBox.h"

#include <QComboBox>
#include <QFontMetrics>
#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QSpinBox>

#include <algorithm>
#include <cassert>

QString ToQString(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

std::string ToStdString(const QString& text)
{
    return text.toStdString();
}

int ReadSpinBox(QSpinBox& spin)
{
    spin.interpretText();
    return spin.value();
}

QLabel* NewWeekdayLabel(QSpinBox& day, QSpinBox& month, QSpinBox& year, int language, QWidget* parent,
                        int hhmm)
{
    auto* label = new QLabel(parent);
    label->setTextFormat(Qt::PlainText);
    int widest = 0;
    for (Weekday weekday = 0; weekday < 7; ++weekday) {
        widest = std::max(widest,
                          label->fontMetrics().horizontalAdvance(ToQString(WeekdayName(weekday, language))));
    }
    label->setMinimumWidth(widest);
    // The texts as they stand: taking a half-typed year over (ReadSpinBox)
    // would overwrite what the user is typing.
    const auto show = [label, &day, &month, &year, language, hhmm] {
        label->setText(
            ToQString(TypedDateWeekday(ToStdString(day.cleanText()), ToStdString(month.cleanText()),
                                       ToStdString(year.cleanText()), language, hhmm)));
    };
    // The spin box signals only texts it can take as a value (typed or set);
    // its editor tells every keystroke, so a half-typed year clears the
    // weekday too.
    for (QSpinBox* spin : {&day, &month, &year}) {
        QObject::connect(spin, &QSpinBox::textChanged, label, show);
        auto* editor = spin->findChild<QLineEdit*>();
        assert(editor != nullptr);
        QObject::connect(editor, &QLineEdit::textChanged, label, show);
    }
    show();
    return label;
}

QGroupBox* NewPrintDateGroup(const QString& title, CNumberSpinBox** fields, QWidget* parent)
{
    auto* group = new QGroupBox(title, parent);
    auto* form = new QFormLayout(group);
    fields[0] = new CNumberSpinBox(1, 31, group);
    fields[1] = new CNumberSpinBox(1, 12, group);
    fields[2] = new CNumberSpinBox(cPrintDate::kMinYear, cPrintDate::kMaxYear, group);
    form->addRow(QStringLiteral("Day"), fields[0]);
    form->addRow(QStringLiteral("Month"), fields[1]);
    form->addRow(QStringLiteral("Year"), fields[2]);
    return group;
}

void AddCourts(QComboBox& combo, const cDatabase& db)
{
    for (const cCourt& court : db.Courts().Items<cCourt>()) {
        combo.addItem(ToQString(court.m_strShortName), court.m_nIndex);
    }
}

void AddWeekdays(QComboBox& combo, bool withNone)
{
    for (Weekday day = withNone ? -1 : 0; day <= 6; ++day) {
        combo.addItem(ToQString(WeekdayName(day, kDefaultLanguage)), day);
    }
}

void AddLeagues(QComboBox& combo, const cDatabase& db)
{
    for (const cLeague& league : db.Leagues().Items<cLeague>()) {
        combo.addItem(ToQString(league.m_strName), league.m_nIndex);
    }
}

void AddTeams(QComboBox& combo, const cLeague& league)
{
    for (const cTeam& team : league.Teams().Items<cTeam>()) {
        combo.addItem(ToQString(team.m_strName), team.m_nIndex);
    }
}

void SelectData(QComboBox& combo, int value)
{
    combo.setCurrentIndex(combo.findData(value));
}

int SelectedData(const QComboBox& combo)
{
    return combo.currentIndex() < 0 ? -1 : combo.currentData().toInt();
}
