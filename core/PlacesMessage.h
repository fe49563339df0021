#pragma once
// The one warning that names the places of the project that were replaced or made whole: after a
// read of the project file, after a download, and when a save had to make the project whole; and
// after a single step of the administrator area, the places it replaced or left not whole.
#include <cstdint>

#include <QList>
#include <QStringList>
#include <QString>

#include "core/Message.h"

// Where the values came from. Step: one block read on its own, which makes nothing whole, so its
// places may still disagree with the rest of the project.
enum class PlacesSource { ProjectFile, Panel, Save, Step };

struct PlacesList {
    QList<int> addresses;  // ascending
    bool system = false;   // the system settings or a remote unit
    QList<int> groups;     // ascending

    bool any() const { return system || !addresses.isEmpty() || !groups.isEmpty(); }
    // Adds places, keeping both lists ascending and each number once.
    void Add(const QList<int>& moreAddresses, const QList<int>& moreGroups);
};

// "1, 3-5, 9": ascending numbers, runs of three or more as a range.
QString NumberList(const QList<int>& numbers);

// A line for the addresses and one for the groups, when there are any, in the interface language.
QStringList PlaceLines(int16_t lang, const QList<int>& addresses, const QList<int>& groups);

// One box in the interface language naming every place.
Message PlacesMessage(int16_t lang, PlacesSource source, const PlacesList& places);
