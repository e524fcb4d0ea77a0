#include <QtTest>
class PropertyItemDelegateTest : public QObject { Q_OBJECT };
QTEST_MAIN(PropertyItemDelegateTest)
#include "PropertyItemDelegateTest.moc"
