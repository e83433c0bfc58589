#pragma once

#include <QString>

// The version of the operating-system image: the platform version decides
// device paths and methods elsewhere (major 1 or 2), the product version is
// shown to the user. Read once, from "/etc/version_os_platform" and
// "/etc/version_os_product" ("major.minor"); 1.0 where a file says nothing usable.
class TOSVersion
{
public:
    static TOSVersion& instance();

    // The program uses instance(); a separate object reads the files now.
    TOSVersion();

    unsigned short platformVersion_Major() const { return mPlatformVersion_Major; }
    unsigned short platformVersion_Minor() const { return mPlatformVersion_Minor; }
    unsigned short productVersion_Major() const { return mProductVersion_Major; }
    unsigned short productVersion_Minor() const { return mProductVersion_Minor; }

    // "platform major.minor-product major.minor", for example "1.0-1.0".
    QString toString() const;

private:
    unsigned short mPlatformVersion_Major = 1;
    unsigned short mPlatformVersion_Minor = 0;
    unsigned short mProductVersion_Major = 1;
    unsigned short mProductVersion_Minor = 0;
};
