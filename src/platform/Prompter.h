#pragma once
#include <QtCore/QString>
#include <optional>

namespace vellamora {

// Message boxes of the program. Every box carries the caption "Vellamora"
// unless a caller gives its own.
class Prompter
{
public:
    virtual ~Prompter() = default;

    // Yes/No with the question icon; true only on Yes.
    virtual bool question(const QString &text) = 0;
    // Yes/No with the exclamation icon; true only on Yes.
    virtual bool warningQuestion(const QString &text) = 0;
    // OK with the exclamation icon.
    virtual void warning(const QString &text) = 0;
    // OK with the information icon; an empty caption means "Vellamora".
    virtual void information(const QString &text, const QString &caption = {}) = 0;
    // OK without icon.
    virtual void plain(const QString &text) = 0;
    // The general error report: OK with the error icon.
    virtual void errorReport(const QString &text) = 0;
    // Text input; nothing when cancelled.
    virtual std::optional<QString> inputBox(const QString &caption, const QString &prompt,
                                            const QString &initial) = 0;

    static QString caption() { return QStringLiteral("Vellamora"); }
};

} // namespace vellamora
