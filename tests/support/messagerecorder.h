#pragma once

#include <QObject>
#include <QStringList>
#include <QTimer>

#include <functional>

// Answers every message dialog that opens while it lives by pressing OK, and
// keeps their texts: for code that may show several messages, or none, on
// its own schedule (after a poll, say). pOnShown runs while the dialog is open.
class TMessageRecorder : public QObject
{
    Q_OBJECT

public:
    explicit TMessageRecorder(std::function<void()> pOnShown = {});

    const QStringList& texts() const { return mTexts; }
    // The message dialogs open now, whoever answers them.
    static int openMessages();
    // Presses OK on every message dialog open now.
    static void closeAll();
    int count() const { return mTexts.size(); }

private:
    void check();

    QTimer mTimer;
    QStringList mTexts;
    std::function<void()> mOnShown;
    QObject* mSeen = nullptr;
};
