// What the library's users rely on in the host stand-in: exact undo, refused misfits and the
// spin-box record's wire form.
#include "support/PlanObjects.h"

class HostContractTest : public QObject
{
    Q_OBJECT

private slots:
    void commands_undo_exactly_and_refuse_misfits()
    {
        CCAPIAccess::DataBaseControl labels;
        auto layout = std::make_shared<ProcessLayout>(&labels);
        CostPropertyString name(key("P"), "old");
        name.setNoValue(true);
        SetPropertyStringValueCmd rename(layout, &name, "new");
        QVERIFY(!rename.undo());
        QVERIFY(rename.execute() && name.isModified() && !name.hasNoValue());
        QVERIFY(rename.undo());
        QCOMPARE(name.getValue(), std::string("old"));
        QVERIFY(!name.isModified() && name.hasNoValue());
        QVERIFY(rename.redo());
        QCOMPARE(name.getValue(), std::string("new"));

        CostPropertyEnum choice(key("P"), {"A", "B"}, 0);
        CostPropertyInteger count(key("P"), 5);
        for (const std::shared_ptr<CommandBase> &misfit : std::vector<std::shared_ptr<CommandBase>>{
                 std::make_shared<SetPropertyEnumValueCmd>(layout, &choice, 2, false),
                 std::make_shared<SetPropertyDoubleValueCmd>(layout, &count, 2.5, false),
                 std::make_shared<SetPropertyEnumValueCmd>(layout, &name, 0, false),
                 std::make_shared<SetPropertyBooleanValueCmd>(layout, nullptr, true)}) {
            QVERIFY(!misfit->execute());
            QVERIFY(!misfit->undo());
        }
        QCOMPARE(std::make_tuple(choice.getIndexValue(), count.getValue(), choice.isModified()), std::make_tuple(0, 5, false));
    }

    void spin_box_data_travels_by_name_in_a_fixed_order()
    {
        VLDoubleSpinBoxData data;
        data.keyboardTracking = false;
        data.minimum = -2.5;
        data.maximum = 99.0;
        data.singleStep = 0.5;
        data.maximumLength = 12;
        data.decimals = 3;
        data.suffix = QStringLiteral("mm");
        data.prefix = QStringLiteral("≈");
        data.specialValueText = QStringLiteral("auto");
        data.displayFactor = 2.0;
        data.flags = 7;
        const QVariant variant(QMetaType::type("VLDoubleSpinBoxData"), &data);
        QCOMPARE(variant.userType(), VLDoubleSpinBoxData::metaTypeId());

        // Inside a variant: its name, then each field in its place, keyboard tracking left out.
        QByteArray bytes;
        QByteArray expected;
        QDataStream out(&bytes, QIODevice::WriteOnly);
        QDataStream fields(&expected, QIODevice::WriteOnly);
        out << variant;
        fields << quint32(QMetaType::User) << qint8(0) << "VLDoubleSpinBoxData" << -2.5 << 99.0 << 0.5 << qint32(12)
               << qint32(3) << QStringLiteral("mm") << QStringLiteral("≈") << QStringLiteral("auto") << 2.0 << qint32(7);
        QCOMPARE(bytes, expected);
        QVariant read;
        QDataStream in(bytes);
        in >> read;
        QVERIFY(read == variant && read.value<VLDoubleSpinBoxData>().keyboardTracking);
    }
};

QTEST_MAIN(HostContractTest)
#include "HostContractTest.moc"
