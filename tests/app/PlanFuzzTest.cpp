#include "EditorRun.h"

#include "app/ui/MainWindow.h"

#include <QDir>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QtTest>

#include <future>
#include <vector>

using namespace VelmarisEditor;

namespace {

// Fixed, so that a failure names a mutant that the next run makes again.
constexpr quint32 s_seed = 22;
constexpr int s_mutantsPerPlan = 4;
// Mutants of good plans are more often accepted and so reach the model; the bad ones are many.
constexpr int s_goodPlanWeight = 10;
// A sanitizer-built editor takes about a second to start, so only every so many mutants also go
// through the binary; the rest take the same reading and filling in this process.
constexpr int s_binaryEvery = 32;

// Values and bytes that reach the parser's and the reader's corners: NUL, numbers at and past
// the limits, lone surrogates, broken UTF-8, structure that opens and does not close.
const std::vector<QByteArray> s_pieces{
    "\"MAT_Gold\"", "\"\\u0000\"", "\"\\ud800\"", "\"\xc3\xa9 \xe2\x9a\x99\"", "\"\"", "-1", "0", "2.5", "1e400",
    "1e-400", "2147483648", "-2147483649", "18446744073709551616", "true", "null", "[]", "{}", "[1, 2]",
    "{\"a\": 1, \"a\": {}}", QByteArray(1, '\0'), "\xff", ".5", "[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[["};

// Line by line, as the plans hold one member per line: most mutants stay JSON and reach the reader.
QByteArray mutated(const QByteArray &plan, QRandomGenerator &random)
{
    QList<QByteArray> lines = plan.split('\n');
    for (int count = random.bounded(1, 3); count > 0 && !lines.isEmpty(); --count) {
        const int at = random.bounded(lines.size());
        const QByteArray line = lines.at(at);
        const QByteArray piece = s_pieces[random.bounded(static_cast<quint32>(s_pieces.size()))];
        const int colon = line.indexOf(": ");
        switch (random.bounded(8)) {
        case 0: lines.insert(at, line); break;
        case 1: lines.removeAt(at); break;
        case 2: lines[at].insert(random.bounded(line.size() + 1), piece); break;
        default:
            if (colon >= 0 && !line.endsWith('{') && !line.endsWith('['))
                lines[at] = line.left(colon + 2) + piece + (line.endsWith(',') ? "," : "");
            break;
        }
    }
    return lines.join('\n');
}

// Accepted silently, or refused with one line naming the file; not ended by a signal,
// a sanitizer or a hang.
bool endedWell(const QString &path, const EditorRun &run)
{
    const bool refused = run.exitCode == 2 && run.errors.startsWith(QStringLiteral("velmaris-editor: ") + path + ": ")
                         && run.errors.indexOf(QLatin1Char('\n')) == run.errors.size() - 1;
    return run.exitedNormally && (refused || (run.exitCode == 0 && run.errors.isEmpty()));
}

} // namespace

class PlanFuzzTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void mutated_plans_are_shown_or_refused_in_one_line()
    {
        QStringList seeds;
        for (int i = 0; i < s_goodPlanWeight; ++i)
            seeds << QStringLiteral(":/plans/sample-plan.json")
                  << QStringLiteral(VELMARIS_TEST_DATA_DIR "/good/unicode-and-every-state.json");
        const QDir bad(QStringLiteral(VELMARIS_TEST_DATA_DIR "/bad"));
        for (const QString &name : bad.entryList({QStringLiteral("*.json"), QStringLiteral("*.txt")}, QDir::Files))
            seeds.push_back(bad.filePath(name));
        QVERIFY(seeds.size() * s_mutantsPerPlan >= 200);

        QTemporaryDir dir;
        QRandomGenerator random(s_seed);
        // Each run goes on beside the next mutants' checks in this process.
        std::vector<std::pair<QString, std::future<EditorRun>>> runs;
        for (int n = 0; n < seeds.size() * s_mutantsPerPlan; ++n) {
            QFile seed(seeds.at(n / s_mutantsPerPlan));
            QFile mutant(dir.filePath(QStringLiteral("%1-%2").arg(QFileInfo(seed).completeBaseName()).arg(n)));
            QVERIFY(seed.open(QIODevice::ReadOnly) && mutant.open(QIODevice::WriteOnly));
            mutant.write(mutated(seed.readAll(), random));
            mutant.close();

            PlanError error;
            if (std::unique_ptr<PlanDocument> plan = loadPlan(mutant.fileName(), &error))
                MainWindow(untitled(std::move(plan)), nullptr).dump();
            else
                QVERIFY2(error.message().startsWith(mutant.fileName() + ": ") && !error.message().contains('\n'),
                         qPrintable(error.message()));
            if (n % s_binaryEvery == 0)
                runs.emplace_back(mutant.fileName(), std::async(std::launch::async, runEditor,
                                                                QStringList{QStringLiteral("--plan"), mutant.fileName(), QStringLiteral("--dump")},
                                                                QStringList()));
        }
        for (auto &[path, ending] : runs) {
            const EditorRun run = ending.get();
            dir.setAutoRemove(endedWell(path, run));
            QVERIFY2(endedWell(path, run), qPrintable(QStringLiteral("%1: exit %2\n%3").arg(path).arg(run.exitCode).arg(run.errors)));
        }
    }
};

QTEST_MAIN(PlanFuzzTest)
#include "PlanFuzzTest.moc"
