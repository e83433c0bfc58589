#pragma once

#include "zelkvector.h"

#include <QByteArray>
#include <QString>

// The library's own types; the program only passes pointers to them through.
struct ftdi_context;
struct libusb_device;
// Laid out as the library's device list: the program walks it to the first
// entry's USB device.
struct ftdi_device_list
{
    ftdi_device_list* next;
    libusb_device* dev;
};

// Raw byte access to the one USB-serial converter of the serial calibrators.
// The USB library is loaded at run time, so that the instrument starts and
// works without it and only calibration routines are lost. One process-wide
// object; at most one converter is open, owned by whichever connector called
// connect() last.
class TFTDI_Usb_Serial_Device
{
public:
    // The vendor id of every converter of the chip's maker.
    static constexpr int VENDOR_ID = 0x0403;
    static constexpr const char* LIBRARY_PATH = "/usr/lib/libftdi1.so.2";

    static TFTDI_Usb_Serial_Device* instance();

    // Loads the library at that host path; tests use it to load absent,
    // incomplete and stand-in libraries beside the process-wide object.
    explicit TFTDI_Usb_Serial_Device(const QString& pLibraryPath);
    virtual ~TFTDI_Usb_Serial_Device();
    TFTDI_Usb_Serial_Device(const TFTDI_Usb_Serial_Device&) = delete;
    TFTDI_Usb_Serial_Device& operator=(const TFTDI_Usb_Serial_Device&) = delete;

    // All ten functions were found; fixed for the life of the object.
    bool isLibraryAvailable() const;
    // Closes an open converter, then opens the single converter found under
    // the first product id that has exactly one (0 stands for the library's
    // default ids). A negative baud rate keeps the library's setting.
    bool connect(const zelk::vector<int>& pProductIDs, int pBaudRate);
    void disconnect();
    bool isConnected() const { return mFTDI != nullptr; }

    // The library's result: bytes accepted, negative on error, 0 when no
    // converter is open.
    int write(const QByteArray& pArray) const;
    // One read of at most pBytes; what arrived, possibly nothing. Waiting and
    // polling belong to the callers.
    QByteArray read(int pBytes) const;
    void clearInputBuffer() const;

private:
    using FtdiNew = ftdi_context* (*)();
    using FtdiFree = void (*)(ftdi_context*);
    using FtdiUsbOpenDev = int (*)(ftdi_context*, libusb_device*);
    using FtdiUsbClose = int (*)(ftdi_context*);
    using FtdiWriteData = int (*)(ftdi_context*, const unsigned char*, int);
    using FtdiReadData = int (*)(ftdi_context*, unsigned char*, int);
    using FtdiSetBaudrate = int (*)(ftdi_context*, int);
    using FtdiUsbPurgeTxBuffer = int (*)(ftdi_context*);
    using FtdiUsbFindAll = int (*)(ftdi_context*, ftdi_device_list**, int, int);
    using FtdiListFree = void (*)(ftdi_device_list**);

    // Opens the device found under one product id with the current context;
    // releases the context when the open fails.
    bool openSingleDevice(int pProductID, int pBaudRate);

    ftdi_context* mFTDI = nullptr;
    void* mFTDI_so_handle = nullptr;
    FtdiNew mFtdi_new = nullptr;
    FtdiFree mFtdi_free = nullptr;
    FtdiUsbOpenDev mFtdi_usb_open_dev = nullptr;
    FtdiUsbClose mFtdi_usb_close = nullptr;
    FtdiWriteData mFtdi_write_data = nullptr;
    FtdiReadData mFtdi_read_data = nullptr;
    FtdiSetBaudrate mFtdi_set_baudrate = nullptr;
    FtdiUsbPurgeTxBuffer mFtdi_usb_purge_tx_buffer = nullptr;
    FtdiUsbFindAll mFtdi_usb_find_all = nullptr;
    FtdiListFree mFtdi_list_free = nullptr;
};
