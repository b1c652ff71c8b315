#pragma once

// The About box: the program's picture, the release and a notice.

#include <QDialog>

class CAboutDialog : public QDialog
{
    Q_OBJECT

public:
    explicit CAboutDialog(QWidget* parent = nullptr);
};
