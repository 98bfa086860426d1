#include "valuerules.h"

#include <QLocale>

#include <cmath>
#include <limits>

namespace {

using Kind = Variant::Kind;

// The kind an operand counts as in arithmetic: Empty is an Integer, a String a Double.
Kind arithmeticKind(const Variant &v)
{
    switch (v.kind()) {
    case Kind::Empty:
        return Kind::Integer;
    case Kind::String:
        return Kind::Double;
    default:
        return v.kind();
    }
}

bool isIntegral(Kind k)
{
    return k == Kind::Integer || k == Kind::Long;
}

// Gives an exact integer result the narrowest kind allowed: Integer only when
// both operands were Integers, then Long, then Double.
Variant widenedInteger(qint64 result, bool bothInteger)
{
    if (bothInteger && result >= std::numeric_limits<qint16>::min() &&
        result <= std::numeric_limits<qint16>::max())
        return Integer(static_cast<qint16>(result));
    if (result >= std::numeric_limits<qint32>::min() &&
        result <= std::numeric_limits<qint32>::max())
        return Long(static_cast<qint32>(result));
    return Double(static_cast<double>(result));
}

template<class IntegerOp, class FloatOp>
Variant arithmetic(const Variant &a, const Variant &b, IntegerOp integerOp, FloatOp floatOp)
{
    const Kind ka = arithmeticKind(a);
    const Kind kb = arithmeticKind(b);
    if (ka == Kind::Double || kb == Kind::Double)
        return Double(floatOp(a.toDouble(), b.toDouble()));
    if (ka == Kind::Single || kb == Kind::Single)
        return Single(static_cast<float>(
            floatOp(static_cast<float>(a.toDouble()), static_cast<float>(b.toDouble()))));
    Q_ASSERT(isIntegral(ka) && isIntegral(kb));
    return widenedInteger(integerOp(a.toInteger(), b.toInteger()),
                          ka == Kind::Integer && kb == Kind::Integer);
}

// -1, 0 or 1 as a is below, equal to or above b.
int compare(const Variant &a, const Variant &b)
{
    if (a.isNumeric() && b.isNumeric()) {
        const double x = a.toDouble();
        const double y = b.toDouble();
        return x < y ? -1 : (x > y ? 1 : 0);
    }
    const int order = QString::compare(ToText(a), ToText(b), Qt::CaseSensitive);
    return order < 0 ? -1 : (order > 0 ? 1 : 0);
}

QString numberText(double value, int significantDigits)
{
    if (std::isnan(value))
        return QStringLiteral("NaN");
    if (std::isinf(value))
        return value > 0 ? QStringLiteral("Infinity") : QStringLiteral("-Infinity");
    if (value == 0)
        return QStringLiteral("0"); // also for -0
    QString text = QString::number(value, 'g', significantDigits).toUpper();
    const QString separator = QLocale().decimalPoint();
    if (separator != QLatin1String("."))
        text.replace(QLatin1Char('.'), separator);
    return text;
}

} // namespace

Variant Add(const Variant &a, const Variant &b)
{
    return arithmetic(
        a, b, [](qint64 x, qint64 y) { return x + y; }, [](auto x, auto y) { return x + y; });
}

Variant Subtract(const Variant &a, const Variant &b)
{
    return arithmetic(
        a, b, [](qint64 x, qint64 y) { return x - y; }, [](auto x, auto y) { return x - y; });
}

Variant Multiply(const Variant &a, const Variant &b)
{
    return arithmetic(
        a, b, [](qint64 x, qint64 y) { return x * y; }, [](auto x, auto y) { return x * y; });
}

Variant Divide(const Variant &a, const Variant &b)
{
    const auto singleKind = [](const Variant &v) {
        return v.kind() == Kind::Empty || v.kind() == Kind::Integer || v.kind() == Kind::Single;
    };
    if (singleKind(a) && singleKind(b))
        return Single(static_cast<float>(a.toDouble()) / static_cast<float>(b.toDouble()));
    return Double(a.toDouble() / b.toDouble());
}

Variant Concat(const Variant &a, const Variant &b)
{
    return Text(ToText(a) + ToText(b));
}

bool Equal(const Variant &a, const Variant &b)
{
    return compare(a, b) == 0;
}
bool NotEqual(const Variant &a, const Variant &b)
{
    return compare(a, b) != 0;
}
bool Less(const Variant &a, const Variant &b)
{
    return compare(a, b) < 0;
}
bool Greater(const Variant &a, const Variant &b)
{
    return compare(a, b) > 0;
}
bool GreaterOrEqual(const Variant &a, const Variant &b)
{
    return compare(a, b) >= 0;
}

Variant IntPart(const Variant &x)
{
    switch (x.kind()) {
    case Kind::Empty:
        return Integer(0);
    case Kind::Integer:
    case Kind::Long:
        return x;
    case Kind::Single:
        return Single(std::floor(static_cast<float>(x.toDouble())));
    case Kind::Double:
    case Kind::String:
        return Double(std::floor(x.toDouble()));
    }
    return x;
}

qint16 RoundToInteger(const Variant &x)
{
    const double value = x.toDouble();
    if (std::isnan(value))
        return 0;
    constexpr double low = std::numeric_limits<qint16>::min();
    constexpr double high = std::numeric_limits<qint16>::max();
    if (value <= low)
        return std::numeric_limits<qint16>::min();
    if (value >= high)
        return std::numeric_limits<qint16>::max();
    // Round half to even, independent of the floating-point environment.
    const double lower = std::floor(value);
    const double fraction = value - lower;
    double rounded = lower;
    if (fraction > 0.5 || (fraction == 0.5 && std::fmod(lower, 2.0) != 0))
        rounded = lower + 1;
    return static_cast<qint16>(rounded);
}

QString ToText(const Variant &x)
{
    switch (x.kind()) {
    case Kind::Empty:
        return QString();
    case Kind::Integer:
    case Kind::Long:
        return QString::number(x.toInteger());
    case Kind::Single:
        return numberText(x.toDouble(), 7);
    case Kind::Double:
        return numberText(x.toDouble(), 15);
    case Kind::String:
        return std::get<QString>(x.m_value);
    }
    return QString();
}

QString LowerCase(const QString &s)
{
    return s.toLower();
}

int TextLength(const QString &s)
{
    return static_cast<int>(s.size());
}

QString CharOf(int code)
{
    if (code >= 128 && code <= 159) {
        // The code page's printable characters in the range that Latin-1 leaves
        // to control codes; the five unassigned codes keep their own value.
        static constexpr char16_t western[32] = {
            0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
            0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
            0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};
        return QString(QChar(western[code - 128]));
    }
    if (code < 0 || code > 0xFFFF)
        return QString();
    return QString(QChar(static_cast<char16_t>(code)));
}

int RgbColour(int red, int green, int blue)
{
    return red + 256 * green + 65536 * blue;
}

void countUp(qint16 &counter)
{
    if (counter < std::numeric_limits<qint16>::max())
        ++counter;
}
