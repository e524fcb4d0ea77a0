#include <velmaris/model/EnteredValue.h>

namespace Velmaris {

#if QT_VERSION < QT_VERSION_CHECK(6, 0, 0)

bool enteredEqualsOld(const QVariant &entered, const QVariant &old)
{
    return entered == old;
}

#else

namespace {

bool isNumber(const QVariant &value)
{
    switch (value.typeId()) {
    case QMetaType::Bool:
    case QMetaType::Double:
    case QMetaType::Float:
    case QMetaType::Char:
    case QMetaType::SChar:
    case QMetaType::UChar:
    case QMetaType::Short:
    case QMetaType::UShort:
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::Long:
    case QMetaType::ULong:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
        return true;
    default:
        return false;
    }
}

} // namespace

bool enteredEqualsOld(const QVariant &entered, const QVariant &old)
{
    if (entered.metaType() == old.metaType() || (isNumber(entered) && isNumber(old))
        || !entered.isValid() || !old.isValid())
        return entered == old;
    QVariant converted = old;
    if (converted.canConvert(entered.metaType()))
        return converted.convert(entered.metaType()) && entered == converted;
    converted = entered;
    return converted.convert(old.metaType()) && converted == old;
}

#endif

} // namespace Velmaris
