#include "fakeservices.h"

void RecordingDialogs::ShowMessage(const QString &prompt, MessageIcon icon)
{
    messages.append({prompt, icon});
    if (whileOpen)
        whileOpen();
}

QString RecordingDialogs::AskText(const QString &prompt)
{
    questions.append(prompt);
    if (whileOpen)
        whileOpen();
    return answers.isEmpty() ? QString() : answers.takeFirst();
}

QStringList RecordingDialogs::prompts() const
{
    QStringList result;
    for (const ShownMessage &message : messages)
        result.append(message.prompt);
    return result;
}
