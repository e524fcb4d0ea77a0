#pragma once

#include <QApplication>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>

#include <vector>

// While it lives, every modal message box that opens is recorded and answered with the given
// button (OK unless told otherwise, and OK where the box has no such button), the way a user
// would answer it; the code under test runs its real modal loop.
class ModalBoxes : public QObject
{
public:
    struct Shown
    {
        QString title;
        QString text;
        QMessageBox::Icon icon;
        Qt::WindowFlags flags;
        bool okIsDefault;
        bool linksOpenExternally;
        QWidget *parent;
    };

    explicit ModalBoxes(QMessageBox::StandardButton answer = QMessageBox::Ok)
        : m_answer(answer)
    {
        connect(&m_poll, &QTimer::timeout, this, &ModalBoxes::answer);
        m_poll.start(1);
    }

    std::vector<Shown> shown;

private:
    void answer()
    {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        if (!box || !box->isVisible())
            return;
        const auto *label = box->findChild<QLabel *>(QStringLiteral("qt_msgbox_label"));
        shown.push_back({box->windowTitle(), box->text(), box->icon(), box->windowFlags(),
                         box->defaultButton() == static_cast<QAbstractButton *>(box->button(QMessageBox::Ok)), label && label->openExternalLinks(),
                         box->parentWidget()});
        (box->button(m_answer) ? box->button(m_answer) : box->button(QMessageBox::Ok))->click();
    }

    QMessageBox::StandardButton m_answer;
    QTimer m_poll;
};
