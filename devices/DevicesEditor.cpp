#include "devices/DevicesEditor.h"

#include <algorithm>

#include "core/Conv.h"
#include "core/ResetModule.h"
#include "core/languages.h"
#include "devices/DevicesPaging.h"
#include "devices/DevicesTexts.h"
#include "platform/Ui.h"

using namespace DeviceColors;

namespace {

// Types without settings of their own: their settings button stays disabled.
bool HasSettings(int kind)
{
    switch (kind) {
    case DeviceKind::AlarmFaultCard:
    case DeviceKind::ConventionalDetector:
    case DeviceKind::FourZoneCard:
    case DeviceKind::RedCallPoint:
    case DeviceKind::YellowCallPoint:
    case DeviceKind::BeamCard:
        return false;
    default:
        return true;
    }
}

// The position marker of a record and its MultiAddrPos: 0 single, 1 and 2 the parts of two,
// 3 to 6 the parts of a four-zone card. A position code the device cannot have (a damaged record)
// reads as a single device, so no delete button is stretched over rows of other devices.
struct Position {
    QString marker;
    int16_t code;
};
Position PositionOf(int kind, long long cardAddr)
{
    if (kind == DeviceKind::FourZoneCard) {
        if (cardAddr >= 0 && cardAddr <= 3)
            return {Str(cardAddr + 1) + QStringLiteral("/4"), int16_t(3 + cardAddr)};
    } else if (cardAddr == 2) {
        return {QStringLiteral("1/2"), 1};
    } else if (cardAddr == 3) {
        return {QStringLiteral("2/2"), 2};
    }
    return {QStringLiteral("-1-"), 0};
}

bool IsSixteenBlanks(const QString& s) { return s == QString(DevicesEditor::MaxNameLength, QLatin1Char(' ')); }

}  // namespace

void DevicesEditor::Form_Load()
{
    languages::SetLanguage(UILanguage);
    for (int g = 1; g <= MaxGroups; ++g) OutGrpArrayEdit[g] = OutGrpArray[g];
    NameCheckQuiet = false;
    keptNames_ = {};
    FormCreate();
    for (int a = 1; a <= count_; ++a) DeviceDataArrayEdit[a] = DeviceDataArray[a];
    // Addresses the model has not are free: nothing of an earlier window on a larger model
    // reaches into the devices of this one.
    ResetModule::ResetDevices(count_ + 1, MaxAddress, 2);
    FormOrLineCreateFromVaribles(1, count_);
}

void DevicesEditor::FormCreate()
{
    count_ = std::clamp<int>(MaxNumOfDevices, 0, MaxAddress);
    for (int i = 0; i <= MaxAddress; ++i) {
        rows_[size_t(i)] = DeviceRow{};
        if (i >= 1 && i <= count_) rows_[size_t(i)].numberCaption = Str(i);
    }
}

std::vector<int> DevicesEditor::OccupiedRows() const
{
    std::vector<int> rows;
    for (int i = 1; i <= count_; ++i)
        if (rows_[size_t(i)].exist) rows.push_back(i);
    return rows;
}

QString DevicesEditor::LabelOfRow(int kind, int position) const
{
    switch (kind) {
    case DeviceKind::AlarmFaultCard:
        return position == 1 ? LblAlarmInput : position == 2 ? LblFaultInput : LblAlarmFault;
    case DeviceKind::FourZoneCard:
        return LoopName[size_t(position >= 3 && position <= 6 ? position - 2 : 1)];
    case DeviceKind::TwoInputCard:
        return position == 2 ? LblInput2of2 : LblInput1of2;
    default:
        return languages::LabelFor(kind, 1);
    }
}

ProjectWhole::Span DevicesEditor::SpanOf(int a) const
{
    ProjectWhole::Span span = ProjectWhole::DeviceAt(DeviceDataArrayEdit, a);
    span.last = std::min(span.last, count_);
    return span;
}

QString DevicesEditor::BoxName(const QString& name) { return FixedText<MaxNameLength>(name).trimmed(); }

