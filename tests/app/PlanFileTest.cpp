#include "app/plan/PlanFile.h"

#include "host/property/BaseMultiProperty.h"
#include "host/property/NumericProperties.h"
#include "host/property/ScalarProperties.h"

#include <QDir>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include <csignal>
#include <functional>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace VelmarisEditor;

namespace {

struct BadCase
{
    QString file;
    QString expected;
};

// The committed hostile files with the part of the refusal each must produce.
QVector<BadCase> committedBadCases()
{
    QFile list(QStringLiteral(VELMARIS_BAD_PLANS_DIR "/cases.tsv"));
    if (!list.open(QIODevice::ReadOnly | QIODevice::Text))
        qFatal("cannot read the list of bad plans");
    QVector<BadCase> cases;
    for (const QByteArray &line : list.readAll().split('\n')) {
        if (line.isEmpty() || line.startsWith('#'))
            continue;
        const QList<QByteArray> fields = line.split('\t');
        cases.push_back({QStringLiteral(VELMARIS_BAD_PLANS_DIR "/") + QString::fromUtf8(fields.at(0)),
                         QString::fromUtf8(fields.value(1))});
    }
    return cases;
}

QByteArray readAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        qFatal("cannot write %s", qPrintable(path));
}

// Root reads and writes everything, so permission cases run in a child that gave up root.
// Returns what the call returned, or the child's failure.
QString withoutRoot(const std::function<QString()> &call)
{
    if (geteuid() != 0)
        return call();
    int channel[2];
    if (pipe(channel) != 0)
        return QStringLiteral("pipe failed");
    const pid_t child = fork();
    if (child == 0) {
        close(channel[0]);
        const QByteArray result = (setgid(65534) == 0 && setuid(65534) == 0) ? call().toUtf8() : "setuid failed";
        const ssize_t written = write(channel[1], result.constData(), static_cast<size_t>(result.size()));
        _exit(written == result.size() ? 0 : 1);
    }
    close(channel[1]);
    QByteArray result;
    char buffer[512];
    for (ssize_t n; (n = read(channel[0], buffer, sizeof buffer)) > 0;)
        result.append(buffer, static_cast<int>(n));
    close(channel[0]);
    int status = 0;
    waitpid(child, &status, 0);
    return QString::fromUtf8(result);
}

QString refusalOf(const QString &path)
{
    PlanError error;
    const auto plan = loadPlan(path, &error);
    return plan ? QStringLiteral("accepted") : error.message();
}

// A directory others may enter, for the children that gave up root.
QString openDirectory(const QTemporaryDir &dir)
{
    QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner | QFile::ReadOther
                                          | QFile::ExeOther | QFile::ReadGroup | QFile::ExeGroup);
    return dir.path();
}

std::unique_ptr<PlanDocument> resourcePlan(const QString &name)
{
    PlanError error;
    auto plan = loadPlan(QStringLiteral(":/plans/") + name, &error);
    if (!plan)
        qFatal("%s", qPrintable(error.message()));
    return plan;
}

} // namespace

class PlanFileTest : public QObject
{
    Q_OBJECT

private slots:
    void hostile_files_are_refused_with_place_and_problem();
    void the_editor_exits_with_code_2_on_each_hostile_file();
    void round_trip_keeps_every_property_state();
    void failed_saves_keep_the_previous_file();
};

