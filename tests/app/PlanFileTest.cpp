#include "EditorRun.h"

#include "app/plan/FileReplacement.h"
#include "app/plan/PlanWriter.h"

#include <velmaris/host/property/BaseProperty.h>

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

// Everything a plan's properties hold, for comparing plans without going through the file format.
using State = std::tuple<int, std::string, std::string, int, PropertyValue, PropertyValue, int, bool>;
std::vector<State> states(const PlanDocument &plan)
{
    std::vector<State> all;
    for (const PlanObject &object : plan.objects()) {
        for (const auto &container : object.properties()) {
            const BaseProperty &p = *container->getProperty();
            const int flags = p.hasNoValue() | p.isModified() << 1 | p.isPropertyVisible() << 2 | p.isRangeApplied() << 3;
            all.emplace_back(object.id, object.owner->getName(), p.getLabelKey()->getStringKey(), p.getPropertyType(),
                             p.value(), p.automaticState().value, flags, p.getOwnerObject() == object.owner.get());
        }
    }
    return all;
}

enum class Obstacle { None, FileSizeLimit, FullDisk, NoPermission, MissingFolder };
const QByteArray s_previous = "previous contents, not a plan";

// In the child that then saves: the previous file, a link to it and the obstacle; false where
// the system does not allow the obstacle.
bool prepare(Obstacle obstacle, const QString &dir)
{
    const rlimit tiny{256, 256};
    if (obstacle == Obstacle::FullDisk
        && (unshare(CLONE_NEWNS) != 0 || mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0
            || mount("tmpfs", QFile::encodeName(dir).constData(), "tmpfs", 0, "size=4k") != 0))
        return false;
    writeFile(dir + QStringLiteral("/plan.json"), s_previous);
    if (chmod(QFile::encodeName(dir + QStringLiteral("/plan.json")).constData(), 0606) != 0
        || !QFile::link(QStringLiteral("plan.json"), dir + QStringLiteral("/link.json")))
        return false;
    if (obstacle == Obstacle::FileSizeLimit)
        return std::signal(SIGXFSZ, SIG_IGN) != SIG_ERR && setrlimit(RLIMIT_FSIZE, &tiny) == 0;
    if (obstacle == Obstacle::MissingFolder)
        return QDir(dir).removeRecursively();
    return obstacle != Obstacle::NoPermission || dropRoot();
}

mode_t modeOf(const QString &path)
{
    struct stat status{};
    return stat(QFile::encodeName(path).constData(), &status) == 0 ? status.st_mode & 07777 : 0;
}

} // namespace

Q_DECLARE_METATYPE(Obstacle)

class PlanFileTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        // Others may enter it, for the children that give up root.
        QFile::setPermissions(m_dir.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner | QFile::ReadOther
                                                | QFile::ExeOther | QFile::ReadGroup | QFile::ExeGroup);
        writeFile(m_dir.filePath(QStringLiteral("huge.json")), QByteArray(50 * 1024 * 1024, '['));
    }

    void refusals_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("expected");
        QTest::addColumn<bool>("throughEditor"); // every refusal leaves main() one way: a few show it

        QFile list(s_badPlans + QStringLiteral("cases.tsv"));
        QVERIFY(list.open(QIODevice::ReadOnly | QIODevice::Text));
        for (const QByteArray &line : list.readAll().split('\n')) {
            if (line.isEmpty() || line.startsWith('#'))
                continue;
            const QList<QByteArray> fields = line.split('\t');
            QTest::newRow(fields.at(0)) << s_badPlans + QString::fromUtf8(fields.at(0)) << QString::fromUtf8(fields.value(1))
                                        << (fields.at(0) == "truncated.json" || fields.at(0) == "raw-line-break-in-text.json");
        }
        // Too big to commit, or not plain files at all.
        QTest::newRow("huge") << m_dir.filePath(QStringLiteral("huge.json")) << QStringLiteral(": line 1, column 65: nested deeper than 64 levels") << true;
        QTest::newRow("endless") << QStringLiteral("/dev/zero") << QStringLiteral(": is not a regular file") << true;
        QTest::newRow("directory") << m_dir.path() << QStringLiteral(": is a directory, not a plan file") << true;
        QTest::newRow("missing") << m_dir.filePath(QStringLiteral("missing.json")) << QStringLiteral(": no such file") << true;
    }

    void refusals()
    {
        QFETCH(QString, file);
        QFETCH(QString, expected);
        QFETCH(bool, throughEditor);
        const QString message = refusalOf(file);
        QVERIFY2(message.startsWith(file + QStringLiteral(": ")) && message.contains(expected), qPrintable(message));
        QVERIFY2(!message.contains(QLatin1Char('\n')), qPrintable(message));
        if (!throughEditor)
            return;
        for (const QString &option : {QStringLiteral("--plan"), QStringLiteral("--reference")}) {
            const EditorRun run = runEditor({option, file, QStringLiteral("--dump")});
            QVERIFY2(run.exitedNormally && run.exitCode == 2, qPrintable(run.errors));
            QCOMPARE(run.errors, QStringLiteral("velmaris-editor: ") + message + QLatin1Char('\n'));
            QVERIFY(run.output.isEmpty());
        }
    }

    void unreadable_files_are_refused()
    {
        const QString locked = m_dir.filePath(QStringLiteral("locked.json"));
        QVERIFY(QFile::copy(QStringLiteral(":/plans/sample-plan.json"), locked));
        QFile::setPermissions(locked, QFile::WriteOwner);
        const QString message = inChild([&locked] { return dropRoot() ? refusalOf(locked) : QString(); });
        QVERIFY2(message.startsWith(locked + QStringLiteral(": cannot be read: ")), qPrintable(message));
    }

    void round_trip_keeps_every_property_state_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("label");
        QTest::addColumn<QString>("shownRow");
        QTest::newRow("sample") << QStringLiteral(":/plans/sample-plan.json") << QStringLiteral("de") << QStringLiteral("OP_Rate")
                                << QStringLiteral("Stundensatz") << QStringLiteral("\n  Hourly rate = ");
        QTest::newRow("Unicode keys and every state")
            << QStringLiteral(VELMARIS_TEST_DATA_DIR "/good/unicode-and-every-state.json") << QStringLiteral("ελ")
            << QStringLiteral("材料 ⚙") << QStringLiteral("Υλικό") << QStringLiteral("\n  Size = 0.00 mm² [changed");
    }

    void round_trip_keeps_every_property_state()
    {
        QFETCH(QString, path);
        QFETCH(QString, language);
        QFETCH(QString, key);
        QFETCH(QString, label);
        QFETCH(QString, shownRow);
        const EditorRun run = runEditor({QStringLiteral("--plan"), path, QStringLiteral("--dump")});
        QVERIFY2(run.exitedNormally && run.exitCode == 0 && run.errors.isEmpty(), qPrintable(run.errors));
        QVERIFY2(run.output.contains(shownRow), qPrintable(run.output));

        const auto plan = loadedPlan(path);
        const QByteArray first = serializePlan(*plan);
        PlanError error;
        const auto reread = parsePlan(first.toStdString(), QStringLiteral("round trip"), &error);
        QVERIFY2(reread, qPrintable(error.message()));
        QCOMPARE(serializePlan(*reread), first);

        QVERIFY(states(*reread) == states(*plan));
        QCOMPARE(reread->labels.labelTables(), plan->labels.labelTables());
        reread->labels.setActiveLanguage(language.toStdString());
        QCOMPARE(QString::fromStdString(reread->labels.getLabel(key.toStdString())), label);
    }

    void saves_data()
    {
        QTest::addColumn<Obstacle>("obstacle");
        QTest::addColumn<QString>("cause");
        QTest::newRow("no obstacle") << Obstacle::None << QString();
        QTest::newRow("file-size limit") << Obstacle::FileSizeLimit << QStringLiteral("file size limit exceeded");
        QTest::newRow("full disk") << Obstacle::FullDisk << QStringLiteral("no space left on device");
        QTest::newRow("read-only folder") << Obstacle::NoPermission << QStringLiteral("permission denied");
        QTest::newRow("missing folder") << Obstacle::MissingFolder << QStringLiteral("no such file or directory");
    }

    void saves()
    {
        QFETCH(Obstacle, obstacle);
        QFETCH(QString, cause);
        auto plan = loadedPlan(QStringLiteral(":/plans/reference-plan.json"));
        const QTemporaryDir dir(m_dir.filePath(QStringLiteral("save-XXXXXX")));
        QFile::setPermissions(dir.path(), QFile::permissions(m_dir.path()));
        const QString target = dir.filePath(QStringLiteral("plan.json"));
        const QString link = dir.filePath(QStringLiteral("link.json"));

        // Checked in the child, as a full disk's file system ends with it. A save replaces the
        // file the link points to whole, keeping its permissions; a failed one leaves it as it was.
        const QString outcome = inChild([&]() -> QString {
            QString error;
            if (!prepare(obstacle, dir.path()))
                return QStringLiteral("cannot set up");
            Document document(std::move(plan));
            const bool saved = document.save(link, Document::Conflict::Refuse) == Document::SaveOutcome::Saved;
            error = document.saveErrorMessage();
            // The previous version stays beside it, as its backup.
            const int files = QDir(dir.path()).entryList(QDir::Files).size();
            const bool right = obstacle == Obstacle::MissingFolder
                               || (QFileInfo(link).isSymLink()
                                   && (saved ? files == 3 && readAll(target) == serializePlan(document.plan())
                                                   && modeOf(target) == 0606 && readAll(backupPathOf(target)) == s_previous
                                             : files == 2 && readAll(target) == s_previous));
            if (!right)
                return QStringLiteral("wrong files after the save");
            return saved ? QStringLiteral("saved") : error;
        });
        if (outcome == QLatin1String("cannot set up"))
            QSKIP("this system does not allow the obstacle");
        QCOMPARE(outcome, cause.isEmpty() ? QStringLiteral("saved") : link + QStringLiteral(": cannot be written: ") + cause);
    }

private:
    QTemporaryDir m_dir;
};

QTEST_MAIN(PlanFileTest)
#include "PlanFileTest.moc"
