#pragma once
#include "store/Database.h"

#include <QtSql/QSqlError>

namespace vellamora {

// Groups the statements run while it lives into one transaction: committed at
// commit(), rolled back when it goes out of scope without it (an error was
// raised). Used where many statements run in a row, so they cost one write to
// disk instead of one each and never leave half of their work behind.
class Transaction
{
public:
    explicit Transaction(Database &db) : m_db(db.connection())
    {
        if (!m_db.transaction())
            throw StoreError(m_db.lastError().text());
    }
    ~Transaction()
    {
        if (!m_done)
            m_db.rollback();
    }
    Transaction(const Transaction &) = delete;
    Transaction &operator=(const Transaction &) = delete;

    void commit()
    {
        if (!m_db.commit())
            throw StoreError(m_db.lastError().text());
        m_done = true;
    }

private:
    QSqlDatabase m_db;
    bool m_done = false;
};

} // namespace vellamora
