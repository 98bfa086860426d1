#include "form5.h"
#include "mdiform1.h"
#include "placeholderwindow.h"
#include "testprogram.h"

#include <QtTest>

#ifdef THORNAX_WEBVIEW_DIR
#include <QWebEngineProfile>
#include <QWebEngineSettings>
#include <QWebEngineView>
#endif

// The browser window with the real web view module, headless.
class tst_WebEngineView : public QObject
{
    Q_OBJECT

public:
    static void initMain()
    {
        // No graphics card on a headless test machine.
        if (!qEnvironmentVariableIsSet("QTWEBENGINE_CHROMIUM_FLAGS"))
            qputenv("QTWEBENGINE_CHROMIUM_FLAGS", "--disable-gpu");
    }

private slots:
    void opensTheStartPageInTheRealView()
    {
#ifndef THORNAX_WEBVIEW_DIR
        QSKIP("The web view module is not part of this build (Qt WebEngine was not found).");
#else
        TestProgram test;
        Program &program = *test.program;
        program.RegisterWindow(WindowName::Form5,
                               [](Program &p) { return std::make_unique<Form5>(p); });
        RegisterPlaceholders(program);
        program.mainWindow().Load();
        program.mainWindow().widget()->show();
        auto &browser = program.window<Form5>();
        WebViewModule module({QStringLiteral(THORNAX_WEBVIEW_DIR)});
        browser.SetWebViewFactory([&module](QWidget *parent) { return module.CreateView(parent); });

        program.mainWindow().mnuBrowser_Click();
        auto *view = browser.subWindow()->findChild<QWebEngineView *>();
        QVERIFY2(view, "the web view module did not load");
        QSignalSpy finished(view, &QWebEngineView::loadFinished);
        QVERIFY(finished.wait(20000)); // offline, the engine shows its own error page
        QCOMPARE(view->page()->requestedUrl(), QUrl(Form5::StartAddress));

        // A private profile, and no way from the page to the user's files.
        QVERIFY(view->page()->profile()->isOffTheRecord());
        QWebEngineSettings *settings = view->page()->settings();
        QVERIFY(!settings->testAttribute(QWebEngineSettings::LocalContentCanAccessFileUrls));
        QVERIFY(!settings->testAttribute(QWebEngineSettings::LocalContentCanAccessRemoteUrls));
        view->load(QUrl::fromLocalFile(QStringLiteral("/etc/hostname")));
        QTest::qWait(300);
        QVERIFY(view->url().scheme() != QLatin1String("file"));

        // Closing discards the view with its page and private profile, in an
        // order the engine accepts; the next opening starts afresh.
        QTest::failOnWarning(QRegularExpression(QStringLiteral("profile|WebEnginePage")));
        QPointer<QWebEngineView> closed = view;
        browser.subWindow()->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(closed.isNull());

        program.mainWindow().mnuBrowser_Click();
        view = browser.subWindow()->findChild<QWebEngineView *>();
        QVERIFY(view && view != closed);
        QSignalSpy reopened(view, &QWebEngineView::loadFinished);
        QVERIFY(reopened.wait(20000));
#endif
    }
};

QTEST_MAIN(tst_WebEngineView)
#include "tst_webengineview.moc"
