#include "variant.h"

#include "valuerules.h"

#include <QLocale>

Variant Integer(qint16 value)
{
    return Variant(Variant::Storage(std::in_place_type<qint16>, value));
}
Variant Long(qint32 value)
{
    return Variant(Variant::Storage(std::in_place_type<qint32>, value));
}
Variant Single(float value)
{
    return Variant(Variant::Storage(std::in_place_type<float>, value));
}
Variant Double(double value)
{
    return Variant(Variant::Storage(std::in_place_type<double>, value));
}
Variant Text(const QString &value)
{
    return Variant(Variant::Storage(value));
}

double Variant::toDouble() const
{
    switch (kind()) {
    case Kind::Empty:
        return 0;
    case Kind::Integer:
        return std::get<qint16>(m_value);
    case Kind::Long:
        return std::get<qint32>(m_value);
    case Kind::Single:
        return std::get<float>(m_value);
    case Kind::Double:
        return std::get<double>(m_value);
    case Kind::String: {
        const QString &text = std::get<QString>(m_value);
        bool ok = false;
        const double value = QLocale().toDouble(text.trimmed(), &ok);
        return ok ? value : text.trimmed().toDouble();
    }
    }
    return 0;
}

qint64 Variant::toInteger() const
{
    switch (kind()) {
    case Kind::Integer:
        return std::get<qint16>(m_value);
    case Kind::Long:
        return std::get<qint32>(m_value);
    default:
        return 0;
    }
}
