#include "EditorRun.h"

#include "app/plan/PlanFile.h"

#include "host/property/BaseProperty.h"

#include <QDir>
#include <QTemporaryDir>
#include <QtTest>

#include <csignal>
#include <functional>
#include <tuple>
#include <sched.h>
#include <sys/mount.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace CCAPIBaseCommon;
using namespace VelmarisEditor;

namespace {

const QString s_badPlans = QStringLiteral(VELMARIS_TEST_DATA_DIR "/bad/");

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

// Runs call in a child, so that the limits, mounts and user it sets die with the child.
QString inChild(const std::function<QString()> &call)
{
    int channel[2];
    if (pipe(channel) != 0)
        return QStringLiteral("pipe failed");
    const pid_t child = fork();
    if (child == 0) {
        close(channel[0]);
        const QByteArray result = call().toUtf8();
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

// Root reads and writes everything, so permission cases give it up.
bool dropRoot()
{
    return geteuid() != 0 || (setgid(65534) == 0 && setuid(65534) == 0);
}

QString refusalOf(const QString &path)
{
    PlanError error;
    const auto plan = loadPlan(path, &error);
    return plan ? QStringLiteral("accepted") : error.message();
}

std::unique_ptr<PlanDocument> planFrom(const QString &path)
{
    PlanError error;
    auto plan = loadPlan(path, &error);
    if (!plan)
        qFatal("%s", qPrintable(error.message()));
    return plan;
}

// Everything a plan's properties hold, for comparing plans without going through the file format.
std::vector<std::tuple<int, std::string, std::string, int, PropertyValue, PropertyValue, int, bool>>
states(const PlanDocument &plan)
{
    std::vector<std::tuple<int, std::string, std::string, int, PropertyValue, PropertyValue, int, bool>> all;
    for (const PlanObject &object : plan.objects) {
        for (const auto &container : object.properties) {
            const BaseProperty &p = *container->getProperty();
            const int flags = p.hasNoValue() | p.isModified() << 1 | p.isPropertyVisible() << 2 | p.isRangeApplied() << 3;
            all.emplace_back(object.id, object.owner->getName(), p.getLabelKey()->getStringKey(), p.getPropertyType(),
                             p.value(), p.automaticState().value, flags, p.getOwnerObject() == object.owner.get());
        }
    }
    return all;
}

enum class Obstacle { FileSizeLimit, FullDisk, NoPermission };
const QByteArray s_previous = "previous contents, not a plan";

// In the child that then saves: the previous file and the obstacle; false where the system
// does not allow the obstacle.
bool prepare(Obstacle obstacle, const QString &dir)
{
    const rlimit tiny{256, 256};
    if (obstacle == Obstacle::FullDisk
        && (unshare(CLONE_NEWNS) != 0 || mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0
            || mount("tmpfs", QFile::encodeName(dir).constData(), "tmpfs", 0, "size=4k") != 0))
        return false;
    writeFile(dir + QStringLiteral("/plan.json"), s_previous);
    if (obstacle == Obstacle::FileSizeLimit)
        return std::signal(SIGXFSZ, SIG_IGN) != SIG_ERR && setrlimit(RLIMIT_FSIZE, &tiny) == 0;
    return obstacle != Obstacle::NoPermission || dropRoot();
}

} // namespace

Q_DECLARE_METATYPE(Obstacle)

class PlanFileTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void refusals_data();
    void refusals();
    void unreadable_files_are_refused();
    void good_plans_load_data();
    void good_plans_load();
    void round_trip_keeps_every_property_state_data();
    void round_trip_keeps_every_property_state();
    void failed_saves_name_the_cause_and_keep_the_previous_file_data();
    void failed_saves_name_the_cause_and_keep_the_previous_file();
    void saving_replaces_the_whole_file();

private:
    QTemporaryDir m_dir;
};

void PlanFileTest::initTestCase()
{
    QVERIFY(m_dir.isValid());
    // Others may enter it, for the children that give up root.
    QFile::setPermissions(m_dir.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner | QFile::ReadOther
                                            | QFile::ExeOther | QFile::ReadGroup | QFile::ExeGroup);
    writeFile(m_dir.filePath(QStringLiteral("huge.json")), QByteArray(50 * 1024 * 1024, '{'));
}

void PlanFileTest::refusals_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("expected");

