// A stand-in for the USB-serial converter library: the ten functions the
// instrument program loads, working on simulated converters instead of USB.
// Plain C++ without Qt, so that it loads into any process like the real one.
//
// The converters are listed in "<TAMARIND_ROOT>/var/lib/ftdi/converters", one
// line each: vendor id, product id (hex with 0x or decimal), the path of the
// converter's serial line (a pseudo-terminal whose other side a simulated peer
// works; a space in it written "\040"), then options: "echo" (the line returns
// every written byte before the peer's answer, as the Modbus calibrators' lines
// do) and "open-fails".
// Without TAMARIND_ROOT no converter is found: the stand-in never touches the
// host's devices.

#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <cstring>
#include <deque>
#include <fcntl.h>
#include <fstream>
#include <poll.h>
#include <sstream>
#include <string>
#include <termios.h>
#include <unistd.h>
#include <utility>
#include <vector>

#define STANDIN_EXPORT extern "C" __attribute__((visibility("default")))

namespace
{
// What the library finds for vendor 0 and product 0: the chip maker's own ids.
constexpr int DEFAULT_VENDOR = 0x0403;
constexpr int DEFAULT_PRODUCTS[] = {0x6001, 0x6010, 0x6011, 0x6014, 0x6015};
// A read waits at most this long for the first byte, as the chip's latency
// timer makes a real read return after a few milliseconds with what it has.
constexpr int READ_WAIT_MS = 2;
// The longest hold-up between a write and the purge after it that the purge
// still treats as coming right after the write.
constexpr int HELD_UP_MS = 200;

struct TConverterEntry
{
    int mVendor = 0;
    int mProduct = 0;
    std::string mLinePath;
    bool mEcho = false;
    bool mOpenFails = false;
};

std::string tablePath()
{
    const char* root = std::getenv("TAMARIND_ROOT");
    if (!root || !*root)
        return std::string();
    return std::string(root) + "/var/lib/ftdi/converters";
}

int parseNumber(const std::string& pText, bool& oOk)
{
    char* end = nullptr;
    errno = 0;
    const long value = std::strtol(pText.c_str(), &end, 0);
    oOk = errno == 0 && end && *end == '\0' && !pText.empty();
    return int(value);
}

// A path as the table holds it: a backslash and three octal digits stand for
// the character they give, so that a path may hold a space.
std::string decodedField(const std::string& pField)
{
    std::string decoded;
    for (size_t index = 0; index < pField.size(); ++index) {
        const char* next = pField.c_str() + index + 1;
        const bool escape =
            pField[index] == '\\' && std::strspn(next, "0123") >= 1 && std::strspn(next + 1, "01234567") >= 2;
        if (!escape) {
            decoded += pField[index];
            continue;
        }
        decoded += char(std::strtol(pField.substr(index + 1, 3).c_str(), nullptr, 8));
        index += 3;
    }
    return decoded;
}

std::vector<TConverterEntry> readTable()
{
    std::vector<TConverterEntry> entries;
    const std::string path = tablePath();
    if (path.empty())
        return entries;
    std::ifstream table(path);
    std::string line;
    while (std::getline(table, line)) {
        if (line.empty() || line[0] == '#')
            continue;
        std::istringstream fields(line);
        std::string vendor;
        std::string product;
        TConverterEntry entry;
        if (!(fields >> vendor >> product >> entry.mLinePath))
            continue;
        entry.mLinePath = decodedField(entry.mLinePath);
        bool vendorOk = false;
        bool productOk = false;
        entry.mVendor = parseNumber(vendor, vendorOk);
        entry.mProduct = parseNumber(product, productOk);
        if (!vendorOk || !productOk)
            continue;
        std::string option;
        while (fields >> option) {
            entry.mEcho = entry.mEcho || option == "echo";
            entry.mOpenFails = entry.mOpenFails || option == "open-fails";
        }
        entries.push_back(entry);
    }
    return entries;
}

bool matches(const TConverterEntry& pEntry, int pVendor, int pProduct)
{
    if (pVendor == 0 && pProduct == 0) {
        if (pEntry.mVendor != DEFAULT_VENDOR)
            return false;
        for (const int product : DEFAULT_PRODUCTS) {
            if (pEntry.mProduct == product)
                return true;
        }
        return false;
    }
    return pEntry.mVendor == pVendor && pEntry.mProduct == pProduct;
}

long long nowMs()
{
    return std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now().time_since_epoch())
        .count();
}
} // namespace

// The library's own types, laid out as the program expects the list.
struct libusb_device
{
    TConverterEntry mEntry;
};

struct ftdi_device_list
{
    ftdi_device_list* next;
    libusb_device* dev;
};

struct ftdi_context
{
    int mDescriptor = -1;
    bool mEcho = false;
    int mBaudRate = 9600;
    // When the last write went out and how many bytes it held, for the purge.
    long long mLastWriteMs = 0;
    int mLastWriteBytes = 0;
    bool mReadSinceWrite = true;
    // Bytes that arrived on the line (and the echo) not yet handed out.
    std::deque<unsigned char> mArrived;
};

namespace
{
// Moves what the line holds into the context's buffer; waits up to
// pWaitMs for the first byte.
void collect(ftdi_context* pContext, int pWaitMs)
{
    const long long deadline = nowMs() + pWaitMs;
    for (;;) {
        unsigned char chunk[512];
        const ssize_t count = ::read(pContext->mDescriptor, chunk, sizeof chunk);
        if (count > 0) {
            pContext->mArrived.insert(pContext->mArrived.end(), chunk, chunk + count);
            continue;
        }
        if (!pContext->mArrived.empty())
            return;
        const long long left = deadline - nowMs();
        if (left <= 0)
            return;
        pollfd descriptor{pContext->mDescriptor, POLLIN, 0};
        ::poll(&descriptor, 1, int(left));
        if (!(descriptor.revents & POLLIN))
            return;
    }
}
} // namespace

