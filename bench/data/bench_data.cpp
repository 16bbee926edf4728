// 10,000 key lookups and 10,000 inserts through ExecSQL, and the same work through a QSqlQuery
// prepared once, on SQLite and (when KORVELL_TEST_PG names a server) PostgreSQL.
#include "bench/support/benchdatabase.h"
#include "bench/support/benchsize.h"

#include <QCoreApplication>
#include <QSqlRecord>
#include <benchmark/benchmark.h>
#include <cstdio>
#include <list>

using namespace korvell;

namespace {

const int operations = benchsupport::sized(10000, 100);

const QString insertItem
    = "insert into c_proc_main (serialno,count_num,enter_date,groupno,proc_mod,proc_mod1,"
      "proc_weight,proc_net_wt,rk_date,station_no) values (?,?,?,?,?,?,?,?,?,?)";
const QString lookupItem = "select * from c_proc_main where serialno=?";

QString serial(int i)
{
    return QString("20260930035%1").arg(10001 + i);
}

QVariantList itemValues(int i)
{
    return { serial(i), 10001 + i, sqlDateTime(QDateTime(QDate(2026, 9, 30), QTime(8, 0))), "2026093010001",
        "DLX-035", "0.35", 21.5, 20.3, sqlDate(QDate(2026, 9, 30)), "1" };
}

using benchsupport::BenchDatabase;

// False, with the benchmark skipped, when the items could not be set up.
bool clearItems(benchmark::State& state)
{
    if (ExecSQL("delete from c_proc_main"))
        return true;
    state.SkipWithError("items not cleared");
    return false;
}

bool fillItems(benchmark::State& state)
{
    if (!clearItems(state))
        return false;
    for (int i = 0; i < operations; ++i) {
        if (!ExecSQL(insertItem, itemValues(i))) {
            state.SkipWithError("items not stored");
            return false;
        }
    }
    return true;
}

// The same work without ExecSQL: one prepared query, values bound and every field read.
QSqlQuery preparedQuery(const QString& sql)
{
    QString error;
    Connection::current().open(error);
    QSqlQuery query(Connection::current().database());
    query.setForwardOnly(true);
    query.prepare(sql);
    return query;
}

void lookupsThroughExecSql(benchmark::State& state)
{
    if (!fillItems(state))
        return;
    for (auto _ : state) {
        for (int i = 0; i < operations; ++i) {
            const SqlResult result = ExecSQL(lookupItem, { serial(i) });
            benchmark::DoNotOptimize(result.rs->value("proc_net_wt"));
        }
    }
    state.SetItemsProcessed(state.iterations() * operations);
}

void lookupsThroughQSqlQuery(benchmark::State& state)
{
    if (!fillItems(state))
        return;
    QSqlQuery query = preparedQuery(lookupItem);
    for (auto _ : state) {
        for (int i = 0; i < operations; ++i) {
            query.bindValue(0, serial(i));
            query.exec();
            const int columns = query.record().count();
            QList<QVariant> row;
            while (query.next()) {
                for (int c = 0; c < columns; ++c)
                    row << query.value(c);
            }
            query.finish();
            benchmark::DoNotOptimize(row);
        }
    }
    state.SetItemsProcessed(state.iterations() * operations);
}

// Times insert(i) for every item, each round on emptied items; clearing is not timed.
template <class Insert> void timeInserts(benchmark::State& state, Insert insert)
{
    for (auto _ : state) {
        state.PauseTiming();
        const bool cleared = clearItems(state);
        state.ResumeTiming();
        if (!cleared)
            break;
        for (int i = 0; i < operations; ++i)
            insert(i);
    }
    state.SetItemsProcessed(state.iterations() * operations);
}

void insertsThroughExecSql(benchmark::State& state)
{
    timeInserts(state, [](int i) { benchmark::DoNotOptimize(ExecSQL(insertItem, itemValues(i)).ok); });
}

void insertsThroughQSqlQuery(benchmark::State& state)
{
    QSqlQuery query = preparedQuery(insertItem);
    timeInserts(state, [&query](int i) {
        const QVariantList values = itemValues(i);
        for (int v = 0; v < values.size(); ++v)
            query.bindValue(v, values[v]);
        benchmark::DoNotOptimize(query.exec());
    });
}

void registerBackend(const std::string& backend, const BenchDatabase& database)
{
    for (const auto& [label, work] :
        std::initializer_list<std::pair<const char*, void (*)(benchmark::State&)>> {
            { "/lookup/ExecSQL", lookupsThroughExecSql }, { "/lookup/QSqlQuery", lookupsThroughQSqlQuery },
            { "/insert/ExecSQL", insertsThroughExecSql }, { "/insert/QSqlQuery", insertsThroughQSqlQuery } })
        benchmark::RegisterBenchmark((backend + label).c_str(),
            [&database, work](benchmark::State& state) {
                database.use();
                work(state);
            })
            ->Unit(benchmark::kMillisecond)
            ->Iterations(3)
            ->Apply(benchsupport::onceWhenSmall);
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    std::list<BenchDatabase> databases;
    for (const auto& [backend, name] : benchsupport::measuredBackends()) {
        const BenchDatabase& database = databases.emplace_back(backend);
        if (!database.ready) {
            std::fprintf(stderr, "%s: %s\n", name.c_str(), qPrintable(database.problem));
            return 1;
        }
        registerBackend(name, database);
    }
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
