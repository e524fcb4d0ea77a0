#pragma once

#include <velmaris/velmaris_widgets_export.h>

#include <QPlainTextEdit>

namespace Velmaris {

// A plain-text editor that grows downwards with its lines, up to maximumLines, so that a
// value cell's text is edited in place without scrolling through a two-line box.
class VELMARIS_WIDGETS_EXPORT MultiLineEditor : public QPlainTextEdit
{
    Q_OBJECT
public:
    static constexpr int maximumLines = 8;

    explicit MultiLineEditor(QWidget *parent = nullptr);

    QSize sizeHint() const override;

private:
    void fitToText();
};

} // namespace Velmaris
