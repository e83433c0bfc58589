#include "stylesheetchoice.h"

#include <QCoreApplication>
#include <QEvent>
#include <QRegularExpression>
#include <QStyle>
#include <QVariant>
#include <QWidget>

#include <algorithm>
#include <climits>

const char* const TStyleSheetChoice::PROPERTY = "zelkSheetChoice";

namespace
{
// What the rules in a parent's sheet get for the widget's id and its choice:
// a parent's rule weighing more would win where a sheet of the widget's own loses.
constexpr int WEIGHT_OF_ID_AND_CHOICE = 0x110;

struct TRule
{
    QStringList mSelectors;
    // With its braces.
    QString mBody;
};

// False for what a plain split cannot take apart: comments, at-rules,
// nested or missing braces, text after the last rule.
bool splitRules(const QString& pSheet, std::vector<TRule>& oRules)
{
    if (pSheet.contains(QLatin1String("/*")) || pSheet.contains(QLatin1Char('@')))
        return false;
    int position = 0;
    for (;;) {
        const int open = pSheet.indexOf(QLatin1Char('{'), position);
        if (open < 0)
            break;
        const int close = pSheet.indexOf(QLatin1Char('}'), open);
        const int nextOpen = pSheet.indexOf(QLatin1Char('{'), open + 1);
        if (close < 0 || (nextOpen >= 0 && nextOpen < close))
            return false;
        TRule rule;
        for (const QString& selector : pSheet.mid(position, open - position).split(QLatin1Char(',')))
            rule.mSelectors << selector.trimmed();
        rule.mBody = pSheet.mid(open, close - open + 1);
        oRules.push_back(rule);
        position = close + 1;
    }
    return pSheet.mid(position).trimmed().isEmpty();
}

bool isCombinator(QChar pChar)
{
    return pChar.isSpace() || pChar == QLatin1Char('>') || pChar == QLatin1Char('+') || pChar == QLatin1Char('~');
}

// Where a condition on the selector's subject goes: before its pseudo-states
// and sub-controls. -1 when the selector is not one compound: a condition
// could not keep its scope within the widget.
int conditionPosition(const QString& pSelector)
{
    if (pSelector.isEmpty())
        return -1;
    bool inAttribute = false;
    for (int i = 0; i < pSelector.size(); ++i) {
        const QChar c = pSelector.at(i);
        if (c == QLatin1Char('['))
            inAttribute = true;
        else if (c == QLatin1Char(']'))
            inAttribute = false;
        else if (!inAttribute && (isCombinator(c) || c == QLatin1Char('(')))
            return -1;
        else if (!inAttribute && c == QLatin1Char(':'))
            return i;
    }
    return pSelector.size();
}

// As the toolkit weighs a selector: 0x100 an id, 0x10 an attribute, class or
// pseudo-state, 1 a type. Errs upwards (a universal selector counts as a type).
int specificity(const QString& pSelector)
{
    int weight = 0;
    bool inAttribute = false;
    bool compoundStart = true;
    for (int i = 0; i < pSelector.size(); ++i) {
        const QChar c = pSelector.at(i);
        if (inAttribute) {
            inAttribute = c != QLatin1Char(']');
            continue;
        }
        if (isCombinator(c)) {
            compoundStart = true;
            continue;
        }
        if (compoundStart && (c.isLetter() || c == QLatin1Char('*') || c == QLatin1Char('_')))
            weight += 1;
        compoundStart = false;
        if (c == QLatin1Char('#'))
            weight += 0x100;
        else if (c == QLatin1Char('[')) {
            weight += 0x10;
            inAttribute = true;
        } else if (c == QLatin1Char('.'))
            weight += 0x10;
        else if (c == QLatin1Char(':') && pSelector.at(i - 1) != QLatin1Char(':'))
            weight += 0x10;
    }
    return weight;
}

// Errs on the side of naming: a type is matched as a base class, and a
// subject without a type or name names every widget.
bool subjectNames(const QString& pSubject, const QWidget& pWidget)
{
    const int idAt = pSubject.indexOf(QLatin1Char('#'));
    const int attributeAt = pSubject.indexOf(QLatin1Char('['));
    QString type = pSubject.left(idAt >= 0 ? idAt : attributeAt >= 0 ? attributeAt : pSubject.size());
    if (type.startsWith(QLatin1Char('.')))
        type.remove(0, 1);
    if (!type.isEmpty() && type != QLatin1String("*") && !pWidget.inherits(type.toLatin1().constData()))
        return false;
    if (idAt >= 0) {
        const int idEnd = attributeAt > idAt ? attributeAt : pSubject.size();
        return pWidget.objectName() == pSubject.mid(idAt + 1, idEnd - idAt - 1);
    }
    return true;
}

bool namedByAny(const QStringList& pSubjects, const QWidget& pWidget)
{
    return std::any_of(pSubjects.begin(), pSubjects.end(),
                       [&pWidget](const QString& pSubject) { return subjectNames(pSubject, pWidget); });
}
} // namespace

