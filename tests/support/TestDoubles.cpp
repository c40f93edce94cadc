#include "support/TestDoubles.h"

#include <QtCore/QFile>

namespace vellamora::test {

std::optional<QString> ScriptedPrompter::inputBox(const QString &caption, const QString &prompt,
                                                  const QString &)
{
    record(QStringLiteral("input"), prompt, caption);
    if (inputs.empty())
        return std::nullopt;
    auto v = inputs.front();
    inputs.pop_front();
    return v;
}

QStringList ScriptedPrompter::texts(const QString &kind) const
{
    QStringList out;
    for (const Shown &s : shown) {
        if (kind.isEmpty() || s.kind == kind)
            out << s.text;
    }
    return out;
}

bool ScriptedPrompter::answer(const QString &kind, const QString &text)
{
    record(kind, text);
    if (answers.empty())
        return defaultAnswer;
    const bool a = answers.front();
    answers.pop_front();
    return a;
}

void ScriptedPrompter::record(const QString &kind, const QString &text, const QString &caption)
{
    shown.push_back({kind, text, caption});
}

bool RecordingShell::open(const QString &target)
{
    opened << target;
    return accepts(target);
}

bool RecordingShell::writeDesktopEntry(const QString &path, const QString &, const QString &)
{
    entries << path;
    QFile f(path);
    return f.open(QIODevice::WriteOnly);
}

bool RecordingShell::dial(const QString &number)
{
    dialled << number;
    return true;
}

} // namespace vellamora::test
