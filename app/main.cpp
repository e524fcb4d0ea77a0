// The Velmaris process-plan editor. Without options it opens the built-in sample plan; the
// headless options (--dump, --screenshot) fill the window offscreen and exit. An interactive run
// remembers its language, window and settings for the next one.
#include "app/plan/PlanFile.h"
#include "app/ui/HighDpiScaling.h"
#include "app/ui/MainWindow.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QLibraryInfo>
#include <QLocale>
#include <QPixmap>
#include <QSettings>
#include <QTextStream>
#include <QTranslator>

#include <csignal>
#include <memory>

using namespace VelmarisEditor;

namespace {

constexpr int refusedInput = 2;

int refuse(const QString &message)
{
    QTextStream(stderr) << "velmaris-editor: " << message << '\n';
    return refusedInput;
}

void installTranslations(QApplication &application, const QString &language)
{
    // Qt's own, for the buttons of its dialogs (Yes, Cancel, Save); then the library's and the editor's.
#if QT_VERSION < QT_VERSION_CHECK(6, 0, 0)
    const QString qtFolder = QLibraryInfo::location(QLibraryInfo::TranslationsPath);
#else
    const QString qtFolder = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
#endif
    const QString qtFile = qtFolder + QStringLiteral("/qtbase_%1.qm");
    for (const QString &file : {qtFile, QStringLiteral(":/translations/velmaris_%1.qm"),
                                QStringLiteral(":/translations/velmaris_editor_%1.qm")}) {
        auto *translator = new QTranslator(&application);
        if (translator->load(file.arg(language)))
            QApplication::installTranslator(translator);
    }
}

} // namespace

