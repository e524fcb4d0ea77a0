#include <velmaris/model/MeasuringFont.h>

#include <QFontMetrics>
#include <QtTest>

using namespace Velmaris;

class MeasuringFontTest : public QObject
{
    Q_OBJECT

private slots:
    // Remembered widths are those of the very text asked for, in the font followed at the time.
    void widths_are_those_of_the_text_in_the_current_font()
    {
        const auto measured = [](const QString &family, int size, const QString &text) {
            return QFontMetrics(QFont(family, size, QFont::Normal, false)).horizontalAdvance(text, -1);
        };
        // Numbers that differ only in value, unit, type or the sign of a zero have texts of their own.
        const std::vector<std::tuple<QVariant, std::string, QString>> numbers{
            {123456.75, "mm", QStringLiteral("123456.75 mm")}, {123456.5, "mm", QStringLiteral("1 mm")},
            {123456.75, "in", QStringLiteral("123456.75 inches")}, {0.0, "mm", QStringLiteral("0 mm")},
            {-0.0, "mm", QStringLiteral("-0.000 mm")}, {0, "mm", QStringLiteral("0 millimetres")},
        };
        MeasuringFont font;
        for (const auto &[family, size] : {std::make_pair(QStringLiteral("DejaVu Sans"), 10), std::make_pair(QStringLiteral("DejaVu Sans"), 40),
                                           std::make_pair(QStringLiteral("DejaVu Serif"), 40), std::make_pair(QStringLiteral("DejaVu Sans"), 10)}) {
            font.follow(family, QString::number(size));
            for (int pass = 0; pass < 2; ++pass) {
                for (const auto &[number, unit, text] : numbers)
                    QCOMPARE(font.width(number, unit, [&text = text] { return text; }), measured(family, size, text));
            }
        }
    }
};

QTEST_MAIN(MeasuringFontTest)
#include "MeasuringFontTest.moc"
