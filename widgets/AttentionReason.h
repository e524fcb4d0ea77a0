#pragma once

#include <QCoreApplication>
#include <QLocale>
#include <QModelIndex>
#include <QString>

namespace Velmaris {

// Why a value cell carries the attention mark, in words for its tooltip.
class AttentionReason
{
    Q_DECLARE_TR_FUNCTIONS(Velmaris::AttentionReason)
public:
    static QString of(const QModelIndex &cell, const QLocale &locale);
};

} // namespace Velmaris
