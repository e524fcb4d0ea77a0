#include "app/ui/RecentFiles.h"

#include <QDir>
#include <QFileInfo>
#include <QFontMetrics>
#include <QMenu>
#include <QSettings>

namespace VelmarisEditor {

namespace {

const QString s_key = QStringLiteral("recentFiles");
// In pixels: wider, a menu of long paths would cover the window.
constexpr int s_widestEntry = 600;

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
        // The whole path: plans of the same name in different folders are common.
        const QString shown = QFontMetrics(m_menu->font())
                                  .elidedText(QDir::toNativeSeparators(path), Qt::ElideMiddle, s_widestEntry)
                                  .replace(QLatin1Char('&'), QStringLiteral("&&"));
        QAction *entry = m_menu->addAction(QStringLiteral("&%1 %2").arg(i + 1).arg(shown), this,
                                           [this, path] { Q_EMIT openRequested(path); });
        entry->setToolTip(QDir::toNativeSeparators(path));
        entry->setStatusTip(QDir::toNativeSeparators(path));
    }
}

} // namespace VelmarisEditor
