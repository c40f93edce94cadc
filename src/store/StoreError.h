#pragma once
#include <QtCore/QString>
#include <stdexcept>

namespace vellamora {

// An error raised by the database engine or by a file operation of the store.
// `text()` is the engine's own message.
class StoreError : public std::runtime_error
{
public:
    explicit StoreError(const QString &text)
        : std::runtime_error(text.toStdString()), m_text(text)
    {}
    const QString &text() const { return m_text; }
    static QString className() { return QStringLiteral("EDatabaseError"); }

private:
    QString m_text;
};

} // namespace vellamora
