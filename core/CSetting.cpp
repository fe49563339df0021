#include "core/CSetting.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>

#include "core/Conv.h"
#include "platform/Environment.h"
#include "platform/Profile.h"

CSettingError::CSettingError(int32_t number_, QString source_, QString description_)
    : number(number_), source(std::move(source_)), description(std::move(description_)),
      what_(description.toUtf8())
{
}

namespace {

// A failure inside an operation, before the operation turns it into its own error.
struct InnerError {
    int32_t number;
    QString message;
};

// Run-time error numbers of the failures found here.
constexpr int32_t Overflow = 6;
constexpr int32_t InternalError = 51;

[[noreturn]] void Raise(int32_t number, const char* source, const char* what, const InnerError& e)
{
    throw CSettingError(number, QString::fromLatin1(source),
                        QStringLiteral("%1 (%2, %3)").arg(QLatin1String(what)).arg(e.number).arg(e.message));
}

[[noreturn]] void RaiseProfile(const Profile::Error& e) { throw InnerError{e.number, e.message}; }

// The operation's own catch: whatever failed inside becomes the operation's error.
template <typename F>
auto Guard(int32_t number, const char* source, const char* what, F&& body)
{
    try {
        return body();
    } catch (const InnerError& e) {
        Raise(number, source, what, e);
    } catch (const CSettingError& e) {
        Raise(number, source, what, InnerError{e.number, e.description});
    } catch (const std::exception& e) {
        Raise(number, source, what, InnerError{InternalError, QString::fromLocal8Bit(e.what())});
    }
}

int16_t ToInt16(long long v)
{
    if (v < -32768 || v > 32767) throw InnerError{Overflow, QStringLiteral("Overflow")};
    return int16_t(v);
}

// The integer at the start of a value, as the profile functions read it: blanks, a sign, decimal
// digits up to the first other character; no digits give 0.
long long LeadingInteger(const QString& s)
{
    int i = 0;
    while (i < s.size() && (s[i] == u' ' || s[i] == u'\t')) ++i;
    bool negative = false;
    if (i < s.size() && (s[i] == u'-' || s[i] == u'+')) negative = s[i++] == u'-';
    long long v = 0;
    for (; i < s.size() && s[i] >= u'0' && s[i] <= u'9'; ++i) {
        v = v * 10 + (s[i].unicode() - u'0');
        if (v > 1'000'000'000LL) break;  // far outside 16 bits already
    }
    return negative ? -v : v;
}

// Whether a text reads as a number, as the settings store's integer read requires.
bool IsNumeric(const QString& s)
{
    static const QRegularExpression number(
        QStringLiteral("^\\s*[+-]?(\\d+\\.?\\d*|\\.\\d+)([eEdD][+-]?\\d+)?\\s*$|^\\s*&[hH][0-9A-Fa-f]+\\s*$"
                       "|^\\s*&[oO]?[0-7]+\\s*$"));
    return number.match(s).hasMatch();
}

}  // namespace

CSetting::CSetting() = default;
CSetting::~CSetting() = default;

void CSetting::Init(const std::optional<QString>& AppName, const std::optional<QString>& FileType,
                    const std::optional<QString>& FilePath, int Mode)
{
    // Used exactly as given: a project name may begin or end with blanks, and its file must be found.
    appName_ = AppName ? *AppName : Environment::ExecutableName();
    fileName_ = FilePath.value_or(Environment::ProgramFolder()) + appName_ + FileType.value_or(QStringLiteral(".Pzw"));
    mode_ = Mode;
    initialised_ = true;
}

void CSetting::EnsureInit()
{
    if (!initialised_) Init(std::nullopt, std::nullopt, std::nullopt, 1);
}

QString CSetting::StripNull(const QString& s)
{
    QString t = s;
    while (t.startsWith(u' ')) t.remove(0, 1);
    while (t.endsWith(u' ')) t.chop(1);
    const qsizetype nul = t.indexOf(QChar(0));
    return nul < 0 ? t : t.left(nul);
}

QString CSetting::StoreFile() const
{
    return Environment::ConfigFolder() + QStringLiteral("ProgramSettings.ini");
}

std::optional<QString> CSetting::ReadValue(const QString& file, const QString& section, const QString& key)
{
    if (batch_ && batch_->file() == file) return batch_->Read(section, key);
    Profile::Error e;
    auto v = Profile::Read(file, section, key, &e);
    if (e.number) RaiseProfile(e);
    return v;
}

void CSetting::WriteValue(const QString& file, const QString& section, const QString& key, const QString& value)
{
    if (batch_ && batch_->file() == file) {
        batch_->Write(section, key, value);
        return;
    }
    Profile::Error e;
    if (file == StoreFile()) QDir().mkpath(QFileInfo(file).absolutePath());
    if (!Profile::Write(file, section, key, value, &e)) RaiseProfile(e);
}

QString CSetting::GetSettingStr(const QString& Section, const QString& KeyName, const QString& DefaultValue,
                                const std::optional<QString>& AppName)
{
    return Guard(ErrReadingSetting, "CSetting.GetSettingStr", "Error reading Setting", [&] {
        EnsureInit();
        if (AppName) appName_ = *AppName;
        if (mode_ == 0) return ReadValue(StoreFile(), appName_ + u'/' + Section, KeyName).value_or(DefaultValue);
        // Whole values: a long project detail or folder comes back uncut.
        return StripNull(ReadValue(fileName_, Section, KeyName).value_or(DefaultValue));
    });
}

int16_t CSetting::GetSettingInt(const QString& Section, const QString& KeyName, int16_t DefaultValue)
{
    std::optional<QString> stored;
    const int16_t n = Guard(ErrReadingSetting, "CSetting.GetSettingInt", "Error reading Setting", [&]() -> int16_t {
        EnsureInit();
        if (mode_ == 0) {
            stored = ReadValue(StoreFile(), appName_ + u'/' + Section, KeyName).value_or(Str(DefaultValue));
            if (!IsNumeric(*stored)) return 0;
            return ToInt16(ValInt(*stored));
        }
        const auto v = ReadValue(fileName_, Section, KeyName);
        if (!v || v->trimmed().isEmpty()) return DefaultValue;
        return ToInt16(LeadingInteger(*v));
    });
    // Raised outside the operation's catch, so it reaches the caller as it is.
    if (stored && !IsNumeric(*stored))
        throw CSettingError(ErrNotNumeric, QStringLiteral("CSetting.GetSettingInt"),
                            QStringLiteral("The setting value returned was not numeric"));
    return n;
}

QList<CSetting::KeyValue> CSetting::GetSettingAll(const QString& Section)
{
    return Guard(ErrReadingSection, "CSetting.GetSettingAll", "Error reading Section", [&] {
        EnsureInit();
        // One reading of the file for the whole section: each key once, with its first value.
        QList<std::pair<QString, QString>> entries;
        QStringList lost;
        Profile::Error e;
        if (mode_ == 0)
            entries = Profile::Entries(StoreFile(), appName_ + u'/' + Section, &e);
        else if (batch_ && batch_->file() == fileName_)
            entries = batch_->Entries(Section, &lost);
        else
            entries = Profile::Entries(fileName_, Section, &e, &lost);
        if (e.number) RaiseProfile(e);
        QList<KeyValue> rows;
        rows.reserve(entries.size());
        // File mode gives each value as GetSettingStr reads it.
        for (auto& [k, v] : entries) {
            const bool keyLost = !lost.isEmpty() && lost.contains(k);
            rows.push_back({std::move(k), mode_ == 0 ? std::move(v) : StripNull(v), keyLost});
        }
        return rows;
    });
}

QStringList CSetting::GetSectionNames()
{
    return Guard(ErrReadingSection, "CSetting.GetSectionNames", "Error reading Section", [&] {
        EnsureInit();
        Profile::Error e;
        QStringList names;
        if (mode_ == 0)
            names = Profile::Keys(StoreFile(), appName_ + QStringLiteral("/0"), &e);
        else if (batch_ && batch_->file() == fileName_)
            names = batch_->Sections();
        else
            names = Profile::Sections(fileName_, &e);
        if (e.number) RaiseProfile(e);
        return names;
    });
}

void CSetting::SaveSettingStr(const QString& Section, const QString& KeyName, const QString& Setting,
                              const QString& /*AppName: not used*/)
{
    Guard(ErrWriting, "CSetting.SaveSettingStr", "Error writing Setting", [&] {
        EnsureInit();
        if (mode_ == 0)
            WriteValue(StoreFile(), appName_ + u'/' + Section, KeyName, Setting);
        else
            WriteValue(fileName_, Section, KeyName, Setting);
    });
}

void CSetting::SaveSettingInt(const QString& Section, const QString& KeyName, int16_t Setting)
{
    Guard(ErrWriting, "CSetting.SaveSettingInt", "Error writing Setting", [&] {
        EnsureInit();
        if (mode_ == 0)
            WriteValue(StoreFile(), appName_ + u'/' + Section, KeyName, Str(Setting));
        else
            WriteValue(fileName_, Section, KeyName, Str(Setting));
    });
}

void CSetting::DeleteKey(const QString& Section, const QString& KeyName)
{
    Guard(ErrDeletingKey, "CSetting.DeleteKey", "Error Deleting Key", [&] {
        EnsureInit();
        if (mode_ == 0) return;  // the settings store keeps its keys
        if (batch_ && batch_->file() == fileName_) {
            batch_->DeleteKey(Section, KeyName);
            return;
        }
        if (!Profile::DeleteKey(fileName_, Section, KeyName))
            throw InnerError{ErrDeletingKey, QStringLiteral("Error Deleting Key (check if file is protected)")};
    });
}

void CSetting::BeginBatch(bool fresh)
{
    EnsureInit();
    if (mode_ == 0) return;
    CommitBatch();
    batch_ = std::make_unique<Profile::Batch>(fileName_, fresh ? Profile::Batch::Empty : Profile::Batch::FromFile);
    if (!batch_->ok()) {
        Profile::Error e;
        batch_->Commit(&e);  // gives the load error without writing
        batch_.reset();
        Raise(ErrReadingSection, "CSetting.BeginBatch", "Error reading Section", InnerError{e.number, e.message});
    }
}

void CSetting::CommitBatch()
{
    if (!batch_) return;
    std::unique_ptr<Profile::Batch> batch = std::move(batch_);
    Profile::Error e;
    if (!batch->Commit(&e)) Raise(ErrWriting, "CSetting.CommitBatch", "Error writing Setting", InnerError{e.number, e.message});
}
