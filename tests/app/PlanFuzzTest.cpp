#include "EditorRun.h"

#include <QDir>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QtTest>

#include <future>
#include <vector>

namespace {

// Fixed, so that a failure names a mutant that the next run makes again.
constexpr quint32 s_seed = 22;
constexpr int s_mutantsPerPlan = 6;
constexpr int s_parallelRuns = 3;

// Pieces that reach the parser's and the reader's corners: escapes, NUL, numbers at and past
// the limits, broken UTF-8, structure that opens, closes or repeats.
const std::vector<QByteArray> &tokens()
{
    static const std::vector<QByteArray> pieces{
        "\"", QByteArray(1, '\0'), "\n", "{", "[", "}", "]", ",", ":", "\\u0000", "\\ud800", "1e400", "1e-400",
        "-", ".5", "5.", "1.e5", "2147483648", "18446744073709551616", "\"key\": 1, ", "null", "true", "\xc3",
        "\xff", "\xe2\x80\xa8", "\"\xc3\xa9\"", "0x10", "-0", "[[[[[[[[[[[[[[[[[[[["};
    return pieces;
}

QByteArray mutated(QByteArray plan, QRandomGenerator &random)
{
    for (int count = random.bounded(1, 4); count > 0 && !plan.isEmpty(); --count) {
        const int at = random.bounded(plan.size());
        const int length = std::min(random.bounded(1, 64), plan.size() - at);
        switch (random.bounded(5)) {
        case 0: plan[at] = static_cast<char>(random.bounded(256)); break;
        case 1: plan.insert(at, tokens()[random.bounded(static_cast<quint32>(tokens().size()))]); break;
        case 2: plan.remove(at, length); break;
        case 3: plan.insert(at, plan.mid(at, length)); break;
        default: plan.truncate(at); break;
        }
    }
    return plan;
}

QString verdict(const QString &path, const EditorRun &run)
{
    const bool refused = run.exitCode == 2 && run.errors.startsWith(QStringLiteral("velmaris-editor: ") + path + QStringLiteral(": "))
                         && run.errors.count(QLatin1Char('\n')) == 1 && run.errors.endsWith(QLatin1Char('\n'));
    const bool accepted = run.exitCode == 0 && run.errors.isEmpty();
    if (run.exitedNormally && (refused || accepted))
        return {};
    return QStringLiteral("%1: exit %2%3\n%4")
        .arg(path)
        .arg(run.exitCode)
        .arg(run.exitedNormally ? QString() : QStringLiteral(" (signal or hang)"), run.errors.left(2000));
}

} // namespace

class PlanFuzzTest : public QObject
{
    Q_OBJECT

private slots:
    void mutated_plans_end_in_exit_0_or_one_line_and_exit_2();
};

void PlanFuzzTest::mutated_plans_end_in_exit_0_or_one_line_and_exit_2()
{
    QStringList seeds{QStringLiteral(":/plans/sample-plan.json"),
                      QStringLiteral(VELMARIS_TEST_DATA_DIR "/good/non-ascii-keys.json")};
    const QDir bad(QStringLiteral(VELMARIS_TEST_DATA_DIR "/bad"));
    for (const QString &name : bad.entryList({QStringLiteral("*.json"), QStringLiteral("*.txt")}, QDir::Files))
        seeds.push_back(bad.filePath(name));

    QTemporaryDir dir;
    QRandomGenerator random(s_seed);
    QStringList mutants;
    for (const QString &seed : seeds) {
        QFile source(seed);
        QVERIFY2(source.open(QIODevice::ReadOnly), qPrintable(seed));
        const QByteArray plan = source.readAll();
        for (int i = 0; i < s_mutantsPerPlan; ++i) {
            QFile mutant(dir.filePath(QStringLiteral("%1-%2").arg(QFileInfo(seed).completeBaseName()).arg(i)));
            QVERIFY(mutant.open(QIODevice::WriteOnly));
            mutant.write(mutated(plan, random));
            mutants.push_back(mutant.fileName());
        }
    }
    QVERIFY(mutants.size() >= 200);

    std::vector<std::future<QString>> runs;
    for (const QString &path : mutants) {
        runs.push_back(std::async(std::launch::async, [path] {
            return verdict(path, runEditor({QStringLiteral("--plan"), path, QStringLiteral("--dump")}));
        }));
        if (runs.size() < s_parallelRuns && path != mutants.back())
            continue;
        for (auto &run : runs) {
            const QString failure = run.get();
            if (!failure.isEmpty()) {
                dir.setAutoRemove(false);
                QFAIL(qPrintable(failure));
            }
        }
        runs.clear();
    }
}

QTEST_MAIN(PlanFuzzTest)
#include "PlanFuzzTest.moc"
