#include <velmaris/model/MeasuringFont.h>

#include <QFontMetrics>
#include <QtTest>

using namespace Velmaris;

class MeasuringFontTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // Widths are those of the very text, in the font followed at the time, whether summed from
    // pairs, shaped whole (a kerned pair, text beyond ASCII) or remembered from earlier.
    void widths_are_those_of_the_text_in_the_current_font()
    {
        const auto measured = [](const QString &family, int size, const QString &text) {
            return QFontMetrics(QFont(family, size, QFont::Normal, false)).horizontalAdvance(text, -1);
        };
        const QStringList texts{QStringLiteral("123456.75 mm"), QStringLiteral("1 mm"), QStringLiteral("-0.000 mm"),
                                QStringLiteral("0 millimetres"), QStringLiteral("AVATAR To Ty"),
                                QStringLiteral("-V"), QStringLiteral("12.5 \u00b0C"), QString()}; // "-V": every pair kerned
        MeasuringFont font;
        for (const auto &[family, size] : {std::make_pair(QStringLiteral("DejaVu Sans"), 10), std::make_pair(QStringLiteral("DejaVu Sans"), 40),
                                           std::make_pair(QStringLiteral("DejaVu Serif"), 40), std::make_pair(QStringLiteral("DejaVu Sans"), 10)}) {
            font.follow(family, QString::number(size));
            for (int pass = 0; pass < 2; ++pass) {
                for (const QString &text : texts)
                    QCOMPARE(font.width(text), measured(family, size, text));
            }
        }
    }
};

QTEST_MAIN(MeasuringFontTest)
#include "MeasuringFontTest.moc"
