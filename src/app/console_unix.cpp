#include "console.h"

#include <QStringView>

void printForUser(std::FILE *stream, std::u16string_view text)
{
    const QStringView view(text.data(), qsizetype(text.size()));
    std::fputs(view.toLocal8Bit().constData(), stream);
}
