#pragma once
// A voice for tests that keeps what it was told instead of speaking.

#include "voice/Speech.h"

#include <QStringList>

// Keeps what it was told instead of speaking.
class RecordingSpeech : public Speech
{
public:
    explicit RecordingSpeech(QString reason = QString()) : m_reason(std::move(reason)) {}

    QString unavailableReason() override { return m_reason; }
    void say(const QString &text) override
    {
        said << text;
        speaking = true;
    }
    void stop() override { speaking = false; }

    QStringList said;
    bool speaking = false;

private:
    QString m_reason;
};
