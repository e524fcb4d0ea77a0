#include "model/MeasuringFont.h"
#include "model/SpinBoxVariantCache.h"

#include <QFontMetrics>
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

class PopulationCachesTest : public QObject
{
    Q_OBJECT

private slots:
    void spin_box_variants_hold_what_was_asked_for()
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
        // More settings than the cache has slots, asked for in turns: each answer is exactly the request.
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
        // A variant handed out earlier is not changed when its slot is reused.
        QCOMPARE(exactly(first.value<VLDoubleSpinBoxData>()), exactly(base));
    }

    void widths_are_those_of_the_text_in_the_current_font()
    {
        const QString family = QStringLiteral("DejaVu Sans");
        const auto measured = [&family](int size, const QString &text) {
            return QFontMetrics(QFont(family, size, QFont::Normal, false)).horizontalAdvance(text, -1);
        };
        // Numbers that differ only in value, unit, type or the sign of a zero have texts of their own.
        const std::vector<std::tuple<QVariant, std::string, QString>> numbers{
            {123456.75, "mm", QStringLiteral("123456.75 mm")}, {123456.5, "mm", QStringLiteral("1 mm")},
            {123456.75, "in", QStringLiteral("123456.75 inches")}, {0.0, "mm", QStringLiteral("0 mm")},
            {-0.0, "mm", QStringLiteral("-0.000 mm")},          {0, "mm", QStringLiteral("0 millimetres")},
        };
        for (const int size : {10, 40, 10}) {
            MeasuringFont font;
            font.follow(family, size);
            for (int pass = 0; pass < 2; ++pass) {
                for (const auto &[number, unit, text] : numbers)
                    QCOMPARE(font.width(number, unit, [&text = text] { return text; }), measured(size, text));
            }
        }
        MeasuringFont font;
        font.follow(family, 40);
        font.follow(family, QStringLiteral("10"));
        QCOMPARE(font.width(QStringLiteral("wide text")), measured(10, QStringLiteral("wide text")));
    }
};

QTEST_MAIN(PopulationCachesTest)
#include "PopulationCachesTest.moc"