int main(int argc, char **argv)
{
#ifdef SIGXFSZ
    // A write beyond the file-size limit then fails with EFBIG, which saving reports, instead of
    // killing the editor with the user's unsaved edits.
    std::signal(SIGXFSZ, SIG_IGN);
#endif
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Edits the properties of a manufacturing process plan."));
    parser.addHelpOption();
    const QCommandLineOption planOption(QStringLiteral("plan"), QStringLiteral("Plan file to edit (JSON)."),
                                        QStringLiteral("FILE"));
    const QCommandLineOption referenceOption(QStringLiteral("reference"),
                                             QStringLiteral("Reference plan to compare with (JSON)."),
                                             QStringLiteral("FILE"));
    const QCommandLineOption langOption(QStringLiteral("lang"),
                                        QStringLiteral("Language of the texts: en or de (remembered; en at first)."),
                                        QStringLiteral("LANG"));
    const QCommandLineOption screenshotOption(QStringLiteral("screenshot"),
                                              QStringLiteral("Render the filled window to a PNG file and exit."),
                                              QStringLiteral("FILE.png"));
    const QCommandLineOption selectOption(QStringLiteral("select"), QStringLiteral("Object id to show."),
                                          QStringLiteral("ID"));
    const QCommandLineOption currencyOption(QStringLiteral("currency"),
                                            QStringLiteral("Display currency: EUR, CHF or USD, in any case."),
                                            QStringLiteral("CODE"));
    const QCommandLineOption compareOption(QStringLiteral("compare"), QStringLiteral("Compare with the reference plan."));
    const QCommandLineOption showAllOption(QStringLiteral("show-all"), QStringLiteral("Show hidden properties too."));
    const QCommandLineOption dumpOption(QStringLiteral("dump"), QStringLiteral("Print the filled property tree and exit."));
    parser.addOptions({planOption, referenceOption, langOption, screenshotOption, selectOption, currencyOption,
                       compareOption, showAllOption, dumpOption});
    // Help, and a mistyped option, are answered before the GUI application, which needs a display.
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    if (!parser.parse(arguments) || parser.isSet(QStringLiteral("help")) || parser.isSet(QStringLiteral("help-all"))) {
        QCoreApplication core(argc, argv);
        parser.process(core);
    }
    useHighDpiScaling();
    QApplication application(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("Velmaris"));
    QApplication::setApplicationName(QStringLiteral("velmaris-editor"));
    // The library measures values in the application's own font.
    application.setProperty("vlFont", QApplication::font().family());
    application.setProperty("vlFontSize", QApplication::font().pointSize());

    parser.process(application);

    // A headless run neither reads nor changes what an interactive one remembers, so that its
    // output depends on its options alone.
    const bool headless = parser.isSet(dumpOption) || parser.isSet(screenshotOption);
    const std::unique_ptr<QSettings> settings = headless ? nullptr : std::make_unique<QSettings>();
    const QString languageKey = QStringLiteral("language");
    QString language = parser.value(langOption);
    if (!parser.isSet(langOption))
        language = settings ? settings->value(languageKey).toString() : QString();
    if (language != QLatin1String("en") && language != QLatin1String("de")) {
        if (parser.isSet(langOption))
            return refuse(QStringLiteral("--lang: unknown language \"%1\" (use en or de)").arg(language));
        language = QStringLiteral("en");
    }
    installTranslations(application, language);
    // Numbers are shown and typed as the interface's language writes them (97,5 in German).
    QLocale::setDefault(QLocale(language));

    PlanError error;
    const bool ownPlan = parser.isSet(planOption);
    const QString planPath = ownPlan ? parser.value(planOption) : QString::fromLatin1(s_samplePlan);
    // A window shows at once and reads the plan it was started with while showing the progress;
    // a headless run reads it first.
    const bool readInWindow = ownPlan && !headless;
    std::unique_ptr<Document> document;
    if (readInWindow)
        document = std::make_unique<Document>(std::make_unique<PlanDocument>());
    else if (ownPlan)
        document = Document::open(planPath, &error);
    else if (std::unique_ptr<PlanDocument> sample = loadPlan(planPath, &error))
        document = std::make_unique<Document>(std::move(sample));
    if (!document)
        return refuse(error.message());
    std::unique_ptr<PlanDocument> reference;
    if (parser.isSet(referenceOption) || !ownPlan) {
        const QString path = parser.isSet(referenceOption) ? parser.value(referenceOption)
                                                           : QString::fromLatin1(s_sampleReference);
        reference = loadPlan(path, &error);
        if (!reference)
            return refuse(error.message());
    }
    for (PlanDocument *plan : {&document->plan(), reference.get()}) {
        if (plan)
            plan->labels.setActiveLanguage(language.toStdString());
    }

    MainWindow window(std::move(document), std::move(reference));
    // The options below override what the settings remember.
    if (settings)
        window.useSettings(settings.get());
    if (readInWindow) {
        window.show();
        if (!window.openPlanQuietly(planPath, &error) && !error.cancelled)
            return refuse(error.message());
    }
    if (parser.isSet(selectOption)) {
        bool isNumber = false;
        const int id = parser.value(selectOption).toInt(&isNumber);
        if (!isNumber || !window.selectObject(id))
            return refuse(QStringLiteral("--select: no object with id \"%1\"").arg(parser.value(selectOption)));
    }
    if (parser.isSet(currencyOption) && !window.setCurrency(parser.value(currencyOption)))
        return refuse(QStringLiteral("--currency: unknown currency \"%1\" (use EUR, CHF or USD)")
                          .arg(parser.value(currencyOption)));
    if (parser.isSet(compareOption))
        window.setCompareWithReference(true);
    if (parser.isSet(showAllOption))
        window.setShowAllProperties(true);

    if (parser.isSet(dumpOption)) {
        QTextStream(stdout) << window.dump();
        return 0;
    }
    if (parser.isSet(screenshotOption)) {
        window.show();
        QApplication::processEvents();
        if (!window.grab().save(parser.value(screenshotOption), "PNG"))
            return refuse(QStringLiteral("--screenshot: cannot write \"%1\"").arg(parser.value(screenshotOption)));
        return 0;
    }
    if (settings)
        settings->setValue(languageKey, language);
    window.show();
    return QApplication::exec();
}
