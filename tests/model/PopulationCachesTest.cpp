#include "model/MeasuringFont.h"
#include "model/SpinBoxVariantCache.h"

#include <QFontMetrics>
#include <QtTest>

using namespace Velmaris;

class PopulationCachesTest : public QObject
{
    Q_OBJECT

private slots:
    void spin_box_variants_are_shared_only_when_identical();
    void number_widths_follow_the_font_and_the_exact_value();
};

void PopulationCachesTest::spin_box_variants_are_shared_only_when_identical()
{
    SpinBoxVariantCache cache;
    VLDoubleSpinBoxData millimetres;
    millimetres.minimum = 0.0;
    millimetres.maximum = 100.0;
    millimetres.decimals = 2;
    millimetres.suffix = QStringLiteral("mm");

    // Equal settings share one payload.
    const QVariant first = cache.variantOf(millimetres);
    VLDoubleSpinBoxData same = millimetres;
    QCOMPARE(cache.variantOf(same).constData(), first.constData());

    // Settings that the type's own equality confuses are still told apart.
    VLDoubleSpinBoxData negativeZero = millimetres;
    negativeZero.minimum = -0.0;
    VLDoubleSpinBoxData untracked = millimetres;
    untracked.keyboardTracking = false;
    QVERIFY(negativeZero == millimetres && untracked == millimetres);
    QVERIFY(std::signbit(cache.variantOf(negativeZero).value<VLDoubleSpinBoxData>().minimum));
    QVERIFY(!cache.variantOf(untracked).value<VLDoubleSpinBoxData>().keyboardTracking);
    QVERIFY(cache.variantOf(millimetres).value<VLDoubleSpinBoxData>().keyboardTracking);

    // More settings than slots: every answer still holds exactly what was asked for.
    for (int round = 0; round < 3; ++round) {
        for (int decimals = 0; decimals < 20; ++decimals) {
            VLDoubleSpinBoxData data = millimetres;
            data.decimals = decimals;
            const QVariant variant = cache.variantOf(data);
            QCOMPARE(variant.userType(), VLDoubleSpinBoxData::metaTypeId());
            QCOMPARE(variant.value<VLDoubleSpinBoxData>().decimals, decimals);
        }
    }
    // A held variant is not changed when its slot is reused.
    QCOMPARE(first.value<VLDoubleSpinBoxData>().decimals, 2);
}

void PopulationCachesTest::number_widths_follow_the_font_and_the_exact_value()
{
    const QString family = QStringLiteral("DejaVu Sans");
    const auto measuredIn = [&family](int size, const QString &text) {
        return QFontMetrics(QFont(family, size, QFont::Normal, false)).horizontalAdvance(text, -1);
    };
    int written = 0;
    const auto writer = [&written](const QString &text) {
        return [&written, text] {
            ++written;
            return text;
        };
    };

    MeasuringFont font;
    font.follow(family, 10);
    const QString wide = QStringLiteral("123456.75 mm");
    QCOMPARE(font.width(QVariant(123456.75), "mm", writer(wide)), measuredIn(10, wide));
    QCOMPARE(font.width(QVariant(123456.75), "mm", writer(wide)), measuredIn(10, wide));
    QCOMPARE(written, 1);

    // Another value, unit, type or sign of zero is another text.
    font.width(QVariant(123456.5), "mm", writer(QStringLiteral("123456.5 mm")));
    font.width(QVariant(123456.75), "in", writer(QStringLiteral("123456.75 in")));
    font.width(QVariant(0.0), "mm", writer(QStringLiteral("0 mm")));
    font.width(QVariant(-0.0), "mm", writer(QStringLiteral("-0 mm")));
    font.width(QVariant(0), "mm", writer(QStringLiteral("0 mm")));
    QCOMPARE(written, 6);

    // A model made anew knows the widths already; a new size measures again, in that size.
    MeasuringFont fresh;
    fresh.follow(family, 10);
    QCOMPARE(fresh.width(QVariant(123456.75), "mm", writer(wide)), measuredIn(10, wide));
    QCOMPARE(written, 6);
    fresh.follow(family, 40);
    QCOMPARE(fresh.width(QVariant(123456.75), "mm", writer(wide)), measuredIn(40, wide));
    QCOMPARE(written, 7);
    QVERIFY(measuredIn(40, wide) > measuredIn(10, wide));
    fresh.follow(family, QStringLiteral("10"));
    QCOMPARE(fresh.width(wide), measuredIn(10, wide));
}

QTEST_MAIN(PopulationCachesTest)
#include "PopulationCachesTest.moc"