    QFile list(s_badPlans + QStringLiteral("cases.tsv"));
    QVERIFY(list.open(QIODevice::ReadOnly | QIODevice::Text));
    for (const QByteArray &line : list.readAll().split('\n')) {
        if (line.isEmpty() || line.startsWith('#'))
            continue;
        const QList<QByteArray> fields = line.split('\t');
        QTest::newRow(fields.at(0)) << s_badPlans + QString::fromUtf8(fields.at(0)) << QString::fromUtf8(fields.value(1));
    }
    // Too big to commit, or not plain files at all.
    QTest::newRow("huge") << m_dir.filePath(QStringLiteral("huge.json")) << QStringLiteral(": is larger than 32 MiB");
    QTest::newRow("endless") << QStringLiteral("/dev/zero") << QStringLiteral(": is larger than 32 MiB");
    QTest::newRow("directory") << m_dir.path() << QStringLiteral(": is a directory, not a plan file");
    QTest::newRow("missing") << m_dir.filePath(QStringLiteral("missing.json")) << QStringLiteral(": no such file");
}

void PlanFileTest::refusals()
{
    QFETCH(QString, file);
    QFETCH(QString, expected);
    const QString message = refusalOf(file);
    QVERIFY2(message.startsWith(file + QStringLiteral(": ")) && message.contains(expected), qPrintable(message));
    QVERIFY2(!message.contains(QLatin1Char('\n')), qPrintable(message));

    for (const QString &option : {QStringLiteral("--plan"), QStringLiteral("--reference")}) {
        const EditorRun run = runEditor({option, file, QStringLiteral("--dump")});
        QVERIFY2(run.exitedNormally && run.exitCode == 2, qPrintable(run.errors));
        QCOMPARE(run.errors, QStringLiteral("velmaris-editor: ") + message + QLatin1Char('\n'));
        QVERIFY(run.output.isEmpty());
    }
}

void PlanFileTest::unreadable_files_are_refused()
{
    const QString locked = m_dir.filePath(QStringLiteral("locked.json"));
    QVERIFY(QFile::copy(QStringLiteral(":/plans/sample-plan.json"), locked));
    QFile::setPermissions(locked, QFile::WriteOwner);
    const QString message = inChild([&locked] { return dropRoot() ? refusalOf(locked) : QString(); });
    QVERIFY2(message.startsWith(locked + QStringLiteral(": cannot be read: ")), qPrintable(message));
}

void PlanFileTest::good_plans_load_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("label");

    QTest::newRow("umlaut key") << QStringLiteral("en") << QStringLiteral("Größe") << QStringLiteral("Size");
    QTest::newRow("Greek language") << QStringLiteral("ελ") << QStringLiteral("Größe") << QStringLiteral("Μέγεθος");
    QTest::newRow("CJK and symbol key") << QStringLiteral("ελ") << QStringLiteral("材料 ⚙") << QStringLiteral("Υλικό");
}

void PlanFileTest::good_plans_load()
{
    QFETCH(QString, language);
    QFETCH(QString, key);
    QFETCH(QString, label);
    const QString path = QStringLiteral(VELMARIS_TEST_DATA_DIR "/good/unicode-and-every-state.json");
    const auto plan = planFrom(path);
    plan->labels.setActiveLanguage(language.toStdString());
    QCOMPARE(QString::fromStdString(plan->labels.getLabel(key.toStdString())), label);

    const EditorRun run = runEditor({QStringLiteral("--plan"), path, QStringLiteral("--dump")});
    QVERIFY2(run.exitedNormally && run.exitCode == 0 && run.errors.isEmpty(), qPrintable(run.errors));
    QVERIFY2(run.output.contains(QStringLiteral("\n  Size = 0 [changed")), qPrintable(run.output));
}

