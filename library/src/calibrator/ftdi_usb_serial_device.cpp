#include "ftdi_usb_serial_device.h"

#include "deviceroot.h"

#include <QFile>

#include <dlfcn.h>
#include <vector>

namespace
{
template <class Function> void lookUp(void* pHandle, const char* pName, Function& oFunction)
{
    oFunction = reinterpret_cast<Function>(::dlsym(pHandle, pName));
}
} // namespace

TFTDI_Usb_Serial_Device* TFTDI_Usb_Serial_Device::instance()
{
    static TFTDI_Usb_Serial_Device device(TDeviceRoot::path(QString::fromLatin1(LIBRARY_PATH)));
    return &device;
}

TFTDI_Usb_Serial_Device::TFTDI_Usb_Serial_Device(const QString& pLibraryPath)
{
    mFTDI_so_handle = ::dlopen(QFile::encodeName(pLibraryPath).constData(), RTLD_NOW);
    if (!mFTDI_so_handle)
        return;
    lookUp(mFTDI_so_handle, "ftdi_new", mFtdi_new);
    lookUp(mFTDI_so_handle, "ftdi_free", mFtdi_free);
    lookUp(mFTDI_so_handle, "ftdi_usb_open_dev", mFtdi_usb_open_dev);
    lookUp(mFTDI_so_handle, "ftdi_usb_close", mFtdi_usb_close);
    lookUp(mFTDI_so_handle, "ftdi_write_data", mFtdi_write_data);
    lookUp(mFTDI_so_handle, "ftdi_read_data", mFtdi_read_data);
    lookUp(mFTDI_so_handle, "ftdi_set_baudrate", mFtdi_set_baudrate);
    lookUp(mFTDI_so_handle, "ftdi_usb_purge_tx_buffer", mFtdi_usb_purge_tx_buffer);
    lookUp(mFTDI_so_handle, "ftdi_usb_find_all", mFtdi_usb_find_all);
    lookUp(mFTDI_so_handle, "ftdi_list_free", mFtdi_list_free);
}

TFTDI_Usb_Serial_Device::~TFTDI_Usb_Serial_Device()
{
    disconnect();
    if (mFTDI_so_handle)
        ::dlclose(mFTDI_so_handle);
}

bool TFTDI_Usb_Serial_Device::isLibraryAvailable() const
{
    return mFtdi_new && mFtdi_free && mFtdi_usb_open_dev && mFtdi_usb_close && mFtdi_write_data && mFtdi_read_data &&
           mFtdi_set_baudrate && mFtdi_usb_purge_tx_buffer && mFtdi_usb_find_all && mFtdi_list_free;
}

bool TFTDI_Usb_Serial_Device::connect(const zelk::vector<int>& pProductIDs, int pBaudRate)
{
    disconnect();
    if (!isLibraryAvailable())
        return false;
    for (const int productID : pProductIDs) {
        // A failed open released the context of the id before; the next id
        // gets a fresh one rather than ending the search.
        if (!mFTDI)
            mFTDI = mFtdi_new();
        if (!mFTDI)
            return false;
        if (openSingleDevice(productID, pBaudRate))
            return true;
    }
    if (mFTDI)
        mFtdi_free(mFTDI);
    mFTDI = nullptr;
    return false;
}

bool TFTDI_Usb_Serial_Device::openSingleDevice(int pProductID, int pBaudRate)
{
    ftdi_device_list* devices = nullptr;
    const int vendorID = pProductID != 0 ? VENDOR_ID : 0;
    bool opened = false;
    if (mFtdi_usb_find_all(mFTDI, &devices, vendorID, pProductID) == 1 && devices) {
        if (mFtdi_usb_open_dev(mFTDI, devices->dev) >= 0) {
            if (pBaudRate >= 0)
                mFtdi_set_baudrate(mFTDI, pBaudRate);
            opened = true;
        } else {
            mFtdi_free(mFTDI);
            mFTDI = nullptr;
        }
    }
    mFtdi_list_free(&devices);
    return opened;
}

void TFTDI_Usb_Serial_Device::disconnect()
{
    if (!mFTDI || !isLibraryAvailable())
        return;
    mFtdi_usb_close(mFTDI);
    mFtdi_free(mFTDI);
    mFTDI = nullptr;
}

int TFTDI_Usb_Serial_Device::write(const QByteArray& pArray) const
{
    if (!mFTDI)
        return 0;
    return mFtdi_write_data(mFTDI, reinterpret_cast<const unsigned char*>(pArray.constData()), pArray.size());
}

QByteArray TFTDI_Usb_Serial_Device::read(int pBytes) const
{
    if (!mFTDI || pBytes <= 0)
        return QByteArray();
    std::vector<unsigned char> buffer(size_t(pBytes), 0);
    const int count = mFtdi_read_data(mFTDI, buffer.data(), pBytes);
    if (count <= 0)
        return QByteArray();
    return QByteArray(reinterpret_cast<const char*>(buffer.data()), qMin(count, pBytes));
}

void TFTDI_Usb_Serial_Device::clearInputBuffer() const
{
    if (mFTDI)
        mFtdi_usb_purge_tx_buffer(mFTDI);
}
