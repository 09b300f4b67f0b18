#pragma once

#include <QByteArray>
#include <QHostAddress>
#include <QString>

// Faults a simulated unit can be told to make in its link replies.
struct FaultConfig
{
    // Share of replies dropped at random; the seed makes a run repeatable.
    double dropFraction = 0.0;
    quint32 seed = 1;
    // The reply to this link message (counted from 1) is dropped; 0 drops none.
    int dropNth = 0;
    // Every reply is sent twice.
    bool duplicate = false;
    int delayMs = 0;
    // No reply at all after this many link messages; 0 means never silent.
    int silentAfter = 0;
};

// Who a simulated unit is and where it listens.
struct UnitConfig
{
    QHostAddress bindAddress = QHostAddress(QHostAddress::AnyIPv4);
    quint16 discoveryPort = 10004;
    // The computer's management port, where discovery replies go.
    quint16 replyPort = 10008;
    // The RS-422 link port: bound here and reported in discovery.
    quint16 linkPort = 10006;
    bool master = true;
    QByteArray mac = QByteArray::fromHex("0050C2B4A001");
    QString unitName = QStringLiteral("SimUnit");
    QString device = QStringLiteral("VK-2");
    QString buildDate = QStringLiteral("2026-12-01");
    QString formatCode = QStringLiteral("1");
    FaultConfig faults;
};
