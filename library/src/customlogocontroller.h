#pragma once

#include <QString>
#include <QtGlobal>

namespace Customlogocontroller
{
enum EnCustomLogo : quint8 { clDefault = 0, clWhiteZELKWaterSign = 1 };
} // namespace Customlogocontroller

// The logo the device shows while it boots. The operating system switches it
// with its own command; the logo of the current boot is reported on the
// kernel command line, so a new choice shows only from the next boot on.
class TCustomLogoController
{
public:
    TCustomLogoController();

    // The logo of the current boot; 0 when the kernel command line names none.
    int customLogoIndex() const;
    // Accepts clDefault and clWhiteZELKWaterSign only; anything else is ignored.
    void setCustomLogoIndex(int pIndex);
    // Whether the operating system has the command that switches the logo.
    bool customLogoAvailable() const;

private:
    QString mCustomLogoScriptLocation;
    QString mCustomLogoParamName;
};
