#pragma once

#include <QString>

#include <string>

namespace Velmaris {

// A label cell and then its value cell carry the same key: handing the second a share of the
// text converted for the first saves a conversion and an allocation per row.
// Internal: neither installed nor exported.
class KeyTextCache
{
public:
    const QString &textOf(const std::string &key)
    {
        if (key != m_key) {
            m_key = key;
            m_text = QString::fromStdString(key);
        }
        return m_text;
    }

private:
    std::string m_key;
    QString m_text = QString::fromStdString(m_key);
};

} // namespace Velmaris
