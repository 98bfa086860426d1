#include "installerrules.h"

#include "valuerules.h"

#include <algorithm>
#include <limits>

Variant TimeLimit(const Variant &level)
{
    return Subtract(Integer(300), Multiply(Integer(10), level));
}

QString RemainingTimeText(const Variant &ticks)
{
    return Concat(Concat(Text(QStringLiteral("Remaining time:")), Divide(ticks, Integer(10))),
                  Text(QStringLiteral(" seconds.")))
        .toText();
}

int ShufflePeriod(const Variant &level)
{
    Variant p = Subtract(Integer(1000), Multiply(Integer(10), level));
    if (Less(p, Integer(1)))
        p = Integer(1);
    return static_cast<int>(std::min<double>(p.toDouble(), std::numeric_limits<int>::max()));
}

Arrangement ArrangementFor(const Variant &k)
{
    static const std::array<Arrangement, 3> arrangements{{
        {QStringLiteral("Next"), QStringLiteral("Cancel"), QStringLiteral("Back")},
        {QStringLiteral("Back"), QStringLiteral("Next"), QStringLiteral("Cancel")},
        {QStringLiteral("Cancel"), QStringLiteral("Back"), QStringLiteral("Next")},
    }};
    const int row = std::clamp<int>(RoundToInteger(k), 1, 3) - 1;
    return arrangements[static_cast<std::size_t>(row)];
}
