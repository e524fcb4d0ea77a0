// A plant-sized plan on disk (300 000 objects of 10 properties, the shape the plan generator
// makes): opening it against a bare SAX parse of the same file, saving it against a bare dump of
// the same JSON, both by the JSON library the editor uses, the editor's peak memory holding
// it against the file's size, and how long the editor's window could not answer while it
// worked on it and on a large object.
#include "bench/BenchmarkMain.h"
#include "bench/Heartbeat.h"
#include "bench/RatioReporter.h"

#include "app/document/Document.h"
#include "app/plan/PlanFile.h"
#include "app/ui/MainWindow.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>
#include <nlohmann/json.hpp>

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <functional>
#include <string>
#include <utility>
#include <vector>


using namespace VelmarisEditor;

namespace {

constexpr int s_objects = 300000;
constexpr int s_properties = 10;

// One property of every kind in turn, as the plan generator writes them.
void appendProperty(std::string &out, int object, int p)
{
    static const char *const kinds[] = {"double", "integer", "string", "boolean", "enum", "multi-double", "multi-integer"};
    const std::string kind = kinds[p % 7];
    out += R"({"key":"P_)" + std::to_string(p) + R"(","category":"CAT_)" + std::to_string(p % 7) + R"(","kind":")"
           + kind + R"(","position":)" + std::to_string(p % 13);
    if (kind == "double")
        out += R"(,"value":)" + std::to_string(p * 1.25) + R"(,"min":0,"max":1000000.0,"unit":")" + (p % 2 ? "usd" : "mm") + '"';
    else if (kind == "integer")
        out += R"(,"value":)" + std::to_string(p) + R"(,"min":0,"max":10000000,"unit":"pcs")";
    else if (kind == "string")
        out += R"(,"value":"text )" + std::to_string(p) + " of " + std::to_string(object) + R"(","multiLine":)" + (p % 2 ? "true" : "false");
    else if (kind == "boolean")
        out += std::string(R"(,"value":)") + (p % 2 ? "true" : "false");
    else if (kind == "enum")
        out += R"(,"values":["MAT_A","MAT_B","MAT_C"],"value":"MAT_B")";
    else if (kind == "multi-double")
        out += R"(,"values":[1.5,2.5,3.5],"active":1,"unit":"usd")";
    else
        out += R"(,"values":[10,20,30],"active":2,"lots":true)";
    if (p % 5 == 0)
        out += R"(,"modified":true)";
    out += '}';
}

// A plan whose objects 1, 2, ... hold these numbers of properties.
void writePlan(const QString &path, const std::vector<int> &propertyCounts)
{
    std::ofstream file(path.toStdString(), std::ios::binary);
    std::string out = R"({"format":"velmaris-plan","version":1,"labels":{"en":{"OBJ_T":"Type","MAT_A":"A","MAT_B":"B","MAT_C":"C"}},"objects":[)";
    for (std::size_t o = 0; o < propertyCounts.size(); ++o) {
        out += (o ? ",{" : "{") + std::string(R"("id":)") + std::to_string(o + 1) + R"(,"kind":"operation","type":"OBJ_T","name":"Object )"
               + std::to_string(o) + R"(","properties":[)";
        for (int p = 0; p < propertyCounts[o]; ++p) {
            if (p)
                out += ',';
            appendProperty(out, static_cast<int>(o), p);
        }
        out += "]}";
        if (out.size() > (1 << 20)) {
            file << out;
            out.clear();
        }
    }
    file << out << "]}";
}

class PlantPlan
{
public:
    PlantPlan()
    {
        m_path = m_dir.filePath(QStringLiteral("plant.json"));
        writePlan(m_path, std::vector<int>(s_objects, s_properties));
    }

    const QString &path() const { return m_path; }
    QString filePath(const QString &name) const { return m_dir.filePath(name); }
    QString savedPath() const { return filePath(QStringLiteral("saved.json")); }
    qint64 size() const { return QFileInfo(m_path).size(); }

private:
    QTemporaryDir m_dir;
    QString m_path;
};

PlantPlan &plant()
{
    static PlantPlan plan;
    return plan;
}

std::unique_ptr<PlanDocument> opened()
{
    PlanError error;
    auto plan = loadPlan(plant().path(), &error);
    if (!plan)
        qFatal("%s", qPrintable(error.message()));
    return plan;
}

// What any reader of the file must do at least: map it and let the JSON library walk it.
class NullSax : public nlohmann::json_sax<nlohmann::json>
{
public:
    bool null() override { return true; }
    bool boolean(bool) override { return true; }
    bool number_integer(number_integer_t) override { return true; }
    bool number_unsigned(number_unsigned_t) override { return true; }
    bool number_float(number_float_t, const string_t &) override { return true; }
    bool string(string_t &) override { return true; }
    bool binary(binary_t &) override { return true; }
    bool start_object(std::size_t) override { return true; }
    bool key(string_t &) override { return true; }
    bool end_object() override { return true; }
    bool start_array(std::size_t) override { return true; }
    bool end_array() override { return true; }
    bool parse_error(std::size_t, const std::string &, const nlohmann::json::exception &) override { return false; }
};

void BM_SaxParse(benchmark::State &state)
{
    for (auto _ : state) {
        QFile file(plant().path());
        file.open(QIODevice::ReadOnly);
        const auto *begin = reinterpret_cast<const char *>(file.map(0, file.size()));
        NullSax sax;
        if (!nlohmann::json::sax_parse(begin, begin + file.size(), &sax))
            state.SkipWithError("the plan is not JSON");
    }
}

