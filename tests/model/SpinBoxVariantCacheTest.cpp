#include <velmaris/model/SpinBoxVariantCache.h>

#include <QtTest>

#include <functional>

using namespace Velmaris;

namespace {

// Every field, with the sign of a zero and the field the stream leaves out.
QByteArray exactly(const VLDoubleSpinBoxData &data)
{
    QByteArray bytes;
    QDataStream out(&bytes, QIODevice::WriteOnly);
    out << data << data.keyboardTracking;
    return bytes;
}

} // namespace

class SpinBoxVariantCacheTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void variants_hold_exactly_what_was_asked_for()
    {
        VLDoubleSpinBoxData base;
        base.minimum = 0.0;
        base.maximum = 100.0;
        base.decimals = 2;
        base.suffix = QStringLiteral("mm");
        const std::vector<std::function<void(VLDoubleSpinBoxData &)>> changes{
            [](auto &d) { d.minimum = -0.0; },         [](auto &d) { d.maximum = 99.0; },
            [](auto &d) { d.singleStep = 0.5; },       [](auto &d) { d.maximumLength = 8; },
            [](auto &d) { d.decimals = 3; },           [](auto &d) { d.suffix = QStringLiteral("in"); },
            [](auto &d) { d.prefix = QStringLiteral("~"); }, [](auto &d) { d.specialValueText = QStringLiteral("auto"); },
            [](auto &d) { d.displayFactor = 2.0; },    [](auto &d) { d.flags = 1; },
            [](auto &d) { d.keyboardTracking = false; },
        };
        // Settings asked for in turns, then more than the cache keeps: each answer is exactly the request.
        SpinBoxVariantCache cache;
        const QVariant first = cache.variantOf(base);
        for (int round = 0; round < 3; ++round) {
            for (const auto &change : changes) {
                VLDoubleSpinBoxData asked = base;
                change(asked);
                const QVariant answer = cache.variantOf(asked);
                QCOMPARE(answer.userType(), VLDoubleSpinBoxData::metaTypeId());
                QCOMPARE(exactly(answer.value<VLDoubleSpinBoxData>()), exactly(asked));
                QCOMPARE(exactly(cache.variantOf(base).value<VLDoubleSpinBoxData>()), exactly(base));
            }
        }
        for (VLDoubleSpinBoxData asked = base; asked.maximum < 2100; ++asked.maximum)
            QCOMPARE(cache.variantOf(asked).value<VLDoubleSpinBoxData>().maximum, asked.maximum);
        // A variant handed out earlier is not changed when its slot is reused.
        QCOMPARE(exactly(first.value<VLDoubleSpinBoxData>()), exactly(base));
    }
};

QTEST_MAIN(SpinBoxVariantCacheTest)
#include "SpinBoxVariantCacheTest.moc"
