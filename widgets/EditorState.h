#pragma once

class QWidget;

namespace Velmaris {

// What an editor showed when it was filled, so that a commit can tell whether the user
// changed anything: an editor committed untouched must write nothing.
void rememberEditorState(QWidget *editor);
bool editorChanged(const QWidget *editor);

} // namespace Velmaris
