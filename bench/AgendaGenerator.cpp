#include "AgendaGenerator.h"

#include "agenda/Appointment.h"
#include "app/Regional.h"
#include "store/Database.h"
#include "store/Schema.h"

#include <QtCore/QCoreApplication>
#include <QtCore/QDir>
#include <QtCore/QFile>
#include <QtCore/QFileInfo>
#include <QtCore/QRandomGenerator>

#include <sqlite3.h>

namespace vellamora::bench {

namespace {

const char *const kWords[]
    = { "Riunione", "Caffè con Luca", "Dentista", "Palestra", "Affitto", "Bolletta luce", "Compleanno",
          "Onomastico", "Cena", "Lezione di piano", "Spesa", "Medico", "Revisione auto", "Assicurazione",
          "Anniversario", "Partita", "Telefonare a Anna", "Consegna progetto", "Colloquio", "Festa" };

class Rows
{
public:
    Rows(Mix mix, quint32 seed) : m_mix(mix), m_random(seed), m_regional(Regional::italian()) { }

    agenda::Appointment next(int index, int count)
    {
        using namespace agenda;
        const QDate first(benchToday().year() - 9, 1, 1);
        const QDate last(benchToday().year(), 12, 31);
        const int span = int(first.daysTo(last)) + 1;

        Appointment a;
        a.id = QString::fromUtf8(kWords[pick(std::size(kWords))]) + QLatin1Char(' ')
            + QString::number(pick(1000));
        a.orario = pick(5) == 0 ? QStringLiteral("  :  ") : time();
        a.orario2 = pick(2) == 0 ? QStringLiteral("  :  ") : time();
        a.datefull = first.addDays(pick(span));
        a.flagscad = marker::no;
        a.scadenza = a.datefull;
        a.anticipa = pick(20) == 0 ? marker::yes : marker::no;
        a.sospeso = pick(50) == 0 ? marker::yes : marker::no;

        const int nagRows = std::min(10, std::max(1, count / 1000));
        const int p = pick(1000);
        const bool decade = m_mix == Mix::Decade;
        if (index < nagRows) {
            a.flag = QStringLiteral("O");
            a.dayofweek = marker::nag;
        } else if (p < (decade ? 960 : 700)) {
            a.flag = QStringLiteral("O");
            const int option = pick(100);
            if (option < 3) {
                a.flagscad = marker::yes;
                a.scadenza = a.datefull.addDays(1 + pick(14));
            } else if (option < 4) {
                a.dayofweek = marker::autoDelete;
            }
        } else if (p < (decade ? 985 : 850)) {
            a.flag = QStringLiteral("Y");
            a.data = dayMonthText(a.datefull, m_regional);
            a.dayofmonth = pick(2) == 0 ? marker::yearCountOn : marker::yearCountOff;
            if (pick(10) == 0)
                a.dayofweek = parityMarker(weekNumber(a.datefull).year);
            if (pick(5) == 0)
                a.dayindex = 1 + pick(5000);
        } else if (p < (decade ? 995 : 930)) {
            a.flag = QStringLiteral("M");
            a.dayofmonth = dayText(a.datefull);
            if (pick(10) == 0)
                a.dayofweek = parityMarker(a.datefull.month());
        } else {
            a.flag = QStringLiteral("W");
            a.dayofweek = weekdayText(a.datefull, m_regional);
            a.dayindex = a.datefull.dayOfWeek() % 7 + 1;
            if (pick(10) == 0)
                a.dayofmonth = parityMarker(weekNumber(a.datefull).week);
        }
        if (a.flag != QLatin1String("O") && pick(10) == 0) {
            a.flagscad = marker::yes;
            a.scadenza = a.datefull.addDays(pick(span));
        }
        if (pick(20) == 0) {
            a.fatto = a.datefull.addDays(pick(30));
            a.flagfatto = marker::yes;
        } else {
            a.fatto = neverDoneDate(a.datefull);
            a.flagfatto = marker::no;
        }
        return a;
    }

private:
    int pick(size_t n) { return int(m_random.bounded(quint32(n))); }
    QString time()
    {
        return QStringLiteral("%1:%2")
            .arg(7 + pick(15), 2, 10, QLatin1Char('0'))
            .arg(pick(4) * 15, 2, 10, QLatin1Char('0'));
    }

