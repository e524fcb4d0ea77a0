#include "app/ui/BackgroundWork.h"

#include <QApplication>
#include <QEventLoop>
#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QStatusBar>
#include <QTimer>

#include <atomic>
#include <thread>

namespace VelmarisEditor {

namespace {

// Often enough that the bar moves smoothly; the work itself never waits for it.
constexpr int s_pollMilliseconds = 50;
constexpr int s_barSteps = 1000;

} // namespace

void runInBackground(QStatusBar *statusBar, const QString &what, bool cancellable, WorkProgress &progress,
                     const std::function<void()> &work)
{
    auto *panel = new QWidget;
    auto *layout = new QHBoxLayout(panel);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(new QLabel(what));
    auto *bar = new QProgressBar;
    bar->setRange(0, s_barSteps);
    layout->addWidget(bar);
    if (cancellable) {
        auto *cancel = new QPushButton(QApplication::translate("VelmarisEditor::BackgroundWork", "Cancel"));
        QObject::connect(cancel, &QPushButton::clicked, cancel, [&progress, cancel] {
            progress.cancelled = true;
            cancel->setEnabled(false);
        });
        layout->addWidget(cancel);
    }
    statusBar->addPermanentWidget(panel);
    QApplication::setOverrideCursor(Qt::BusyCursor);

    std::atomic<bool> finished{false};
    std::thread worker([&work, &finished] {
        work();
        finished = true;
    });
    QEventLoop loop;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, &loop, [&] {
        const std::int64_t total = progress.total;
        bar->setValue(total > 0 ? static_cast<int>(s_barSteps * progress.done / total) : 0);
        if (finished)
            loop.quit();
    });
    poll.start(s_pollMilliseconds);
    loop.exec();
    worker.join();

    QApplication::restoreOverrideCursor();
    statusBar->removeWidget(panel);
    delete panel;
}

} // namespace VelmarisEditor
