#pragma once
// A fresh project and link state for every panel-link test: 126 addresses, English tables.
#include <ostream>

#include <QByteArray>
#include <QString>
#include <gtest/gtest.h>

#include "core/DataModel.h"
#include "core/ResetModule.h"
#include "core/languages.h"
#include "panellink/LinkState.h"

// Readable failures for texts and record fields.
inline void PrintTo(const QString& s, std::ostream* os) { *os << '"' << s.toStdString() << '"'; }
template <int N>
void PrintTo(const FixedText<N>& s, std::ostream* os) { *os << '"' << s.str().toStdString() << '"'; }

// Bytes from hex text with or without blanks: H("AA 01 04").
inline QByteArray H(const char* hex) { return QByteArray::fromHex(QByteArray(hex).replace(' ', "")); }

class LinkTest : public ::testing::Test {
protected:
    void SetUp() override { Fresh(2); }
    void TearDown() override { LinkState::Reset(); }

    static void Fresh(int16_t language)
    {
        MaxNumOfDevices = 126;
        languages::SetLanguage(language);
        ResetModule::ResetProject(true);
        ResetModule::ResetHistory();
        LinkState::Reset();
        ErrLocation.clear();
        ProjectLoaded = false;
        NumOfActiveGroups = 0;
    }

    // Puts received records into the block buffer as the engine does.
    static void Receive(std::initializer_list<QByteArray> records)
    {
        LinkState::BeginBlock();
        int i = 0;
        for (const QByteArray& r : records) LinkState::StoreRecord(++i, r);
    }

    // The data bytes of a frame (bytes 6 .. n-1).
    static QByteArray DataOf(const QByteArray& frame) { return frame.mid(5, frame.size() - 6); }
};
