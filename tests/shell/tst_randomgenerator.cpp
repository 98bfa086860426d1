#include "randomgenerator.h"
#include "valuerules.h"

#include <QSet>
#include <QtTest>

// The trainer's random generator, reseeded from the clock before every draw.
class tst_RandomGenerator : public QObject
{
    Q_OBJECT

private slots:
    void drawsStayInTheirRange()
    {
        RandomGenerator generator(1);
        QSet<int> seen;
        for (int i = 0; i < 30000; ++i) {
            generator.Reseed(float(i % 7));
            const float unit = generator.RandomUnit();
            QVERIFY(unit >= 0.0f && unit < 1.0f);
            const int k = RoundToInteger(Add(IntPart(Single(unit * 3)), Integer(1)));
            QVERIFY(k >= 1 && k <= 3);
            seen.insert(k);
        }
        QCOMPARE(seen.size(), 3);
    }

    void reseedingWithAnUnchangedClockDoesNotRepeat()
    {
        // Four drifts in one tick, or two quick clicks, reseed with the same
        // clock reading: their draws must still differ from each other.
        RandomGenerator generator(42);
        QList<float> draws;
        for (int i = 0; i < 8; ++i) {
            generator.Reseed(36000.25f);
            draws.append(generator.RandomUnit());
        }
        QCOMPARE(QSet<float>(draws.begin(), draws.end()).size(), draws.size());
    }

    void drawsAreRoughlyUniform()
    {
        RandomGenerator generator(99);
        int counts[10] = {};
        const int n = 100000;
        for (int i = 0; i < n; ++i) {
            generator.Reseed(float(i / 100)); // the clock advances slowly
            ++counts[int(generator.RandomUnit() * 10)];
        }
        for (int count : counts)
            QVERIFY2(count > n / 10 * 0.95 && count < n / 10 * 1.05,
                     qPrintable(QString::number(count)));
    }
};

QTEST_APPLESS_MAIN(tst_RandomGenerator)
#include "tst_randomgenerator.moc"
