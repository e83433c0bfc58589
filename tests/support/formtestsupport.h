#pragma once

#include "tamarindmainform_ui.h"

#include <QString>
#include <QTranslator>

class QScrollArea;

// A catalogue that answers every lookup of the main window's context with a marked text that also shows the
// disambiguation comment, so that each translation key can be told from the result.
class TMarkingCatalogue : public QTranslator
{
public:
    QString translate(const char* pContext, const char* pSource, const char* pDisambiguation,
                      int pCount) const override;
    bool isEmpty() const override { return false; }

    static QString marked(const QString& pSource, const QString& pComment = QString());
};

// The "text" property of a label or a button.
QString textOf(QObject* pObject);

// Sets the form's translatable texts again, as after a change of language, with the marking catalogue installed.
void retranslateMarked(Ui_TTamarindMainForm& pUi, QWidget* pForm);

// Checks the text that pObject shows when built, then lets a controller write into it and the language change: a
// translatable text comes back from the catalogue (an empty one stays empty), an untranslated one is left as the
// controller wrote it.
void verifyTextAcrossRetranslation(Ui_TTamarindMainForm& pUi, QWidget* pForm, QObject* pObject, const QString& pText,
                                   bool pTranslatable);

// With TAMARIND_SNAPSHOT_DIR set, saves there the whole contents of a scroll area, as tall as they are, for a look
// by eye at the parts that are scrolled out of view.
void saveScrolledContents(QScrollArea* pArea, const QString& pName);
