// The anchor: the least a Qt program of the trainer's shape costs. A main
// window with a multiple-document area, the trainer's two menus with their
// items, and one frameless sub-window holding a label, shown maximized. It does
// nothing else, so the trainer's figures divided by its figures show what the
// trainer adds on top of Qt itself.

#include <QApplication>
#include <QLabel>
#include <QMainWindow>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);

    QMainWindow frame;
    frame.setWindowTitle(QStringLiteral("Anchor"));
    auto *area = new QMdiArea(&frame);
    frame.setCentralWidget(area);

    QMenu *start = frame.menuBar()->addMenu(QStringLiteral("&Start"));
    QMenu *modules = start->addMenu(QStringLiteral("&Module"));
    modules->addAction(QStringLiteral("Module 1: The Installer"));
    modules->addAction(QStringLiteral("Module 2: Scrolling"));
    modules->addAction(QStringLiteral("Module 3: Typing"));
    start->addAction(QStringLiteral("Get certificate"))->setEnabled(false);
    start->addSeparator();
    start->addAction(QStringLiteral("E&xit"), &app, &QCoreApplication::quit);
    QMenu *help = frame.menuBar()->addMenu(QStringLiteral("&?"));
    help->addAction(QStringLiteral("&About"));
    help->addAction(QStringLiteral("&Browser"));

    auto *panel = new QMdiSubWindow;
    panel->setWindowFlags(Qt::SubWindow | Qt::FramelessWindowHint);
    panel->setWidget(new QLabel(QStringLiteral("Total Score: 0")));
    area->addSubWindow(panel);
    panel->show();

    frame.showMaximized();
    return app.exec();
}
