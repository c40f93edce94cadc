// The agenda's speed on generated tables of 10,000, 100,000 and 1,000,000 appointments:
// one day agenda read into records as the agenda page reads it, the 31 day agendas of a
// month, the alarm list, and a plain read of the whole table (the floor).
// Generated databases are kept in $VELLAMORA_BENCH_DATA (default: bench-data beside the
// program) and reused. $VELLAMORA_BENCH_CACHE_KIB overrides the connection's page cache.
#include "AgendaGenerator.h"

#include "agenda/AgendaQuery.h"
#include "store/Database.h"

#include <QtCore/QCoreApplication>

#include <benchmark/benchmark.h>

#include <map>
#include <memory>

using namespace vellamora;
using namespace vellamora::agenda;
using vellamora::bench::Mix;

namespace {

// The page cache the program's connections use (see Database::setCacheSize).
constexpr int kCacheKiB = 64 * 1024;

// One open, read-only database per table, generated the first time it is needed; closed
// by main() while Qt is still there.
std::map<std::pair<Mix, int>, std::unique_ptr<Database>> g_open;

Database &table(Mix mix, int count)
{
    auto &slot = g_open[{ mix, count }];
    if (!slot) {
        slot = bench::openGeneratedTable(mix, count);
        bool overridden = false;
        const int kib = qEnvironmentVariableIntValue("VELLAMORA_BENCH_CACHE_KIB", &overridden);
        slot->setCacheSize(overridden ? kib : kCacheKiB);
    }
    return *slot;
}

const Regional &regional()
{
    static const Regional r = Regional::italian();
    return r;
}

QDate monthStart()
{
    const QDate today = bench::benchToday();
    return QDate(today.year(), today.month(), 1); // July: 31 days
}

void dayAgenda(benchmark::State &state, Mix mix, int count)
{
    Database &db = table(mix, count);
    int day = 0;
    size_t rows = 0;
    for (auto _ : state) {
        const auto list = readAgenda(db, Variant::DayAgenda, monthStart().addDays(day), regional());
        rows += list.size();
        day = (day + 1) % 31;
        benchmark::DoNotOptimize(list.data());
    }
    state.counters["rows"] = benchmark::Counter(double(rows), benchmark::Counter::kAvgIterations);
}

void monthAgendas(benchmark::State &state, Mix mix, int count)
{
    Database &db = table(mix, count);
    for (auto _ : state) {
        for (int day = 0; day < 31; ++day) {
            const auto list = readAgenda(db, Variant::DayAgenda, monthStart().addDays(day), regional());
            benchmark::DoNotOptimize(list.data());
        }
    }
}

void alarmList(benchmark::State &state, Mix mix, int count)
{
    Database &db = table(mix, count);
    for (auto _ : state) {
        const auto list = readAgenda(db, Variant::AlarmList, bench::benchToday(), regional());
        benchmark::DoNotOptimize(list.data());
    }
}

// The advance-notice scan that follows every day agenda refresh, with the default 5 days.
void advanceScan(benchmark::State &state, Mix mix, int count)
{
    Database &db = table(mix, count);
    for (auto _ : state)
        benchmark::DoNotOptimize(advanceNoticeScan(db, bench::benchToday(), 5, regional()));
}

void wholeTable(benchmark::State &state, Mix mix, int count)
{
    Database &db = table(mix, count);
    for (auto _ : state) {
        const auto list = readAppointments(db, QStringLiteral("SELECT * FROM VNarc66"));
        benchmark::DoNotOptimize(list.data());
    }
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    for (const Mix mix : { Mix::Decade, Mix::Stress }) {
        for (const int count : { 10'000, 100'000, 1'000'000 }) {
            const auto name = [&](const char *what) {
                return QString(QString::fromLatin1(what) + QLatin1Char('/') + bench::mixName(mix)
                    + QLatin1Char('/') + QString::number(count))
                    .toStdString();
            };
            benchmark::RegisterBenchmark(name("DayAgenda").c_str(), dayAgenda, mix, count)
                ->Unit(benchmark::kMicrosecond);
            benchmark::RegisterBenchmark(name("MonthAgendas").c_str(), monthAgendas, mix, count)
                ->Unit(benchmark::kMillisecond);
            benchmark::RegisterBenchmark(name("AlarmList").c_str(), alarmList, mix, count)
                ->Unit(benchmark::kMicrosecond);
            benchmark::RegisterBenchmark(name("AdvanceScan").c_str(), advanceScan, mix, count)
                ->Unit(benchmark::kMicrosecond);
            benchmark::RegisterBenchmark(name("WholeTable").c_str(), wholeTable, mix, count)
                ->Unit(benchmark::kMillisecond);
        }
    }
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    g_open.clear();
    return 0;
}
