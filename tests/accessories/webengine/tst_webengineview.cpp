#include "enginefolder.h"
#include "form5.h"
#include "mdiform1.h"
#include "pageserver.h"
#include "testprogram.h"

#include <QApplication>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QWebEngineProfile>
#include <QWebEngineSettings>
#include <QWebEngineView>
#include <QtTest>

#include <csignal>
#include <sys/wait.h>
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

// Folders named as the engine's folder is, made before the module is loaded: left by
// a run that is gone, by a run still going (process 1), and by another user.
QString LeftByDeadRun, LeftByLiveRun, LeftByOtherUser;

QString leftover(const QString &place, qint64 pid)
{
    const QString path = QDir(place).filePath(EngineFolder::folderPattern().replace(
        QString::number(QCoreApplication::applicationPid()), QString::number(pid)));
    QDir(place).mkpath(path + "/inside");
    return path;
}

qint64 goneProcess()
{
    const pid_t pid = fork();
    if (pid == 0)
        _exit(0);
    waitpid(pid, nullptr, 0);
    return pid;
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
    int m_blocked = 0;       // times a window of the program was blocked by a modal one
    QByteArray m_tempFolder; // the module's, while a case has settled another

    Form5 &browser() { return m_test->program->window<Form5>(); }
    template<class T> T *inBrowser() { return browser().subWindow()->findChild<T *>(); }
    // Opens the browser from the menu; its view once the page has loaded.
    QWebEngineView *openOnLoadedPage()
    {
        m_test->program->mainWindow().mnuBrowser_Click();
        auto *view = inBrowser<QWebEngineView>();
        return view && QSignalSpy(view, &QWebEngineView::loadFinished).wait(20000) ? view : nullptr;
    }

    bool eventFilter(QObject *, QEvent *event) override
    {
        m_blocked += event->type() == QEvent::WindowBlocked;
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
        // Qt's runtime folder, made with the application when none is set, is not the browser's.
        if (!qEnvironmentVariableIsSet("XDG_RUNTIME_DIR"))
            qputenv("XDG_RUNTIME_DIR", QtRuntime.path().toLocal8Bit());
        if (const QString place = EngineFolder::memoryPlace(EngineFolder::defaultPlaces());
            !place.isEmpty()) {
            LeftByDeadRun = leftover(place, goneProcess());
            LeftByLiveRun = leftover(place, 1);
            LeftByOtherUser = leftover(place, goneProcess());
            if (chown(QFile::encodeName(LeftByOtherUser), 65534, 65534) != 0)
                LeftByOtherUser.clear(); // only root can make one
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
            [this](QWidget *parent) { return m_module.createView(parent); });
        m_server.responses = {{StartPath, {page("start")}}};
        m_server.asked.clear();
        m_blocked = 0;
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

        // A private profile, and no way from the page to the user's files.
        QVERIFY(view->page()->profile()->isOffTheRecord());
        QWebEngineSettings *settings = view->page()->settings();
        QVERIFY(!settings->testAttribute(QWebEngineSettings::LocalContentCanAccessFileUrls));
        QVERIFY(!settings->testAttribute(QWebEngineSettings::LocalContentCanAccessRemoteUrls));
        view->load(QUrl::fromLocalFile(QStringLiteral("/etc/hostname")));
        QTest::qWait(300);
        QVERIFY(view->url().scheme() != QLatin1String("file"));

        // The temporary folder, the engine's too, is this run's own: held in memory, for this
        // user alone, still usable; what earlier runs left there is gone when they are. Where
        // no place is held in memory, nothing can be written to it at all.
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
            QVERIFY(!QFileInfo::exists(LeftByDeadRun));
            for (const QString &kept : {LeftByLiveRun, LeftByOtherUser})
                QVERIFY(kept.isEmpty() ||
                        (QFileInfo::exists(kept) && QDir(kept).removeRecursively()));
        }

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
        QTest::newRow("refuses to be left")
            << QByteArray("onbeforeunload = e => e.returnValue = 'x';") << false;
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
        QTest::newRow("image dragged")
            << QByteArray("document.write('<img src=/picture.svg>');") << false;
        QTest::newRow("image dragged from a blank frame")
            << QByteArray("document.write('<iframe></iframe>');"
                          "frames[0].document.body.innerHTML = '<img src=/picture.svg>';")
            << false;
        QTest::newRow("image dragged from a page written anew")
            << QByteArray("onload = () => setTimeout(() => { document.open(); "
                          "document.write('<img src=/picture.svg>'); document.close(); });")
            << false;
        QTest::newRow("image dragged from a page written anew with a listener of its own")
            << QByteArray("onload = () => setTimeout(() => { document.open(); "
                          "addEventListener('dragstart', e => e.stopImmediatePropagation(), true);"
                          "document.write('<img src=/picture.svg>'); document.close(); });")
            << false;
        QTest::newRow("image dragged, no place in memory")
            << QByteArray("document.write('<img src=/picture.svg>');"
                          "addEventListener('dragstart', e => e.stopImmediatePropagation(), true);")
            << false;
        QTest::newRow("download link, no place in memory") << download("'/report.asp'") << false;
        QTest::newRow("password") << QByteArray("onload = () => location = '/401';") << false;
        QTest::newRow("proxy password") << QByteArray("onload = () => location = '/407';") << false;
    }
    void pageNeitherHoldsTheProgramNorWrites()
    {
        QFETCH(QByteArray, script);
        QFETCH(bool, killRenderer);
        if (QByteArray(QTest::currentDataTag()).endsWith("no place in memory")) {
            // Settled afresh with a shared memory folder for the session's and one on disk:
            // neither is taken, and that is said.
            m_tempFolder = qgetenv("TMPDIR");
            QTest::ignoreMessage(QtWarningMsg, QRegularExpression("^No folder held in memory"));
            QVERIFY(EngineFolder::settle({"/dev/shm", FreshRoot.filePath("TMPDIR")}).isEmpty());
        }
        const QByteArray body(2 << 20, 'x');
        m_server.responses["/report.asp"] = {response("Content-Disposition: attachment\r\n", body)};
        m_server.responses["/setup.zip"] = {response("Content-Type: application/zip\r\n", body)};
        m_server.responses["/picture.svg"] = {response(
            "Content-Type: image/svg+xml\r\n", "<svg xmlns='http://www.w3.org/2000/svg'/>")};
        m_server.responses["/401"] = {response("WWW-Authenticate: Basic\r\n", {}, "401 No")};
        m_server.responses["/407"] = {response("Proxy-Authenticate: Basic\r\n", {}, "407 No")};
        m_server.responses[StartPath] = {page("held", script), page("start")};
        QWebEngineView *view = openOnLoadedPage();
        QVERIFY(view);
        // A click lets it ask on leaving; then a drag across it, and Space.
        waitForPressesToArrive(view);
        QTest::mousePress(view->focusProxy(), Qt::LeftButton, {}, QPoint(20, 20));
        QTest::mouseMove(view->focusProxy(), QPoint(120, 120));
        QTest::mouseRelease(view->focusProxy(), Qt::LeftButton, {}, QPoint(120, 120));
        QTest::keyClick(view->focusProxy(), Qt::Key_Space);
        if (killRenderer) {
            QSignalSpy died(view, &QWebEngineView::renderProcessTerminated);
            QVERIFY(::kill(view->page()->renderProcessPid(), SIGKILL) == 0 && died.wait(5000));
        }

        // A drill's timer keeps ticking, no box or dialog of the page's holds the program or
        // shows at all, no address is asked for twice, and the temporary folder holds nothing
        // of the page's.
        int ticks = 0;
        QTimer drill;
        connect(&drill, &QTimer::timeout, [&ticks] { ++ticks; });
        drill.start(100);
        QTest::qWait(1000);
        QVERIFY(ticks >= 5);
        QCOMPARE(QApplication::activeModalWidget(), nullptr);
        QCOMPARE(m_blocked, 0);
        QCOMPARE(std::ranges::count_if(QApplication::topLevelWindows(), &QWindow::isVisible), 1);
        QCOMPARE(QSet(m_server.asked.begin(), m_server.asked.end()).size(), m_server.asked.size());
        QVERIFY(QDir::temp().isEmpty(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot));

        // The program's own box, then the start page again.
        BoxAnswerer answerer(300);
        QTest::keyClick(inBrowser<QLineEdit>(), Qt::Key_Return);
        QTRY_COMPARE_WITH_TIMEOUT(view->title(), QStringLiteral("start"), 20000);
        QCOMPARE(m_server.asked.count(StartPath), 2);
    }
};

QTEST_MAIN(tst_WebEngineView)
#include "tst_webengineview.moc"
