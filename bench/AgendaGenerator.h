#pragma once
#include <QtCore/QDate>
#include <QtCore/QString>

#include <memory>

namespace vellamora {
class Database;
}

namespace vellamora::bench {

// How a generated appointment table is composed.
// Decade: a heavy user's ten years: about 96% one-shot spread over the years, 2.5% yearly,
//         1% monthly, 0.5% weekly; a few percent with parity, expiry, suspension or done
//         marks; a handful of nag rows.
// Stress: 70% one-shot, 15% yearly, 8% monthly, 7% weekly, the same options.
enum class Mix { Decade, Stress };

QString mixName(Mix mix);

// The ten years covered end with this year; benchmarks read around this day.
inline QDate benchToday()
{
    return QDate(2026, 7, 15);
}

// Writes a new database file holding VNarc66 (with the agenda indexes) and `count`
// appointments. The same seed gives the same table.
void generateAppointments(const QString &file, Mix mix, int count, quint32 seed = 20260715);

// The generated table of `count` appointments of `mix`, opened read-only; it is made the
// first time (in VELLAMORA_BENCH_DATA, else bench-data beside the program) and reused.
std::unique_ptr<Database> openGeneratedTable(Mix mix, int count);

} // namespace vellamora::bench
