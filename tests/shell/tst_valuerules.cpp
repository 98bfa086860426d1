#include "valuerules.h"

#include <QLocale>
#include <QtTest>

#include <limits>

Q_DECLARE_METATYPE(Variant)

namespace {

const char *kindName(Variant::Kind kind)
{
    static const char *names[] = {"Empty", "Integer", "Long", "Single", "Double", "String"};
    return names[static_cast<int>(kind)];
}

} // namespace

namespace QTest {
template<> char *toString(const Variant &v)
{
    return qstrdup(
        QStringLiteral("%1(%2)").arg(QLatin1String(kindName(v.kind())), ToText(v)).toUtf8());
}
} // namespace QTest

// The value rules: widening arithmetic, comparisons, the text of numbers and characters.
class tst_ValueRules : public QObject
{
    Q_OBJECT

private slots:
    void arithmeticWidens_data()
    {
        QTest::addColumn<char>("op");
        QTest::addColumn<Variant>("a");
        QTest::addColumn<Variant>("b");
        QTest::addColumn<Variant>("expected");

        QTest::newRow("Empty + Integer is Integer") << '+' << Variant() << Integer(1) << Integer(1);
        QTest::newRow("Empty + Empty is Integer 0") << '+' << Variant() << Variant() << Integer(0);
        QTest::newRow("Integer top + 1 widens to Long")
            << '+' << Integer(32767) << Integer(1) << Long(32768);
        QTest::newRow("Integer bottom - 1 widens to Long")
            << '-' << Integer(-32768) << Integer(1) << Long(-32769);
        QTest::newRow("Integer sum at the top stays Integer")
            << '+' << Integer(32766) << Integer(1) << Integer(32767);
        QTest::newRow("Integer product widens")
            << '*' << Integer(199) << Integer(165) << Long(32835);
        QTest::newRow("Integer and Long give Long") << '+' << Integer(1) << Long(2) << Long(3);
        QTest::newRow("Long beyond 32 bits widens to Double")
            << '+' << Long(std::numeric_limits<qint32>::max()) << Integer(1)
            << Double(2147483648.0);
        QTest::newRow("Long product beyond 32 bits is Double")
            << '*' << Long(100000) << Long(100000) << Double(1e10);
        QTest::newRow("Single wins over Integer") << '*' << Single(2) << Integer(-1) << Single(-2);
        QTest::newRow("Single wins over Long") << '+' << Long(1) << Single(0.5f) << Single(1.5f);
        QTest::newRow("Double wins over Single")
            << '+' << Single(1) << Double(0.25) << Double(1.25);
        QTest::newRow("Integer minus Single") << '-' << Integer(500) << Single(3) << Single(497);
    }
    void arithmeticWidens()
    {
        QFETCH(char, op);
        QFETCH(Variant, a);
        QFETCH(Variant, b);
        QFETCH(Variant, expected);
        const Variant result = op == '+' ? Add(a, b) : op == '-' ? Subtract(a, b) : Multiply(a, b);
        QCOMPARE(result, expected);
    }

    void divisionGivesSingleOrDouble()
    {
        QCOMPARE(Divide(Integer(300), Integer(10)), Single(30));
        QCOMPARE(ToText(Divide(Integer(300), Integer(10))), QStringLiteral("30"));
        QCOMPARE(ToText(Divide(Integer(295), Integer(10))), QStringLiteral("29.5"));
        QCOMPARE(ToText(Divide(Integer(289), Integer(10))), QStringLiteral("28.9"));
        QCOMPARE(ToText(Divide(Integer(-9), Integer(10))), QStringLiteral("-0.9"));
        QCOMPARE(Divide(Variant(), Integer(4)), Single(0));
        QCOMPARE(Divide(Long(7), Integer(2)), Double(3.5));
        QCOMPARE(Divide(Integer(76), Double(30)).kind(), Variant::Kind::Double);
        // No exception and no undefined behaviour when dividing by zero.
        QVERIFY(std::isinf(Divide(Integer(1), Integer(0)).toDouble()));
    }

    void concatenation()
    {
        QCOMPARE(Concat(Text(QStringLiteral("Level: ")), Integer(2)),
                 Text(QStringLiteral("Level: 2")));
        QCOMPARE(Concat(Variant(), Text(QStringLiteral(" of 15."))),
                 Text(QStringLiteral(" of 15.")));
        QCOMPARE(Concat(Integer(-20), Text(QString())), Text(QStringLiteral("-20")));
        QCOMPARE(Concat(Single(28.9f), Variant()), Text(QStringLiteral("28.9")));
    }

