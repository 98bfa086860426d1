#include "enginefolder.h"
#include "form5.h"
#include "mdiform1.h"
#include "pageserver.h"
#include "testprogram.h"

#include <QApplication>
#include <QDialog>
#include <QDrag>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QWebEngineProfile>
#include <QWebEngineSettings>
#include <QWebEngineView>
#include <QtTest>

#include <csignal>
#include <fcntl.h>
#include <sched.h>
#include <sys/file.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

const QByteArray StartPath =
    QUrl(Form5::StartAddress).toEncoded(QUrl::RemoveScheme | QUrl::RemoveAuthority);

QByteArray page(const QByteArray &title, const QByteArray &script = {})
{
    return response("Content-Type: text/html\r\n",
                    "<title>" + title + "</title><script>" + script + "</script>" + title);
}

// The folders the browser could write to, fresh and empty, set before the engine starts: on
// disk, in the test's working folder, for /tmp may be held in memory (Debian 13's is).
const QStringList FreshFolders{"HOME", "XDG_DATA_HOME", "XDG_CACHE_HOME", "XDG_CONFIG_HOME",
                               "TMPDIR"};
QTemporaryDir FreshRoot(QDir::currentPath() + QStringLiteral("/fresh-XXXXXX")), QtRuntime;

// A folder's name as the engine's folders are named.
QString ours()
{
    return EngineFolder::folderPattern().replace("XXXXXX", "ab12CD");
}
bool InPlacesOfItsOwn = false;

// Gives the test a /dev/shm of its own, a file system in memory in a mount namespace that ends
// with the test, so that nothing the test or the browser makes there outlives it, even when it
// is killed. Root can have one at once; a user first makes a user namespace, as the same user.
bool enterPlacesOfItsOwn()
{
    const auto write = [](const char *file, const QByteArray &id) {
        QFile f(file);
        return f.open(QIODevice::WriteOnly) &&
               f.write(id == "deny" ? id : id + ' ' + id + " 1") > 0;
    };
    if (unshare(CLONE_NEWNS) != 0 &&
        (unshare(CLONE_NEWUSER | CLONE_NEWNS) != 0 || !write("/proc/self/setgroups", "deny") ||
         !write("/proc/self/uid_map", QByteArray::number(geteuid())) ||
         !write("/proc/self/gid_map", QByteArray::number(getegid()))))
        return false;
    return mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) == 0 &&
           mount("tmpfs", "/dev/shm", "tmpfs", MS_NOSUID | MS_NODEV, "mode=1777") == 0;
}

// A page that writes itself anew with a drag listener of its own ahead of the program's script,
// so that the engine makes the drag, and the program has to refuse it itself.
QByteArray dragBegun(const QByteArray &html, const QByteArray &onDragStart = {},
                     const QByteArray &then = {})
{
    const QByteArray listener = "e => { e.stopImmediatePropagation(); " + onDragStart + " }";
    return "onload = () => setTimeout(() => { document.open(); addEventListener('dragstart', " +
           listener + ", true); document.write('<body style=margin:0>" + html +
           "'); document.close(); " + then + " });";
}

// The engine drops presses that come before the page has painted: clicks a bare
// corner until the page has seen one, for a second at most (a page may be stuck).
void waitForPressesToArrive(QWebEngineView *view)
{
    const auto seen = std::make_shared<bool>(false);
    view->page()->runJavaScript("addEventListener('mousedown', () => self.pressed = true);");
    for (int i = 0; i < 10 && !*seen; QTest::qWait(100), ++i) {
        QTest::mouseClick(view->focusProxy(), Qt::LeftButton, {}, QPoint(550, 400));
        view->page()->runJavaScript("self.pressed",
                                    [seen](const QVariant &v) { *seen = v.toBool(); });
    }
}

} // namespace

// The browser window with the real web view module, headless, on pages served
// here: whatever a page does, the program stays free and nothing is written.
class tst_WebEngineView : public QObject
{
    Q_OBJECT

