#pragma once

// The dialog "Directory view filter": one court and one league (or "<All>")
// that the court-time, match and result lists keep.

#include <QDialog>

class QComboBox;
class cDatabase;

class CViewFilterDialog : public QDialog
{
    Q_OBJECT

public:
    CViewFilterDialog(const cDatabase& db, QWidget* parent = nullptr);

    // The chosen index numbers, -1 for "<All>".
    int CourtFilter() const;
    int LeagueFilter() const;

    QComboBox* m_pCourts = nullptr;
    QComboBox* m_pLeagues = nullptr;
};
