#pragma once

#include <QString>
#include <QtGlobal>

#include <variant>

// A dynamically typed value as the trainer's shared progress record and its
// intermediate results hold them: Empty, a 16-bit Integer, a 32-bit Long, a
// 32-bit Single, a 64-bit Double or a String.
class Variant
{
public:
    enum class Kind { Empty, Integer, Long, Single, Double, String };

    Variant() = default;

    Kind kind() const { return static_cast<Kind>(m_value.index()); }
    bool isEmpty() const { return kind() == Kind::Empty; }
    bool isNumeric() const { return kind() != Kind::String; }

    // Numeric value; Empty is 0 and a String is read as a number (0 if it is none).
    double toDouble() const;
    // Integral value for Empty, Integer and Long; only valid for those kinds.
    qint64 toInteger() const;
    friend Variant Integer(qint16 value);
    friend Variant Long(qint32 value);
    friend Variant Single(float value);
    friend Variant Double(double value);
    friend Variant Text(const QString &value);
    // The text of a value is the value rule ToText.
    friend QString ToText(const Variant &x);

    friend bool operator==(const Variant &, const Variant &) = default;

private:
    using Storage = std::variant<std::monostate, qint16, qint32, float, double, QString>;
    explicit Variant(Storage value) : m_value(std::move(value)) {}
    Storage m_value;
};

Variant Integer(qint16 value);
Variant Long(qint32 value);
Variant Single(float value);
Variant Double(double value);
Variant Text(const QString &value);