void PlanFileTest::hostile_files_are_refused_with_place_and_problem()
{
    // Committed cases: syntax, types, rules.
    const QVector<BadCase> cases = committedBadCases();
    QVERIFY(cases.size() >= 20);
    for (const BadCase &bad : cases) {
        const QString message = refusalOf(bad.file);
        QVERIFY2(message.startsWith(bad.file + QStringLiteral(": ")), qPrintable(message));
        QVERIFY2(message.contains(bad.expected), qPrintable(message + QStringLiteral(" / wanted: ") + bad.expected));
    }

    // A syntax error is placed by line and column of the file.
    const QString truncated = refusalOf(QStringLiteral(VELMARIS_BAD_PLANS_DIR "/truncated.json"));
    QVERIFY2(QRegularExpression(QStringLiteral(": line [1-9][0-9]*, column [1-9][0-9]*: not valid JSON"))
                 .match(truncated)
                 .hasMatch(),
             qPrintable(truncated));

    // Cases made here: too big to commit, or not files at all.
    QTemporaryDir dir;
    const QString huge = dir.filePath(QStringLiteral("huge.json"));
    writeFile(huge, QByteArray(50 * 1024 * 1024, 'x'));
    QVERIFY2(refusalOf(huge).contains(QStringLiteral("too large for a plan file")), qPrintable(refusalOf(huge)));
    QVERIFY(refusalOf(QStringLiteral("/dev/zero")).contains(QStringLiteral("too large for a plan file")));
    QCOMPARE(refusalOf(dir.path()), dir.path() + QStringLiteral(": is a directory, not a plan file"));
    const QString missing = dir.filePath(QStringLiteral("missing.json"));
    QCOMPARE(refusalOf(missing), missing + QStringLiteral(": no such file"));

    const QString locked = QDir(openDirectory(dir)).filePath(QStringLiteral("locked.json"));
    QFile::copy(QStringLiteral(":/plans/sample-plan.json"), locked);
    QFile::setPermissions(locked, QFile::WriteOwner);
    const QString unreadable = withoutRoot([&locked] { return refusalOf(locked); });
    QVERIFY2(unreadable.startsWith(locked + QStringLiteral(": cannot be read: ")), qPrintable(unreadable));
}

void PlanFileTest::the_editor_exits_with_code_2_on_each_hostile_file()
{
    QTemporaryDir dir;
    const QString huge = dir.filePath(QStringLiteral("huge.json"));
    writeFile(huge, QByteArray(50 * 1024 * 1024, '{'));
    QVector<BadCase> cases = committedBadCases();
    cases.push_back({huge, QStringLiteral("too large")});
    cases.push_back({dir.path(), QStringLiteral("is a directory")});

    // Without a runtime folder Qt warns on stderr, which would hide whether the refusal is one line.
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    QTemporaryDir runtime;
    environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime.path());
    for (const QString &option : {QStringLiteral("--plan"), QStringLiteral("--reference")}) {
        for (const BadCase &bad : cases) {
            QProcess editor;
            editor.setProcessEnvironment(environment);
            editor.start(QStringLiteral(VELMARIS_EDITOR_BINARY), {option, bad.file, QStringLiteral("--dump")});
            QVERIFY2(editor.waitForFinished(20000), qPrintable(bad.file));
            const QString errors = QString::fromUtf8(editor.readAllStandardError());
            QVERIFY2(editor.exitStatus() == QProcess::NormalExit && editor.exitCode() == 2,
                     qPrintable(bad.file + QStringLiteral(": ") + errors));
            QVERIFY2(errors.startsWith(QStringLiteral("velmaris-editor: ") + bad.file), qPrintable(errors));
            QVERIFY2(errors.contains(bad.expected), qPrintable(errors));
            QCOMPARE(errors.count(QLatin1Char('\n')), 1);
            QVERIFY(editor.readAllStandardOutput().isEmpty());
        }
    }
}

