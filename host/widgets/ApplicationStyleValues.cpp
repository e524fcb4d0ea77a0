#include <velmaris/host/widgets/StyleHelpers.h>

#include <QCoreApplication>
#include <QEvent>
#include <QMetaProperty>
#include <QPointer>
#include <QThread>

#include <algorithm>
#include <vector>

namespace Velmaris {

namespace {

// The style values read so far, kept beside the application object. QObject::property
// searches every class's property names before the dynamic ones, on each call; a value
// read for every filled cell makes that search a large part of the fill. The values are
// dropped as soon as Qt reports a change of the dynamic property, so a read always answers
// what the application holds now.
class StyleValueCache : public QObject
{
public:
    explicit StyleValueCache(QCoreApplication *application)
        : QObject(application)
    {
        application->installEventFilter(this);
    }

    QVariant value(const char *name)
    {
        QObject *application = parent();
        for (const Entry &entry : m_entries) {
            if (entry.name == name)
                return entry.declared < 0 ? entry.value : declaredProperty(entry.declared).read(application);
        }
        // A declared property changes through its setter, which sends no event to follow: it is
        // read anew each time, but found by its remembered index instead of searched for.
        const int declared = application->metaObject()->indexOfProperty(name);
        const QVariant read = declared < 0 ? application->property(name) : declaredProperty(declared).read(application);
        m_entries.push_back({QByteArray(name), declared < 0 ? read : QVariant(), declared});
        return read;
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (watched == parent() && event->type() == QEvent::DynamicPropertyChange) {
            const QByteArray changed = static_cast<QDynamicPropertyChangeEvent *>(event)->propertyName();
            m_entries.erase(std::remove_if(m_entries.begin(), m_entries.end(),
                                           [&changed](const Entry &entry) { return entry.name == changed; }),
                            m_entries.end());
        }
        return false;
    }

private:
    QMetaProperty declaredProperty(int index) const { return parent()->metaObject()->property(index); }

    struct Entry
    {
        QByteArray name;
        QVariant value;  // a dynamic property's value as last read
        int declared;    // the declared property's index, or -1 for a dynamic one
    };
    std::vector<Entry> m_entries;
};

} // namespace

QVariant getApplicationDefinedStyleProperty(const char *name)
{
    QCoreApplication *application = QCoreApplication::instance();
    if (!application || !name)
        return QVariant();
    // The cache belongs to the application's thread; elsewhere the object is asked directly.
    if (QThread::currentThread() != application->thread())
        return application->property(name);
    static QPointer<StyleValueCache> cache;
    if (!cache)
        cache = new StyleValueCache(application);
    return cache->value(name);
}

} // namespace Velmaris
