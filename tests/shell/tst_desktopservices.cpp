#include "services.h"

#include <QApplication>
#include <QDialog>
#include <QTimer>
#include <QtTest>

using namespace Qt::StringLiterals;

// Qt's real message and input boxes as the program opens them.
class tst_DesktopServices : public QObject
{
    Q_OBJECT

private slots:
    void boxesShowTheirWholeTitle_data()
    {
        QTest::addColumn<bool>("asks");
        QTest::newRow("message box") << false;
        QTest::newRow("name box") << true;
    }
    void boxesShowTheirWholeTitle()
    {
        QFETCH(bool, asks);
        const Services services = desktopServices();
        int width = 0;
        int titleWidth = 0;
        QTimer::singleShot(200, qApp, [&] {
            if (auto *box = qobject_cast<QDialog *>(QApplication::activeModalWidget())) {
                width = box->width();
                titleWidth = box->fontMetrics().horizontalAdvance(box->windowTitle());
                box->reject();
            }
        });
        if (asks)
            services.dialogs->AskText(u"Please enter your name"_s);
        else
            services.dialogs->ShowMessage(u"Short"_s, MessageIcon::None);
        QVERIFY(titleWidth > 0);
        // Room beside the title for the title bar's icon and buttons.
        QVERIFY2(width >= titleWidth + 100, qPrintable(u"%1 for %2"_s.arg(width).arg(titleWidth)));
    }
};

QTEST_MAIN(tst_DesktopServices)
#include "tst_desktopservices.moc"