STANDIN_EXPORT ftdi_context* ftdi_new()
{
    return new ftdi_context;
}

STANDIN_EXPORT int ftdi_usb_close(ftdi_context* ftdi);

STANDIN_EXPORT void ftdi_free(ftdi_context* ftdi)
{
    if (!ftdi)
        return;
    ftdi_usb_close(ftdi);
    delete ftdi;
}

STANDIN_EXPORT int ftdi_usb_find_all(ftdi_context* ftdi, ftdi_device_list** devlist, int vendor, int product)
{
    if (!ftdi || !devlist)
        return -1;
    *devlist = nullptr;
    ftdi_device_list** tail = devlist;
    int count = 0;
    for (const TConverterEntry& entry : readTable()) {
        if (!matches(entry, vendor, product))
            continue;
        *tail = new ftdi_device_list{nullptr, new libusb_device{entry}};
        tail = &(*tail)->next;
        ++count;
    }
    return count;
}

#ifndef STANDIN_WITHOUT_LIST_FREE
STANDIN_EXPORT void ftdi_list_free(ftdi_device_list** devlist)
{
    if (!devlist)
        return;
    ftdi_device_list* entry = *devlist;
    while (entry) {
        ftdi_device_list* next = entry->next;
        delete entry->dev;
        delete entry;
        entry = next;
    }
    *devlist = nullptr;
}
#endif

STANDIN_EXPORT int ftdi_usb_open_dev(ftdi_context* ftdi, libusb_device* dev)
{
    if (!ftdi || !dev)
        return -8;
    if (dev->mEntry.mOpenFails)
        return -4;
    ftdi_usb_close(ftdi);
    const int descriptor = ::open(dev->mEntry.mLinePath.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK);
    if (descriptor < 0)
        return -4;
    termios settings{};
    if (::tcgetattr(descriptor, &settings) == 0) {
        ::cfmakeraw(&settings);
        ::tcsetattr(descriptor, TCSANOW, &settings);
    }
    ftdi->mDescriptor = descriptor;
    ftdi->mEcho = dev->mEntry.mEcho;
    ftdi->mArrived.clear();
    return 0;
}

STANDIN_EXPORT int ftdi_usb_close(ftdi_context* ftdi)
{
    if (!ftdi)
        return -3;
    if (ftdi->mDescriptor >= 0)
        ::close(ftdi->mDescriptor);
    ftdi->mDescriptor = -1;
    ftdi->mArrived.clear();
    return 0;
}

STANDIN_EXPORT int ftdi_set_baudrate(ftdi_context* ftdi, int baudrate)
{
    if (!ftdi || ftdi->mDescriptor < 0)
        return -3;
    if (baudrate <= 0)
        return -1;
    // The line shows the speed, so a peer or a test can see what was asked.
    static const std::pair<int, speed_t> speeds[] = {{1200, B1200},   {2400, B2400},    {4800, B4800},
                                                     {9600, B9600},   {19200, B19200},  {38400, B38400},
                                                     {57600, B57600}, {115200, B115200}};
    for (const auto& speed : speeds) {
        termios settings{};
        if (speed.first == baudrate && ::tcgetattr(ftdi->mDescriptor, &settings) == 0) {
            ::cfsetspeed(&settings, speed.second);
            ::tcsetattr(ftdi->mDescriptor, TCSANOW, &settings);
        }
    }
    ftdi->mBaudRate = baudrate;
    return 0;
}

STANDIN_EXPORT int ftdi_usb_purge_tx_buffer(ftdi_context* ftdi)
{
    if (!ftdi || ftdi->mDescriptor < 0)
        return -2;
    // A purge right after a write comes before any answer could: the request
    // has not crossed the line yet. When this process was held up between the
    // two, what now waits on the line may be that answer, which the device's
    // purge would not have seen; it stays. (What was there before the write
    // was taken in at the write and goes.)
    const long long crossedMs =
        ftdi->mLastWriteMs + (ftdi->mLastWriteBytes * 10000LL + ftdi->mBaudRate - 1) / ftdi->mBaudRate;
    const long long now = nowMs();
    if (ftdi->mReadSinceWrite || now < crossedMs || now > crossedMs + HELD_UP_MS)
        collect(ftdi, 0);
    ftdi->mArrived.clear();
    return 0;
}

STANDIN_EXPORT int ftdi_write_data(ftdi_context* ftdi, const unsigned char* buf, int size)
{
    if (!ftdi || ftdi->mDescriptor < 0)
        return -666;
    if (size <= 0)
        return 0;
    // What arrived before the request stays ahead of its echo.
    collect(ftdi, 0);
    const ssize_t written = ::write(ftdi->mDescriptor, buf, size_t(size));
    if (written < 0)
        return errno == EAGAIN ? 0 : -1;
    if (ftdi->mEcho)
        ftdi->mArrived.insert(ftdi->mArrived.end(), buf, buf + written);
    ftdi->mLastWriteMs = nowMs();
    ftdi->mLastWriteBytes = int(written);
    ftdi->mReadSinceWrite = false;
    return int(written);
}

STANDIN_EXPORT int ftdi_read_data(ftdi_context* ftdi, unsigned char* buf, int size)
{
    if (!ftdi || ftdi->mDescriptor < 0)
        return -666;
    if (size <= 0)
        return 0;
    collect(ftdi, READ_WAIT_MS);
    ftdi->mReadSinceWrite = true;
    int count = 0;
    while (count < size && !ftdi->mArrived.empty()) {
        buf[count++] = ftdi->mArrived.front();
        ftdi->mArrived.pop_front();
    }
    return count;
}
