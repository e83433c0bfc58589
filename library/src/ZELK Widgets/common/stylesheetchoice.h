#pragma once

#include <QObject>
#include <QPointer>
#include <QStringList>

#include <vector>

class QWidget;

// A widget that takes one of a few style sheets in turn: a view's information
// bar and panels take the colours of the measured place on every channel
// switch. Setting a sheet makes the toolkit parse it and restyle the widget
// and everything in it twice (about 0.4 M instructions a widget on the
// device's core). Here the sheets a widget is given stand side by side, each
// behind a value of the widget's choice property, and another choice restyles
// only the widget and the widgets in it that a selector names.
//
// The rules stand in the sheet of the widget's parent when the parent has one
// and the widget none: that sheet is not parsed again when the widget is
// restyled. The rules are then written to outweigh every rule of the parent's
// own, so that they win as a sheet of the widget's own would. Otherwise they
// stand in the widget's own sheet. Owned by the widget that holds the rules.
class TStyleSheetChoice : public QObject
{
    Q_OBJECT

public:
    // The dynamic property the rules select on; a kept look reads it.
    static const char* const PROPERTY;

    // Gives pWidget the look pSheet gives it as its own sheet. A sheet whose
    // selectors are not one compound each (combinators, comments, at-rules) is
    // set as it stands.
    static void apply(QWidget& pWidget, const QString& pSheet);
    // Makes pSheets ready for apply() without changing any look, so that the
    // first switch does not restyle the whole parent. For a widget not yet shown.
    static void prepare(QWidget& pWidget, const QStringList& pSheets);
    // The sheet whose look pWidget has: the one last applied, else its own.
    static QString currentSheet(const QWidget& pWidget);

private:
    struct TMember
    {
        QPointer<QWidget> mWidget;
        QStringList mSheets;
        // Each sheet's rules behind its choice, in the order of mSheets.
        QString mRules;
        // The selectors' subjects without pseudo-states ("QZELKPushButton", "#pnlInformationBar").
        QStringList mSubjects;
        int mChoice = -1;
    };

    TStyleSheetChoice(QWidget& pHost, bool pInOwnSheet);
    static TStyleSheetChoice* holderOf(const QWidget& pWidget, TMember** oMember);
    static TStyleSheetChoice* attach(QWidget& pWidget, TMember** oMember);
    static void forget(TStyleSheetChoice* pHolder);
    static bool canStandInParent(const QWidget& pWidget);

    bool isIntact() const;
    // False when pSheet cannot stand behind a choice; the sheet is then not added.
    bool add(TMember& pMember, const QString& pSheet);
    void writeSheet();
    void choose(TMember& pMember, int pIndex);
    static QString choiceValue(const TMember& pMember, int pIndex);

    QWidget& mHost;
    const bool mInOwnSheet;
    // In the parent: its own rules, ahead of the members' rules.
    QString mBase;
    // The host's sheet as last set here.
    QString mCombined;
    std::vector<TMember> mMembers;
};
