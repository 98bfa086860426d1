#include "installerrules.h"

#include "valuerules.h"

#include <QCoreApplication>

#include <algorithm>
#include <limits>

Variant timeLimit(const Variant &level)
{
    return Subtract(Integer(300), Multiply(Integer(10), level));
}

QString remainingTimeText(const Variant &ticks)
{
    return QCoreApplication::translate("Form1", "Remaining time:%1 seconds.")
        .arg(ToText(Divide(ticks, Integer(10))));
}

int shufflePeriod(const Variant &level)
{
    Variant p = Subtract(Integer(1000), Multiply(Integer(10), level));
    if (Less(p, Integer(1)))
        p = Integer(1);
    return static_cast<int>(std::min<double>(p.toDouble(), std::numeric_limits<int>::max()));
}

QString nextCaption()
{
    return QCoreApplication::translate("Form1", "Next");
}

Arrangement arrangementFor(const Variant &k)
{
    const QString next = nextCaption();
    const QString back = QCoreApplication::translate("Form1", "Back");
    const QString cancel = QCoreApplication::translate("Form1", "Cancel");
    const std::array<Arrangement, 3> arrangements{{
        {next, cancel, back},
        {back, next, cancel},
        {cancel, back, next},
    }};
    const int row = std::clamp<int>(RoundToInteger(k), 1, 3) - 1;
    return arrangements[static_cast<std::size_t>(row)];
}
