#include "ipv4subnet.h"
#include "testsupport.h"

class tst_IPv4Subnet : public QObject
{
    Q_OBJECT

private slots:
    void construction_data();
    void construction();
    void isInSubnet_data();
    void isInSubnet();
};

void tst_IPv4Subnet::construction_data()
{
    QTest::addColumn<QString>("address");
    QTest::addColumn<QString>("netmask");
    QTest::addColumn<bool>("valid");
    QTest::addColumn<int>("prefixLength");
    QTest::newRow("class C network") << "192.168.1.10"
                                     << "255.255.255.0" << true << 24;
    QTest::newRow("single host") << "192.168.1.10"
                                 << "255.255.255.255" << true << 32;
    QTest::newRow("one leading bit") << "10.0.0.1"
                                     << "128.0.0.0" << true << 1;
    QTest::newRow("odd prefix") << "172.16.5.4"
                                << "255.255.240.0" << true << 20;
    QTest::newRow("empty netmask") << "192.168.1.10"
                                   << "0.0.0.0" << false << 0;
    QTest::newRow("hole in the netmask") << "192.168.1.10"
                                         << "255.0.255.0" << false << 0;
    QTest::newRow("ones after the zeros") << "192.168.1.10"
                                          << "255.255.0.255" << false << 0;
    QTest::newRow("no leading one") << "192.168.1.10"
                                    << "0.255.255.255" << false << 0;
    QTest::newRow("netmask is no address") << "192.168.1.10"
                                           << "netmask" << false << 0;
    QTest::newRow("address is no address") << "192.168.1.300"
                                           << "255.255.255.0" << false << 0;
    QTest::newRow("IPv6 address") << "fe80::1"
                                  << "255.255.255.0" << false << 0;
}

void tst_IPv4Subnet::construction()
{
    QFETCH(QString, address);
    QFETCH(QString, netmask);
    QFETCH(bool, valid);
    QFETCH(int, prefixLength);

    const TIPv4Subnet subnet(address, netmask);
    QCOMPARE(subnet.isValid(), valid);
    QCOMPARE(subnet.prefixLength(), prefixLength);
    QCOMPARE(subnet.netmask(), valid ? netmask : QString());
}

void tst_IPv4Subnet::isInSubnet_data()
{
    QTest::addColumn<QString>("address");
    QTest::addColumn<QString>("netmask");
    QTest::addColumn<QString>("other");
    QTest::addColumn<bool>("inSubnet");
    QTest::newRow("neighbour") << "192.168.1.10"
                               << "255.255.255.0"
                               << "192.168.1.77" << true;
    QTest::newRow("other third byte") << "192.168.1.10"
                                      << "255.255.255.0"
                                      << "192.168.3.1" << false;
    QTest::newRow("other network") << "192.168.1.10"
                                   << "255.255.255.0"
                                   << "10.0.0.1" << false;
    QTest::newRow("inside a /20") << "172.16.5.4"
                                  << "255.255.240.0"
                                  << "172.16.15.254" << true;
    QTest::newRow("just outside a /20") << "172.16.5.4"
                                        << "255.255.240.0"
                                        << "172.16.16.1" << false;
    QTest::newRow("host itself") << "192.168.1.10"
                                 << "255.255.255.255"
                                 << "192.168.1.10" << true;
    QTest::newRow("host's neighbour") << "192.168.1.10"
                                      << "255.255.255.255"
                                      << "192.168.1.11" << false;
    QTest::newRow("no address") << "192.168.1.10"
                                << "255.255.255.0"
                                << "gateway" << false;
    QTest::newRow("invalid subnet holds nothing") << "192.168.1.10"
                                                  << "255.0.255.0"
                                                  << "192.168.1.10" << false;
}

void tst_IPv4Subnet::isInSubnet()
{
    QFETCH(QString, address);
    QFETCH(QString, netmask);
    QFETCH(QString, other);
    QFETCH(bool, inSubnet);

    QCOMPARE(TIPv4Subnet(address, netmask).isInSubnet(other), inSubnet);
}

TAMARIND_TEST_MAIN(tst_IPv4Subnet)
#include "tst_ipv4subnet.moc"
