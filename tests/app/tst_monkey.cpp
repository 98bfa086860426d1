#include "monkey.h"

#include <QtTest>

namespace {

int setting(const char *name, int otherwise)
{
    bool ok = false;
    const int value = qEnvironmentVariableIntValue(name, &ok);
    return ok ? value : otherwise;
}

} // namespace

// The whole program under a seeded random user. THORNAX_MONKEY_SEED (first
// seed), THORNAX_MONKEY_SEEDS (how many, in sequence) and THORNAX_MONKEY_EVENTS
// (per seed) choose the run; THORNAX_MONKEY_ONLY replays a shrunk list of events.
class tst_Monkey : public QObject
{
    Q_OBJECT

private slots:
    void randomUseKeepsEveryInvariant()
    {
        const auto first = quint32(setting("THORNAX_MONKEY_SEED", 1));
        const int seeds = setting("THORNAX_MONKEY_SEEDS", 1);
        const int events = setting("THORNAX_MONKEY_EVENTS", 20000);
        const QStringList only =
            qEnvironmentVariable("THORNAX_MONKEY_ONLY").split(u',', Qt::SkipEmptyParts);
        for (quint32 seed = first; seed < first + quint32(seeds); ++seed) {
            qInfo("monkey: seed %u, %d events; replay: THORNAX_MONKEY_SEED=%u "
                  "THORNAX_MONKEY_EVENTS=%d",
                  seed, events, seed, events);
            Monkey monkey(seed);
            if (!only.isEmpty()) {
                QList<int> list;
                for (const QString &event : only)
                    list.append(event.toInt());
                const auto failure = monkey.play(list);
                QVERIFY2(!failure, failure ? qPrintable(QStringLiteral("seed %1, event %2: %3")
                                                            .arg(seed)
                                                            .arg(failure->event)
                                                            .arg(failure->message))
                                           : "");
                continue;
            }
            const auto failure = monkey.playAndShrink(events);
            QVERIFY2(!failure, failure ? qPrintable(*failure) : "");
            qInfo("monkey: seed %u passed: %d programs, %d modules finished, %d certificates", seed,
                  monkey.stats.episodes, monkey.stats.modules, monkey.stats.certificates);
        }
    }
};

QTEST_MAIN(tst_Monkey)
#include "tst_monkey.moc"