    Mix m_mix;
    QRandomGenerator m_random;
    Regional m_regional;
};

void check(int rc, sqlite3 *db)
{
    if (rc != SQLITE_OK && rc != SQLITE_DONE && rc != SQLITE_ROW)
        throw StoreError(QString::fromUtf8(sqlite3_errmsg(db)));
}

} // namespace

QString mixName(Mix mix)
{
    return mix == Mix::Decade ? QStringLiteral("decade") : QStringLiteral("stress");
}

void generateAppointments(const QString &file, Mix mix, int count, quint32 seed)
{
    QFile::remove(file);
    Database db;
    db.open(file);
    db.exec(schema::createTableSql(schema::table(QStringLiteral("VNarc66"))));
    schema::ensureIndexes(db);

    // Bulk insert through the engine directly: one transaction, one prepared statement.
    const SqlParams shape = agenda::appointmentValues({});
    QStringList names;
    QStringList slots;
    for (const auto &[name, value] : shape) {
        names << name;
        slots << QLatin1Char(':') + name;
    }
    const QByteArray sql = (QStringLiteral("INSERT INTO VNarc66 (") + names.join(QLatin1Char(','))
        + QStringLiteral(") VALUES (") + slots.join(QLatin1Char(',')) + QLatin1Char(')'))
                               .toUtf8();
    sqlite3 *raw = db.handle();
    check(sqlite3_exec(raw, "BEGIN", nullptr, nullptr, nullptr), raw);
    sqlite3_stmt *insert = nullptr;
    check(sqlite3_prepare_v2(raw, sql.constData(), int(sql.size()), &insert, nullptr), raw);
    Rows rows(mix, seed);
    for (int i = 0; i < count; ++i) {
        const SqlParams values = agenda::appointmentValues(rows.next(i, count));
        for (int c = 0; c < int(values.size()); ++c) {
            const QVariant v = Database::bindable(values[size_t(c)].second);
            if (v.isNull()) {
                sqlite3_bind_null(insert, c + 1);
            } else if (v.typeId() == QMetaType::Double) {
                sqlite3_bind_double(insert, c + 1, v.toDouble());
            } else {
                const QByteArray text = v.toString().toUtf8();
                sqlite3_bind_text(insert, c + 1, text.constData(), int(text.size()), SQLITE_TRANSIENT);
            }
        }
        check(sqlite3_step(insert), raw);
        sqlite3_reset(insert);
    }
    sqlite3_finalize(insert);
    check(sqlite3_exec(raw, "COMMIT", nullptr, nullptr, nullptr), raw);
}

std::unique_ptr<Database> openGeneratedTable(Mix mix, int count)
{
    const QString env = qEnvironmentVariable("VELLAMORA_BENCH_DATA");
    const QString folder
        = env.isEmpty() ? QCoreApplication::applicationDirPath() + QStringLiteral("/bench-data") : env;
    QDir().mkpath(folder);
    const QString file
        = QDir(folder).filePath(mixName(mix) + QLatin1Char('-') + QString::number(count) + QStringLiteral(".abs"));
    if (!QFileInfo::exists(file)) {
        const QString partial = file + QStringLiteral(".part");
        generateAppointments(partial, mix, count);
        QFile::rename(partial, file);
    } else {
        // A table kept from an earlier run gets the indexes added since, as a user's
        // database does at start-up; otherwise the figures would measure an old schema.
        Database upgrade;
        upgrade.open(file);
        schema::ensureIndexes(upgrade);
    }
    auto db = std::make_unique<Database>();
    db->open(file, Database::Access::ReadOnly);
    return db;
}

} // namespace vellamora::bench
