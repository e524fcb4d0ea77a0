#include <velmaris/widgets/EditorState.h>

#include <QComboBox>
#include <QDoubleSpinBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QVariant>

namespace Velmaris {

namespace {

constexpr char s_filledState[] = "velmarisFilledState";

// Compared as the user sees it: a spin box's text, not its value rounded to its decimals.
QVariant stateOf(const QWidget *editor)
{
    if (const auto *spin = qobject_cast<const QDoubleSpinBox *>(editor))
        return spin->cleanText();
    if (const auto *combo = qobject_cast<const QComboBox *>(editor))
        return combo->currentIndex();
    if (const auto *text = qobject_cast<const QPlainTextEdit *>(editor))
        return text->toPlainText();
    if (const auto *line = qobject_cast<const QLineEdit *>(editor))
        return line->text();
    return {};
}

} // namespace

void rememberEditorState(QWidget *editor)
{
    editor->setProperty(s_filledState, stateOf(editor));
}

bool editorChanged(const QWidget *editor)
{
    return stateOf(editor) != editor->property(s_filledState);
}

} // namespace Velmaris
