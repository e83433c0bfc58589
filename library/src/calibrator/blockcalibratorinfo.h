#pragma once

#include <QString>

// What the program knows of one calibrator model: its name and the set points
// it accepts. The subclass says how it is reached, so users tell a network
// calibrator by a dynamic_cast to TBlockcalibratorInfo_Ethernet.
class TBlockcalibratorInfo
{
public:
    virtual ~TBlockcalibratorInfo() = default;

    const QString& typeName() const { return mTypeName; }
    // Whole degrees Celsius; both limits are allowed set points.
    int tmin() const { return mTmin; }
    int tmax() const { return mTmax; }

protected:
    TBlockcalibratorInfo(const QString& pTypeName, int pTmin, int pTmax);

private:
    QString mTypeName;
    int mTmin;
    int mTmax;
};

// A model reached through the USB-serial converter.
class TBlockcalibratorInfo_Serial : public TBlockcalibratorInfo
{
public:
    TBlockcalibratorInfo_Serial(const QString& pTypeName, int pTmin, int pTmax);
};

// A model reached over TCP; a setup for it needs an address and a port.
class TBlockcalibratorInfo_Ethernet : public TBlockcalibratorInfo
{
public:
    TBlockcalibratorInfo_Ethernet(const QString& pTypeName, int pTmin, int pTmax, int pDefaultPort);

    // The port offered when the user picks the model.
    int defaultPort() const { return mDefaultPort; }

private:
    int mDefaultPort;
};
