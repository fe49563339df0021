#include "platform/PortMessages.h"

#include <sys/stat.h>

#include <QStringList>

#include "platform/Ui.h"

namespace {

struct FaultText {
    OpenFault fault;
    const char16_t* english;
    const char16_t* hebrew;
};

// %1 the port, %2 the group or the detail, %3 the device's mode.
constexpr FaultText Texts[] = {
    {OpenFault::NoPort, u"No serial port is selected. Search for the port or choose one from the list.",
     u"לא נבחרה יציאת תקשורת. יש לחפש את היציאה או לבחור אחת מהרשימה."},
    {OpenFault::NoSuchPort, u"Port %1 does not exist. Connect the USB-RS232 cable and search for the port again.",
     u"היציאה %1 אינה קיימת. יש לחבר את כבל USB-RS232 ולחפש שוב את היציאה."},
    {OpenFault::Missing,
     u"Port %1 is not connected (the device is missing). Connect the USB-RS232 cable and search for the port again.",
     u"היציאה %1 אינה מחוברת (ההתקן חסר). יש לחבר את כבל USB-RS232 ולחפש שוב את היציאה."},
    {OpenFault::Busy, u"Port %1 is in use by another program. Close that program and try again.",
     u"היציאה %1 תפוסה על ידי תוכנה אחרת. יש לסגור את התוכנה ולנסות שוב."},
    {OpenFault::BadSettings, u"Port %1 cannot use the settings \"%2\".", u"היציאה %1 אינה יכולה לעבוד בהגדרות \"%2\"."},
    {OpenFault::Other, u"Port %1 cannot be opened: %2", u"לא ניתן לפתוח את היציאה %1: %2"},
};

constexpr FaultText JoinGroup{
    OpenFault::NotPermitted,
    u"No permission to open port %1. The user must be a member of the group \"%2\" that owns the device "
    u"(for example: %4), then log out and in again.",
    u"אין הרשאה לפתוח את היציאה %1. המשתמש צריך להיות חבר בקבוצה \"%2\" שההתקן שייך לה "
    u"(לדוגמה: %4), ואז להתנתק ולהתחבר מחדש."};

// Joining the group gives nothing when the group itself may not read and write the device.
constexpr FaultText ChangeAccess{
    OpenFault::NotPermitted,
    u"No permission to open port %1. The device gives its group \"%2\" no read and write access (mode %3), "
    u"so joining that group does not help. Ask the system administrator to give the group read and write "
    u"access to the device (mode 0660, for example with a udev rule), then connect the cable again.",
    u"אין הרשאה לפתוח את היציאה %1. ההתקן אינו נותן לקבוצה \"%2\" הרשאת קריאה וכתיבה (הרשאות %3), "
    u"ולכן הצטרפות לקבוצה לא תעזור. יש לבקש ממנהל המערכת לתת לקבוצה הרשאת קריאה וכתיבה להתקן "
    u"(הרשאות 0660, למשל בכלל udev), ואז לחבר שוב את הכבל."};

// The text with %1..%9 replaced by the values, in one pass (a value's own "%" stays as it is).
QString Filled(const char16_t* text, const QStringList& values)
{
    const QString t = QString::fromUtf16(text);
    QString out;
    for (int i = 0; i < t.size(); ++i) {
        const int k = i + 1 < t.size() && t[i] == u'%' ? t[i + 1].digitValue() : -1;
        if (k >= 1 && k <= values.size()) {
            out += values[k - 1];
            ++i;
        } else {
            out += t[i];
        }
    }
    return out;
}

QString PortName(int n, const QString& path)
{
    const QString com = QStringLiteral("COM%1").arg(n);
    return path.isEmpty() ? com : QStringLiteral("%1 (%2)").arg(com, path);
}

}  // namespace

DeviceAccess DeviceAccessOf(const QString& path)
{
    DeviceAccess a;
    a.group = DeviceGroup(path);
    struct stat st {};
    if (path.isEmpty() || ::stat(path.toLocal8Bit().constData(), &st) != 0) return a;
    a.known = true;
    a.groupReadWrite = (st.st_mode & (S_IRGRP | S_IWGRP)) == (S_IRGRP | S_IWGRP);
    a.mode = QStringLiteral("%1").arg(st.st_mode & 07777, 4, 8, QLatin1Char('0'));
    return a;
}

QString OpenFaultText(bool hebrew, OpenFault fault, int portNumber, const QString& path, const QString& detail,
                      const QString& group)
{
    if (fault == OpenFault::None) return QString();
    // Names, paths and commands keep their own direction inside a Hebrew sentence.
    auto run = [hebrew](const QString& s) { return hebrew ? Ui::LeftToRight(s) : s; };
    const QString port = run(PortName(portNumber, path));
    if (fault == OpenFault::NotPermitted) {
        DeviceAccess access = DeviceAccessOf(path);
        if (!group.isEmpty()) access.group = group;
        const FaultText& t = access.groupReadWrite ? JoinGroup : ChangeAccess;
        return Filled(hebrew ? t.hebrew : t.english,
                      {port, run(access.group), run(access.mode),
                       run(QStringLiteral("sudo usermod -aG ") + access.group + QStringLiteral(" $USER"))});
    }
    for (const FaultText& t : Texts)
        if (t.fault == fault) return Filled(hebrew ? t.hebrew : t.english, {port, run(detail)});
    return QString();
}

// The serial control's own text (LastError): the English one.
QString OpenFaultMessage(OpenFault fault, int portNumber, const QString& path, const QString& group,
                         const QString& detail)
{
    return OpenFaultText(false, fault, portNumber, path, detail, group);
}
