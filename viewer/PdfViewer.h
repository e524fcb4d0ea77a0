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
    /// Writes the bytes to documentPath(@p fileName) and opens the file there; tells the user
    /// (a message box over @p parent) when the file cannot be found afterwards or no viewer
    /// opens it. An empty document does nothing; a failed write is not reported. True when a
    /// viewer opened the file, so that a host can say where it lies when none did.
    static bool showDocument(const QString &fileName, const std::vector<char> &document, QWidget *parent);
    /// Where showDocument writes a document of the name: the system's temporary directory.
    static QString documentPath(const QString &fileName);
};

} // namespace Velmaris
