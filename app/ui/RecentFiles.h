#pragma once

#include <QObject>
#include <QStringList>

class QMenu;
class QSettings;

namespace VelmarisEditor {

// The plans opened or saved last, newest first, as the entries of a menu. With settings the list
// is read from them and every change written back, so that it outlives the run.
class RecentFiles : public QObject
{
    Q_OBJECT
public:
    static constexpr int maximum = 8;

    explicit RecentFiles(QMenu *menu, QObject *parent = nullptr);

    void useSettings(QSettings *settings);
    // Puts the file first; an earlier entry of it goes.
    void add(const QString &path);
    void remove(const QString &path);
    const QStringList &paths() const { return m_paths; }

Q_SIGNALS:
    void openRequested(const QString &path);

private:
    void changed();

    QMenu *m_menu;
    QSettings *m_settings = nullptr;
    QStringList m_paths;
};

} // namespace VelmarisEditor
