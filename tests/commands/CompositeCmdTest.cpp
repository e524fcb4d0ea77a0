#include <velmaris/commands/CompositeCmd.h>

#include <QtTest>

using namespace Velmaris;

namespace {

// Writes what it is asked to do into a shared log; refuses to execute when told to.
class LoggedCmd : public CommandBase
{
public:
    LoggedCmd(QStringList &log, QString name, bool applies = true, bool redoable = true,
              LegacyProgress::Speed::Rate speed = LegacyProgress::Speed::Immediate)
        : m_log(log), m_name(std::move(name)), m_applies(applies), m_redoable(redoable), m_speed(speed)
    {
    }
    bool execute() override
    {
        m_log << QStringLiteral("execute ") + m_name;
        return m_applies;
    }
    bool undo() override
    {
        m_log << QStringLiteral("undo ") + m_name;
        return true;
    }
    bool redo() override
    {
        m_log << QStringLiteral("redo ") + m_name;
        return m_applies;
    }
    LegacyProgress::Speed::Rate getSpeedRate() const override { return m_speed; }
    bool isRedoCapable() const override { return m_redoable; }

private:
    QStringList &m_log;
    QString m_name;
    bool m_applies;
    bool m_redoable;
    LegacyProgress::Speed::Rate m_speed;
};

} // namespace

class CompositeCmdTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void order()
    {
        QStringList log;
        CompositeCmd command({std::make_shared<LoggedCmd>(log, "a"), std::make_shared<LoggedCmd>(log, "b"),
                              std::make_shared<LoggedCmd>(log, "c")});
        QVERIFY(!command.undo()); // nothing done yet
        QVERIFY(command.execute());
        QVERIFY(command.undo());
        QVERIFY(!command.undo()); // undone already
        QVERIFY(command.redo());
        QCOMPARE(log, (QStringList{"execute a", "execute b", "execute c", "undo c", "undo b", "undo a", "redo a", "redo b",
                                   "redo c"}));
    }

    void all_or_nothing_data()
    {
        QTest::addColumn<int>("refusing");
        QTest::addColumn<QStringList>("log");

        QTest::newRow("first refuses") << 0 << QStringList{"execute a"};
        QTest::newRow("second refuses") << 1 << QStringList{"execute a", "execute b", "undo a"};
        QTest::newRow("last refuses") << 2 << QStringList{"execute a", "execute b", "execute c", "undo b", "undo a"};
    }

    void all_or_nothing()
    {
        QFETCH(int, refusing);
        QFETCH(QStringList, log);
        QStringList done;
        std::vector<std::shared_ptr<CommandBase>> commands;
        for (const char *name : {"a", "b", "c"})
            commands.push_back(std::make_shared<LoggedCmd>(done, name, int(commands.size()) != refusing));
        CompositeCmd command(commands);
        QVERIFY(!command.execute());
        QCOMPARE(done, log);
        done.clear();
        QVERIFY(!command.undo()); // nothing was left done
        QVERIFY(done.isEmpty());
    }

    void speed_and_redo_follow_the_commands()
    {
        QStringList log;
        CompositeCmd mixed({std::make_shared<LoggedCmd>(log, "a", true, true, LegacyProgress::Speed::Fast),
                            std::make_shared<LoggedCmd>(log, "b", true, false, LegacyProgress::Speed::Slow),
                            std::make_shared<LoggedCmd>(log, "c")});
        QCOMPARE(mixed.getSpeedRate(), LegacyProgress::Speed::Slow);
        QVERIFY(!mixed.isRedoCapable());
        CompositeCmd plain({std::make_shared<LoggedCmd>(log, "a", true, true, LegacyProgress::Speed::Fast),
                            std::make_shared<LoggedCmd>(log, "b")});
        QCOMPARE(plain.getSpeedRate(), LegacyProgress::Speed::Fast);
        QVERIFY(plain.isRedoCapable());
    }
};

QTEST_MAIN(CompositeCmdTest)
#include "CompositeCmdTest.moc"
