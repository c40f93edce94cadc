#include "store/PreparedRun.h"

namespace vellamora {

PreparedRun::PreparedRun(Database &db, const QString &sql, const SqlParams &params)
    : m_stmt(db.cachedStatement(sql)), m_handle(db.handle())
{
    for (const auto &[name, value] : params) {
        const QByteArray key = (name.startsWith(QLatin1Char(':')) ? name : QLatin1Char(':') + name).toUtf8();
        const int index = sqlite3_bind_parameter_index(m_stmt, key.constData());
        if (index == 0)
            continue;
        const QVariant bound = Database::bindable(value);
        if (bound.isNull()) {
            sqlite3_bind_null(m_stmt, index);
        } else if (bound.typeId() == QMetaType::Int || bound.typeId() == QMetaType::LongLong) {
            sqlite3_bind_int64(m_stmt, index, bound.toLongLong());
        } else if (bound.typeId() == QMetaType::Double) {
            sqlite3_bind_double(m_stmt, index, bound.toDouble());
        } else {
            const QByteArray text = bound.toString().toUtf8();
            sqlite3_bind_text(m_stmt, index, text.constData(), int(text.size()), SQLITE_TRANSIENT);
        }
    }
    db.countRead(sql);
}

bool PreparedRun::step()
{
    const int rc = sqlite3_step(m_stmt);
    if (rc == SQLITE_ROW)
        return true;
    if (rc == SQLITE_DONE)
        return false;
    throw StoreError(QString::fromUtf8(sqlite3_errmsg(m_handle)));
}

} // namespace vellamora
