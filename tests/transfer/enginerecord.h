#pragma once

#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>

#include "transferengine.h"

// What a transfer engine showed: the latest text of each label and every ending, as a window
// would render them.
struct EngineRecord {
    explicit EngineRecord(comm::TransferEngine& engine) {
        using E = comm::TransferEngine;
        QObject::connect(&engine, &E::nameTextChanged, [this](const QString& t) { name = t; });
        QObject::connect(&engine, &E::sizeTextChanged, [this](const QString& t) { size = t; });
        QObject::connect(&engine, &E::progressTextChanged, [this](const QString& t) {
            progress = t;
            progressTexts << t;
        });
        QObject::connect(&engine, &E::framesTextChanged, [this](const QString& t) {
            frames = t;
            framesTexts << t;
        });
        QObject::connect(&engine, &E::progressRangeChanged, [this](int m) { maximum = m; });
        QObject::connect(&engine, &E::progressValueChanged, [this](int v) { value = v; });
        QObject::connect(&engine, &E::clockCaptionChanged, [this](const QString& t) { clock = t; });
        QObject::connect(&engine, &E::rateTextChanged, [this](const QString& t) {
            rate = t;
            ++rateUpdates;
        });
        QObject::connect(&engine, &E::digestTextChanged, [this](const QString& t) { digest = t; });
        QObject::connect(&engine, &E::finished, [this](E::Outcome o, const QString& message) {
            outcomes << o;
            messages << message;
            framesAtMessage = frames;
        });
    }

    QString name, size, progress, frames, clock, rate, digest, framesAtMessage;
    QStringList progressTexts, framesTexts;
    int maximum = -1, value = -1, rateUpdates = 0;
    QList<comm::TransferEngine::Outcome> outcomes;
    QStringList messages;
};
