#include "host/access/DataBaseControl.h"
#include "host/objects/TSObject.h"
#include "host/property/ScalarProperties.h"
#include "host/translation/Translator.h"
#include "host/translation/TranslatorWithRules.h"

#include "support/OneTextTranslator.h"

#include <QtTest>

using namespace CCAPIBaseCommon;
using namespace Velmaris;

namespace {

std::string filled(const char *text, std::initializer_list<std::string> arguments)
{
    ArgString result(QString::fromUtf8(text));
    for (const std::string &argument : arguments)
        result = result.arg(argument);
    return result;
}

} // namespace

class TranslationTest : public QObject
{
    Q_OBJECT

private slots:
    void labels();
    void translated_texts();
    void placeholders();
};

void TranslationTest::labels()
{
    CCAPIAccess::DataBaseControl db;
    db.setLabel("OBJ_Mill", "Milling");
    db.setLabel("OBJ_Mill", "Fräsen", "de");
    db.setLabel("P_Only_English", "English only");
    QCOMPARE(db.getLabel("OBJ_Mill"), std::string("Milling"));
    db.setActiveLanguage("de");
    QCOMPARE(db.getActiveLanguage(), std::string("de"));
    QCOMPARE(db.getLabel("OBJ_Mill"), std::string("Fräsen"));
    QCOMPARE(db.getLabel("P_Only_English"), std::string("English only"));
    QCOMPARE(db.getLabel("unknown"), std::string());
    QCOMPARE(db.getLabel("unknown", "fallback"), std::string("fallback"));

    // Every overload ends in the key lookup, through the control and through a rules translator.
    const TranslatorWithRules rules(&db);
    CCAPIProcessLayout::TSObject unnamed("OBJ_Mill");
    CCAPIProcessLayout::TSObject named("OBJ_Mill", "Op 10");
    CostPropertyBoolean property(LabelKey("OBJ_Mill", "CAT"), true);
    for (const ITranslator *translator : {static_cast<const ITranslator *>(&db), static_cast<const ITranslator *>(&rules)}) {
        QCOMPARE(translator->getLabel(&unnamed), std::string("Fräsen"));
        QCOMPARE(translator->getLabel(&named), std::string("Op 10"));
        QCOMPARE(translator->getLabel(&property), std::string("Fräsen"));
        QCOMPARE(translator->getLabel(property.getLabelKey()), std::string("Fräsen"));
        QCOMPARE(translator->getActiveLanguage(), std::string("de"));
    }
    QCOMPARE(TranslatorWithRules(nullptr).getLabel("OBJ_Mill"), std::string());
}

void TranslationTest::translated_texts()
{
    QCOMPARE(Translator::translate("ctx", "Size of %1"), std::string("Size of %1"));
    OneTextTranslator german("ctx", "Size of %1", QStringLiteral("Größe von %1"));
    QCoreApplication::installTranslator(&german);
    const std::string translated = Translator::translate("ctx", "Size of %1");
    const std::string withArgument = TranslatorArg::translate("ctx", "Size of %1").arg("Teil");
    QCoreApplication::removeTranslator(&german);
    QCOMPARE(QString::fromStdString(translated), QStringLiteral("Größe von %1"));
    QCOMPARE(QString::fromStdString(withArgument), QStringLiteral("Größe von Teil"));
    QCOMPARE(Translator::translate("ctx", "Size of %1"), std::string("Size of %1"));
}

void TranslationTest::placeholders()
{
    // The lowest number first, wherever it stands, and every occurrence of it.
    QCOMPARE(filled("%2 before %1", {"one", "two"}), std::string("two before one"));
    QCOMPARE(filled("%1 and %1 then %2", {"x", "y"}), std::string("x and x then y"));
    // Filled text is never searched again, not even by later arguments.
    QCOMPARE(filled("%1 of %2", {"50 %2", "all"}), std::string("50 %2 of all"));
    QCOMPARE(filled("%1", {"%1"}), std::string("%1"));
    // No open placeholder: unchanged; two-digit numbers; UTF-8 on both sides.
    QCOMPARE(filled("plain", {"x"}), std::string("plain"));
    QCOMPARE(filled("%10 %2", {"two", "ten"}), std::string("ten two"));
    QCOMPARE(filled("Größe %1", {"Maß"}), std::string("Größe Maß"));
    QCOMPARE(filled("100% of %1", {"x"}), std::string("100% of x"));
}

QTEST_MAIN(TranslationTest)
#include "TranslationTest.moc"
