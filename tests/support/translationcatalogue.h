#pragma once

#include <QString>
#include <QStringList>

#include <vector>

// One language's catalogue as it stands in the checkout, read the way lrelease
// reads it: every message with its context, source, disambiguation comment and
// translation (the numerus forms joined by line breaks).
class TTranslationCatalogue
{
public:
    struct TMessage
    {
        QString context;
        QString source;
        QString comment;
        QString translation;
        // "unfinished", "vanished", "obsolete" or empty for a finished entry.
        QString type;
        bool numerus = false;
    };

    // The directory of the catalogues in the checkout.
    static QString directory(const QString& pSourceDir);

    // False, with the reason in error(), when the file is missing or no catalogue.
    bool load(const QString& pFileName);
    QString error() const { return mError; }
    QString language() const { return mLanguage; }
    const std::vector<TMessage>& messages() const { return mMessages; }
    // The translation of a message, or a null string when the catalogue has no such message.
    QString translation(const QString& pContext, const QString& pSource, const QString& pComment = QString()) const;

private:
    QString mError;
    QString mLanguage;
    std::vector<TMessage> mMessages;
};