void PlanFileTest::round_trip_keeps_every_property_state_data()
{
    QTest::addColumn<QString>("path");
    QTest::newRow("sample") << QStringLiteral(":/plans/sample-plan.json");
    QTest::newRow("Unicode and every state") << QStringLiteral(VELMARIS_TEST_DATA_DIR "/good/unicode-and-every-state.json");
}

void PlanFileTest::round_trip_keeps_every_property_state()
{
    QFETCH(QString, path);
    const auto plan = planFrom(path);

    QVERIFY(!states(*plan).empty());
    const QByteArray first = serializePlan(*plan);
    PlanError error;
    const auto reread = parsePlan(first, QStringLiteral("round trip"), &error);
    QVERIFY2(reread, qPrintable(error.message()));
    QCOMPARE(serializePlan(*reread), first);

    QVERIFY(states(*reread) == states(*plan));
    QCOMPARE(reread->labels.labelTables(), plan->labels.labelTables());
}

void PlanFileTest::failed_saves_name_the_cause_and_keep_the_previous_file_data()
{
    QTest::addColumn<Obstacle>("obstacle");
    QTest::addColumn<QString>("cause");
    QTest::newRow("file-size limit") << Obstacle::FileSizeLimit << QStringLiteral("file size limit exceeded");
    QTest::newRow("full disk") << Obstacle::FullDisk << QStringLiteral("no space left on device");
    QTest::newRow("read-only folder") << Obstacle::NoPermission << QStringLiteral("permission denied");
}

void PlanFileTest::failed_saves_name_the_cause_and_keep_the_previous_file()
{
    QFETCH(Obstacle, obstacle);
    QFETCH(QString, cause);
    const auto plan = planFrom(QStringLiteral(":/plans/reference-plan.json"));
    const QTemporaryDir dir(m_dir.filePath(QStringLiteral("save-XXXXXX")));
    QFile::setPermissions(dir.path(), QFile::permissions(m_dir.path()));
    const QString target = dir.filePath(QStringLiteral("plan.json"));

    // Checked in the child too, as a full disk's file system ends with it.
    const QString outcome = inChild([&]() -> QString {
        QString error;
        if (!prepare(obstacle, dir.path()))
            return QStringLiteral("cannot set up");
        if (savePlan(*plan, target, &error))
            return QStringLiteral("saved");
        const bool intact = readAll(target) == s_previous && QDir(dir.path()).entryList(QDir::Files).size() == 1;
        return intact ? error : QStringLiteral("previous file lost or debris left");
    });
    if (outcome == QLatin1String("cannot set up"))
        QSKIP("this system does not allow the obstacle");
    QCOMPARE(outcome, target + QStringLiteral(": cannot be written: ") + cause);
}

void PlanFileTest::saving_replaces_the_whole_file()
{
    const auto plan = planFrom(QStringLiteral(":/plans/reference-plan.json"));
    QString error;
    const QString nowhere = m_dir.filePath(QStringLiteral("no/such/folder/plan.json"));
    QVERIFY(!savePlan(*plan, nowhere, &error));
    QCOMPARE(error, nowhere + QStringLiteral(": cannot be written: no such file or directory"));

    // Through a link the file it points to is replaced, keeping its permissions.
    const QString target = m_dir.filePath(QStringLiteral("target.json"));
    const QString link = m_dir.filePath(QStringLiteral("link.json"));
    writeFile(target, "previous");
    QCOMPARE(chmod(QFile::encodeName(target).constData(), 0640), 0);
    QVERIFY(QFile::link(target, link));
    QVERIFY2(savePlan(*plan, link, &error), qPrintable(error));
    QVERIFY(QFileInfo(link).isSymLink());
    QCOMPARE(readAll(target), serializePlan(*plan));
    struct stat status{};
    QCOMPARE(stat(QFile::encodeName(target).constData(), &status), 0);
    QCOMPARE(status.st_mode & 07777, 0640u);
}

QTEST_MAIN(PlanFileTest)
#include "PlanFileTest.moc"
