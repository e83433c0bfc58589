#include "modbuscalibratorpeer.h"

#include "calibratorthermalmodel.h"
#include "faultcount.h"

#include <modbus/modbus.h>

#include <QFileInfo>

#include <array>
#include <chrono>
#include <cmath>
#include <poll.h>
#include <unistd.h>

namespace
{
// The first and last register the controller has; holes between them are
// answered with exception 2 all the same.
constexpr int FIRST_REGISTER = 923;
constexpr int LAST_REGISTER = 10260;
constexpr int CHECKSUM_REGISTER = 923;
constexpr int NAME_REGISTER = 2048;
constexpr int NAME_WORDS = 4;
constexpr int PART_NUMBER_REGISTER = 2058;
constexpr int PART_NUMBER_WORDS = 15;
constexpr int APPLY_REGISTER = 10241;
constexpr int SET_POINT_REGISTER = 10242;
constexpr int DIGITS_REGISTER = 10258;
constexpr int AUTORANGING_REGISTER = 10259;
constexpr int UNIT_REGISTER = 10260;
constexpr int REQUEST_LENGTH = 8;
// A byte of 8N1 at 9600 baud takes ten bit times.
constexpr double MS_PER_BYTE = 10.0 * 1000.0 / TModbusCalibratorPeer::BAUD_RATE;

bool readable(int pRegister)
{
    return pRegister == APPLY_REGISTER || pRegister == SET_POINT_REGISTER || pRegister == DIGITS_REGISTER ||
           pRegister == AUTORANGING_REGISTER || pRegister == UNIT_REGISTER || pRegister == CHECKSUM_REGISTER ||
           (pRegister >= NAME_REGISTER && pRegister < NAME_REGISTER + NAME_WORDS) ||
           (pRegister >= PART_NUMBER_REGISTER && pRegister < PART_NUMBER_REGISTER + PART_NUMBER_WORDS);
}

bool writable(int pRegister)
{
    return pRegister == CHECKSUM_REGISTER || pRegister == APPLY_REGISTER || pRegister == SET_POINT_REGISTER ||
           pRegister == DIGITS_REGISTER || pRegister == AUTORANGING_REGISTER;
}

qint64 nowMs()
{
    return std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

// The length of a complete reply that starts the buffer, 0 while unknown.
int replyLength(const QByteArray& pBuffer)
{
    if (pBuffer.size() < 3)
        return 0;
    const quint8 function = quint8(pBuffer.at(1));
    if (function & 0x80)
        return 5;
    if (function == 3)
        return 5 + quint8(pBuffer.at(2));
    return REQUEST_LENGTH;
}

void fillText(quint16* pRegisters, int pWords, const QByteArray& pText)
{
    for (int word = 0; word < pWords; ++word) {
        const quint8 high = 2 * word < pText.size() ? quint8(pText.at(2 * word)) : 0;
        const quint8 low = 2 * word + 1 < pText.size() ? quint8(pText.at(2 * word + 1)) : 0;
        pRegisters[word] = quint16(high << 8 | low);
    }
}
} // namespace

TModbusCalibratorPeer::TModbusCalibratorPeer(TCalibratorThermalModel& pModel, int pTmax) : mModel(pModel)
{
    mState.mMaxDigits = pTmax <= 327 ? 2 : 1;
    mState.mDigits = mState.mMaxDigits;
    mState.mSetPointRegister = qint16(std::lround(mModel.setPoint() * std::pow(10.0, mState.mDigits)));
}

TModbusCalibratorPeer::~TModbusCalibratorPeer()
{
    stop();
}

QByteArray TModbusCalibratorPeer::checksum(const QByteArray& pFrame)
{
    static const auto table = []() {
        std::array<quint16, 256> entries{};
        for (int index = 0; index < 256; ++index) {
            quint16 value = quint16(index);
            for (int bit = 0; bit < 8; ++bit)
                value = (value & 1) ? quint16((value >> 1) ^ 0xA001) : quint16(value >> 1);
            entries[size_t(index)] = value;
        }
        return entries;
    }();
    quint16 crc = 0xFFFF;
    for (const char byte : pFrame)
        crc = quint16((crc >> 8) ^ table[(crc ^ quint8(byte)) & 0xFF]);
    QByteArray result;
    result.append(char(crc & 0xFF));
    result.append(char(crc >> 8));
    return result;
}

bool TModbusCalibratorPeer::start(const QString& pLinkPath, QString& oError)
{
    stop();
    const QFileInfo link(pLinkPath);
    const QString serverLink = link.absolutePath() + QStringLiteral("/.") + link.fileName() + QStringLiteral(".server");
    if (!mProgramLine.open(pLinkPath, oError) || !mServerLine.open(serverLink, oError)) {
        mProgramLine.close();
        return false;
    }
    mStopping = false;
    mServerReady = false;
    mServer = std::thread([this, path = mServerLine.slavePath()]() { serveLoop(path); });
    while (!mServerReady && !mStopping)
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    if (mStopping) {
        oError = QStringLiteral("the Modbus server could not open its line");
        stop();
        return false;
    }
    mRelay = std::thread([this]() { relayLoop(); });
    return true;
}

void TModbusCalibratorPeer::stop()
{
    mStopping = true;
    if (mServer.joinable())
        mServer.join();
    if (mRelay.joinable())
        mRelay.join();
    mProgramLine.close();
    mServerLine.close();
    std::lock_guard<std::mutex> lock(mMutex);
    mOutgoing.clear();
}

void TModbusCalibratorPeer::withState(const std::function<void(TModbusCalibratorState&)>& pAction)
{
    std::lock_guard<std::mutex> lock(mMutex);
    pAction(mState);
}

void TModbusCalibratorPeer::withFaults(const std::function<void(TModbusCalibratorFaults&)>& pAction)
{
    std::lock_guard<std::mutex> lock(mMutex);
    pAction(mFaults);
}

QList<TModbusRequestRecord> TModbusCalibratorPeer::receivedRequests() const
{
    std::lock_guard<std::mutex> lock(mMutex);
    return mRequests;
}

void TModbusCalibratorPeer::clearRecord()
{
    std::lock_guard<std::mutex> lock(mMutex);
    mRequests.clear();
}

void TModbusCalibratorPeer::serveLoop(const QString& pServerLinePath)
{
    modbus_t* context = modbus_new_rtu(pServerLinePath.toLocal8Bit().constData(), BAUD_RATE, 'N', 8, 1);
    modbus_mapping_t* mapping =
        modbus_mapping_new_start_address(0, 0, 0, 0, FIRST_REGISTER, LAST_REGISTER - FIRST_REGISTER + 1, 0, 0);
    if (!context || !mapping || modbus_set_slave(context, SLAVE_ADDRESS) != 0 || modbus_connect(context) != 0) {
        if (mapping)
            modbus_mapping_free(mapping);
        if (context)
            modbus_free(context);
        mStopping = true;
        return;
    }
    // Wakes up often enough to notice stop().
    modbus_set_indication_timeout(context, 0, 100000);
    mServerReady = true;
    const int header = modbus_get_header_length(context);
    while (!mStopping) {
        quint8 request[MODBUS_RTU_MAX_ADU_LENGTH];
        const int length = modbus_receive(context, request);
        if (length <= 0)
            continue;
        const int exception = checkRequest(request + header);
        if (exception != 0) {
            modbus_reply_exception(context, request, unsigned(exception));
            continue;
        }
        prepareRegisters(mapping);
        modbus_reply(context, request, length, mapping);
        const quint8 function = request[header];
        if (function == MODBUS_FC_WRITE_SINGLE_REGISTER) {
            const quint16 address = quint16(request[header + 1] << 8 | request[header + 2]);
            takeWrite(address, quint16(request[header + 3] << 8 | request[header + 4]));
        }
    }
    modbus_close(context);
    modbus_mapping_free(mapping);
    modbus_free(context);
}

int TModbusCalibratorPeer::checkRequest(const quint8* pRequest) const
{
    const quint8 function = pRequest[0];
    const int address = pRequest[1] << 8 | pRequest[2];
    const int field = pRequest[3] << 8 | pRequest[4];
    if (function == MODBUS_FC_READ_HOLDING_REGISTERS) {
        for (int offset = 0; offset < field; ++offset) {
            if (!readable(address + offset))
                return MODBUS_EXCEPTION_ILLEGAL_DATA_ADDRESS;
        }
        return field < 1 || field > 125 ? MODBUS_EXCEPTION_ILLEGAL_DATA_VALUE : 0;
    }
    if (function == MODBUS_FC_WRITE_SINGLE_REGISTER) {
        if (!writable(address))
            return MODBUS_EXCEPTION_ILLEGAL_DATA_ADDRESS;
        return address == DIGITS_REGISTER && field > 3 ? MODBUS_EXCEPTION_ILLEGAL_DATA_VALUE : 0;
    }
    return MODBUS_EXCEPTION_ILLEGAL_FUNCTION;
}

void TModbusCalibratorPeer::prepareRegisters(void* pMapping)
{
    auto* mapping = static_cast<modbus_mapping_t*>(pMapping);
    const auto registerAt = [mapping](int pRegister) { return &mapping->tab_registers[pRegister - FIRST_REGISTER]; };
    std::lock_guard<std::mutex> lock(mMutex);
    fillText(registerAt(NAME_REGISTER), NAME_WORDS, mState.mInstrumentName);
    fillText(registerAt(PART_NUMBER_REGISTER), PART_NUMBER_WORDS, mState.mPartNumber);
    *registerAt(SET_POINT_REGISTER) = quint16(mState.mSetPointRegister);
    *registerAt(DIGITS_REGISTER) = quint16(mState.mDigits);
    *registerAt(AUTORANGING_REGISTER) = mState.mDigitAutoranging ? 1 : 0;
    *registerAt(UNIT_REGISTER) = mState.mUnitCode;
}

void TModbusCalibratorPeer::takeWrite(quint16 pRegister, quint16 pValue)
{
    std::lock_guard<std::mutex> lock(mMutex);
    switch (pRegister) {
    case SET_POINT_REGISTER:
        mState.mSetPointRegister = qint16(pValue);
        break;
    case APPLY_REGISTER:
        mState.mSetPointPending = mState.mSetPointPending || pValue == 1;
        break;
    case DIGITS_REGISTER:
        mState.mDigits = mState.mDigitsFixed ? mState.mMaxDigits : std::min(int(pValue), mState.mMaxDigits);
        break;
    case AUTORANGING_REGISTER:
        mState.mDigitAutoranging = pValue != 0;
        break;
    case CHECKSUM_REGISTER:
        // The controller takes a new set point once its parameters are saved.
        if (pValue == 1 && mState.mSetPointPending) {
            double value = mState.mSetPointRegister / std::pow(10.0, mState.mDigits);
            if (mState.mUnitCode == 1)
                value = (value - 32.0) / 1.8;
            mModel.setSetPoint(value);
            mState.mSetPointPending = false;
        }
        break;
    default:
        break;
    }
}

void TModbusCalibratorPeer::relayLoop()
{
    QByteArray fromProgramBuffer;
    QByteArray fromServerBuffer;
    while (!mStopping) {
        int waitMs = 20;
        {
            std::lock_guard<std::mutex> lock(mMutex);
            if (!mOutgoing.isEmpty())
                waitMs = int(qBound<qint64>(0, mOutgoing.first().first - nowMs(), 20));
        }
        pollfd lines[2] = {{mProgramLine.masterDescriptor(), POLLIN, 0}, {mServerLine.masterDescriptor(), POLLIN, 0}};
        ::poll(lines, 2, waitMs);
        char chunk[512];
        for (ssize_t count; (count = ::read(mProgramLine.masterDescriptor(), chunk, sizeof chunk)) > 0;)
            fromProgramBuffer.append(chunk, int(count));
        for (ssize_t count; (count = ::read(mServerLine.masterDescriptor(), chunk, sizeof chunk)) > 0;)
            fromServerBuffer.append(chunk, int(count));
        // Both requests the program sends are eight bytes long.
        while (fromProgramBuffer.size() >= REQUEST_LENGTH) {
            fromProgram(fromProgramBuffer.left(REQUEST_LENGTH));
            fromProgramBuffer.remove(0, REQUEST_LENGTH);
        }
        for (int length = replyLength(fromServerBuffer); length > 0 && fromServerBuffer.size() >= length;
             length = replyLength(fromServerBuffer)) {
            fromServer(fromServerBuffer.left(length));
            fromServerBuffer.remove(0, length);
        }
        std::lock_guard<std::mutex> lock(mMutex);
        while (!mOutgoing.isEmpty() && mOutgoing.first().first <= nowMs()) {
            const QByteArray bytes = mOutgoing.takeFirst().second;
            [[maybe_unused]] const ssize_t written =
                ::write(mProgramLine.masterDescriptor(), bytes.constData(), size_t(bytes.size()));
        }
    }
}

void TModbusCalibratorPeer::watchRequests(std::function<void(const QByteArray&)> pWatcher)
{
    std::lock_guard<std::mutex> lock(mMutex);
    mWatcher = std::move(pWatcher);
}

void TModbusCalibratorPeer::fromProgram(const QByteArray& pFrame)
{
    std::function<void(const QByteArray&)> watcher;
    {
        std::lock_guard<std::mutex> lock(mMutex);
        watcher = mWatcher;
    }
    if (watcher)
        watcher(pFrame);
    TModbusRequestRecord record;
    record.mFrame = pFrame;
    record.mSlave = quint8(pFrame.at(0));
    record.mFunction = quint8(pFrame.at(1));
    record.mRegister = quint16(quint8(pFrame.at(2)) << 8 | quint8(pFrame.at(3)));
    record.mValue = quint16(quint8(pFrame.at(4)) << 8 | quint8(pFrame.at(5)));
    record.mChecksumValid = checksum(pFrame.left(6)) == pFrame.mid(6);

    std::lock_guard<std::mutex> lock(mMutex);
    mRequests.append(record);
    if (mFaults.mSilence != 0 && !consumeFault(mFaults.mSilenceAfter) && consumeFault(mFaults.mSilence))
        return;
    if (mFaults.mExceptionCode != 0 && consumeFault(mFaults.mExceptionCount)) {
        QByteArray reply;
        reply.append(char(SLAVE_ADDRESS));
        reply.append(char(record.mFunction | 0x80));
        reply.append(char(mFaults.mExceptionCode));
        reply.append(checksum(reply));
        queueReplyLocked(reply);
        return;
    }
    [[maybe_unused]] const ssize_t written =
        ::write(mServerLine.masterDescriptor(), pFrame.constData(), size_t(pFrame.size()));
}

void TModbusCalibratorPeer::fromServer(const QByteArray& pReply)
{
    std::lock_guard<std::mutex> lock(mMutex);
    queueReplyLocked(pReply);
}

void TModbusCalibratorPeer::queueReplyLocked(QByteArray pReply)
{
    if (mFaults.mForeignSlave != 0 && consumeFault(mFaults.mForeignCount)) {
        pReply[0] = char(mFaults.mForeignSlave);
        pReply = pReply.left(pReply.size() - 2) + checksum(pReply.left(pReply.size() - 2));
    }
    if (consumeFault(mFaults.mBadCrc))
        pReply[pReply.size() - 1] = char(pReply.at(pReply.size() - 1) ^ 0x5A);
    const double lineMs = (REQUEST_LENGTH + pReply.size()) * MS_PER_BYTE;
    mOutgoing.append({nowMs() + qint64(lineMs) + mFaults.mLatencyMs, pReply});
}
