#pragma once

#include <QByteArray>
#include <QString>
#include <QTranslator>

#include <utility>

// Stands in for an installed translation that knows one source text of one context.
class OneTextTranslator : public QTranslator
{
public:
    OneTextTranslator(QByteArray context, QByteArray source, QString translation)
        : m_context(std::move(context)), m_source(std::move(source)), m_translation(std::move(translation))
    {
    }

    QString translate(const char *context, const char *source, const char *, int) const override
    {
        return m_context == context && m_source == source ? m_translation : QString();
    }

private:
    QByteArray m_context;
    QByteArray m_source;
    QString m_translation;
};
