// libFuzzer target for the remote command handler: arbitrary bytes, cut into
// chunks, arrive on two transports while the local user now and then takes the
// instrument back. The handler works on simulated collaborators (the board on
// its pseudo-terminal, the channels, the probe database and the channel
// views), so that a command reaches its group and the board. Built and run by
// tools/fuzz.sh with clang and AddressSanitizer, with the command headers as a
// dictionary and a seed corpus.

#include "channelcontroller.h"
#include "channelviewcontrollermanager.h"
#include "channelviewfixture.h"
#include "externalcommunicationhandler.h"
#include "recordinginterface.h"
#include "testsupport.h"

#include <QApplication>

#include <cstddef>
#include <cstdint>
#include <memory>

namespace
{
// Chunks are separated by this byte; the first byte of a chunk picks the transport.
constexpr char CHUNK_SEPARATOR = char(0xFF);

TChannelViewFixture* collaborators = nullptr;
} // namespace

extern "C" int LLVMFuzzerInitialize(int* pArgc, char*** pArgv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // A root of its own: nothing a command does may leave it.
    static TTestEnvironment environment;
    // Application and collaborators live until the process ends: torn down at
    // exit, after Qt's thread storage, the application would crash the run.
    new QApplication(*pArgc, *pArgv);
    collaborators = new TChannelViewFixture();
    collaborators->buildViews();
    collaborators->manager().activateHomeView();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* pData, size_t pSize)
{
    TChannelViewFixture& fixture = *collaborators;
    TExternalCommunicationHandler handler(&fixture.board().handler(), &fixture.controller(), &fixture.probes(),
                                          &fixture.manager(), nullptr);
    // A scan's settle time and read limit pass at once: each look at the clock
    // finds a second gone, and no wait sleeps.
    auto now = std::make_shared<qint64>(0);
    handler.setScanClock({[now] { return *now += 1000; }, [now](int pMilliseconds) { *now += pMilliseconds; }});
    TRecordingInterface first(&handler);
    TRecordingInterface second(&handler);
    const QByteArray input(reinterpret_cast<const char*>(pData), int(pSize));
    for (const QByteArray& chunk : input.split(CHUNK_SEPARATOR)) {
        if (chunk.isEmpty())
            continue;
        const auto selector = quint8(chunk.at(0));
        if (selector % 7 == 0)
            handler.abortRemoteMode();
        if (selector % 11 == 0)
            handler.interfaceDisconnected(&first);
        (selector % 2 ? first : second).receive(chunk.mid(1));
    }
    return 0;
}
