#pragma once

#include "app/plan/WorkProgress.h"

#include <QString>

#include <functional>

class QStatusBar;

namespace VelmarisEditor {

// Runs work on another thread while the window goes on answering, and returns when it has
// ended: meanwhile the status bar says what runs, with a progress bar and, where the work can
// stop, a Cancel button, and the cursor shows that the window is busy. The work must not touch
// widgets; it reports through the progress, whose cancelled flag the button sets.
void runInBackground(QStatusBar *statusBar, const QString &what, bool cancellable, WorkProgress &progress,
                     const std::function<void()> &work);

} // namespace VelmarisEditor
