#include <QTest>
class TestTreeCodes : public QObject {
    Q_OBJECT
};
QTEST_MAIN(TestTreeCodes)
#include "tst_treecodes.moc"
