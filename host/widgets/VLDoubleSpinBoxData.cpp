#include <velmaris/host/widgets/VLDoubleSpinBoxData.h>

namespace {

int registerOnce()
{
    const int id = qRegisterMetaType<VLDoubleSpinBoxData>("VLDoubleSpinBoxData");
#if QT_VERSION < QT_VERSION_CHECK(6, 0, 0)
    // Qt 6 finds the stream operators and operator== by itself, declared beside the type.
    qRegisterMetaTypeStreamOperators<VLDoubleSpinBoxData>("VLDoubleSpinBoxData");
    QMetaType::registerEqualsComparator<VLDoubleSpinBoxData>();
#endif
    return id;
}

} // namespace

VLDoubleSpinBoxData::VLDoubleSpinBoxData()
{
    metaTypeId();
}

int VLDoubleSpinBoxData::metaTypeId()
{
    static const int id = registerOnce();
    return id;
}

// keyboardTracking is left out, as it is left out of the stream.
bool operator==(const VLDoubleSpinBoxData &a, const VLDoubleSpinBoxData &b)
{
    return a.minimum == b.minimum && a.maximum == b.maximum && a.singleStep == b.singleStep
           && a.maximumLength == b.maximumLength && a.decimals == b.decimals
           && a.suffix == b.suffix && a.prefix == b.prefix
           && a.specialValueText == b.specialValueText && a.displayFactor == b.displayFactor
           && a.flags == b.flags;
}

bool operator!=(const VLDoubleSpinBoxData &a, const VLDoubleSpinBoxData &b)
{
    return !(a == b);
}

QDataStream &operator<<(QDataStream &out, const VLDoubleSpinBoxData &data)
{
    out << data.minimum << data.maximum << data.singleStep << qint32(data.maximumLength)
        << qint32(data.decimals) << data.suffix << data.prefix << data.specialValueText
        << data.displayFactor << data.flags;
    return out;
}

QDataStream &operator>>(QDataStream &in, VLDoubleSpinBoxData &data)
{
    qint32 maximumLength = 0;
    qint32 decimals = 0;
    int flags = 0;
    in >> data.minimum >> data.maximum >> data.singleStep >> maximumLength >> decimals
        >> data.suffix >> data.prefix >> data.specialValueText >> data.displayFactor >> flags;
    data.maximumLength = maximumLength;
    data.decimals = decimals;
    data.flags = flags;
    return in;
}