TStyleSheetChoice::TStyleSheetChoice(QWidget& pHost, bool pInOwnSheet)
    : QObject(&pHost)
    , mHost(pHost)
    , mInOwnSheet(pInOwnSheet)
    , mBase(pInOwnSheet ? QString() : pHost.styleSheet())
    , mCombined(mBase)
{
}

TStyleSheetChoice* TStyleSheetChoice::holderOf(const QWidget& pWidget, TMember** oMember)
{
    auto holding = [&pWidget, oMember](const QWidget* pHost, bool pInOwnSheet) -> TStyleSheetChoice* {
        if (!pHost)
            return nullptr;
        for (TStyleSheetChoice* holder :
             pHost->findChildren<TStyleSheetChoice*>(QString(), Qt::FindDirectChildrenOnly)) {
            if (holder->mInOwnSheet != pInOwnSheet)
                continue;
            for (TMember& member : holder->mMembers) {
                if (member.mWidget == &pWidget) {
                    *oMember = &member;
                    return holder;
                }
            }
        }
        return nullptr;
    };
    TStyleSheetChoice* holder = holding(&pWidget, true);
    return holder ? holder : holding(pWidget.parentWidget(), false);
}

// Null when the widget's own sheet holds the rules of its children: it cannot hold its own as well.
TStyleSheetChoice* TStyleSheetChoice::attach(QWidget& pWidget, TMember** oMember)
{
    TStyleSheetChoice* holder = holderOf(pWidget, oMember);
    if (holder && !holder->isIntact()) {
        forget(holder);
        holder = nullptr;
    }
    if (holder)
        return holder;
    if (QWidget* parent = pWidget.parentWidget()) {
        for (TStyleSheetChoice* stale :
             parent->findChildren<TStyleSheetChoice*>(QString(), Qt::FindDirectChildrenOnly)) {
            if (!stale->mInOwnSheet && !stale->isIntact())
                forget(stale);
        }
    }
    if (canStandInParent(pWidget)) {
        QWidget* parent = pWidget.parentWidget();
        const auto holders = parent->findChildren<TStyleSheetChoice*>(QString(), Qt::FindDirectChildrenOnly);
        holder = holders.isEmpty() ? new TStyleSheetChoice(*parent, false) : holders.front();
    } else if (pWidget.findChildren<TStyleSheetChoice*>(QString(), Qt::FindDirectChildrenOnly).isEmpty()) {
        holder = new TStyleSheetChoice(pWidget, true);
    } else {
        return nullptr;
    }
    holder->mMembers.push_back(TMember{&pWidget, {}, {}, {}, -1});
    *oMember = &holder->mMembers.back();
    return holder;
}

// The host's sheet was set elsewhere: what was chosen here no longer shows.
void TStyleSheetChoice::forget(TStyleSheetChoice* pHolder)
{
    for (const TMember& member : pHolder->mMembers) {
        if (member.mWidget && member.mWidget->property(PROPERTY).isValid())
            member.mWidget->setProperty(PROPERTY, QVariant());
    }
    delete pHolder;
}

bool TStyleSheetChoice::isIntact() const
{
    return mHost.styleSheet() == mCombined;
}

bool TStyleSheetChoice::canStandInParent(const QWidget& pWidget)
{
    const QWidget* parent = pWidget.parentWidget();
    static const QRegularExpression identifier(QStringLiteral("^[A-Za-z_][A-Za-z0-9_-]*$"));
    if (!parent || parent->styleSheet().isEmpty() || !pWidget.styleSheet().isEmpty() ||
        !identifier.match(pWidget.objectName()).hasMatch())
        return false;
    const auto holders = parent->findChildren<TStyleSheetChoice*>(QString(), Qt::FindDirectChildrenOnly);
    if (!holders.isEmpty())
        return !holders.front()->mInOwnSheet;
    std::vector<TRule> rules;
    if (!splitRules(parent->styleSheet(), rules))
        return false;
    for (const TRule& rule : rules) {
        for (const QString& selector : rule.mSelectors) {
            if (specificity(selector) > WEIGHT_OF_ID_AND_CHOICE)
                return false;
        }
    }
    return true;
}

void TStyleSheetChoice::apply(QWidget& pWidget, const QString& pSheet)
{
    TMember* member = nullptr;
    TStyleSheetChoice* holder = attach(pWidget, &member);
    if (holder) {
        const int index = int(member->mSheets.indexOf(pSheet));
        if (index >= 0) {
            holder->choose(*member, index);
            return;
        }
        if (holder->add(*member, pSheet)) {
            // The property first: the sheet set next restyles the widget under the new choice.
            member->mChoice = int(member->mSheets.size()) - 1;
            pWidget.setProperty(PROPERTY, choiceValue(*member, member->mChoice));
            if (!holder->mInOwnSheet && !pWidget.styleSheet().isEmpty())
                pWidget.setStyleSheet(QString());
            holder->writeSheet();
            return;
        }
        member->mChoice = -1;
        if (pWidget.property(PROPERTY).isValid())
            pWidget.setProperty(PROPERTY, QVariant());
    }
    if (pWidget.styleSheet() != pSheet)
        pWidget.setStyleSheet(pSheet);
}

