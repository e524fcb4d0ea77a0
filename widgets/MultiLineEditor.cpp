#include <velmaris/widgets/MultiLineEditor.h>

#include <algorithm>

namespace Velmaris {

MultiLineEditor::MultiLineEditor(QWidget *parent)
    : QPlainTextEdit(parent)
{
    setTabChangesFocus(true);
    setLineWrapMode(QPlainTextEdit::NoWrap);
    connect(document(), &QTextDocument::contentsChanged, this, &MultiLineEditor::fitToText);
}

QSize MultiLineEditor::sizeHint() const
{
    const int lines = std::clamp(document()->blockCount(), 1, maximumLines);
    const int margins = 2 * (frameWidth() + static_cast<int>(document()->documentMargin()));
    // One line more than the text, so that the line being typed is never the last one seen.
    const int visible = std::min(lines + 1, maximumLines);
    return {QPlainTextEdit::sizeHint().width(), visible * fontMetrics().lineSpacing() + margins};
}

void MultiLineEditor::fitToText()
{
    resize(width(), std::max(height(), sizeHint().height()));
}

} // namespace Velmaris
