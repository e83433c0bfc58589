#include "formtestsupport.h"

#include "formchecks.h"

#include <QCoreApplication>
#include <QScrollArea>
#include <QTest>

namespace
{
const char* const CONTEXT = "TTamarindMainForm";
}

QString TMarkingCatalogue::translate(const char* pContext, const char* pSource, const char* pDisambiguation, int) const
{
    if (qstrcmp(pContext, CONTEXT) != 0) {
        return QString();
    }
    return marked(QString::fromUtf8(pSource), QString::fromUtf8(pDisambiguation));
}

QString TMarkingCatalogue::marked(const QString& pSource, const QString& pComment)
{
    return QStringLiteral("<xx>") + pSource + (pComment.isEmpty() ? QString() : " {" + pComment + "}");
}

QString textOf(QObject* pObject)
{
    return pObject->property("text").toString();
}

void retranslateMarked(Ui_TTamarindMainForm& pUi, QWidget* pForm)
{
    TMarkingCatalogue catalogue;
    QCoreApplication::installTranslator(&catalogue);
    pUi.retranslateUi(pForm);
    QCoreApplication::removeTranslator(&catalogue);
}

void verifyTextAcrossRetranslation(Ui_TTamarindMainForm& pUi, QWidget* pForm, QObject* pObject, const QString& pText,
                                   bool pTranslatable)
{
    QVERIFY(pObject);
    QCOMPARE(textOf(pObject), pText);
    const QString written = QStringLiteral("written by a controller");
    pObject->setProperty("text", written);
    retranslateMarked(pUi, pForm);
    if (!pTranslatable) {
        QCOMPARE(textOf(pObject), written);
    } else if (pText.isEmpty()) {
        QCOMPARE(textOf(pObject), QString());
    } else {
        QCOMPARE(textOf(pObject), TMarkingCatalogue::marked(pText));
    }
}

void saveScrolledContents(QScrollArea* pArea, const QString& pName)
{
    const QString directory = qEnvironmentVariable("TAMARIND_SNAPSHOT_DIR");
    if (directory.isEmpty()) {
        return;
    }
    QWidget* contents = pArea->widget();
    contents->resize(pArea->viewport()->width(), contents->sizeHint().height());
    saveSnapshot(contents, pName);
}
