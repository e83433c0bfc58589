#include "authorizationcontroller.h"
#include "testsupport.h"

#include <QSignalSpy>

namespace
{
// SHA-1 of "abc" and of the empty text, from FIPS 180 and RFC 3174.
const QString DIGEST_ABC = QStringLiteral("a9993e364706816aba3e25717850c26c9cd0d89d");
const QString DIGEST_EMPTY = QStringLiteral("da39a3ee5e6b4b0d3255bfef95601890afd80709");
} // namespace

using TLevelChanges = QList<QList<int>>;
Q_DECLARE_METATYPE(TLevelChanges)

class tst_AuthorizationController : public QObject
{
    Q_OBJECT

private slots:
    void enterLevel_data();
    void enterLevel();
    void resetAlwaysSignals();

private:
    static TLevelChanges changes(const QSignalSpy& pSpy);
};

TLevelChanges tst_AuthorizationController::changes(const QSignalSpy& pSpy)
{
    TLevelChanges result;
    for (const QList<QVariant>& arguments : pSpy)
        result << QList<int>{arguments.at(0).toInt(), arguments.at(1).toInt()};
    return result;
}

void tst_AuthorizationController::enterLevel_data()
{
    QTest::addColumn<QStringList>("digests");
    QTest::addColumn<QStringList>("passwords");
    QTest::addColumn<QList<int>>("levels");
    QTest::addColumn<TLevelChanges>("signalled");

    const QStringList two{DIGEST_ABC, DIGEST_EMPTY};
    QTest::newRow("level 1 password") << two << QStringList{"abc"} << QList<int>{1} << TLevelChanges{{0, 1}};
    QTest::newRow("level 2 then level 1 password")
        << two << QStringList{"abc", "", "abc"} << QList<int>{1, 2, 1} << TLevelChanges{{0, 1}, {1, 2}, {2, 1}};
    QTest::newRow("wrong password keeps the level reached")
        << two << QStringList{"", "abd", "ABC"} << QList<int>{2, 2, 2} << TLevelChanges{{0, 2}};
    QTest::newRow("wrong password at level 0") << two << QStringList{"secret"} << QList<int>{0} << TLevelChanges();
    QTest::newRow("same password again signals nothing")
        << two << QStringList{"abc", "abc"} << QList<int>{1, 1} << TLevelChanges{{0, 1}};
    QTest::newRow("same digest twice gives level 1")
        << QStringList{DIGEST_ABC, DIGEST_ABC} << QStringList{"abc"} << QList<int>{1} << TLevelChanges{{0, 1}};
    QTest::newRow("upper-case digest never matches")
        << QStringList{DIGEST_ABC.toUpper()} << QStringList{"abc"} << QList<int>{0} << TLevelChanges();
    QTest::newRow("empty password matches only the empty text's digest")
        << QStringList{DIGEST_ABC} << QStringList{""} << QList<int>{0} << TLevelChanges();
    QTest::newRow("no levels registered") << QStringList() << QStringList{""} << QList<int>{0} << TLevelChanges();
    QTest::newRow("factory level 1 digest")
        << QStringList{TAuthorizationController::FACTORY_DIGEST_LEVEL1, TAuthorizationController::FACTORY_DIGEST_LEVEL2}
        << QStringList{"service4711"} << QList<int>{1} << TLevelChanges{{0, 1}};
    QTest::newRow("factory level 2 digest")
        << QStringList{TAuthorizationController::FACTORY_DIGEST_LEVEL1, TAuthorizationController::FACTORY_DIGEST_LEVEL2}
        << QStringList{"factory2357"} << QList<int>{2} << TLevelChanges{{0, 2}};
}

void tst_AuthorizationController::enterLevel()
{
    QFETCH(QStringList, digests);
    QFETCH(QStringList, passwords);
    QFETCH(QList<int>, levels);
    QFETCH(TLevelChanges, signalled);

    TAuthorizationController controller;
    for (const QString& digest : digests)
        controller.addLevel(digest);
    QSignalSpy spy(&controller, &TAuthorizationController::authorizationLevelChanged);

    QList<int> reached;
    for (const QString& password : passwords)
        reached << controller.enterLevel(password);
    QCOMPARE(reached, levels);
    QCOMPARE(controller.level(), levels.last());
    QCOMPARE(changes(spy), signalled);
}

void tst_AuthorizationController::resetAlwaysSignals()
{
    TAuthorizationController controller;
    controller.addLevel(DIGEST_ABC);
    QSignalSpy spy(&controller, &TAuthorizationController::authorizationLevelChanged);
    controller.resetLevel();
    controller.enterLevel("abc");
    controller.resetLevel();
    QCOMPARE(controller.level(), 0);
    QCOMPARE(changes(spy), (TLevelChanges{{0, 0}, {0, 1}, {1, 0}}));
}

TAMARIND_TEST_MAIN(tst_AuthorizationController)
#include "tst_authorizationcontroller.moc"