    void comparisons()
    {
        QVERIFY(Equal(Variant(), Integer(0)));
        QVERIFY(Equal(Single(7), Integer(7)));
        QVERIFY(Greater(Integer(15), Integer(14)));
        QVERIFY(!Greater(Integer(0), Integer(0)));
        QVERIFY(Less(Single(10), Integer(11)));
        QVERIFY(GreaterOrEqual(Integer(280), Integer(280)));
        QVERIFY(NotEqual(Text(QStringLiteral("Next")), Text(QStringLiteral("next"))));
        QVERIFY(Equal(Text(QStringLiteral("7")), Text(QStringLiteral("7"))));
        QVERIFY(Less(Text(QStringLiteral("B")), Text(QStringLiteral("a"))));
    }

    void intPartRoundsDown()
    {
        QCOMPARE(IntPart(Single(-2.5f)), Single(-3));
        QCOMPARE(IntPart(Single(2.99f)), Single(2));
        QCOMPARE(IntPart(Double(-0.5)), Double(-1));
        QCOMPARE(IntPart(Integer(4)), Integer(4));
        QCOMPARE(IntPart(Variant()), Integer(0));
    }

    void roundToIntegerGoesToEven_data()
    {
        QTest::addColumn<double>("value");
        QTest::addColumn<int>("expected");
        QTest::newRow("0.5") << 0.5 << 0;
        QTest::newRow("1.5") << 1.5 << 2;
        QTest::newRow("2.5") << 2.5 << 2;
        QTest::newRow("3.5") << 3.5 << 4;
        QTest::newRow("-2.5") << -2.5 << -2;
        QTest::newRow("-3.5") << -3.5 << -4;
        QTest::newRow("2.4999") << 2.4999 << 2;
        QTest::newRow("top") << 32767.0 << 32767;
        QTest::newRow("past the top stops there") << 1e9 << 32767;
        QTest::newRow("past the bottom stops there") << -40000.0 << -32768;
        QTest::newRow("not a number") << std::numeric_limits<double>::quiet_NaN() << 0;
    }
    void roundToIntegerGoesToEven()
    {
        QFETCH(double, value);
        QFETCH(int, expected);
        QCOMPARE(int(RoundToInteger(Double(value))), expected);
    }

    void textOfNumbers_data()
    {
        QTest::addColumn<Variant>("value");
        QTest::addColumn<QString>("expected");
        QTest::newRow("Integer") << Integer(135) << "135";
        QTest::newRow("negative Integer") << Integer(-20) << "-20";
        QTest::newRow("Long") << Long(-32769) << "-32769";
        QTest::newRow("whole Single") << Single(30) << "30";
        QTest::newRow("Single, 7 digits") << Single(1.0f / 3.0f) << "0.3333333";
        QTest::newRow("Single 28.9") << Single(28.9f) << "28.9";
        QTest::newRow("Double, 15 digits") << Double(2.0 / 3.0) << "0.666666666666667";
        QTest::newRow("Double 0.1") << Double(0.1) << "0.1";
        QTest::newRow("negative zero") << Double(-0.0) << "0";
        QTest::newRow("Empty") << Variant() << "";
        QTest::newRow("String") << Text(QStringLiteral("abc")) << "abc";
    }
    void textOfNumbers()
    {
        QFETCH(Variant, value);
        QFETCH(QString, expected);
        QCOMPARE(ToText(value), expected);
    }

    void textUsesTheLocaleDecimalSeparator()
    {
        const QLocale previous;
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        const QString text = ToText(Single(29.5f));
        QLocale::setDefault(previous);
        QCOMPARE(text, QStringLiteral("29,5"));
    }

    void charactersThroughTheWesternCodePage_data()
    {
        QTest::addColumn<int>("code");
        QTest::addColumn<int>("unicode");
        QTest::newRow("carriage return") << 13 << 0x0D;
        QTest::newRow("line feed") << 10 << 0x0A;
        QTest::newRow("full stop") << 46 << 0x2E;
        QTest::newRow("delete") << 127 << 0x7F;
        QTest::newRow("euro sign") << 128 << 0x20AC;
        QTest::newRow("trade mark sign") << 153 << 0x2122;
        QTest::newRow("unassigned 129 stays") << 129 << 0x81;
        QTest::newRow("y diaeresis") << 159 << 0x178;
        QTest::newRow("Latin-1 above") << 233 << 0xE9;
    }
    void charactersThroughTheWesternCodePage()
    {
        QFETCH(int, code);
        QFETCH(int, unicode);
        const QString c = CharOf(code);
        QCOMPARE(c.size(), 1);
        QCOMPARE(int(c.at(0).unicode()), unicode);
    }
};

QTEST_APPLESS_MAIN(tst_ValueRules)
#include "tst_valuerules.moc"
