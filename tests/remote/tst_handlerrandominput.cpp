#include "externalcommunicationhandler.h"
#include "recordinginterface.h"
#include "testsupport.h"

#include <QFile>
#include <QRandomGenerator>

#include <cstddef>
#include <unistd.h>

#if defined(__has_feature)
#if __has_feature(address_sanitizer)
#define TAMARIND_ADDRESS_SANITIZER 1
#endif
#endif
#if defined(__SANITIZE_ADDRESS__)
#define TAMARIND_ADDRESS_SANITIZER 1
#endif
#if TAMARIND_ADDRESS_SANITIZER
// Exported by the AddressSanitizer runtime of clang and of GCC alike; only
// clang ships the header that declares it.
extern "C" std::size_t __sanitizer_get_current_allocated_bytes();
#endif

// The handler fed random text in random chunks from two transports, with the
// local user stepping in now and then: it must neither crash nor keep what no
// line end ever completes, and must still serve a clean line afterwards. The
// seeds are fixed, so a failure repeats.
class tst_HandlerRandomInput : public QObject
{
    Q_OBJECT

private slots:
    void survivesRandomChunks_data();
    void survivesRandomChunks();
    void endlessLinesKeepMemoryBounded();

private:
    static qint64 residentBytes();
};

namespace
{
// Pieces that make the random text look like commands often enough to reach the handler's paths.
const QList<QByteArray> PIECES{"syst:ackn ",        "syst:remo", "syst:loca", "*idn?", "meas:curr? ", "(@", "1:5",
                               "2147483647",        ",",         "'",         "\"",    ")",           "\r", "\n",
                               QByteArray(1, '\0'), " ",         "@",         "-1",    "1.5e3"};

QByteArray randomChunk(QRandomGenerator& pRandom)
{
    QByteArray chunk;
    const int pieces = pRandom.bounded(1, 12);
    for (int i = 0; i < pieces; ++i) {
        if (pRandom.bounded(4) == 0)
            chunk += char(pRandom.bounded(256));
        else
            chunk += PIECES.at(pRandom.bounded(PIECES.size()));
    }
    return chunk;
}
} // namespace

// Under AddressSanitizer freed memory waits in its quarantine and counts as
// resident; what the program still holds is then the sanitizer's own count of
// live allocations.
qint64 tst_HandlerRandomInput::residentBytes()
{
#if TAMARIND_ADDRESS_SANITIZER
    return qint64(__sanitizer_get_current_allocated_bytes());
#else
    QFile statm(QStringLiteral("/proc/self/statm"));
    if (!statm.open(QIODevice::ReadOnly))
        return 0;
    const QList<QByteArray> fields = statm.readAll().split(' ');
    return fields.size() > 1 ? fields.at(1).toLongLong() * sysconf(_SC_PAGESIZE) : 0;
#endif
}

void tst_HandlerRandomInput::survivesRandomChunks_data()
{
    QTest::addColumn<quint32>("seed");
    for (quint32 seed : {1u, 42u, 2026u, 65537u})
        QTest::newRow(qPrintable(QStringLiteral("seed %1").arg(seed))) << seed;
}

void tst_HandlerRandomInput::survivesRandomChunks()
{
    QFETCH(quint32, seed);
    QRandomGenerator random(seed);
    TExternalCommunicationHandler handler(nullptr, nullptr, nullptr, nullptr, nullptr);
    TRecordingInterface first(&handler);
    TRecordingInterface second(&handler);
    for (int i = 0; i < 20000; ++i) {
        const int action = random.bounded(100);
        if (action == 0)
            handler.abortRemoteMode();
        else if (action == 1)
            handler.interfaceDisconnected(&first);
        (action % 2 ? first : second).receive(randomChunk(random));
    }
    // Whoever holds access now, a clean line from a free transport is served.
    handler.abortRemoteMode();
    handler.interfaceDisconnected(&first);
    handler.interfaceDisconnected(&second);
    first.takeSent();
    first.receive("\rsyst:ackn 0\r");
    QVERIFY(first.takeSent().endsWith("ACK\r\n"));
}

void tst_HandlerRandomInput::endlessLinesKeepMemoryBounded()
{
    TExternalCommunicationHandler handler(nullptr, nullptr, nullptr, nullptr, nullptr);
    TRecordingInterface client(&handler);
    QRandomGenerator random(7);
    QByteArray chunk(64 * 1024, '\0');
    const qint64 before = residentBytes();
    for (int i = 0; i < 400; ++i) {
        for (char& byte : chunk)
            byte = char(random.bounded(0x20, 0x7F));
        client.receive(chunk);
    }
    const qint64 grown = residentBytes() - before;
    // 25 MB arrived without a line end; a little over one line's limit may stay.
    QVERIFY2(grown < 8 * 1024 * 1024, qPrintable(QString::number(grown)));
    QCOMPARE(client.takeSent(), QByteArray("E5\r\n"));
    client.receive("\rsyst:ackn 0\r");
    QCOMPARE(client.takeSent(), QByteArray("ACK\r\n"));
}

TAMARIND_TEST_MAIN(tst_HandlerRandomInput)
#include "tst_handlerrandominput.moc"
