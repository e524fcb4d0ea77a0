#pragma once

#include <velmaris/velmaris_export.h>

#include <QString>

#include <vector>

class QWidget;

namespace Velmaris {

/// Shows a PDF held in memory in the desktop's PDF viewer.
class VELMARIS_EXPORT PdfViewer
{
public:
    /// Writes the bytes to the temporary directory under the name and opens the file there;
    /// tells the user (a message box over @p parent) when the file cannot be found afterwards
    /// or no viewer opens it. An empty document does nothing; a failed write is not reported.
    static void showDocument(const QString &fileName, const std::vector<char> &document, QWidget *parent);
};

} // namespace Velmaris
