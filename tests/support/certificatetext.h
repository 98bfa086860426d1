#pragma once

#include <QString>

// The certificate's text made out to the name, as the user reads it: lines
// broken by carriage returns, the trade mark sign after "Windows".
inline QString certificateText(const QString &name)
{
    return QStringLiteral("Hereby, ") + name +
           QStringLiteral(" is a Thornax certificated Windows\u2122 user.\r"
                          "He can, and will use the operating system with full effiency.\r"
                          "He is also considered indeed suitable for all kinds of jobs, such as "
                          "programmer, network technician, even a member of the Frostlan "
                          "tech-Crew.");
}
