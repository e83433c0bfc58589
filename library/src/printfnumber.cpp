#include "printfnumber.h"

#include <QByteArray>

#include <cstdio>

#include <locale.h>

namespace
{
// Qt sets the C library to the system's locale at start-up, whose decimal
// mark may be a comma; the formatting thread switches to the C locale for
// the moment it writes.
class TCNumericLocale
{
public:
    TCNumericLocale()
    {
        static const locale_t cLocale = newlocale(LC_NUMERIC_MASK, "C", locale_t(nullptr));
        mPrevious = cLocale ? uselocale(cLocale) : locale_t(nullptr);
    }
    ~TCNumericLocale()
    {
        if (mPrevious)
            uselocale(mPrevious);
    }
    TCNumericLocale(const TCNumericLocale&) = delete;
    TCNumericLocale& operator=(const TCNumericLocale&) = delete;

private:
    locale_t mPrevious = locale_t(nullptr);
};
} // namespace

namespace
{
QString format(const char* pFormat, int pPrecision, double pValue)
{
    const TCNumericLocale cLocale;
    const int length = std::snprintf(nullptr, 0, pFormat, pPrecision, pValue);
    if (length < 0)
        return QString();
    QByteArray text(length, '\0');
    std::snprintf(text.data(), std::size_t(length) + 1, pFormat, pPrecision, pValue);
    return QString::fromLatin1(text);
}
} // namespace

QString TPrintfNumber::fixed(double pValue, int pDecimals)
{
    return format("%.*f", pDecimals, pValue);
}

QString TPrintfNumber::general(double pValue, int pPrecision)
{
    return format("%.*g", pPrecision, pValue);
}

QString TPrintfNumber::scientific(double pValue, int pDecimals)
{
    return format("%.*e", pDecimals, pValue);
}
