#include "EditorCells.h"
#include "EditorRun.h"
#include "support/ModalBoxes.h"

#include "app/plan/FileReplacement.h"
#include "app/report/ObjectReport.h"
#include "app/ui/MainWindow.h"
#include "app/ui/RecentFiles.h"

#include <velmaris/widgets/PropertyItemDelegate.h>

#include <velmaris/model/PropertyRowWalk.h>

#include <velmaris/host/property/BaseProperty.h>

#include <QAction>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QImage>
#include <QLineEdit>
#include <QListView>
#include <QMenu>
#include <QScreen>
#include <QSettings>
#include <QSplitter>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QToolTip>
#include <QTranslator>
#include <QTreeView>
#include <QUndoView>
#include <QtTest>

using namespace VelmarisEditor;

Q_DECLARE_METATYPE(QMessageBox::StandardButton)

namespace {

const QString s_plan = QStringLiteral(VELMARIS_TEST_DATA_DIR "/good/editor-plan.json");

// A file of the test plan's own, which a test may change.
QString planFileIn(const QTemporaryDir &dir)
{
    const QString path = dir.filePath(QStringLiteral("plan.json"));
    writeFile(path, readAll(s_plan));
    return path;
}

int propertyRows(MainWindow &window)
{
    int rows = 0;
    Velmaris::forEachPropertyRow(window.propertyModel(), [&rows](const QModelIndex &) { ++rows; });
    return rows;
}

} // namespace

class EditorTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void filling_and_settings()
    {
        // The rows and values of a plain fill are checked in report_in_words.
        MainWindow window(untitled(loadedPlan(s_plan)), nullptr);
        QVERIFY(window.setCurrency(QStringLiteral("chf")));
        QCOMPARE(window.findChild<QComboBox *>()->currentText(), QStringLiteral("CHF"));
        QCOMPARE(viewCell(window, "OP_Rate").data(Qt::EditRole).toDouble(), 95.0);
        QVERIFY(!window.setCurrency(QStringLiteral("XYZ")));
        // Only prices follow the rate: their cells alone are filled again.
        QSignalSpy filled(&window.propertyModel(), &Velmaris::ProcPlanBaseQItemModel::sigPropGotModified);
        QVERIFY(window.setCurrency(QStringLiteral("USD")));
        QCOMPARE(filled.count(), 1);
        QCOMPARE(viewCell(window, "OP_Rate").data(Qt::EditRole).toDouble(), 108.0);

        window.setShowAllProperties(true);
        QCOMPARE(propertyRows(window), 6);
        window.setShowAllProperties(false);

        // The filter narrows the view by label; the model keeps every row.
        window.setFilterText(QStringLiteral("coo"));
        QCOMPARE(window.filterModel().rowCount(window.filterModel().index(0, 0)), 1);
        QCOMPARE(propertyRows(window), 5);

        QVERIFY(window.selectObject(20));
        QCOMPARE(propertyRows(window), 0);
    }

    void editing_with_undo()
    {
        MainWindow window(untitled(loadedPlan(s_plan)), nullptr);
        const auto *rate = window.plan().property(10, "OP_Rate");
        editThroughDelegate<QDoubleSpinBox>(window, "OP_Rate", [](QDoubleSpinBox &spin) {
            QCOMPARE(spin.suffix(), QStringLiteral(" EUR"));
            spin.setValue(120.0);
        });
        QCOMPARE(window.undoStack().text(0), QStringLiteral("Change Rate of Milling 10 to 120 EUR"));
        QCOMPARE(std::get<double>(rate->value()), 120.0);
        QCOMPARE(viewCell(window, "OP_Rate").data(Velmaris::StateFlagsRole).toInt(), int(Velmaris::ChangedFlag));

        editThroughDelegate<QComboBox>(window, "OP_Mat", [](QComboBox &combo) { combo.setCurrentText(QStringLiteral("Aluminium")); });
        const auto *material = window.plan().property(10, "OP_Mat");
        QCOMPARE(std::get<int>(material->value()), 1);

        window.undoStack().undo();
        QCOMPARE(std::get<int>(material->value()), 0);
        // Undo and redo show the change from elsewhere: its object, selected from code and filled once
        // though the list announces it too, and its row past the filter.
        for (const double shown : {100.0, 120.0}) {
            window.selectObject(20);
            window.setFilterText(QStringLiteral("coolant"));
            QSignalSpy filled(&window.propertyPane(), &PropertyPane::shown);
            shown == 100.0 ? window.undoStack().undo() : window.undoStack().redo();
            QCOMPARE(std::get<double>(rate->value()), shown);
            QCOMPARE(filled.count(), 1);
            QCOMPARE(window.objectList()->currentIndex().data(ObjectListModel::idRole).toInt(), 10);
            QCOMPARE(window.propertyView()->currentIndex(), viewCell(window, "OP_Rate"));
            QCOMPARE(viewCell(window, "OP_Rate").data(Qt::EditRole).toDouble(), shown);
            QCOMPARE(viewCell(window, "OP_Rate").data(Velmaris::StateFlagsRole).toInt(), shown == 100.0 ? 0 : int(Velmaris::ChangedFlag));
        }

        // Read-only cells open no editor; an unchanged value makes no command.
        QVERIFY(!window.propertyView()->itemDelegate()->createEditor(window.propertyView()->viewport(), QStyleOptionViewItem(),
                                                                     viewCell(window, "OP_Count")));
        editThroughDelegate<QDoubleSpinBox>(window, "OP_Rate", [](QDoubleSpinBox &) {});
        QCOMPARE(window.undoStack().index(), 1);
    }

    void long_texts_are_cut_in_the_history()
    {
        MainWindow window(untitled(loadedPlan(s_plan)), nullptr);
        const QString text(30000, QLatin1Char('x'));
        editThroughDelegate<QLineEdit>(window, "OP_Note", [&text](QLineEdit &line) { line.setText(text); });
        QCOMPARE(QString::fromStdString(std::get<std::string>(window.plan().property(10, "OP_Note")->value())), text);
        const QString entry = window.undoStack().text(0);
        QCOMPARE(entry.size(), 200);
        QVERIFY2(entry.startsWith(QStringLiteral("Change Note of Milling 10 to xxx")) && entry.endsWith(QChar(0x2026)), qPrintable(entry));
    }

    void command_line()
    {
        const QStringList dump{QStringLiteral("--plan"), s_plan, QStringLiteral("--dump")};
        const EditorRun german = runEditor(dump + QStringList{QStringLiteral("--lang"), QStringLiteral("de"),
                                                              QStringLiteral("--currency"), QStringLiteral("chf")});
        QVERIFY2(german.exitCode == 0 && german.output.startsWith(QStringLiteral("Kosten\n  Satz = 95,00 CHF\n  Count = 3 [schreibgeschützt]\n")),
                 qPrintable(german.output + german.errors));
        QCOMPARE(runEditor(dump + QStringList{QStringLiteral("--select"), QStringLiteral("7")}).exitCode, 2);
        // Help needs no display.
        const EditorRun help = runEditor({QStringLiteral("--help")},
                                         {QStringLiteral("DISPLAY"), QStringLiteral("WAYLAND_DISPLAY"), QStringLiteral("QT_QPA_PLATFORM")});
        QVERIFY2(help.exitCode == 0 && help.output.contains(QStringLiteral("--lang <LANG>")), qPrintable(help.output + help.errors));

        QTemporaryDir dir;
        const QString png = dir.filePath(QStringLiteral("shot.png"));
        const EditorRun shot = runEditor({QStringLiteral("--screenshot"), png, QStringLiteral("--compare")});
        QVERIFY2(shot.exitCode == 0, qPrintable(shot.errors));
        QVERIFY(QImage(png).width() > 400 && QImage(png).height() > 300);
    }

    void history_panel_and_redo_key()
    {
        QTranslator german;
        QVERIFY(german.load(QStringLiteral(":/translations/velmaris_editor_de.qm")));
        QCoreApplication::installTranslator(&german);
        MainWindow window(untitled(loadedPlan(s_plan)), nullptr);
        QCoreApplication::removeTranslator(&german);
        auto *history = window.findChild<QUndoView *>();
        QCOMPARE(history->emptyLabel(), QStringLiteral("<leer>"));
        window.show();
        window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        editThroughDelegate<QLineEdit>(window, "OP_Note", [](QLineEdit &line) { line.setText(QString(120, QLatin1Char('x'))); });
        QTest::keySequence(&window, QKeySequence(Qt::CTRL | Qt::Key_Z));
        QCOMPARE(window.undoStack().index(), 0);
        QTest::keySequence(&window, QKeySequence(Qt::CTRL | Qt::Key_Y));
        QCOMPARE(window.undoStack().index(), 1);

        // The entry the panel cuts off has its whole text as a tooltip; the one it shows whole, none.
        const auto tooltipOf = [history](int row) {
            const QRect entry = history->visualRect(history->model()->index(row, 0));
            QHelpEvent help(QEvent::ToolTip, entry.center(), history->viewport()->mapToGlobal(entry.center()));
            QCoreApplication::sendEvent(history->viewport(), &help);
            return QToolTip::text();
        };
        QTRY_COMPARE(tooltipOf(1), history->model()->index(1, 0).data().toString());
        QTRY_COMPARE(tooltipOf(0), QString());
    }

    void shown_window_fits_and_tabs_to_the_first_value()
    {
        MainWindow window(untitled(loadedPlan(s_plan)), nullptr);
        window.show();
        window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        QVERIFY(window.screen()->availableGeometry().contains(window.frameGeometry()));
        window.objectList()->setFocus();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QVERIFY(qobject_cast<QLineEdit *>(QApplication::focusWidget()));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), window.propertyView());
        // The first value cell, not the category row above it.
        QCOMPARE(window.propertyView()->currentIndex(), viewCell(window, "OP_Rate"));
        window.findChild<QSplitter *>()->setSizes({5000, 0});
        QVERIFY(window.propertyView()->width() >= 300);
    }

    void set_to_automatic_data()
    {
        QTest::addColumn<QString>("key"); // none: the category row
        QTest::addColumn<bool>("edited");
        QTest::addColumn<bool>("offered");
        QTest::newRow("changed value") << QStringLiteral("OP_Rate") << true << true;
        QTest::newRow("automatic value") << QStringLiteral("OP_Rate") << false << false;
        QTest::newRow("read-only, not automatic") << QStringLiteral("OP_Count") << false << false;
        QTest::newRow("category row") << QString() << true << false;
    }

    void set_to_automatic()
    {
        QFETCH(QString, key);
        QFETCH(bool, edited);
        QFETCH(bool, offered);
        MainWindow window(untitled(loadedPlan(s_plan)), nullptr);
        if (edited)
            editThroughDelegate<QDoubleSpinBox>(window, "OP_Rate", [](QDoubleSpinBox &spin) { spin.setValue(120.0); });
        window.propertyView()->setCurrentIndex(key.isEmpty() ? window.filterModel().index(0, 0)
                                                             : viewCell(window, key.toStdString()));
        QCOMPARE(window.toAutomaticAction()->isEnabled(), offered);
        window.toAutomaticAction()->trigger();
        QCOMPARE(window.undoStack().count(), int(edited) + int(offered));
        QCOMPARE(window.undoStack().text(int(edited)), offered ? QStringLiteral("Set Rate to automatic") : QString());
        QCOMPARE(std::get<double>(window.plan().property(10, "OP_Rate")->value()), edited && !offered ? 120.0 : 100.0);
        QVERIFY(!window.toAutomaticAction()->isEnabled());
        // Back to automatic, the rate is no longer marked as modified.
        QCOMPARE(viewCell(window, "OP_Rate").siblingAtColumn(0).data(Velmaris::MarkedLabelRole).toBool(), edited && !offered);
    }

    void labels_fall_back_to_keys()
    {
        PlanError error;
        auto plan = parsePlan(R"({"format": "velmaris-plan", "version": 1, "objects": [{"id": 1, "kind": "tool",
            "type": "OBJ_Tool", "properties": [{"key": "P_Mat", "category": "CAT_Main", "kind": "enum",
            "values": ["MAT_A", "MAT_B"], "value": "MAT_B"}]}]})", QStringLiteral("plan"), &error);
        QVERIFY2(plan, qPrintable(error.message()));
        MainWindow window(untitled(std::move(plan)), nullptr);
        QCOMPARE(window.objectList()->model()->index(0, 0).data().toString(), QStringLiteral("OBJ_Tool"));
        QCOMPARE(window.dump(), QStringLiteral("CAT_Main\n  P_Mat = MAT_B\n"));
        QCOMPARE(viewCell(window, "P_Mat").data(Velmaris::EnumLabelsRole).toStringList(),
                 QStringList({QStringLiteral("MAT_A"), QStringLiteral("MAT_B")}));
    }

    void unsaved_changes_data()
    {
        QTest::addColumn<QString>("step");
        QTest::addColumn<QMessageBox::StandardButton>("answer");
        for (const char *step : {"close", "open", "new"}) {
            QTest::addRow("%s, save", step) << QString::fromLatin1(step) << QMessageBox::Save;
            QTest::addRow("%s, discard", step) << QString::fromLatin1(step) << QMessageBox::Discard;
            QTest::addRow("%s, cancel", step) << QString::fromLatin1(step) << QMessageBox::Cancel;
        }
    }

    void unsaved_changes()
    {
        QFETCH(QString, step);
        QFETCH(QMessageBox::StandardButton, answer);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("plan.json"));
        const QString other = dir.filePath(QStringLiteral("other.json"));
        QVERIFY(QFile::copy(s_plan, path) && QFile::copy(s_plan, other));
        MainWindow window(openedDocument(path), nullptr);
        QCOMPARE(window.windowTitle(), QStringLiteral("plan.json[*] - Velmaris process plan editor"));
        editThroughDelegate<QDoubleSpinBox>(window, "OP_Rate", [](QDoubleSpinBox &spin) { spin.setValue(120.0); });
        QVERIFY(window.isWindowModified());
        ModalBoxes boxes(answer);
        const bool went = step == QLatin1String("close") ? window.close()
                          : step == QLatin1String("open") ? window.openPlan(other)
                                                          : window.newPlan();
        QCOMPARE(boxes.shown.size(), std::size_t(1));
        QCOMPARE(boxes.shown.front().title, QStringLiteral("Unsaved changes"));
        QCOMPARE(went, answer != QMessageBox::Cancel);
        const bool dropped = answer == QMessageBox::Discard && step == QLatin1String("close");
        QCOMPARE(window.isWindowModified(), answer == QMessageBox::Cancel || dropped);
        QCOMPARE(std::get<double>(loadedPlan(path)->property(10, "OP_Rate")->value()), answer == QMessageBox::Save ? 120.0 : 100.0);
        const QString expectedPath = !went || step == QLatin1String("close") ? path
                                     : step == QLatin1String("open")        ? other
                                                                            : QString();
        QCOMPARE(window.planPath(), expectedPath);
    }

    void saving_over_another_programs_change_data()
    {
        QTest::addColumn<QString>("onDisk"); // "changed" or "read-only"
        QTest::addColumn<QMessageBox::StandardButton>("answer");
        QTest::newRow("changed, overwrite") << QStringLiteral("changed") << QMessageBox::Yes;
        QTest::newRow("changed, cancel") << QStringLiteral("changed") << QMessageBox::Cancel;
        QTest::newRow("read-only, cancel") << QStringLiteral("read-only") << QMessageBox::Cancel;
    }

    void saving_over_another_programs_change()
    {
        QFETCH(QString, onDisk);
        QFETCH(QMessageBox::StandardButton, answer);
        const QTemporaryDir dir;
        const QString path = planFileIn(dir);
        MainWindow window(openedDocument(path), nullptr);
        editThroughDelegate<QDoubleSpinBox>(window, "OP_Rate", [](QDoubleSpinBox &spin) { spin.setValue(120.0); });
        const QByteArray other = readAll(s_plan).replace("Milling 10", "Milling 11");
        if (onDisk == QLatin1String("changed"))
            changeOnDisk(path, other);
        else
            QFile::setPermissions(path, QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther);
        const QByteArray before = readAll(path);
        ModalBoxes boxes(answer);
        const bool saved = window.save();
        QCOMPARE(boxes.shown.size(), std::size_t(1));
        QCOMPARE(boxes.shown.front().title, onDisk == QLatin1String("changed") ? QStringLiteral("File changed") : QStringLiteral("Read-only file"));
        QCOMPARE(saved, answer == QMessageBox::Yes);
        QCOMPARE(window.isWindowModified(), !saved);
        QCOMPARE(readAll(path) == before, !saved);
        if (saved)
            QCOMPARE(readAll(backupPathOf(path)), other);
    }

    void reload_when_changed_on_disk_data()
    {
        QTest::addColumn<bool>("edited");
        QTest::addColumn<QMessageBox::StandardButton>("answer");
        QTest::newRow("unmodified, reload") << false << QMessageBox::Yes;
        QTest::newRow("unmodified, keep") << false << QMessageBox::No;
        QTest::newRow("modified") << true << QMessageBox::Yes;
    }

    void reload_when_changed_on_disk()
    {
        QFETCH(bool, edited);
        QFETCH(QMessageBox::StandardButton, answer);
        const QTemporaryDir dir;
        const QString path = planFileIn(dir);
        MainWindow window(openedDocument(path), nullptr);
        window.selectObject(20);
        if (edited) {
            window.plan().property(10, "OP_Rate")->assign(120.0);
            window.undoStack().resetClean();
        }
        ModalBoxes boxes(answer);
        changeOnDisk(path, readAll(s_plan).replace("\"value\": 100", "\"value\": 250"));
        QTRY_VERIFY(!boxes.shown.empty() || window.statusBar()->currentMessage().contains(QStringLiteral("changed by another program")));
        QTest::qWait(300);
        QCOMPARE(boxes.shown.size(), std::size_t(!edited));
        const double expected = edited ? 120.0 : answer == QMessageBox::Yes ? 250.0 : 100.0;
        QCOMPARE(std::get<double>(window.plan().property(10, "OP_Rate")->value()), expected);
        // A reload keeps the object shown, and leaves nothing to save.
        QCOMPARE(window.objectList()->currentIndex().data(ObjectListModel::idRole).toInt(), 20);
        QCOMPARE(window.isWindowModified(), edited);
    }

    void reference_recent_files_and_settings()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("plan.json"));
        QSettings settings(dir.filePath(QStringLiteral("settings.ini")), QSettings::IniFormat);
        QByteArray splitter;
        {
            MainWindow window(untitled(loadedPlan(s_plan)), nullptr);
            window.useSettings(&settings);
            QVERIFY(!window.compareAction()->isEnabled());
            QVERIFY(window.compareAction()->toolTip().contains(QStringLiteral("Open reference plan")));
            QVERIFY(window.openReference(s_plan));
            QVERIFY(window.compareAction()->isEnabled() && window.compareAction()->isChecked());
            window.compareAction()->trigger();
            QVERIFY(!window.propertyModel().referenceComparisonEnabled());
            window.compareAction()->trigger();
            QVERIFY(window.saveTo(path));
            QCOMPARE(window.statusBar()->currentMessage(), QStringLiteral("Saved to ") + QDir::toNativeSeparators(path));
            QVERIFY(window.setCurrency(QStringLiteral("USD")));
            window.setShowAllProperties(true);
            window.findChild<QSplitter *>()->setSizes({150, 650});
            splitter = window.findChild<QSplitter *>()->saveState();
            QVERIFY(window.close());
        }
        MainWindow window(untitled(loadedPlan(s_plan)), loadedPlan(s_plan));
        window.useSettings(&settings);
        QCOMPARE(window.findChild<QComboBox *>()->currentText(), QStringLiteral("USD"));
        QVERIFY(window.compareAction()->isChecked());
        QVERIFY(Velmaris::ProcPlanBaseQItemModel::getShowAllProperties());
        QCOMPARE(window.findChild<QSplitter *>()->saveState(), splitter);
        QCOMPARE(window.recentFiles().paths(), QStringList{path});
        // A recent file that cannot be opened any more leaves the list.
        QVERIFY(QFile::remove(path));
        ModalBoxes boxes;
        QVERIFY(!window.openPlan(path));
        QCOMPARE(boxes.shown.size(), std::size_t(1));
        QVERIFY(window.recentFiles().paths().isEmpty());

        // The plan a run starts with is a recent file too, shown with its folder.
        const QString other = dir.filePath(QStringLiteral("other.json"));
        writeFile(other, readAll(s_plan));
        MainWindow started(openedDocument(other), nullptr);
        started.useSettings(&settings);
        QCOMPARE(started.recentFiles().paths(), QStringList{other});
        QStringList entries;
        for (const QMenu *menu : started.findChildren<QMenu *>()) {
            if (menu->title() == QLatin1String("Open &recent"))
                for (const QAction *entry : menu->actions())
                    entries << entry->text();
        }
        QCOMPARE(entries, QStringList{QStringLiteral("&1 ") + QDir::toNativeSeparators(other)});
        // The switch is the whole process's: later tests start without it.
        started.setShowAllProperties(false);
    }

    void report_in_words()
    {
        auto reference = loadedPlan(s_plan);
        reference->property(10, "OP_Rate")->assign(90.0);
        MainWindow window(untitled(loadedPlan(s_plan)), std::move(reference));
        window.setCompareWithReference(true);
        editThroughDelegate<QComboBox>(window, "OP_Mat", [](QComboBox &combo) { combo.setCurrentText(QStringLiteral("Aluminium")); });
        const auto reported = [&window] {
            QStringList lines;
            for (const ReportLine &line : ObjectReport::lines(window.propertyModel(), window.reference()))
                lines << (line.heading ? QStringLiteral("# ") : line.continued ? QStringLiteral("  ") : QString()) + line.text;
            return lines;
        };
        const QStringList lines = reported();
        QCOMPARE(lines, QStringList({QStringLiteral("# Cost"),
                                     QStringLiteral("Rate: 100.00 EUR  (differs from the reference plan, which has 90.00 EUR)"),
                                     QStringLiteral("Count: 3  (read-only)"),
                                     QStringLiteral("Material: Aluminium  (changed; differs from the reference plan, which has Steel)"),
                                     QStringLiteral("Coolant: No"),
                                     QStringLiteral("Note: a[b]")}));
        // A value of several lines keeps them.
        window.propertyModel().setDataQuietly(window.filterModel().mapToSource(viewCell(window, "OP_Note")),
                                              QStringLiteral("Check clamping.\nUse the soft jaws."), Qt::EditRole);
        QCOMPARE(reported().mid(lines.size() - 1),
                 QStringList({QStringLiteral("Note: Check clamping."), QStringLiteral("  Use the soft jaws.")}));
        // Offscreen no viewer opens the report: the status bar says where it lies.
        QTemporaryDir temp;
        qputenv("TMPDIR", QFile::encodeName(temp.path()));
        ModalBoxes boxes;
        window.showReport();
        QCOMPARE(window.statusBar()->currentMessage(),
                 QStringLiteral("Report written to ") + QDir::toNativeSeparators(temp.filePath(QStringLiteral("velmaris-report-10.pdf"))));
    }
};

QTEST_MAIN(EditorTest)
#include "EditorTest.moc"
