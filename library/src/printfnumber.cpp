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

QString TPrintfNumber::fixed(double pValue, int pDecimals)
{
    const TCNumericLocale cLocale;
    const int length = std::snprintf(nullptr, 0, "%.*f", pDecimals, pValue);
    if (length < 0)
        return QString();
    QByteArray text(length, '\0');
    std::snprintf(text.data(), std::size_t(length) + 1, "%.*f", pDecimals, pValue);
    return QString::fromLatin1(text);
}
