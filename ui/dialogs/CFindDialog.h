#pragma once

// The dialog "Find item": direction, where to start, whole words, any or all
// of three texts.

#include <QDialog>

#include <array>
#include <string>

class QCheckBox;
class QLineEdit;
class QRadioButton;

class CFindDialog : public QDialog
{
    Q_OBJECT

public:
    struct cValues
    {
        std::array<std::string, 3> texts; // UTF-8, at most 50 characters each
        bool forward = true;
        bool fromEnd = false;
        bool wholeWord = false;
        bool all = true;
    };

    explicit CFindDialog(const cValues& values, QWidget* parent = nullptr);

    // The values as the widgets hold them, the texts trimmed of blanks at both ends.
    cValues Values() const;

    QLineEdit* TextField(int i) const { return m_pText[static_cast<std::size_t>(i)]; }
    QRadioButton* m_pForward = nullptr;
    QRadioButton* m_pBackward = nullptr;
    QCheckBox* m_pFromEnd = nullptr;
    QCheckBox* m_pWholeWord = nullptr;
    QRadioButton* m_pAny = nullptr;
    QRadioButton* m_pAll = nullptr;

private:
    std::array<QLineEdit*, 3> m_pText{};
};
