#include "app/ui/RecentFiles.h"

#include <QDir>
#include <QFileInfo>
#include <QMenu>
#include <QSettings>

namespace VelmarisEditor {

namespace {

const QString s_key = QStringLiteral("recentFiles");

} // namespace

RecentFiles::RecentFiles(QMenu *menu, QObject *parent)
    : QObject(parent)
    , m_menu(menu)
{
    changed();
}

void RecentFiles::useSettings(QSettings *settings)
{
    m_settings = settings;
    m_paths = settings->value(s_key).toStringList().mid(0, maximum);
    changed();
}

void RecentFiles::add(const QString &path)
{
    const QString absolute = QFileInfo(path).absoluteFilePath();
    m_paths.removeAll(absolute);
    m_paths.prepend(absolute);
    m_paths = m_paths.mid(0, maximum);
    changed();
}

void RecentFiles::remove(const QString &path)
{
    if (m_paths.removeAll(path) > 0)
        changed();
}

void RecentFiles::changed()
{
    if (m_settings)
        m_settings->setValue(s_key, m_paths);
    m_menu->clear();
    m_menu->setEnabled(!m_paths.isEmpty());
    for (int i = 0; i < m_paths.size(); ++i) {
        const QString path = m_paths.at(i);
        QAction *entry = m_menu->addAction(QStringLiteral("&%1 %2").arg(i + 1).arg(QFileInfo(path).fileName().replace(QLatin1Char('&'), QStringLiteral("&&"))),
                                           this, [this, path] { emit openRequested(path); });
        entry->setToolTip(QDir::toNativeSeparators(path));
        entry->setStatusTip(QDir::toNativeSeparators(path));
    }
}

} // namespace VelmarisEditor
