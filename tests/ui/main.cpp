#include "MainFrame_test.h"
#include "Shell_test.h"
#include "ViewsFollowChanges_test.h"

#include <QApplication>
#include <QTest>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    int status = 0;
    {
        tst_MainFrame test;
        status |= QTest::qExec(&test, argc, argv);
    }
    {
        tst_Shell test;
        status |= QTest::qExec(&test, argc, argv);
    }
    {
        tst_ViewsFollowChanges test;
        status |= QTest::qExec(&test, argc, argv);
    }
    return status;
}