void TStyleSheetChoice::prepare(QWidget& pWidget, const QStringList& pSheets)
{
    TMember* member = nullptr;
    TStyleSheetChoice* holder = attach(pWidget, &member);
    if (!holder)
        return;
    bool added = false;
    for (const QString& sheet : pSheets) {
        if (!member->mSheets.contains(sheet))
            added = holder->add(*member, sheet) || added;
    }
    if (added)
        holder->writeSheet();
}

QString TStyleSheetChoice::currentSheet(const QWidget& pWidget)
{
    TMember* member = nullptr;
    const TStyleSheetChoice* holder = holderOf(pWidget, &member);
    if (holder && holder->isIntact() && member->mChoice >= 0)
        return member->mSheets.at(member->mChoice);
    return pWidget.styleSheet();
}

// Each selector S of the sheet behind a choice becomes "S[choice]" for the
// widget itself and "[choice] S" for the widgets in it; in the parent's sheet
// both also name the widget's id. Every rule gains the same weight, so the
// rules keep their order among themselves.
bool TStyleSheetChoice::add(TMember& pMember, const QString& pSheet)
{
    std::vector<TRule> rules;
    if (!splitRules(pSheet, rules))
        return false;
    const int index = int(pMember.mSheets.size());
    const QString condition = QStringLiteral("[%1=\"%2\"]").arg(QLatin1String(PROPERTY), choiceValue(pMember, index));
    const QString id = mInOwnSheet ? QString() : QLatin1Char('#') + pMember.mWidget->objectName();
    QString text;
    QStringList subjects;
    for (const TRule& rule : rules) {
        QStringList selectors;
        for (const QString& selector : rule.mSelectors) {
            const int at = conditionPosition(selector);
            if (at < 0)
                return false;
            const QString subject = selector.left(at);
            if (subjectNames(subject, *pMember.mWidget))
                selectors << subject + (subject.contains(QLatin1Char('#')) ? QString() : id) + condition +
                                 selector.mid(at);
            selectors << id + condition + QLatin1Char(' ') + selector;
            subjects << subject;
        }
        text += selectors.join(QLatin1String(", ")) + QLatin1Char(' ') + rule.mBody + QLatin1Char(' ');
    }
    pMember.mSheets << pSheet;
    pMember.mSubjects << subjects;
    // The sheets of one widget name the same widgets in their colours: each is matched once a switch.
    pMember.mSubjects.removeDuplicates();
    pMember.mRules += text;
    return true;
}

void TStyleSheetChoice::writeSheet()
{
    mCombined = mBase;
    if (!mCombined.isEmpty() && !mCombined.endsWith(QLatin1Char(' ')))
        mCombined += QLatin1Char(' ');
    for (const TMember& member : mMembers)
        mCombined += member.mRules;
    mHost.setStyleSheet(mCombined);
    // A widget not yet polished keeps the parse of its former sheet where its
    // children have read it, and its first polish drops that parse only when
    // the widget's own rules were read before. Reading them now makes it so.
    if (!mHost.testAttribute(Qt::WA_WState_Polished))
        mHost.style()->styleHint(QStyle::SH_EtchDisabledText, nullptr, &mHost);
}

// What setting a sheet does, without parsing it again, without the second
// pass over the children and only for the widgets a selector may name.
void TStyleSheetChoice::choose(TMember& pMember, int pIndex)
{
    if (pIndex == pMember.mChoice || !pMember.mWidget)
        return;
    QWidget& widget = *pMember.mWidget;
    if (!mInOwnSheet && !widget.styleSheet().isEmpty())
        widget.setStyleSheet(QString());
    pMember.mChoice = pIndex;
    widget.setProperty(PROPERTY, choiceValue(pMember, pIndex));
    QList<QWidget*> restyled{&widget};
    for (QWidget* child : widget.findChildren<QWidget*>()) {
        if (namedByAny(pMember.mSubjects, *child))
            restyled << child;
    }
    for (QWidget* each : restyled) {
        each->style()->polish(each);
        QEvent changed(QEvent::StyleChange);
        QCoreApplication::sendEvent(each, &changed);
    }
}

// Unique to the widget, so that a widget inside it taking choices of its own
// is not selected by this widget's rules.
QString TStyleSheetChoice::choiceValue(const TMember& pMember, int pIndex)
{
    return QStringLiteral("%1-%2").arg(quintptr(pMember.mWidget.data()), 0, 16).arg(pIndex);
}
