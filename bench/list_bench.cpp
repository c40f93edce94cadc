// One keystroke in a list page's search field with 100,000 appointments: the list is
// re-read for the new text and the first screen of the grid (30 rows) is drawn from the
// model. Each kind's list, on both generated mixes, with a short and a longer text.
// Databases are shared with the agenda benchmark ($VELLAMORA_BENCH_DATA).
#include "AgendaGenerator.h"

#include "agenda/AppointmentListModel.h"
#include "store/Database.h"

#include <QtCore/QCoreApplication>

#include <benchmark/benchmark.h>

#include <map>
#include <memory>

using namespace vellamora;
using namespace vellamora::agenda;
using vellamora::bench::Mix;

namespace {

constexpr int kCount = 100'000;
constexpr int kScreenRows = 30;

std::map<Mix, std::unique_ptr<Database>> g_open;

Database &table(Mix mix)
{
    auto &slot = g_open[mix];
    if (!slot)
        slot = bench::openGeneratedTable(mix, kCount);
    return *slot;
}

const Regional &regional()
{
    static const Regional r = Regional::italian();
    return r;
}

void keystroke(benchmark::State &state, Mix mix, AppointmentKind kind, const QString &text)
{
    Database &db = table(mix);
    AppointmentListModel model(db, kind, regional());
    ListFilter filter;
    filter.text = text;
    int rows = 0;
    for (auto _ : state) {
        model.refresh(filter);
        rows = model.rowCount();
        for (int r = 0; r < std::min(rows, kScreenRows); ++r) {
            for (int c = 0; c < model.columnCount(); ++c)
                benchmark::DoNotOptimize(model.data(model.index(r, c)));
        }
    }
    state.counters["rows"] = rows;
}

// Column fitting after an add: the texts of the measured columns (date and description)
// over the whole list; the fixed-width columns are not read.
void fitting(benchmark::State &state, Mix mix, AppointmentKind kind)
{
    Database &db = table(mix);
    AppointmentListModel model(db, kind, regional());
    model.setDatePicture(QStringLiteral("dddd d mmmm yyyy"));
    model.refresh(ListFilter { kind });
    qsizetype texts = 0;
    for (auto _ : state) {
        texts = model.columnTexts(0).size() + model.columnTexts(3).size();
        benchmark::DoNotOptimize(texts);
    }
    state.counters["rows"] = model.rowCount();
    state.counters["texts"] = double(texts);
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    const std::pair<AppointmentKind, const char *> kinds[]
        = { { AppointmentKind::OneShot, "shot" }, { AppointmentKind::Yearly, "year" },
              { AppointmentKind::Monthly, "month" }, { AppointmentKind::Weekly, "week" } };
    for (const Mix mix : { Mix::Decade, Mix::Stress }) {
        for (const auto &[kind, name] : kinds) {
            for (const QString &text :
                { QStringLiteral("a"), QStringLiteral("riunione"), QStringLiteral("caffè"), QString() }) {
                const std::string label = "keystroke/" + bench::mixName(mix).toStdString() + "/" + name + "/'"
                    + text.toStdString() + "'";
                benchmark::RegisterBenchmark(label.c_str(), [=](benchmark::State &s) {
                    keystroke(s, mix, kind, text);
                })->Unit(benchmark::kMillisecond);
            }
        }
    }
    for (const Mix mix : { Mix::Decade, Mix::Stress }) {
        const std::string label = "fit/" + bench::mixName(mix).toStdString() + "/shot";
        benchmark::RegisterBenchmark(label.c_str(), [=](benchmark::State &s) {
            fitting(s, mix, AppointmentKind::OneShot);
        })->Unit(benchmark::kMillisecond);
    }
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    g_open.clear();
    return 0;
}
