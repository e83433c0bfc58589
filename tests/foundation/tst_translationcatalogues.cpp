#include "testsupport.h"
#include "translationcatalogue.h"

#include <QRegularExpression>
#include <QSet>

#include <algorithm>

namespace
{
const char* const LANGUAGE_CODES[] = {"us", "de", "sp", "fr", "it", "pl", "ru", "ar", "cn", "jp", "pg"};

// The object names the remote page looks up through the catalogue: the buttons find
// their caption labels by them, so a translation has to be the name itself.
const char* const REMOTE_PAGE_OBJECT_NAMES[] = {
    "LblEthernet_IP_Caption",    "LblEthernet_Netmask_Caption", "LblEthernet_Gateway_Caption",
    "LblEthernet_DHCP_Caption",  "LblRS232_BaudRate_Caption",   "LblRS232_CTS_RTS_Caption",
    "LblRS232_DataBits_Caption", "LblRS232_StopBit_Caption",    "LblRS232_Parity_Caption"};

QStringList matches(const QRegularExpression& pPattern, const QString& pText)
{
    QStringList found;
    auto it = pPattern.globalMatch(pText);
    while (it.hasNext())
        found << it.next().captured();
    std::sort(found.begin(), found.end());
    return found;
}

// The arguments QString::arg and tr's numerus fill in.
QStringList placeholders(const QString& pText)
{
    static const QRegularExpression pattern(QStringLiteral("%L?[0-9]{1,2}|%n"));
    return matches(pattern, pText);
}

QStringList markup(const QString& pText)
{
    static const QRegularExpression pattern(QStringLiteral("</?[A-Za-z][^>]*>"));
    return matches(pattern, pText);
}

bool endsWithColon(const QString& pText)
{
    const QString trimmed = pText.trimmed();
    return trimmed.endsWith(QLatin1Char(':')) || trimmed.endsWith(QChar(0xFF1A)); // the CJK full-width colon
}

QString describe(const TTranslationCatalogue::TMessage& pMessage)
{
    return pMessage.context + QStringLiteral(" \"") + pMessage.source + QStringLiteral("\" -> \"") +
           pMessage.translation + QLatin1Char('"');
}

QString key(const TTranslationCatalogue::TMessage& pMessage)
{
    return pMessage.context + QLatin1Char('\x01') + pMessage.source + QLatin1Char('\x01') + pMessage.comment;
}
} // namespace

// The eleven catalogues as they are committed: complete, and every translation keeps
// what the code fills in or relies on.
class tst_TranslationCatalogues : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();

    void everyMessageIsTranslated_data() { languages(); }
    void everyMessageIsTranslated();
    void translationsKeepWhatTheCodeFillsIn_data() { languages(); }
    void translationsKeepWhatTheCodeFillsIn();
    void remotePageObjectNamesStayAsTheyAre_data() { languages(); }
    void remotePageObjectNamesStayAsTheyAre();
    void everyCatalogueHoldsTheSameTexts_data() { languages(); }
    void everyCatalogueHoldsTheSameTexts();

private:
    void languages();
    const TTranslationCatalogue& catalogue(const QString& pCode) const;

    std::map<QString, TTranslationCatalogue> mCatalogues;
    QSet<QString> mAllTexts;
};

void tst_TranslationCatalogues::initTestCase()
{
    const QString directory = TTranslationCatalogue::directory(QStringLiteral(TAMARIND_SOURCE_DIR));
    for (const char* code : LANGUAGE_CODES) {
        TTranslationCatalogue& loaded = mCatalogues[QLatin1String(code)];
        QVERIFY2(loaded.load(directory + QStringLiteral("/tamarind_%1.ts").arg(QLatin1String(code))),
                 qPrintable(loaded.error()));
        QVERIFY(!loaded.messages().empty());
        for (const auto& message : loaded.messages())
            mAllTexts.insert(key(message));
    }
}

void tst_TranslationCatalogues::languages()
{
    QTest::addColumn<QString>("code");
    for (const char* code : LANGUAGE_CODES)
        QTest::newRow(code) << QString::fromLatin1(code);
}

const TTranslationCatalogue& tst_TranslationCatalogues::catalogue(const QString& pCode) const
{
    return mCatalogues.at(pCode);
}

// An unfinished or empty entry shows the English text in the middle of the translated screen.
void tst_TranslationCatalogues::everyMessageIsTranslated()
{
    QFETCH(QString, code);
    QStringList offenders;
    for (const auto& message : catalogue(code).messages()) {
        if (!message.type.isEmpty())
            offenders << message.type + QStringLiteral(": ") + describe(message);
        else if (message.translation.trimmed().isEmpty())
            offenders << QStringLiteral("empty: ") + describe(message);
    }
    QVERIFY2(offenders.isEmpty(), qPrintable(offenders.join(QLatin1Char('\n'))));
}

// A lost %1 drops a value from the message, an extra one shows "%2" on screen; captions
// ending in ':' are followed by their value, and leading or trailing blanks join texts.
void tst_TranslationCatalogues::translationsKeepWhatTheCodeFillsIn()
{
    QFETCH(QString, code);
    QStringList offenders;
    for (const auto& message : catalogue(code).messages()) {
        const QString& source = message.source;
        const QString& translation = message.translation;
        if (translation.isEmpty())
            continue;
        if (placeholders(source) != placeholders(translation))
            offenders << QStringLiteral("placeholders: ") + describe(message);
        if (markup(source) != markup(translation))
            offenders << QStringLiteral("markup: ") + describe(message);
        if (endsWithColon(source) != endsWithColon(translation))
            offenders << QStringLiteral("colon: ") + describe(message);
        if (source.at(0).isSpace() != translation.at(0).isSpace() ||
            source.back().isSpace() != translation.back().isSpace())
            offenders << QStringLiteral("blanks: ") + describe(message);
    }
    QVERIFY2(offenders.isEmpty(), qPrintable(offenders.join(QLatin1Char('\n'))));
}

void tst_TranslationCatalogues::remotePageObjectNamesStayAsTheyAre()
{
    QFETCH(QString, code);
    for (const char* name : REMOTE_PAGE_OBJECT_NAMES)
        QCOMPARE(catalogue(code).translation(QStringLiteral("TTamarindMainForm"), QLatin1String(name)),
                 QLatin1String(name));
}

// The build's lupdate target refreshes all catalogues at once; one left behind lacks texts
// the others translate.
void tst_TranslationCatalogues::everyCatalogueHoldsTheSameTexts()
{
    QFETCH(QString, code);
    QSet<QString> missing = mAllTexts;
    for (const auto& message : catalogue(code).messages())
        missing.remove(key(message));
    QStringList names = missing.values();
    names.sort();
    QVERIFY2(missing.isEmpty(),
             qPrintable(names.join(QLatin1Char('\n')).replace(QLatin1Char('\x01'), QLatin1Char('|'))));
}

TAMARIND_TEST_MAIN(tst_TranslationCatalogues)
#include "tst_translationcatalogues.moc"
