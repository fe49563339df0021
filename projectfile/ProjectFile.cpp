#include "projectfile/ProjectFile.h"

#include <algorithm>
#include <iterator>
#include <optional>

#include <QDateTime>
#include <QFile>
#include <QHash>
#include <QSet>

#include "core/CSetting.h"
#include "core/Conv.h"
#include "core/FieldRanges.h"
#include "core/ProjectWhole.h"
#include "core/ResetModule.h"
#include "core/SettingsFile.h"
#include "platform/Environment.h"

namespace ProjectFile {

namespace {

const QString General = QStringLiteral("General");
const QString Details = QStringLiteral("Project Details");
const QString Hardware = QStringLiteral("Hardware");
const QString System = QStringLiteral("01");  // also the panel number of NumOfSystem
const QString Stars = QStringLiteral("#####");
const QString Asterisks = QString(30, u'*');

// Keys of [Project Details], in the order of Contents::details.
const std::array<QString, 5> DetailKeys{QStringLiteral("Addr"), QStringLiteral("Cont"), QStringLiteral("Tel:"),
                                        QStringLiteral("Inst"), QStringLiteral("Misc")};

// "0120" -> "01.20".
QString VersionText(const QString& v) { return v.left(2) + u'.' + v.right(2); }

bool IsBlankName(const QString& s) { return s.trimmed().isEmpty(); }

// The keys of one section, found without regard to letter case; the first of duplicates wins.
class SectionKeys {
public:
    SectionKeys(CSetting& s, const QString& section)
    {
        for (const auto& kv : s.GetSettingAll(section)) {
            const QString k = kv.key.trimmed().toLower();
            if (values_.contains(k)) continue;
            values_.insert(k, kv.value);
            if (kv.lost) lost_.insert(k);
        }
    }
    bool has(const QString& key) const { return values_.contains(key.trimmed().toLower()); }
    QString get(const QString& key, const QString& def = QString()) const
    {
        return values_.value(key.trimmed().toLower(), def);
    }
    bool empty() const { return values_.isEmpty(); }
    // The key's value held a character without a code, read as "?".
    bool lost(const QString& key) const { return !lost_.isEmpty() && lost_.contains(key.trimmed().toLower()); }

private:
    QHash<QString, QString> values_;
    QSet<QString> lost_;
};

void WriteProject(CSetting& s, const Header& h)
{
    auto put = [&](const QString& section, const QString& key, const QString& value) {
        s.SaveSettingStr(section, key, value, ProjectFileName);
    };
    put(General, QStringLiteral("SiteName"), ProjectFileName);
    put(General, QStringLiteral("Updated"), h.updated);
    put(General, QStringLiteral("SoftName"), h.softName);
    put(General, QStringLiteral("SoftwareVersion"), SoftwareVersion);
    put(General, QStringLiteral("Language"), QStringLiteral("0"));
    put(General, QStringLiteral("Admin "), QStringLiteral("19"));

    const std::array<const QString*, 5> details{&ProjectDetails.Addr, &ProjectDetails.Cont, &ProjectDetails.Tel,
                                                &ProjectDetails.Inst, &ProjectDetails.Misc};
    for (int i = 0; i < 5; ++i) put(Details, DetailKeys[i], *details[i]);

    put(Hardware, QStringLiteral("NumOfSystem"), System);
    put(Hardware, QStringLiteral("NumOfDevices"), NumOfDevices.str());
    // Files of version 1.28 and later carry the model.
    put(Hardware, QStringLiteral("MaxNumOfDevices"), Str(MaxNumOfDevices));

    put(System, QStringLiteral("COM-ver"), VersionText(VerComNum));
    put(System, QStringLiteral("SOFT-ver"), VersionText(VerSoftNum));
    put(System, QStringLiteral("HARD-ver"), VersionText(VerHardNum));
    put(System, QStringLiteral("SYSCFG"), ProjectLines::SysCfgLine(ProjectLines::CurrentSysCfg()));
    put(System, QStringLiteral("Panel 01"), RemoteUnits.Panel[1]);
    put(System, QStringLiteral("Panel 02"), RemoteUnits.Panel[2]);
    put(System, QStringLiteral("PS 01"), RemoteUnits.PS[1]);
    put(System, QStringLiteral("PS 02"), RemoteUnits.PS[2]);

    const int last = std::clamp<int>(MaxNumOfDevices, 0, MaxAddress);
    for (int a = 1; a <= last; ++a) {
        DeviceRecord& r = DeviceDataArray[a];
        if (r.Exist.str() != QStringLiteral("1")) continue;
        const QString section = DeviceSection(a);
        put(section, QStringLiteral("NAME"), IsBlankName(r.DeviceName) ? QString() : r.DeviceName.str());
        put(section, QStringLiteral("FNAM"), r.FactoryName.str());
        ApplyAlarmFloor(r);
        put(section, QStringLiteral("TYPE"), ProjectLines::TypeLine(r));
    }

    put(Stars, Asterisks, Asterisks);

    int groups = 0;
    for (int g = 1; g <= MaxGroups; ++g) {
        const OutGrpRecord& grp = OutGrpArray[g];
        if (ValInt(grp.OutCount.str()) == 0) continue;
        put(GroupSection(g), QStringLiteral("GRPo"), ProjectLines::GrpLine(grp));
        put(GroupSection(g), QStringLiteral("GrpName"), grp.GrpName.str());
        ++groups;
    }
    put(ClosingSection, QStringLiteral("NumOfGroups"), Str(groups));
}

// Starting point of a read: an empty project of the larger model, so whatever the file lacks
// keeps its reset value and no address of an earlier, larger project survives.
void ResetForRead()
{
    MaxNumOfDevices = MaxAddress;
    ResetModule::ResetDevices(1, MaxAddress, 1);
    ResetModule::ResetSysData();
    ResetModule::ResetGroups();
    NumOfDevices = "000";
    NumOfActiveGroups = 0;
}

// The sections to read devices and groups from, by their names. A name holding NUL characters (a
// damaged file) still names its address or group, unless a sound section of that name exists; its
// device or group is read and named in the warning, instead of being dropped without a word.
class Sections {
public:
    // `names`: every section of the file, of which there may be very many.
    explicit Sections(const QStringList& names)
    {
        for (const QString& n : names) {
            if (!MayNameARecord(n) || !n.contains(QChar(0))) continue;
            const QString clean = QString(n).remove(QChar(0)).trimmed();
            if (!damaged_.contains(clean)) damaged_.insert(clean, n);
        }
        if (damaged_.isEmpty()) return;
        QSet<QString> wanted;  // the clean names, as a sound section would spell them
        for (auto it = damaged_.cbegin(); it != damaged_.cend(); ++it) wanted.insert(it.key().toLower());
        QSet<QString> sound;
        for (const QString& n : names) {
            if (n.contains(QChar(0))) continue;
            const QString lower = n.trimmed().toLower();
            if (wanted.contains(lower)) sound.insert(lower);
        }
        for (auto it = damaged_.begin(); it != damaged_.end();)
            it = sound.contains(it.key().toLower()) ? damaged_.erase(it) : std::next(it);
    }
    // The section to read for `name`, and whether its name was damaged.
    QString For(const QString& name, bool* wasDamaged) const
    {
        const auto it = damaged_.constFind(name);
        *wasDamaged = it != damaged_.constEnd();
        return *wasDamaged ? *it : name;
    }

private:
    // Whether a name, without its NULs and the blanks around, may be that of an address or a group
    // ("01-..."): the one check made on every name, so it reads a character or two.
    static bool MayNameARecord(const QString& n)
    {
        for (QChar c : n) {
            if (c == u'0') return true;
            if (c != QChar(0) && !c.isSpace()) return false;
        }
        return false;
    }
    QHash<QString, QString> damaged_;  // the sound name -> the name as the file holds it
};

// Tells `cut`, when given, which of these lines the section of address or group n lacks.
void NoteLacking(CutFinder* cut, const SectionKeys& keys, int n, std::initializer_list<RecordLine> lines)
{
    if (!cut) return;
    for (const RecordLine l : lines)
        if (!keys.has(QLatin1StringView(RecordLines[size_t(l)].key))) cut->Lacks(l, n);
}

// One device section into its (reset) address; true when a value was replaced.
bool ReadDevice(CSetting& s, int a, const QString& section, CutFinder* cut, LostLetters& lost)
{
    const SectionKeys keys(s, section);
    NoteLacking(cut, keys, a, {RecordLine::Type});
    if (!keys.has(QStringLiteral("TYPE"))) return false;  // not in use: stays an empty address
    DeviceRecord& r = DeviceDataArray[a];
    bool replaced = false;
    ProjectLines::ReadTypeLine(keys.get(QStringLiteral("TYPE")), r, &replaced);
    if (r.Exist != "1" || !FieldRanges::IsKnownKind(KindOf(r))) {
        // A device of a kind no window can show or check is no device the project can hold.
        if (r.Exist == "1") replaced = true;
        ResetModule::ResetDevices(a, a, 1);
        return replaced;
    }
    // A device the project takes in lost its name or factory name with the line.
    NoteLacking(cut, keys, a, {RecordLine::Name, RecordLine::Fnam});
    r.Address = ZeroPad(a, 3);  // the section names the address
    if (keys.has(QStringLiteral("NAME"))) r.DeviceName = keys.get(QStringLiteral("NAME"));
    if (keys.has(QStringLiteral("FNAM"))) r.FactoryName = keys.get(QStringLiteral("FNAM"));
    if (keys.lost(QStringLiteral("NAME")) || keys.lost(QStringLiteral("FNAM"))) lost.addresses << a;
    return replaced;
}

// One group section into its (reset) group; true when a value was replaced.
bool ReadGroup(CSetting& s, int g, const QString& section, CutFinder* cut, LostLetters& lost)
{
    const SectionKeys keys(s, section);
    NoteLacking(cut, keys, g, {RecordLine::Grpo, RecordLine::GrpName});
    const QString line = keys.get(QStringLiteral("GRPo"));
    // A missing section, or one holding another group's line, leaves the group empty.
    if (!keys.has(QStringLiteral("GRPo")) || ProjectLines::GrpLineNumber(line) != g) return false;
    OutGrpRecord& grp = OutGrpArray[g];
    bool replaced = false;
    ProjectLines::ReadGrpLine(line, grp, &replaced);
    if (keys.has(QStringLiteral("GrpName"))) grp.GrpName = keys.get(QStringLiteral("GrpName"));
    if (keys.lost(QStringLiteral("GrpName"))) lost.groups << g;
    return replaced;
}

// `cut`: for a file that holds a project, what shows that it is incomplete goes to c.cut.
void ReadProject(CSetting& s, const Sections& sections, Contents& c, CutFinder* cut)
{
    const SectionKeys hardware(s, Hardware);
    MaxNumOfDevices = ValInt(hardware.get(QStringLiteral("MaxNumOfDevices"))) == 50 ? 50 : MaxAddress;

    const SectionKeys details(s, Details);
    for (int i = 0; i < 5; ++i) {
        c.details[i] = details.get(DetailKeys[i]);
        if (details.lost(DetailKeys[i])) c.lost.details = true;
    }

    const SectionKeys system(s, System);
    if (system.has(QStringLiteral("SYSCFG")))
        ProjectLines::ApplySysCfg(ProjectLines::ReadSysCfgLine(system.get(QStringLiteral("SYSCFG")),
                                                               ProjectLines::CurrentSysCfg(), &c.replaced.system));
    auto unit = [&](const QString& key, QString& field) {
        if (!system.has(key)) return;
        // In the system ("1") or not ("0").
        if (FieldRanges::IsFlag(system.get(key))) field = system.get(key);
        else c.replaced.system = true;
    };
    unit(QStringLiteral("Panel 01"), RemoteUnits.Panel[1]);
    unit(QStringLiteral("Panel 02"), RemoteUnits.Panel[2]);
    unit(QStringLiteral("PS 01"), RemoteUnits.PS[1]);
    unit(QStringLiteral("PS 02"), RemoteUnits.PS[2]);

    bool damagedName = false;
    for (int a = 1; a <= MaxNumOfDevices; ++a) {
        const QString section = sections.For(DeviceSection(a), &damagedName);
        if (ReadDevice(s, a, section, cut, c.lost) || (damagedName && DeviceDataArray[a].Exist == "1")) c.replaced.addresses << a;
    }
    for (int g = 1; g <= MaxGroups; ++g) {
        const QString section = sections.For(GroupSection(g), &damagedName);
        if (ReadGroup(s, g, section, cut, c.lost) || damagedName) c.replaced.groups << g;
    }
    // Records that do not agree with each other are made whole here, so every window, encoder and
    // report after the read may trust them. The counts are those of what the project now holds,
    // not the file's keys: an upload relies on NumOfDevices to refuse an empty device list.
    const ProjectWhole::Places mended = ProjectWhole::MakeProjectWhole();
    c.replaced.Add(mended.addresses, mended.groups);
    // A device the mend dropped keeps no name to speak of.
    c.lost.addresses.removeIf([](int a) { return DeviceDataArray[a].Exist != "1"; });
    if (cut)
        c.cut = cut->Signs(hardware.get(QStringLiteral("NumOfDevices")),
                           SectionKeys(s, ClosingSection).get(QStringLiteral("NumOfGroups")));

    const SectionKeys general(s, General);
    c.FileSiteName = general.get(QStringLiteral("SiteName"), c.FileSiteName);
    c.FileSoftName = general.get(QStringLiteral("SoftName"), c.FileSoftName);
    c.FileSoftwareVersion = Val(general.get(QStringLiteral("SoftwareVersion"), QStringLiteral("0")));
    c.FileUpdated = general.get(QStringLiteral("Updated"), c.FileUpdated);
}

// The file's bytes; none for a missing file.
QByteArray FileBytes(const QString& file)
{
    QFile f(file);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// Whether the bytes are anything but blanks.
bool HoldsBytes(const QByteArray& bytes)
{
    for (char ch : bytes)
        if (ch != ' ' && ch != '\t' && ch != '\r' && ch != '\n') return true;
    return false;
}

// Whether any of the sections `names` is one a project file has.
bool HasProjectSection(CSetting& s, const QStringList& names)
{
    for (const QString& name : names) {
        const QString n = name.trimmed();
        if (n.compare(General, Qt::CaseInsensitive) == 0) {
            // Many programs' files have a [General]; a project's names its file or its writer.
            const SectionKeys keys(s, General);
            if (keys.has(QStringLiteral("SiteName")) || keys.has(QStringLiteral("SoftName")) ||
                keys.has(QStringLiteral("SoftwareVersion")))
                return true;
            continue;
        }
        if (n.compare(Details, Qt::CaseInsensitive) == 0 || n.compare(Hardware, Qt::CaseInsensitive) == 0 ||
            n == System || n.startsWith(System + u'-') || n == Stars || n == ClosingSection)
            return true;
    }
    return false;
}

void Prepare(CSetting& s)
{
    s.Init(ProjectName, Extension, usrDataPath, 1);
    s.SetSaveMode(1);
}

}  // namespace

QString DeviceSection(int address) { return System + u'-' + ZeroPad(address, 3); }
QString GroupSection(int group) { return System + QStringLiteral("-Gr-") + ZeroPad(group, 2); }

Header CurrentHeader()
{
    return {SettingsFile::StampText(QDateTime::currentDateTime()), Environment::ExecutableName()};
}

void ApplyAlarmFloor(DeviceRecord& r)
{
    const int kind = KindOf(r);
    if (kind == DeviceKind::SmokeDetector || kind == DeviceKind::HeatDetector || kind == DeviceKind::SmokeHeatDetector)
        return;
    if (ValInt(r.AlarmValue.str()) < 64) r.AlarmValue = "64";
    if (ValInt(r.PreAlarmValue.str()) < 64) r.PreAlarmValue = "64";
}

bool Write(CSetting& setting, const Header& header, QString* error, Replaced* mended)
{
    // The windows never leave the project other than whole; this is the last guard, so no file
    // holds records that contradict each other.
    const ProjectWhole::Places places = ProjectWhole::MakeProjectWhole();
    if (mended) *mended = {places.addresses, false, places.groups};
    Prepare(setting);
    try {
        // A fresh file that replaces the old one only once every key is in it.
        setting.BeginBatch(true);
        WriteProject(setting, header);
        setting.CommitBatch();
        return true;
    } catch (const CSettingError& e) {
        if (error) *error = e.description;
        return false;
    }
}

Contents Read()
{
    Contents c;
    ResetForRead();
    // One parsed copy for all the reads; it is dropped, never written back.
    CSetting s;
    Prepare(s);
    try {
        s.BeginBatch(false);
        // The names are read once, and let go before the records are read: a file may hold
        // very many sections.
        std::optional<CutFinder> cut;
        const std::optional<Sections> sections = [&]() -> std::optional<Sections> {
            const QStringList names = s.GetSectionNames();
            const QByteArray bytes = FileBytes(s.FileName());
            if (!HoldsBytes(bytes)) return Sections(names);  // an empty project, as for no file
            if (!HasProjectSection(s, names)) return std::nullopt;
            cut.emplace(names, bytes);
            return Sections(names);
        }();
        if (!sections) {
            c.notProjectFile = true;
            return c;
        }
        ReadProject(s, *sections, c, cut ? &*cut : nullptr);
    } catch (const CSettingError& e) {
        c.ok = false;
        c.error = e.description;
    }
    return c;
}

Contents Open()
{
    const QString file = usrDataPath + ProjectName + Extension;
    Contents c = Read();
    if (c.notProjectFile) {
        ShowMessage(NotProjectFileMessage(UILanguage, file));
        ProjectFileName.clear();
        ProjectName.clear();
        ProjectFileOK = false;
        ProjectLoaded = false;
    } else if (c.ok && (c.cut.any() || c.lost.any() || c.replaced.any())) {
        ShowMessage(OpenWarning(UILanguage, c.cut, c.lost, c.replaced));
    }
    return c;
}

}  // namespace ProjectFile
