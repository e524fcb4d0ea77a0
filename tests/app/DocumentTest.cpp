#include "EditorRun.h"

#include "app/plan/FileReplacement.h"
#include "app/plan/PlanWriter.h"

#include <velmaris/host/property/BaseProperty.h>

#include <nlohmann/json.hpp>

#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

#include <thread>

#include <sys/stat.h>
#include <unistd.h>

using namespace VelmarisEditor;

namespace {

const QString s_editorPlan = QStringLiteral(VELMARIS_TEST_DATA_DIR "/good/editor-plan.json");

// A plan of one property, as another program might write it.
QByteArray planWith(const QByteArray &property)
{
    return R"({"format": "velmaris-plan", "version": 1, "objects": [{"id": 1, "kind": "tool", "type": "OBJ_T",
        "properties": [)" + property + "]}]}";
}

// The property as the editor writes it back.
nlohmann::json savedProperty(const PlanDocument &plan)
{
    return nlohmann::json::parse(serializePlan(plan).toStdString())["objects"][0]["properties"][0];
}

} // namespace

class DocumentTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void saving_again_gives_the_same_bytes_data()
    {
        QTest::addColumn<QString>("source");
        QTest::newRow("sample") << QStringLiteral(":/plans/sample-plan.json");
        QTest::newRow("reference") << QStringLiteral(":/plans/reference-plan.json");
        QTest::newRow("hand-written") << s_editorPlan;
        QTest::newRow("Unicode and every state") << QStringLiteral(VELMARIS_TEST_DATA_DIR "/good/unicode-and-every-state.json");
    }

    void saving_again_gives_the_same_bytes()
    {
        QFETCH(QString, source);
        const QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("plan.json"));
        QVERIFY(QFile::copy(source, path));
        QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner);
        const qint64 original = QFileInfo(path).size();

        QByteArray first;
        for (int save = 0; save < 2; ++save) {
            auto document = openedDocument(path);
            QCOMPARE(document->save(path, Document::Conflict::Refuse), Document::SaveOutcome::Saved);
            const QByteArray bytes = readAll(path);
            if (save == 0)
                first = bytes;
            QCOMPARE(bytes, first);
        }
        // Anything else's plan, indented and with defaults spelled out, gets no larger.
        QVERIFY2(first.size() <= original * 13 / 10, qPrintable(QStringLiteral("%1 → %2").arg(original).arg(first.size())));
        QVERIFY(first.endsWith("}\n"));
        QCOMPARE(first.count('\n'), 2 + int(loadedPlan(path)->objects().size()) + int(loadedPlan(path)->labels.labelTables().size()) - 1);
    }

    void optional_fields_data()
    {
        QTest::addColumn<QByteArray>("property");
        QTest::addColumn<QString>("edit"); // empty: none
        QTest::addColumn<QByteArray>("saved");
        const QByteArray bare = R"({"key":"P","category":"C","kind":"double","value":2.5})";
        QTest::newRow("absent stays absent") << bare << QString() << bare;
        QTest::newRow("edited, automatic kept") << bare << QStringLiteral("7")
                                                << QByteArray(R"({"key":"P","category":"C","kind":"double","value":7,"automatic":2.5,"modified":true})");
        QTest::newRow("spelled-out defaults dropped")
            << QByteArray(R"({"key":"P","category":"C","kind":"string","value":"x","automatic":"x","position":0,"visible":true,
                "labelEditable":true,"editable":true,"shown":true,"noValue":false,"modified":false,"rangeApplied":false,"multiLine":false})")
            << QString() << QByteArray(R"({"key":"P","category":"C","kind":"string","value":"x"})");
        QTest::newRow("every field off its default")
            << QByteArray(R"({"key":"P","category":"C","kind":"integer","value":3,"automatic":4,"unit":"pcs","min":1,"max":9,"position":2,
                "visible":false,"labelEditable":false,"editable":false,"shown":false,"noValue":true,"modified":true,"rangeApplied":true})")
            << QString()
            << QByteArray(R"({"key":"P","category":"C","kind":"integer","value":3,"automatic":4,"unit":"pcs","min":1,"max":9,"position":2,
                "visible":false,"labelEditable":false,"editable":false,"shown":false,"noValue":true,"modified":true,"rangeApplied":true})");
        QTest::newRow("unbounded integer") << QByteArray(R"({"key":"P","category":"C","kind":"integer","value":3,"min":-2147483648,"max":2147483647})")
                                           << QString() << QByteArray(R"({"key":"P","category":"C","kind":"integer","value":3})");
        QTest::newRow("multi-valued")
            << QByteArray(R"({"key":"P","category":"C","kind":"multi-double","values":[1.5,2.5],"active":1,"lots":true,"unit":"usd"})")
            << QStringLiteral("4") << QByteArray(R"({"key":"P","category":"C","kind":"multi-double","automatic":2.5,"values":[1.5,4],"active":1,
                "lots":true,"unit":"usd","modified":true})");
        QTest::newRow("multi-valued, first variant") << QByteArray(R"({"key":"P","category":"C","kind":"multi-integer","values":[1,2]})")
                                                     << QString() << QByteArray(R"({"key":"P","category":"C","kind":"multi-integer","values":[1,2]})");
        QTest::newRow("choice") << QByteArray(R"({"key":"P","category":"C","kind":"enum","values":["A","B"],"value":"B","automatic":"A"})")
                                << QString() << QByteArray(R"({"key":"P","category":"C","kind":"enum","value":"B","automatic":"A","values":["A","B"]})");
    }

    void optional_fields()
    {
        QFETCH(QByteArray, property);
        QFETCH(QString, edit);
        QFETCH(QByteArray, saved);
        PlanError error;
        auto plan = parsePlan(planWith(property).toStdString(), QStringLiteral("plan"), &error);
        QVERIFY2(plan, qPrintable(error.message()));
        CCAPIBaseCommon::BaseProperty *edited = plan->property(1, "P");
        if (!edit.isEmpty()) {
            using CCAPIBaseCommon::PropertyValue;
            const PropertyValue value = std::holds_alternative<int>(edited->value()) ? PropertyValue(edit.toInt())
                                                                                     : PropertyValue(edit.toDouble());
            QVERIFY(edited->assign(value));
        }
        QCOMPARE(QString::fromStdString(savedProperty(*plan).dump()), QString::fromStdString(nlohmann::json::parse(saved.toStdString()).dump()));
        // Field by field in the order written, which keeps a file's diff small.
        const QByteArray written = serializePlan(*plan);
        QVERIFY2(written.contains(QByteArray(saved).replace("\n", "").replace(" ", "")), written.constData());
    }

    void changes_by_another_program_data()
    {
        QTest::addColumn<QByteArray>("onDisk"); // empty: the file is removed
        QTest::addColumn<bool>("changed");
        QTest::newRow("other bytes") << readAll(s_editorPlan).replace("\"value\": 100", "\"value\": 200") << true;
        QTest::newRow("same bytes, new time") << readAll(s_editorPlan) << false;
        QTest::newRow("same size, other bytes") << readAll(s_editorPlan).replace("Milling 10", "Milling 99") << true;
        QTest::newRow("removed") << QByteArray() << false;
    }

    void changes_by_another_program()
    {
        QFETCH(QByteArray, onDisk);
        QFETCH(bool, changed);
        const QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("plan.json"));
        writeFile(path, readAll(s_editorPlan));
        auto document = openedDocument(path);
        QSignalSpy announced(document.get(), &Document::modifiedOnDisk);
        QVERIFY(!document->isModifiedOnDisk());
        document->plan().property(10, "OP_Rate")->assign(150.0);
        if (onDisk.isEmpty())
            QVERIFY(QFile::remove(path));
        else
            changeOnDisk(path, onDisk);
        QCOMPARE(document->isModifiedOnDisk(), changed);
        // Said once, when the other program is done.
        QTest::qWait(600);
        QCOMPARE(announced.count(), int(changed));

        const Document::SaveOutcome refused = document->save(path, Document::Conflict::Refuse);
        QCOMPARE(refused, changed ? Document::SaveOutcome::ChangedOnDisk : Document::SaveOutcome::Saved);
        if (!changed)
            return;
        QCOMPARE(readAll(path), onDisk);
        QVERIFY(document->saveErrorMessage().startsWith(path + QStringLiteral(": was changed by another program")));
        QCOMPARE(document->save(path, Document::Conflict::Overwrite), Document::SaveOutcome::Saved);
        QCOMPARE(std::get<double>(loadedPlan(path)->property(10, "OP_Rate")->value()), 150.0);
        // The other program's version is not lost: it is the backup.
        QCOMPARE(readAll(backupPathOf(path)), onDisk);
        QVERIFY(!document->isModifiedOnDisk());
        // The editor's own save is no change by another program.
        QTest::qWait(600);
        QCOMPARE(announced.count(), 1);
    }

    void read_only_files_data()
    {
        QTest::addColumn<int>("mode");
        QTest::newRow("read-only for all") << 0444;
        QTest::newRow("no permissions at all") << 0000;
        QTest::newRow("owner may only read") << 0400;
    }

    void read_only_files()
    {
        QFETCH(int, mode);
        const QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("plan.json"));
        writeFile(path, readAll(s_editorPlan));
        auto document = openedDocument(path);
        QVERIFY(::chmod(QFile::encodeName(path).constData(), mode_t(mode)) == 0);
        document->plan().property(10, "OP_Rate")->assign(150.0);
        for (const auto conflict : {Document::Conflict::Refuse, Document::Conflict::Overwrite}) {
            QCOMPARE(document->save(path, conflict), Document::SaveOutcome::ReadOnly);
            QCOMPARE(document->saveErrorMessage(), path + QStringLiteral(": is read-only"));
        }
        QVERIFY(::chmod(QFile::encodeName(path).constData(), 0600) == 0);
        QCOMPARE(readAll(path), readAll(s_editorPlan));
        QVERIFY(!QFile::exists(backupPathOf(path)));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{QStringLiteral("plan.json")});
        // Saved elsewhere, it belongs to the new file from then on.
        const QString other = dir.filePath(QStringLiteral("other.json"));
        QCOMPARE(document->save(other, Document::Conflict::Refuse), Document::SaveOutcome::Saved);
        QCOMPARE(document->path(), other);
        QVERIFY(!document->isModified());
    }

    void edits_while_saving_are_neither_lost_nor_half_written()
    {
        QByteArray json = R"({"format":"velmaris-plan","version":1,"objects":[)";
        constexpr int objects = 3000;
        for (int id = 1; id <= objects; ++id)
            json += QStringLiteral(R"(%1{"id":%2,"kind":"tool","type":"T","properties":[{"key":"P","category":"C","kind":"double","value":%2},
                {"key":"Q","category":"C","kind":"string","value":"%3"}]})")
                        .arg(id > 1 ? QStringLiteral(",") : QString()).arg(id).arg(QString(200, QLatin1Char('q')))
                        .toUtf8();
        json += "]}";
        PlanError error;
        Document document(parsePlan(json.toStdString(), QStringLiteral("plan"), &error));
        const QByteArray before = serializePlan(document.plan());
        const QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("plan.json"));

        // The user edits every object, in an order that meets the writer from both sides.
        int edited = 0;
        const Document::Runner editMeanwhile = [&](const std::function<void()> &write, WorkProgress &) {
            std::thread writer(write);
            for (int step = 0; step < objects; ++step) {
                const int id = step % 2 ? step / 2 + 1 : objects - step / 2;
                document.aboutToChange(id);
                document.plan().property(id, "P")->assign(-1.0 * id);
                ++edited;
            }
            writer.join();
        };
        QCOMPARE(document.save(path, Document::Conflict::Refuse, editMeanwhile), Document::SaveOutcome::Saved);
        QCOMPARE(edited, objects);
        QCOMPARE(readAll(path), before);
        QVERIFY(document.isModified());
        // Nothing lost: the next save has every edit.
        QCOMPARE(document.save(path, Document::Conflict::Refuse), Document::SaveOutcome::Saved);
        QCOMPARE(readAll(path), serializePlan(document.plan()));
        QCOMPARE(std::get<double>(loadedPlan(path)->property(objects, "P")->value()), -1.0 * objects);
        QVERIFY(!document.isModified());
    }

    void reading_reports_progress_and_stops_when_cancelled_data()
    {
        QTest::addColumn<bool>("cancel");
        QTest::newRow("read whole") << false;
        QTest::newRow("cancelled") << true;
    }

    void reading_reports_progress_and_stops_when_cancelled()
    {
        QFETCH(bool, cancel);
        WorkProgress progress;
        progress.cancelled = cancel;
        PlanError error;
        const auto plan = loadPlan(s_editorPlan, &error, nullptr, &progress);
        QCOMPARE(plan == nullptr, cancel);
        QCOMPARE(error.cancelled, cancel);
        QCOMPARE(progress.total.load(), QFileInfo(s_editorPlan).size());
        QCOMPARE(progress.done.load() == progress.total.load(), !cancel);
        QVERIFY(progress.done.load() > 0);
    }

    void plans_larger_than_memory_are_refused_before_reading()
    {
        const QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("vast.json"));
        QFile vast(path);
        const qint64 memory = qint64(sysconf(_SC_PHYS_PAGES)) * sysconf(_SC_PAGE_SIZE);
        // Sparse: it takes no room on the disk.
        if (!vast.open(QIODevice::WriteOnly) || !vast.resize(memory + (qint64(1) << 30)))
            QSKIP("this file system cannot hold a sparse file that large");
        vast.close();
        PlanError error;
        QVERIFY(!loadPlan(path, &error));
        QVERIFY2(error.message().startsWith(path + QStringLiteral(": is ")) && error.message().contains(QStringLiteral(" GiB, larger than the "))
                     && error.message().endsWith(QStringLiteral(" GiB of memory this computer has")),
                 qPrintable(error.message()));
    }
};

QTEST_MAIN(DocumentTest)
#include "DocumentTest.moc"
