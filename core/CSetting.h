#pragma once
// Named values in sections, kept in a file of sections and keys (mode 1, the one the program
// uses: the settings file and the project files) or in the user's settings store (mode 0).
//
// Every failure is raised as a CSettingError carrying the number, source and description the
// callers show. A write that does not reach the disk raises too: nothing fails silently.
#include <cstdint>
#include <exception>
#include <memory>
#include <optional>

#include <QList>
#include <QString>
#include <QStringList>

struct CSettingError : std::exception {
    CSettingError(int32_t number, QString source, QString description);
    int32_t number;
    QString source;
    QString description;
    const char* what() const noexcept override { return what_.constData(); }

private:
    QByteArray what_;
};

namespace Profile {
class Batch;
}

class CSetting {
public:
    // Error numbers.
    static constexpr int32_t ErrNotNumeric = -2147220991;    // &H80040201
    static constexpr int32_t ErrWriting = -2147220990;       // &H80040202
    static constexpr int32_t ErrReadingSetting = -2147220989; // &H80040203
    static constexpr int32_t ErrReadingSection = -2147220988; // &H80040204
    static constexpr int32_t ErrDeletingKey = -2147220987;    // &H80040205

    struct KeyValue {
        QString key;
        QString value;
        // File mode: the line, in a file saved as UTF-8, held a character that Windows-1255 has
        // no code for, read as "?".
        bool lost = false;
        bool operator==(const KeyValue&) const = default;
    };

    CSetting();
    ~CSetting();
    CSetting(const CSetting&) = delete;
    CSetting& operator=(const CSetting&) = delete;

    // File name = FilePath & AppName & FileType, joined as given (a path without its final "/"
    // runs into the name). Absent: the executable's name, ".Pzw", the program folder.
    void Init(const std::optional<QString>& AppName = std::nullopt,
              const std::optional<QString>& FileType = std::nullopt,
              const std::optional<QString>& FilePath = std::nullopt, int Mode = 1);

    // A missing file, section or key gives DefaultValue. `AppName` replaces the application name
    // (the file stays the one Init named).
    QString GetSettingStr(const QString& Section, const QString& KeyName, const QString& DefaultValue,
                          const std::optional<QString>& AppName = std::nullopt);
    int16_t GetSettingInt(const QString& Section, const QString& KeyName, int16_t DefaultValue);
    // Every key of the section with its value; empty (nothing) for a missing or empty section.
    QList<KeyValue> GetSettingAll(const QString& Section);
    // Every section name; empty (nothing) when there is none.
    QStringList GetSectionNames();
    void SaveSettingStr(const QString& Section, const QString& KeyName, const QString& Setting,
                        const QString& AppName = QString());
    void SaveSettingInt(const QString& Section, const QString& KeyName, int16_t Setting);
    void DeleteKey(const QString& Section, const QString& KeyName);

    void SetSaveMode(int value) { mode_ = value; }
    int SaveMode() const { return mode_; }

    // File mode: the writes from BeginBatch to CommitBatch reach the disk at once, in CommitBatch
    // (a project file is hundreds of keys). Reads in between see the batch. `fresh` starts from an
    // empty file, so the result holds only what was written since, and the old file stays intact
    // until the new one is complete. CommitBatch raises the write error when the file cannot be
    // written; a batch that is never committed changes nothing.
    void BeginBatch(bool fresh = false);
    void CommitBatch();
    bool InBatch() const { return batch_ != nullptr; }

    // The file the instance uses (empty until Init).
    const QString& FileName() const { return fileName_; }
    const QString& AppName() const { return appName_; }

private:
    void EnsureInit();
    QString StoreFile() const;  // mode 0: the per-user store of the application
    std::optional<QString> ReadValue(const QString& file, const QString& section, const QString& key);
    void WriteValue(const QString& file, const QString& section, const QString& key, const QString& value);
    static QString StripNull(const QString& s);

    QString fileName_;
    QString appName_;
    int mode_ = 1;
    bool initialised_ = false;
    std::unique_ptr<Profile::Batch> batch_;
};