    std::unique_ptr<TestProgram> m_test;
    WebViewModule m_module{{THORNAX_WEBVIEW_DIR}};
    PageServer m_server;
    // Any file or folder made in a fresh folder, even one removed at once.
    QFileSystemWatcher m_freshFolders{
        QStringList(FreshFolders)
            .replaceInStrings(QRegularExpression("^"), FreshRoot.path() + u'/')};
    QSignalSpy m_written{&m_freshFolders, &QFileSystemWatcher::directoryChanged};
    int m_blocked = 0;         // times a window of the program was blocked by a modal one
    int m_dialogs = 0;         // dialogs made, shown or not
    int m_dialogsShown = 0;    // of those, the ones put on the screen
    int m_drags = 0;           // drags the engine made
    int m_dragsLeft = 0;       // of those, the ones still running after three seconds
    QByteArray m_tempFolder;   // the module's, while a case has settled another
    WebView *m_view = nullptr; // the last one made

    Form5 &browser() { return m_test->program->window<Form5>(); }
    template<class T> T *inBrowser() { return browser().subWindow()->findChild<T *>(); }
    // Opens the browser from the menu; its view once the page has loaded.
    QWebEngineView *openOnLoadedPage()
    {
        m_test->program->mainWindow().mnuBrowser_Click();
        auto *view = inBrowser<QWebEngineView>();
        return view && QSignalSpy(view, &QWebEngineView::loadFinished).wait(20000) ? view : nullptr;
    }

    bool eventFilter(QObject *watched, QEvent *event) override
    {
        m_blocked += event->type() == QEvent::WindowBlocked;
        m_dialogs += event->type() == QEvent::Polish && qobject_cast<QDialog *>(watched);
        if (auto *dialog = qobject_cast<QDialog *>(watched);
            dialog && event->type() == QEvent::Show)
            m_dialogsShown += !dialog->testAttribute(Qt::WA_DontShowOnScreen);
        // A drag is hung on the view, and known as one once it runs. One not refused runs until
        // the pointer lets go, which on a real screen a test's never does: it is cancelled here.
        if (event->type() == QEvent::ChildAdded && qobject_cast<QWebEngineView *>(watched)) {
            const QPointer child = static_cast<QChildEvent *>(event)->child();
            QMetaObject::invokeMethod(
                this,
                [this, child] {
                    if (const QPointer<QDrag> drag = qobject_cast<QDrag *>(child)) {
                        ++m_drags;
                        QTimer::singleShot(3000, this, [this, drag] {
                            if (drag) {
                                ++m_dragsLeft;
                                QDrag::cancel();
                            }
                        });
                    }
                },
                Qt::QueuedConnection);
        }
        return false;
    }

public:
    static void initMain()
    {
        // No graphics card on a headless test machine.
        if (!qEnvironmentVariableIsSet("QTWEBENGINE_CHROMIUM_FLAGS"))
            qputenv("QTWEBENGINE_CHROMIUM_FLAGS", "--disable-gpu");
        if (geteuid() == 0) // the engine's sandbox cannot run as root
            qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
        // The session's runtime folder is in the test's own memory folder where it can have one;
        // elsewhere Qt's runtime folder, made with the application when none is set, is not the
        // browser's.
        if ((InPlacesOfItsOwn = enterPlacesOfItsOwn())) {
            QDir("/dev/shm").mkdir(ours()); // left by a run gone, beside the runtime folder
            mkdir("/dev/shm/runtime", 0700);
            qputenv("XDG_RUNTIME_DIR", "/dev/shm/runtime");
        } else if (!qEnvironmentVariableIsSet("XDG_RUNTIME_DIR")) {
            qputenv("XDG_RUNTIME_DIR", QtRuntime.path().toLocal8Bit());
        }
        for (const QString &name : FreshFolders) {
            QDir(FreshRoot.path()).mkdir(name);
            qputenv(name.toLatin1(), FreshRoot.filePath(name).toLocal8Bit());
        }
        WebViewModule::prepareApplication();
    }

private slots:
    void init()
    {
        m_test = programWith<Form5>(Boxes::Real);
        m_test->program->mainWindow().widget()->show();
        qApp->installEventFilter(this);
        browser().setWebViewFactory(
            [this](QWidget *parent) { return m_view = m_module.createView(parent); });
        m_server.responses = {{StartPath, {page("start")}}};
        m_server.asked.clear();
        m_blocked = m_dialogs = m_dialogsShown = m_drags = m_dragsLeft = 0;
    }
    void cleanup()
    {
        if (!m_tempFolder.isEmpty())
            qputenv("TMPDIR", std::exchange(m_tempFolder, {}));
        m_test.reset();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        // The browser, opened, shown any page and closed, wrote nothing.
        QTest::qWait(100);
        const qsizetype written = m_written.count();
        m_written.clear();
        QCOMPARE(written, 0);
    }

