#pragma once
// A whole project file as the writer writes it: the details, a smoke detector at 1 in group 1, a
// bell at 2 and the group, with texts a test may change.
#include <QString>

struct WholeFileTexts {
    QString addr = QStringLiteral("Main St. 1");
    QString name1 = QStringLiteral("SMOKE 1");
    QString name2 = QStringLiteral("BELL 2");
    QString factory2 = QStringLiteral("002 OUTPUT     #");
    QString group = QStringLiteral("BELLS");
};

inline QString WholeProjectFile(const WholeFileTexts& t = {})
{
    return "[General]\r\n"
           "SiteName=Site.HV6\r\n"
           "SoftName=Verdal5000\r\n"
           "SoftwareVersion=1.32\r\n"
           "[Project Details]\r\n"
           "Addr=" + t.addr + "\r\n"
           "[Hardware]\r\n"
           "NumOfSystem=01\r\n"
           "NumOfDevices=002\r\n"
           "MaxNumOfDevices=126\r\n"
           "[01]\r\n"
           "SYSCFG=00-003-1-1-0-1-0-0-0-0-0-0-0-1-0-2200-0630-01\r\n"
           "[01-001]\r\n"
           "NAME=" + t.name1 + "\r\n"
           "FNAM=001 SMOKE DET  #\r\n"
           "TYPE=001 0-00-005-1-1 00-00-00-0-1 01-00-0-0-1-0 000 000 070 045 001 001 000 000 000\r\n"
           "[01-002]\r\n"
           "NAME=" + t.name2 + "\r\n"
           "FNAM=" + t.factory2 + "\r\n"
           "TYPE=002 0-08-001-0-1 00-00-00-0-1 00-00-0-0-0-0 000 000 064 064 000 000 000 000 000\r\n"
           "[#####]\r\n"
           "******************************=******************************\r\n"
           "[01-Gr-01]\r\n"
           "GRPo=01-1-1[002/000/000/000/000/000]\r\n"
           "GrpName=" + t.group + "\r\n"
           "[----------]\r\n"
           "NumOfGroups=1\r\n";
}
