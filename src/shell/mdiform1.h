#pragma once

#include "menuitem.h"

#include <QObject>
#include <QPointer>

#include <memory>

#include <QMainWindow>

class Program;
class QAction;
class QMdiArea;
class QMenu;

// The frame: a multiple-document main window whose menu opens every other
// window. The check marks of its module items are the only record of a
// finished module; its certificate item is enabled once all three are set.
class MDIForm1 : public QObject
{
    Q_OBJECT
public:
    explicit MDIForm1(Program &program);
    ~MDIForm1() override;

    // Builds the frame and its menu, then runs MDIForm_Load. Nothing if loaded.
    void Load();
    bool isLoaded() const { return m_window != nullptr; }

    QMainWindow *widget();
    QMdiArea *mdiArea();

    QString Caption();
    void SetCaption(const QString &caption);
    // Outer width in twips, frame included; before the frame is first shown,
    // the width it will open with.
    int Width();

    MenuItem Guiden;
    MenuItem Scroll;
    MenuItem mnuTyping;
    MenuItem mnuCertificate;
    MenuItem Quit;
    MenuItem mnuAbout;
    MenuItem mnuBrowser;
    QMenu *PlayMenu = nullptr;
    QMenu *Newgame = nullptr;
    QMenu *mnufrage = nullptr;

    void MDIForm_Load();
    void Guiden_Click();
    void Scroll_Click();
    void mnuTyping_Click();
    void mnuCertificate_Click();
    void Quit_Click();
    void mnuAbout_Click();
    void mnuBrowser_Click();

private:
    void createMenus();
    // Runs the handler when the item is chosen, on the path every handler takes.
    void attachItem(MenuItem &item, QAction *action, void (MDIForm1::*handler)());
    // Shows the refusal when the item carries its check mark; true then.
    bool refuseIfDone(const MenuItem &item);

    Program &m_program;
    QPointer<QMainWindow> m_window;
    QMdiArea *m_mdiArea = nullptr;
};
