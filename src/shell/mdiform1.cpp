#include "mdiform1.h"

#include "childwindowkeys.h"
#include "design.h"
#include "pictures.h"
#include "productinfo.h"
#include "program.h"
#include "valuerules.h"
#include "window.h"

#include <QGuiApplication>
#include <QMainWindow>
#include <QMdiArea>
#include <QMenuBar>
#include <QScreen>

namespace {

// The frame's client area when it is not maximized.
constexpr int RestoredClientWidth = 8865;
constexpr int RestoredClientHeight = 7320;
// The score panel keeps this far from the frame's right edge, and this far from the top.
constexpr int ScorePanelMargin = 300;
constexpr int ScorePanelTop = 100;

} // namespace

MDIForm1::MDIForm1(Program &program) : m_program(program) {}

MDIForm1::~MDIForm1()
{
    delete m_window;
}

void MDIForm1::Load()
{
    if (isLoaded())
        return;
    m_window = new QMainWindow;
    m_window->setWindowTitle(programTitle());
    m_window->setWindowIcon(programIcon());

    m_mdiArea = new QMdiArea(m_window);
    m_mdiArea->setBackground(applicationWorkspaceColour());
    m_mdiArea->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    m_mdiArea->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    m_window->setCentralWidget(m_mdiArea);
    new ChildWindowKeys(m_mdiArea);

    createMenus();
    const QSize client = twipsSize(RestoredClientWidth, RestoredClientHeight);
    m_window->resize(client.width(), client.height() + m_window->menuBar()->sizeHint().height());
    m_window->setWindowState(Qt::WindowMaximized);

    MDIForm_Load();
}

QMainWindow *MDIForm1::widget()
{
    Load();
    return m_window;
}

QMdiArea *MDIForm1::mdiArea()
{
    Load();
    return m_mdiArea;
}

QString MDIForm1::Caption()
{
    return widget()->windowTitle();
}

void MDIForm1::SetCaption(const QString &caption)
{
    widget()->setWindowTitle(caption);
}

int MDIForm1::Width()
{
    QMainWindow *frame = widget();
    if (!frame->isVisible() && frame->windowState().testFlag(Qt::WindowMaximized)) {
        const QScreen *screen =
            frame->screen() ? frame->screen() : QGuiApplication::primaryScreen();
        if (screen)
            return twips(screen->availableGeometry().width());
    }
    return twips(frame->frameGeometry().width());
}

void MDIForm1::createMenus()
{
    QMenuBar *bar = m_window->menuBar();
    PlayMenu = bar->addMenu(tr("&Start"));
    Newgame = PlayMenu->addMenu(tr("&Module"));
    attachItem(Guiden, Newgame->addAction(tr("Module 1: The Installer")), &MDIForm1::Guiden_Click);
    attachItem(Scroll, Newgame->addAction(tr("Module 2: Scrolling")), &MDIForm1::Scroll_Click);
    attachItem(mnuTyping, Newgame->addAction(tr("Module 3: Typing")), &MDIForm1::mnuTyping_Click);
    attachItem(mnuCertificate, PlayMenu->addAction(tr("Get certificate")),
               &MDIForm1::mnuCertificate_Click);
    mnuCertificate.SetEnabled(false);
    PlayMenu->addSeparator();
    attachItem(Quit, PlayMenu->addAction(tr("E&xit")), &MDIForm1::Quit_Click);

    mnufrage = bar->addMenu(tr("&?"));
    attachItem(mnuAbout, mnufrage->addAction(tr("&About")), &MDIForm1::mnuAbout_Click);
    attachItem(mnuBrowser, mnufrage->addAction(tr("&Browser")), &MDIForm1::mnuBrowser_Click);
}

void MDIForm1::attachItem(MenuItem &item, QAction *action, void (MDIForm1::*handler)())
{
    item.attach(action, [this, action, handler] {
        m_program.runHandler({nullptr, action}, [this, handler] { (this->*handler)(); });
    });
}

void MDIForm1::MDIForm_Load()
{
    Module1 &record = m_program.record();
    record.TotalScore = Integer(0);
    record.InstallerLevel = Integer(0);
    m_program.window(WindowName::Form1).Hide();

    Window &scorePanel = m_program.window(WindowName::frmAbout);
    scorePanel.Load();
    const float left =
        static_cast<float>(Width()) - static_cast<float>(scorePanel.Width() + ScorePanelMargin);
    scorePanel.move(static_cast<int>(left), ScorePanelTop);
}

bool MDIForm1::refuseIfDone(const MenuItem &item)
{
    if (!item.Checked())
        return false;
    m_program.ShowMessage(tr("You are already done with this module!"));
    return true;
}

void MDIForm1::Guiden_Click()
{
    if (refuseIfDone(Guiden))
        return;
    m_program.record().InstallerLevel = Integer(1);
    Window &installer = m_program.window(WindowName::Form1);
    installer.Load();
    installer.Show();
}

void MDIForm1::Scroll_Click()
{
    if (refuseIfDone(Scroll))
        return;
    Window &scrolling = m_program.window(WindowName::Form3);
    scrolling.Load();
    scrolling.Show();
}

void MDIForm1::mnuTyping_Click()
{
    if (refuseIfDone(mnuTyping))
        return;
    Window &typing = m_program.window(WindowName::Form2);
    typing.Load();
    typing.Show();
}

void MDIForm1::mnuCertificate_Click()
{
    mnuCertificate.SetEnabled(false);
    Window &certificate = m_program.window(WindowName::Form4);
    certificate.Load();
    certificate.Show();
}

void MDIForm1::Quit_Click()
{
    m_program.EndProgram();
}

void MDIForm1::mnuAbout_Click()
{
    //: %1 starts the second line.
    m_program.ShowMessage(tr("This is a contribution to the Mirelund Competition%1"
                             "Made by the wonderful Thornax Studios")
                              .arg(CharOf(13)),
                          MessageIcon::Information);
}

void MDIForm1::mnuBrowser_Click()
{
    Window &browser = m_program.window(WindowName::Form5);
    browser.Load();
    browser.Show();
}
