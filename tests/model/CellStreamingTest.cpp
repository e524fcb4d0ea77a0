// A host keeps cells by streaming their items, and moving from Qt 5 to Qt 6 reads what the
// other wrote: the spin-box settings must travel by their name and compare by their fields.
#include "support/PropertyRows.h"

#include <velmaris/model/ItemDataRoles.h>

#include <cmath>

namespace {

VLDoubleSpinBoxData millimetres()
{
    VLDoubleSpinBoxData data;
    data.minimum = -2.5;
    data.maximum = 800.0;
    data.singleStep = 0.5;
    data.maximumLength = 9;
    data.decimals = 3;
    data.suffix = QStringLiteral("mm");
    data.prefix = QStringLiteral("≈");
    data.specialValueText = QStringLiteral("auto");
    data.displayFactor = 25.4;
    data.flags = 5;
    return data;
}

// millimetres() in a QVariant streamed at Qt 5.15's version, as the Qt 5 build writes it.
const char *const qt515Bytes =
    "000004000000000014564c446f75626c655370696e426f784461746100c00400000000000040890000000000"
    "003fe0000000000000000000090000000300000004006d006d00000002224800000008006100750074006f40"
    "3966666666666600000005";

int metaTypeNamed(const char *name)
{
#if QT_VERSION < QT_VERSION_CHECK(6, 0, 0)
    return QMetaType::type(name);
#else
    return QMetaType::fromName(name).id();
#endif
}

QVariant roundTrip(const QVariant &value, QDataStream::Version version)
{
    QByteArray bytes;
    QDataStream out(&bytes, QIODevice::WriteOnly);
    out.setVersion(version);
    out << value;
    QDataStream in(bytes);
    in.setVersion(version);
    QVariant read;
    in >> read;
    return in.status() == QDataStream::Ok ? read : QVariant();
}

} // namespace

class CellStreamingTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void spin_box_settings_compare_by_fields_data()
    {
        QTest::addColumn<int>("field");
        QTest::addColumn<bool>("equal");
        QTest::newRow("keyboard tracking is no setting") << 0 << true;
        QTest::newRow("minimum") << 1 << false;
        QTest::newRow("suffix") << 2 << false;
        QTest::newRow("flags") << 3 << false;
        QTest::newRow("not a number never equals") << 4 << false;
    }

    void spin_box_settings_compare_by_fields()
    {
        QFETCH(int, field);
        QFETCH(bool, equal);
        VLDoubleSpinBoxData changed = millimetres();
        switch (field) {
        case 0: changed.keyboardTracking = false; break;
        case 1: changed.minimum = -2.0; break;
        case 2: changed.suffix = QStringLiteral("in"); break;
        case 3: changed.flags = 4; break;
        case 4: changed.displayFactor = std::nan(""); break;
        }
        const VLDoubleSpinBoxData &original = field == 4 ? changed : millimetres();
        QCOMPARE(QVariant::fromValue(original) == QVariant::fromValue(changed), equal);
        QCOMPARE(QVariant::fromValue(original) != QVariant::fromValue(changed), !equal);
    }

    void spin_box_settings_travel_by_name_data()
    {
        QTest::addColumn<int>("version");
        QTest::newRow("Qt 5.15's stream") << int(QDataStream::Qt_5_15);
        QTest::newRow("this Qt's stream") << int(QDataStream::Qt_DefaultCompiledVersion);
    }

    void spin_box_settings_travel_by_name()
    {
        QFETCH(int, version);
        QCOMPARE(metaTypeNamed("VLDoubleSpinBoxData"), VLDoubleSpinBoxData::metaTypeId());
        const QVariant read = roundTrip(QVariant::fromValue(millimetres()), QDataStream::Version(version));
        QCOMPARE(read.userType(), VLDoubleSpinBoxData::metaTypeId());
        QVERIFY(qvariant_cast<VLDoubleSpinBoxData>(read) == millimetres());
    }

    // Both builds write Qt 5.15's version byte for byte, and read what the other wrote.
    void qt515_stream_is_shared()
    {
        QByteArray bytes;
        QDataStream out(&bytes, QIODevice::WriteOnly);
        out.setVersion(QDataStream::Qt_5_15);
        out << QVariant::fromValue(millimetres());
        QCOMPARE(bytes.toHex(), QByteArray(qt515Bytes));

        QDataStream in(QByteArray::fromHex(qt515Bytes));
        in.setVersion(QDataStream::Qt_5_15);
        QVariant read;
        in >> read;
        QCOMPARE(in.status(), QDataStream::Ok);
        QVERIFY(qvariant_cast<VLDoubleSpinBoxData>(read) == millimetres());
    }

    // Every role of a filled cell comes back with its type and value, in either version.
    void filled_cells_survive_a_stream_data()
    {
        QTest::addColumn<PropertyPointer>("property");
        QTest::addColumn<int>("version");
        const std::vector<std::pair<const char *, PropertyPointer>> kinds{
            {"price", std::make_shared<CostPropertyDouble>(key("P_Price"), 250.0, "usd", 0.0, 1000.0)},
            {"count", std::make_shared<CostPropertyInteger>(key("P_N"), 21, "pcs", 0, 30)},
            {"choice", std::make_shared<CostPropertyEnum>(key("P_Mat"), std::vector<std::string>{"A", "B"}, 1)},
            {"text", std::make_shared<CostPropertyString>(key("P_T"), "two\nlines", true)},
            {"flag", std::make_shared<CostPropertyBoolean>(key("P_F"), true)}};
        for (const auto &[name, property] : kinds) {
            QTest::addRow("%s, Qt 5.15's stream", name) << property << int(QDataStream::Qt_5_15);
            QTest::addRow("%s, this Qt's stream", name) << property << int(QDataStream::Qt_DefaultCompiledVersion);
        }
    }

    void filled_cells_survive_a_stream()
    {
        QFETCH(PropertyPointer, property);
        QFETCH(int, version);
        PropertyRows rows;
        const QModelIndex cell = rows.fill(*property);
        QByteArray bytes;
        QDataStream out(&bytes, QIODevice::WriteOnly);
        out.setVersion(version);
        rows.model.itemFromIndex(cell)->write(out);
        QStandardItem read;
        QDataStream in(bytes);
        in.setVersion(version);
        read.read(in);
        QCOMPARE(in.status(), QDataStream::Ok);

        const QMap<int, QVariant> roles = rows.model.itemData(cell);
        QVERIFY(roles.contains(StateFlagsRole));
        for (auto role = roles.cbegin(); role != roles.cend(); ++role) {
            const QVariant copy = read.data(role.key());
            QCOMPARE(copy.userType(), role.value().userType());
            QVERIFY2(copy == role.value(), qPrintable(QString::number(role.key())));
        }
        QCOMPARE(read.flags(), rows.model.itemFromIndex(cell)->flags());
    }
};

QTEST_MAIN(CellStreamingTest)
#include "CellStreamingTest.moc"
