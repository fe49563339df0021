#pragma once
// The three plain-text listings of the groups window's working state, line by line in the order
// the listing box shows them: the numbered lines in number order, then (outputs listing) the
// separator and the special outputs in the order 201, 202, 205. They read the model, the
// device table and the special-output flags, and change nothing.
#include <QStringList>

class GroupsModel;

namespace GroupsListings {

// Every address with its groups: " [ 005 <2> (03/07/00/00) ] ", an output " [ 009 </> (OUT  DEVICE) ] ",
// a free address that is no input " [ 010 ----------------- ] ", then the flagged special outputs.
QStringList Inputs(const GroupsModel& m);
// Every group with its trigger and outputs: "05.<1>-(2)(009/012/000/000/000/000)#", then the
// separator and the names of the flagged special outputs.
QStringList Outputs(const GroupsModel& m);
// Every group with its outputs and inputs: "...)#-(IN: 002)(003/017/)".
QStringList Groups(const GroupsModel& m);

}  // namespace GroupsListings
