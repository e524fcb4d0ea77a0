#include "bench/BenchmarkMain.h"

#include "bench/BenchmarkPlan.h"
#include "bench/EditorView.h"
#include "bench/RatioReporter.h"

#include <QApplication>

int runBenchmarks(int argc, char **argv, const std::function<void(const RatioReporter &)> &summary)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    application.setProperty("vlFont", QStringLiteral("DejaVu Sans"));
    application.setProperty("vlFontSize", 10);
    {
        // Process-wide first uses (font database, glyph caches, lazily bound symbols) are
        // not a row's cost.
        BenchmarkPlan plan(200);
        EditorView editor;
        editor.fillAndShow(plan);
    }
    benchmark::Initialize(&argc, argv);
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    summary(reporter);
    return 0;
}