    void opensTheStartPageInTheRealView()
    {
        QTest::failOnWarning(QRegularExpression(QStringLiteral("AA_ShareOpenGLContexts")));
        QWebEngineView *view = openOnLoadedPage();
        QVERIFY2(view, "the web view module did not load, or its page never did");
        QCOMPARE(view->page()->requestedUrl(), QUrl(Form5::StartAddress));

        // A private profile, and no way from the page to the user's files, to windows of its
        // own, the clipboard, plug-ins, the PDF viewer or the screen.
        QVERIFY(view->page()->profile()->isOffTheRecord());
        using S = QWebEngineSettings;
        for (const S::WebAttribute shut :
             {S::LocalContentCanAccessFileUrls, S::LocalContentCanAccessRemoteUrls,
              S::JavascriptCanOpenWindows, S::JavascriptCanAccessClipboard, S::PluginsEnabled,
              S::PdfViewerEnabled, S::ScreenCaptureEnabled})
            QVERIFY2(!view->page()->settings()->testAttribute(shut), QByteArray::number(shut));
        const QString file = QUrl::fromLocalFile(QStringLiteral("/etc/hostname")).toString();
        m_view->Navigate(file); // not even a fresh page
        view->load(file);
        QTest::qWait(300);
        QCOMPARE(view->title(), QStringLiteral("start"));

        // The temporary folder, the engine's too, is this run's own: held in memory, for this
        // user alone, still usable, kept from other runs while this one lasts; what a run gone
        // left beside it is gone. Where no place is held in memory, nothing can be written to it.
        const QString place = EngineFolder::memoryPlace(EngineFolder::defaultPlaces());
        if (place.isEmpty()) {
            QCOMPARE(qgetenv("TMPDIR"), EngineFolder::Refused.toLocal8Bit());
        } else {
            const QFileInfo folder(QDir::tempPath());
            QCOMPARE(folder.dir(), QDir(place));
            QVERIFY(folder.fileName().startsWith(EngineFolder::folderPattern().chopped(6)) &&
                    !folder.fileName().contains(' '));
            QCOMPARE(QStorageInfo(folder.filePath()).fileSystemType(), "tmpfs");
            QCOMPARE(folder.permissions() & ~QFile::Permissions(0x0700),
                     QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
            QTemporaryFile file;
            QVERIFY(file.open() && QFileInfo(file).dir() == QDir::temp());
            QVERIFY(!InPlacesOfItsOwn || !QDir("/dev/shm").exists(ours()));
            EngineFolder::removeLeftovers(place, geteuid()); // as another run would
            QVERIFY(QFileInfo::exists(folder.filePath()));
            // Refused, even twice over, until the events waiting have run; then it is back.
            EngineFolder::refuseUntilEventsRun();
            EngineFolder::refuseUntilEventsRun();
            QVERIFY(!QTemporaryFile().open());
            QCoreApplication::processEvents();
            QCOMPARE(QDir::tempPath(), folder.filePath());
            // Neither a link to a private folder in memory nor another user's is taken.
            const QString link = FreshRoot.filePath("link"), others = folder.filePath() + "/x";
            QVERIFY(QFile::link(folder.filePath(), link) &&
                    QDir().mkdir(others, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
            QCOMPARE(EngineFolder::memoryPlace({link}), QString());
            if (chown(QFile::encodeName(others), geteuid() + 1, getegid()) == 0) // root only
                QCOMPARE(EngineFolder::memoryPlace({others}), QString());
            QVERIFY(QFile::remove(link) && QDir().rmdir(others));
        }

        // Root is shown a notice instead of pages without the sandbox, unless it waived it.
        qunsetenv("QTWEBENGINE_DISABLE_SANDBOX");
        QWidget parent; // takes the view with it
        QCOMPARE(!qobject_cast<QWebEngineView *>(m_module.createView(&parent)->widget()),
                 geteuid() == 0);
        if (geteuid() == 0) // as the test started
            qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");

        // Closing discards the view with its page and private profile, in an
        // order the engine accepts; the next opening starts afresh.
        QTest::failOnWarning(QRegularExpression(QStringLiteral("profile|WebEnginePage")));
        QPointer<QWebEngineView> closed = view;
        browser().subWindow()->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(closed.isNull());

        view = openOnLoadedPage();
        QVERIFY(view && view != closed);
    }

    void aPermissionAskedForIsRefusedWithoutAsking()
    {
        m_server.responses[StartPath] = {
            page("asking", "Notification.requestPermission().then(a => document.title = a);")};
        QWebEngineView *view = openOnLoadedPage();
        QVERIFY(view);
        QTRY_COMPARE_WITH_TIMEOUT(view->title(), QStringLiteral("denied"), 10000);
        QCOMPARE(std::ranges::count_if(QApplication::topLevelWindows(), &QWindow::isVisible), 1);
    }

    void pageNeitherHoldsTheProgramNorWrites_data()
    {
        QTest::addColumn<QByteArray>("script");
        QTest::addColumn<bool>("killRenderer");
        const auto download = [](const QByteArray &href) {
            return "onload = () => { const a = document.createElement('a'); a.href = " + href +
                   "; a.download = 'f'; document.body.append(a); a.click(); };";
        };
        QTest::newRow("page boxes in a loop")
            << QByteArray("onload = () => setTimeout(() => { for (;;) { alert(1); confirm(2); "
                          "prompt(3); } });")
            << false;
        QTest::newRow("refuses to be left, leaves itself")
            << QByteArray("onbeforeunload = e => e.returnValue = 'x';"
                          "onmouseup = () => { onmouseup = null; location = '/left'; };")
            << false;
        QTest::newRow("endless script")
            << QByteArray("onload = () => setTimeout(() => { for (;;); });") << false;
        QTest::newRow("dead renderer") << QByteArray() << true;
        QTest::newRow("attachment")
            << QByteArray("onload = () => location = '/report.asp';") << false;
        QTest::newRow("zip") << QByteArray("onload = () => location = '/setup.zip';") << false;
        QTest::newRow("download link") << download("'/report.asp'") << false;
        QTest::newRow("blob") << download("URL.createObjectURL(new Blob(['secret']))") << false;
        const QByteArray colourInput = "document.write(\"<input type=color style='";
        QTest::newRow("colour input clicked")
            << colourInput + "width:200px; height:200px'>\");" << false;
        QTest::newRow("colour input, Space")
            << colourInput + "margin:300px'>\");"
                             "onmouseup = () => document.querySelector('input').focus();"
            << false;
        QTest::newRow("file input clicked")
            << QByteArray(
                   "document.write(\"<input type=file style='width:200px; height:200px'>\");")
            << false;
        QTest::newRow("download link, no place in memory") << download("'/report.asp'") << false;
        QTest::newRow("password") << QByteArray("onload = () => location = '/401';") << false;
        QTest::newRow("proxy password") << QByteArray("onload = () => location = '/407';") << false;
    }
    void pageNeitherHoldsTheProgramNorWrites()
    {
        QFETCH(QByteArray, script);
        QFETCH(bool, killRenderer);
        const QByteArray tag = QTest::currentDataTag();
        if (tag.endsWith("no place in memory")) {
            // Settled afresh from a temporary folder the test watches, with a shared memory
            // folder for the session's and one on disk: neither is taken, that is said, and no
            // file can be made in a temporary folder.
            m_tempFolder = qgetenv("TMPDIR");
            qputenv("TMPDIR", QFile::encodeName(FreshRoot.filePath("TMPDIR")));
            QTest::ignoreMessage(QtWarningMsg, QRegularExpression("^No folder held in memory"));
            QVERIFY(EngineFolder::settle({"/dev/shm", FreshRoot.filePath("TMPDIR")}).isEmpty());
            QVERIFY(!QTemporaryFile().open());
        }
        if (tag.endsWith("by a frame") || tag.endsWith("of another site")) {
            m_server.responses["/frame"] = {page("frame", script)};
            script = "document.write('<body style=margin:0><iframe src=http://elsewhere.example/"
                     "frame style=border:0;width:400px;height:300px></iframe>');";
        }
        const QByteArray body(2 << 20, 'x');
        m_server.responses["/report.asp"] = {response("Content-Disposition: attachment\r\n", body)};
        m_server.responses["/setup.zip"] = {response("Content-Type: application/zip\r\n", body)};
        m_server.responses["/picture.svg"] = {response(
            "Content-Type: image/svg+xml\r\n", "<svg xmlns='http://www.w3.org/2000/svg'/>")};
        m_server.responses["/401"] = {response("WWW-Authenticate: Basic\r\n", {}, "401 No")};
        m_server.responses["/407"] = {response("Proxy-Authenticate: Basic\r\n", {}, "407 No")};
        m_server.responses["/left"] = {page("left", "onbeforeunload = e => e.returnValue = 'x';")};
        m_server.responses["/favicon.ico"] = {response("Cache-Control: max-age=600\r\n", {})};
        m_server.responses[StartPath] = {page("held", script), page("start")};
        QWebEngineView *view = openOnLoadedPage();
        QVERIFY(view);
        // A click lets it ask on leaving; then a drag across it, Space, and the right button.
        waitForPressesToArrive(view);
        QTest::mousePress(view->focusProxy(), Qt::LeftButton, {}, QPoint(20, 20));
        QTest::mouseMove(view->focusProxy(), QPoint(120, 120));
        QTest::mouseRelease(view->focusProxy(), Qt::LeftButton, {}, QPoint(120, 120));
        QTest::keyClick(view->focusProxy(), Qt::Key_Space);
        QTest::mouseClick(view->focusProxy(), Qt::RightButton, {}, QPoint(120, 120));
        if (killRenderer) {
            QSignalSpy died(view, &QWebEngineView::renderProcessTerminated);
            QVERIFY(::kill(view->page()->renderProcessPid(), SIGKILL) == 0 && died.wait(5000));
        }

        // A drill's timer keeps ticking, no box or dialog of the page's holds the program or
        // shows at all (the colour picker's alone is made, and is gone), no menu shows, a page
        // leaves itself when it likes, no address is asked for twice, and the temporary folder
        // holds nothing of the page's.
        int ticks = 0;
        QTimer drill;
        connect(&drill, &QTimer::timeout, [&ticks] { ++ticks; });
        drill.start(100);
        QTest::qWait(1000);
        QVERIFY(ticks >= 5);
        QCOMPARE(QApplication::activeModalWidget(), nullptr);
        QCOMPARE(m_blocked, 0);
        QCOMPARE(std::ranges::count_if(QApplication::topLevelWindows(), &QWindow::isVisible), 1);
        QCOMPARE(std::ranges::count_if(QApplication::topLevelWidgets(), &QWidget::isVisible), 1);
        QCOMPARE(m_dialogs > 0, tag.startsWith("colour input"));
        QCOMPARE(m_dialogsShown, 0);
        QCOMPARE(m_server.asked.contains("/left"), tag.endsWith("leaves itself"));
        QCOMPARE(QSet(m_server.asked.begin(), m_server.asked.end()).size(), m_server.asked.size());
        QVERIFY(QDir::temp().isEmpty(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot));

        // The program's own box, then the start page again.
        BoxAnswerer answerer(300);
        QTest::keyClick(inBrowser<QLineEdit>(), Qt::Key_Return);
        QTRY_COMPARE_WITH_TIMEOUT(view->title(), QStringLiteral("start"), 20000);
        QCOMPARE(m_server.asked.count(StartPath), 2);

        // A drag the page begins is refused at once: none runs on.
        QCOMPARE(m_drags, tag.contains(" begun by ") ? 1 : 0);
        QCOMPARE(m_dragsLeft, 0);
    }

    void nothingIsDraggedOut_data()
    {
        QTest::addColumn<QByteArray>("script");
        QTest::addColumn<bool>("killRenderer");
        // The program's script in the page stops these before the engine makes a drag.
        const QByteArray image = "<img src=/picture.svg width=300 height=300>";
        QTest::newRow("image") << "document.write('" + image + "');" << false;
        QTest::newRow("image in a blank frame")
            << "document.write('<iframe></iframe>'); frames[0].document.body.innerHTML = '" +
                   image + "';"
            << false;
        QTest::newRow("image in a frame of another site")
            << "document.write('" + image + "');" << false;
        QTest::newRow("image in a page written anew")
            << "onload = () => setTimeout(() => { document.open(); document.write('" + image +
                   "'); document.close(); });"
            << false;
        // A page whose listener comes first begins a drag, in the page or a frame in it.
        const std::pair<const char *, QByteArray> begun[]{
            {"image", dragBegun(image)},
            {"link", dragBegun("<a href=/start style=display:block;height:300px>link</a>")},
            {"selected text", dragBegun("<p style=font-size:100px;margin:0>text", {},
                                        "(onmouseup = () => setTimeout(() => "
                                        "getSelection().selectAllChildren(document.body)))();")},
            {"data the page sets", dragBegun("<p draggable=true style=height:300px>data",
                                             "e.dataTransfer.setData('text/plain', 'data');")}};
        for (const auto &[what, script] : begun) {
            QTest::addRow("%s begun by the page", what) << script << false;
            QTest::addRow("%s begun by a frame", what) << script << false;
        }
        QTest::newRow("image begun by the page, no place in memory") << dragBegun(image) << false;
    }
    void nothingIsDraggedOut() { pageNeitherHoldsTheProgramNorWrites(); }

    void onlyFoldersOfRunsGoneAreRemoved_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("removed");
        const QString name = ours(), number = name.section('-', -2); // process, random part
        QTest::newRow("left by a run gone") << name << true;
        QTest::newRow("of a run still going") << name << false;
        QTest::newRow("of another user") << name << false;
        QTest::newRow("a link to a folder of ours") << name << false;
        QTest::newRow("ours inside another name") << "x-" + name << false;
        QTest::newRow("ours at the start of another name") << name + ".x" << false;
        QTest::newRow("ours without the program's name") << number << false;
        QTest::newRow("another program's with our ending") << "other-program-" + number << false;
    }
    void onlyFoldersOfRunsGoneAreRemoved()
    {
        QFETCH(QString, name);
        QFETCH(bool, removed);
        const QString tag = QTest::currentDataTag();
        QTemporaryDir place(FreshRoot.filePath("place-XXXXXX"));
        const QDir in(place.path());
        QVERIFY(in.mkpath("victim/inside") &&
                (tag.contains("link") ? QFile::link(in.filePath("victim"), in.filePath(name))
                                      : in.mkpath(name + "/inside")));
        const int lock = open(QFile::encodeName(in.filePath(name)), O_RDONLY | O_CLOEXEC);
        QVERIFY(lock >= 0 && (!tag.contains("still going") || flock(lock, LOCK_EX) == 0));
        EngineFolder::removeLeftovers(place.path(), geteuid() + tag.contains("another user"));
        close(lock);
        QCOMPARE(!QFileInfo::exists(in.filePath(name + "/inside")), removed);
        QVERIFY(QFileInfo::exists(in.filePath("victim/inside")));
    }
};

QTEST_MAIN(tst_WebEngineView)
#include "tst_webengineview.moc"