void DevicesEditor::FormOrLineCreateFromVaribles(int first, int last)
{
    first = std::max(first, 1);
    last = std::min(last, count_);
    int lastKind = 0;
    // Each row's delete button follows the device the working table holds there, read in one pass.
    const ProjectWhole::DeviceSpans spans = ProjectWhole::DevicesOf(DeviceDataArrayEdit);
    for (int i = first; i <= last; ++i) {
        DeviceRow& row = rows_[size_t(i)];
        const DeviceRecord& r = DeviceDataArrayEdit[size_t(i)];
        row.numberBack = LightGrey;
        if (r.Exist.str() != QLatin1String("1")) {
            ResetLineOrAll(i, i);
            continue;
        }
        const int kind = KindOf(r);
        lastKind = kind;
        row.numberCaption = Str(i);
        row.exist = true;
        row.enableEnabled = false;
        row.enableBack = LightGrey;
        const Position position = PositionOf(kind, ValInt(r.CardAddr.str()));
        row.enableCaption = position.marker;
        MultiAddrPos = position.code;

        QString label = LabelOfRow(kind, MultiAddrPos);
        if (label.isEmpty()) {
            label = DevicesTexts::UnknownTypeLabel(UILanguage);
            row.enableCaption = QStringLiteral("###");  // the swatch keeps its colour
        } else if (const auto colour = ColorOfKind(kind)) {
            row.colorBack = *colour;
        }
        row.factoryText = ZeroPad(i, 3) + QLatin1Char(' ') + label;
        row.factoryBack = LightGrey;

        const long long in = ValInt(r.DeviceIsIn.str());
        if (in == 0) row.inOutCaption = WordOut;
        else if (in == 1) row.inOutCaption = WordIn;
        row.inOutBack = LightGrey;

        if (HasSettings(kind)) {
            row.settingsEnabled = true;
            row.settingsCaption = WordSettings;
            row.settingsBack = Green;
        } else {
            row.settingsEnabled = false;
            row.settingsCaption.clear();
            row.settingsBack = LightGrey;
        }

        row.nameText = r.NameExist.str() == QLatin1String("1") ? BoxName(r.DeviceName.str()) : QString();
        row.nameBack = White;
        row.nameEnabled = true;
        keptNames_[size_t(i)].clear();  // the address holds a device again

        row.deleteEnabled = true;
        row.deleteCaption = WordDelete;
        row.deleteBack = Red;
        // The first address's button covers the device's rows; the others have none.
        const ProjectWhole::Span& span = spans[size_t(i)];
        row.deleteVisible = span.first == i;
        row.deleteHeight = DevicesPaging::RowPitch * (row.deleteVisible ? std::min(span.last, count_) - i + 1 : 1);
    }

    int captured = 0;
    for (int a = 1; a <= count_; ++a)
        if (DeviceDataArrayEdit[size_t(a)].Exist.str() == QLatin1String("1")) ++captured;
    if (const auto caption = DevicesTexts::CapturedCaption(UILanguage, captured, count_ - captured))
        label3_ = *caption;

    // A refresh that ends on the last part of a device leaves no position behind.
    if ((lastKind == DeviceKind::FourZoneCard && MultiAddrPos == 6) ||
        (lastKind != DeviceKind::FourZoneCard && MultiAddrPos == 2))
        MultiAddrPos = 0;
}

void DevicesEditor::ResetLineOrAll(int first, int last)
{
    first = std::max(first, 1);
    last = std::min(last, count_);
    for (int i = first; i <= last; ++i) {
        DeviceRow& row = rows_[size_t(i)];
        row.exist = false;
        row.numberBack = row.factoryBack = row.inOutBack = row.colorBack = Grey;
        row.settingsBack = row.nameBack = row.deleteBack = Grey;
        row.enableEnabled = true;
        row.enableBack = Green;
        row.enableCaption = WordEnable;
        row.factoryText.clear();
        row.inOutCaption.clear();
        row.settingsCaption.clear();
        row.nameText.clear();
        row.deleteCaption.clear();
        row.settingsEnabled = row.nameEnabled = row.deleteEnabled = false;
        row.deleteHeight = DevicesPaging::RowPitch;
        row.deleteVisible = true;
        CurrentRow = int16_t(i);
        ResetModule::ResetDevices(i, i, 2);
    }
}

void DevicesEditor::MarkCurrentLine(int line)
{
    for (int i = 1; i <= count_; ++i) {
        DeviceRow& row = rows_[size_t(i)];
        row.numberBack = row.inOutBack;
        row.numberBold = false;
        row.numberPoints = 10;
        row.nameBack = row.exist ? White : Grey;
    }
    if (line < 1 || line > count_) return;
    DeviceRow& row = rows_[size_t(line)];
    row.numberBack = Red;
    row.numberBold = true;
    row.numberPoints = 12;
    row.nameBack = Yellow;
}

void DevicesEditor::MarkGoToRow(int row)
{
    for (int i = 1; i <= count_; ++i) rows_[size_t(i)].numberBack = rows_[size_t(i)].inOutBack;
    if (row >= 1 && row <= count_) rows_[size_t(row)].numberBack = Red;
}

QString DevicesEditor::DefaultName(const QString& factoryName, int address)
{
    return factoryName.mid(4, 11) + QLatin1Char(' ') + Str(address);
}

int DevicesEditor::Commit()
{
    int count = 0;
    for (int a = 1; a <= count_; ++a) {
        const DeviceRow& row = rows_[size_t(a)];
        if (!row.exist) {
            ResetModule::ResetDevices(a, a, 1);
            ResetModule::ResetDevices(a, a, 2);
            continue;
        }
        ++count;
        DeviceRecord& r = DeviceDataArray[size_t(a)];
        r = DeviceDataArrayEdit[size_t(a)];
        r.FactoryName = row.factoryText;
        r.NameExist = "1";
        const QString name = row.nameText;
        r.DeviceName = name.isEmpty() || IsSixteenBlanks(name) ? DefaultName(r.FactoryName.str(), a) : name;
    }
    for (int g = 1; g <= MaxGroups; ++g) OutGrpArray[size_t(g)] = OutGrpArrayEdit[size_t(g)];
    DataChanged = true;
    NumOfDevices = ZeroPad(count, 3);
    ProjectWhole::Recount();
    return count;
}

DevicesEditor::Close DevicesEditor::Form_QueryUnload()
{
    switch (ShowMessage(DevicesTexts::SaveQuestion(UILanguage))) {
    case Ui::vbYes:
        Commit();
        return Close::Committed;
    case Ui::vbNo:
        ResetModule::ResetDevices(1, count_, 2);
        return Close::Discarded;
    default:
        return Close::Stay;
    }
}
