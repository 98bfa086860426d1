#include "mdiform1.h"
#include "openwindow.h"
#include "testprogram.h"
#include "valuerules.h"
#include "wholeprogram.h"
#include "window.h"

#include <QAbstractScrollArea>
#include <QAccessible>
#include <QLabel>
#include <QMdiSubWindow>
#include <QScrollBar>
#include <QTimer>
#include <QtTest>

using namespace Qt::StringLiterals;

namespace {

// What a user works with or reads as a picture: controls that take the focus,
// bars, text boxes and pictures; not the inner parts of a text box.
bool isWorkedWith(QWidget *widget, QWidget *window)
{
    for (QWidget *p = widget->parentWidget(); p && p != window; p = p->parentWidget())
        if (qobject_cast<QAbstractScrollArea *>(p))
            return false;
    auto *label = qobject_cast<QLabel *>(widget);
    return (widget->focusPolicy() & Qt::TabFocus) || qobject_cast<QAbstractSlider *>(widget) ||
           qobject_cast<QAbstractScrollArea *>(widget) || (label && !label->pixmap().isNull());
}

QString spokenName(QObject *object)
{
    QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(object);
    return iface ? iface->text(QAccessible::Name) : QString();
}

} // namespace

// Every window as a screen reader reads it, through Qt's accessibility
// interfaces (no accessibility bus needed).
class tst_AccessibleNames : public QObject
{
    Q_OBJECT

    std::unique_ptr<TestProgram> m_test;
    Program &program() { return *m_test->program; }
    QMdiSubWindow *subWindow(WindowName name) { return program().window(name).subWindow(); }

private slots:
    void init() { m_test = wholeProgram({u"Ada"_s}); }
    void cleanup() { m_test.reset(); }

    void everyControlHasASpokenName_data()
    {
        QTest::addColumn<WindowName>("window");
        QTest::addColumn<int>("controls"); // how many a user works with or reads as pictures
        QTest::newRow("installer") << WindowName::Form1 << 5;
        QTest::newRow("scrolling") << WindowName::Form3 << 6;
        QTest::newRow("typing") << WindowName::Form2 << 3;
        QTest::newRow("certificate") << WindowName::Form4 << 1;
        QTest::newRow("browser") << WindowName::Form5 << 2;
        QTest::newRow("score panel") << WindowName::frmAbout << 1;
    }
    void everyControlHasASpokenName()
    {
        QFETCH(WindowName, window);
        QFETCH(int, controls);
        openFromTheMenu(program(), window);
        QMdiSubWindow *sub = subWindow(window);
        QVERIFY(sub && sub->isVisible());

        int checked = 0;
        for (QWidget *widget : sub->widget()->findChildren<QWidget *>()) {
            if (!isWorkedWith(widget, sub))
                continue;
            ++checked;
            QVERIFY2(!spokenName(widget).isEmpty(),
                     qPrintable(u"%1 (%2) has no spoken name"_s.arg(
                         widget->objectName(), widget->metaObject()->className())));
        }
        QCOMPARE(checked, controls);
    }

    void theScorePanelIsReadAsTheScore()
    {
        QMdiSubWindow *panel = subWindow(WindowName::frmAbout);
        QCOMPARE(spokenName(panel), u"Score"_s);
        QCOMPARE(panel->windowTitle(), u"About MyApp"_s); // the caption stays
        QCOMPARE(QAccessible::queryAccessibleInterface(panel)->role(), QAccessible::Window);
    }

    void eachBarIsLabelledByItsValue()
    {
        openFromTheMenu(program(), WindowName::Form3);
        const Window &scrolling = program().window(WindowName::Form3);
        for (int i = 1; i <= 4; ++i) {
            auto *bar = control<QScrollBar>(scrolling, u"VScroll%1"_s.arg(i));
            auto *value = control<QLabel>(scrolling, u"Label%1"_s.arg(i));
            QVERIFY(bar && value);
            QCOMPARE(spokenName(bar), u"Bar %1"_s.arg(i));
            QAccessibleInterface *valueIface = QAccessible::queryAccessibleInterface(value);
            const auto labels =
                QAccessible::queryAccessibleInterface(bar)->relations(QAccessible::Label);
            QVERIFY2(
                std::any_of(labels.cbegin(), labels.cend(),
                            [&](const auto &relation) { return relation.first == valueIface; }),
                qPrintable(u"bar %1"_s.arg(i)));
        }
    }

    void aChangingLineIsReadAsItStands_data()
    {
        QTest::addColumn<WindowName>("window");
        QTest::addColumn<QString>("timer");
        QTest::addColumn<QString>("line");
        QTest::newRow("remaining time") << WindowName::Form1 << u"Timer2"_s << u"Label2"_s;
        QTest::newRow("elapsed time") << WindowName::Form2 << u"startTimer"_s << u"Label2"_s;
        QTest::newRow("typing speed") << WindowName::Form2 << u"startTimer"_s << u"Label4"_s;
        QTest::newRow("typing score") << WindowName::Form2 << u"startTimer"_s << u"Label3"_s;
        QTest::newRow("total score") << WindowName::frmAbout << u"Timer1"_s << u"Pryl"_s;
    }
    void aChangingLineIsReadAsItStands()
    {
        QFETCH(WindowName, window);
        QFETCH(QString, timer);
        QFETCH(QString, line);
        openFromTheMenu(program(), window);
        program().record().TotalScore = Integer(75);
        auto *label = control<QLabel>(program().window(window), line);
        QVERIFY(label);

        QMetaObject::invokeMethod(control<QTimer>(program().window(window), timer), "timeout");
        // Its text is its name, which Qt announces as it changes; a fixed name would not be.
        QCOMPARE(spokenName(label), label->text());
        QVERIFY(label->text().contains(QRegularExpression(u"\\d"_s)));
    }
};

QTEST_MAIN(tst_AccessibleNames)
#include "tst_accessiblenames.moc"
