// libFuzzer target for the remote command handler: arbitrary bytes, cut into
// chunks, arrive on two transports while the local user now and then takes the
// instrument back. Built by tools/fuzz.sh with clang and AddressSanitizer.

#include "externalcommunicationhandler.h"
#include "recordinginterface.h"

#include <QApplication>
#include <QDir>
#include <QTemporaryDir>

#include <cstddef>
#include <cstdint>
#include <memory>

namespace
{
// Chunks are separated by this byte; the first byte of a chunk picks the transport.
constexpr char CHUNK_SEPARATOR = char(0xFF);
} // namespace

extern "C" int LLVMFuzzerInitialize(int* pArgc, char*** pArgv)
{
    // Nothing a command does may leave the fuzzer's own root.
    static QTemporaryDir root;
    qputenv("TAMARIND_ROOT", QFile::encodeName(root.path()));
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QApplication application(*pArgc, *pArgv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* pData, size_t pSize)
{
    TExternalCommunicationHandler handler(nullptr, nullptr, nullptr, nullptr, nullptr);
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