void BM_OpenPlan(benchmark::State &state)
{
    for (auto _ : state) {
        std::unique_ptr<PlanDocument> plan = opened();
        benchmark::DoNotOptimize(plan);
        // Letting go is not opening; it happens while the clock stands.
        state.PauseTiming();
        plan.reset();
        state.ResumeTiming();
    }
}

void BM_DumpJson(benchmark::State &state)
{
    std::ifstream in(plant().path().toStdString(), std::ios::binary);
    const nlohmann::json json = nlohmann::json::parse(in);
    for (auto _ : state) {
        std::ofstream out(plant().savedPath().toStdString(), std::ios::binary);
        out << json;
    }
}

void BM_SavePlan(benchmark::State &state)
{
    Document document(opened());
    for (auto _ : state) {
        if (document.save(plant().savedPath(), Document::Conflict::Overwrite) != Document::SaveOutcome::Saved)
            state.SkipWithError(qPrintable(document.saveErrorMessage()));
    }
}

// The editor itself, started on the plan and showing its first object: its peak resident memory.
// Measured by time(1), which waits for it: a child forked from this large process would count
// this process's pages until it starts the editor.
double peakMegabytesOfEditor()
{
    QProcess time;
    time.start(QStringLiteral("/usr/bin/time"), {QStringLiteral("-f"), QStringLiteral("%M"), QStringLiteral(VELMARIS_EDITOR_BINARY),
                                                 QStringLiteral("--plan"), plant().path(), QStringLiteral("--dump")});
    time.setStandardOutputFile(QProcess::nullDevice());
    time.waitForFinished(-1);
    const QList<QByteArray> lines = time.readAllStandardError().trimmed().split('\n');
    bool number = false;
    const double kilobytes = lines.isEmpty() ? 0 : lines.last().toDouble(&number);
    return time.exitCode() == 0 && number ? kilobytes / 1024.0 : -1;
}

// The editor in a window, working as a user makes it work on large plans: opening and saving the
// plant, then opening a plan with a 100 000-property object, which shows it, typing a filter,
// switching the currency, leaving it for a 10-property object and coming back. The longest wait of a 10 ms
// timer in each, until the window has nothing left to do.
void printHeartbeat()
{
    constexpr int keystrokeMilliseconds = 100;
    const QString large = plant().filePath(QStringLiteral("large-object.json"));
    writePlan(large, {100000, 10});
    MainWindow window(std::make_unique<Document>(std::make_unique<PlanDocument>()), nullptr);
    window.show();
    QApplication::processEvents();
    Heartbeat heartbeat;
    const auto settle = [&window] {
        while (!window.propertyPane().isIdle())
            QApplication::processEvents(QEventLoop::WaitForMoreEvents);
        QApplication::processEvents();
    };
    const auto open = [&window](const QString &path) {
        PlanError error;
        if (!window.openPlanQuietly(path, &error))
            qFatal("%s", qPrintable(error.message()));
    };
    const std::pair<const char *, std::function<void()>> phases[] = {
        {"open plant", [&] { open(plant().path()); }},
        {"save plant", [&] { window.saveTo(plant().filePath(QStringLiteral("heartbeat.json"))); }},
        // Its first object is the large one, which it shows.
        {"open large object", [&] { open(large); }},
        {"filter", [&] {
             // As fast as a quick typist, who leaves the window a moment between keys.
             for (const char *text : {"P", "P_", "P_1", "P_12", "P_1", "P_", "P", ""}) {
                 window.setFilterText(QLatin1String(text));
                 QElapsedTimer typing;
                 typing.start();
                 while (typing.elapsed() < keystrokeMilliseconds)
                     QApplication::processEvents(QEventLoop::WaitForMoreEvents);
             }
         }},
        {"currency", [&] { window.setCurrency(QStringLiteral("CHF")); }},
        {"leave it", [&] { window.selectObject(2); }},
        {"show it again", [&] { window.selectObject(1); }},
    };
    double longest = 0;
    std::string each;
    for (const auto &[name, run] : phases) {
        heartbeat.reset();
        run();
        settle();
        const double gap = heartbeat.longestGapMilliseconds();
        longest = std::max(longest, gap);
        each += std::string(each.empty() ? "" : ", ") + name + " " + std::to_string(static_cast<int>(gap + 0.5)) + " ms";
    }
    std::printf("# editor/heartbeat = longest gap of a %d ms timer, in ms: %s\n", Heartbeat::intervalMilliseconds, each.c_str());
    std::printf("editor/heartbeat: %.0f\n", longest);
}

constexpr int repetitions = 3;
BENCHMARK(BM_SaxParse)->Iterations(1)->Repetitions(repetitions)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_OpenPlan)->Iterations(1)->Repetitions(repetitions)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DumpJson)->Iterations(1)->Repetitions(repetitions)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SavePlan)->Iterations(1)->Repetitions(repetitions)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv)
{
    return runBenchmarks(argc, argv, [](const RatioReporter &reporter) {
        reporter.printRatio("editor/open", "BM_OpenPlan/iterations:1", "BM_SaxParse/iterations:1");
        reporter.printRatio("editor/save", "BM_SavePlan/iterations:1", "BM_DumpJson/iterations:1");
        const double peak = peakMegabytesOfEditor();
        const double file = plant().size() / (1024.0 * 1024.0);
        std::printf("# editor/memory = peak resident %.0f MiB of the editor holding the plan / file %.0f MiB\n", peak, file);
        std::printf("editor/memory: %.2f\n", peak / file);
        printHeartbeat();
    });
}
