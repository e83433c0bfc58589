#include "translationcatalogue.h"

#include <QFile>
#include <QXmlStreamReader>

QString TTranslationCatalogue::directory(const QString& pSourceDir)
{
    return pSourceDir + QStringLiteral("/application/resources/translations");
}

bool TTranslationCatalogue::load(const QString& pFileName)
{
    mMessages.clear();
    mLanguage.clear();
    QFile file(pFileName);
    if (!file.open(QIODevice::ReadOnly)) {
        mError = pFileName + QStringLiteral(": ") + file.errorString();
        return false;
    }
    QXmlStreamReader xml(&file);
    QString context;
    TMessage message;
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isEndElement() && xml.name() == QLatin1String("message"))
            mMessages.push_back(message);
        if (!xml.isStartElement())
            continue;
        const auto name = xml.name();
        if (name == QLatin1String("TS")) {
            mLanguage = xml.attributes().value(QLatin1String("language")).toString();
        } else if (name == QLatin1String("name")) {
            context = xml.readElementText();
        } else if (name == QLatin1String("message")) {
            message = TMessage();
            message.context = context;
            message.numerus = xml.attributes().value(QLatin1String("numerus")) == QLatin1String("yes");
        } else if (name == QLatin1String("source")) {
            message.source = xml.readElementText();
        } else if (name == QLatin1String("comment")) {
            message.comment = xml.readElementText();
        } else if (name == QLatin1String("translation")) {
            message.type = xml.attributes().value(QLatin1String("type")).toString();
            if (!message.numerus)
                message.translation = xml.readElementText();
        } else if (name == QLatin1String("numerusform")) {
            if (!message.translation.isEmpty())
                message.translation += QLatin1Char('\n');
            message.translation += xml.readElementText();
        }
    }
    if (xml.hasError() || mLanguage.isEmpty()) {
        mError =
            pFileName + QStringLiteral(": ") + (xml.hasError() ? xml.errorString() : QStringLiteral("no catalogue"));
        return false;
    }
    return true;
}

QString TTranslationCatalogue::translation(const QString& pContext, const QString& pSource,
                                           const QString& pComment) const
{
    for (const TMessage& message : mMessages)
        if (message.context == pContext && message.source == pSource && message.comment == pComment)
            return message.translation;
    return QString();
}