void PlanFileTest::round_trip_keeps_every_property_state()
{
    const auto plan = resourcePlan(QStringLiteral("sample-plan.json"));
    QVERIFY(plan->objects.size() >= 3);

    // Change states the sample leaves at their defaults, so the round trip has to carry them.
    using namespace CCAPIBaseCommon;
    int changed = 0;
    for (const PlanObject &object : plan->objects) {
        for (const auto &container : object.properties) {
            BaseProperty *property = container->getProperty();
            if (auto *number = dynamic_cast<CostPropertyDouble *>(property)) {
                number->assign(number->getDoubleValue() + 0.125);
                ++changed;
            } else if (auto *multi = dynamic_cast<BaseMultiProperty *>(property)) {
                multi->setActiveIndex(static_cast<int>(multi->values().size()) - 1);
                ++changed;
            } else if (auto *text = dynamic_cast<CostPropertyString *>(property)) {
                text->assign(text->getValue() + " <\"quoted\">\n\u00e4");
                ++changed;
            }
        }
    }
    QVERIFY(changed >= 3);

    const QByteArray first = serializePlan(*plan);
    PlanError error;
    const auto reread = parsePlan(first, QStringLiteral("round trip"), &error);
    QVERIFY2(reread, qPrintable(error.message()));
    QCOMPARE(serializePlan(*reread), first);

    QCOMPARE(reread->objects.size(), plan->objects.size());
    for (std::size_t o = 0; o < plan->objects.size(); ++o) {
        const PlanObject &before = plan->objects[o];
        const PlanObject &after = reread->objects[o];
        QCOMPARE(after.id, before.id);
        QCOMPARE(after.owner->getName(), before.owner->getName());
        QCOMPARE(after.properties.size(), before.properties.size());
        for (std::size_t p = 0; p < before.properties.size(); ++p) {
            const BaseProperty &was = *before.properties[p]->getProperty();
            const BaseProperty &is = *after.properties[p]->getProperty();
            QCOMPARE(is.getPropertyType(), was.getPropertyType());
            QVERIFY(is.value() == was.value());
            QVERIFY(is.automaticState().value == was.automaticState().value);
            QCOMPARE(is.hasNoValue(), was.hasNoValue());
            QCOMPARE(is.isModified(), was.isModified());
            QCOMPARE(is.isPropertyVisible(), was.isPropertyVisible());
            QCOMPARE(is.getLabelKey()->getStringKey(), was.getLabelKey()->getStringKey());
            QCOMPARE(is.getOwnerObject(), after.owner.get());
        }
    }
    QCOMPARE(reread->labels.labelTables(), plan->labels.labelTables());
}

void PlanFileTest::failed_saves_keep_the_previous_file()
{
    const auto plan = resourcePlan(QStringLiteral("reference-plan.json"));
    QTemporaryDir dir;
    const QString target = QDir(openDirectory(dir)).filePath(QStringLiteral("plan.json"));
    const QByteArray previous = "previous contents, not a plan";
    writeFile(target, previous);
    QString error;

    // A folder that does not exist.
    const QString nowhere = dir.filePath(QStringLiteral("no/such/folder/plan.json"));
    QVERIFY(!savePlan(*plan, nowhere, &error));
    QVERIFY2(error.startsWith(nowhere + QStringLiteral(": cannot be written")), qPrintable(error));

    // A full disk, imitated by a file-size limit below the plan's size.
    rlimit unlimited{};
    getrlimit(RLIMIT_FSIZE, &unlimited);
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit tiny = unlimited;
    tiny.rlim_cur = 256;
    setrlimit(RLIMIT_FSIZE, &tiny);
    const bool savedWhenFull = savePlan(*plan, target, &error);
    setrlimit(RLIMIT_FSIZE, &unlimited);
    std::signal(SIGXFSZ, oldHandler);
    QVERIFY(!savedWhenFull);
    QVERIFY2(error.startsWith(target + QStringLiteral(": cannot be written")), qPrintable(error));
    QCOMPARE(readAll(target), previous);

    // A read-only file in a folder the user may not write to.
    QFile::setPermissions(target, QFile::ReadOwner | QFile::ReadOther);
    const QString readOnly = withoutRoot([&plan, &target] {
        QString message;
        return savePlan(*plan, target, &message) ? QStringLiteral("saved") : message;
    });
    QVERIFY2(readOnly.startsWith(target + QStringLiteral(": cannot be written")), qPrintable(readOnly));
    QCOMPARE(readAll(target), previous);

    // Nothing half-written is left behind.
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("plan.json")});

    // And a save that can succeed replaces the file whole.
    QFile::setPermissions(target, QFile::ReadOwner | QFile::WriteOwner);
    QVERIFY2(savePlan(*plan, target, &error), qPrintable(error));
    QCOMPARE(readAll(target), serializePlan(*plan));
}

QTEST_MAIN(PlanFileTest)
#include "PlanFileTest.moc"
